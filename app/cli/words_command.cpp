// tavik-cli words: the language tables. "--coverage" prints per language how many tables
// have a text of their own; a key prints that table in the ten languages.
#include <cstdio>
#include <optional>
#include <string>

#include "app/cli/arguments.h"
#include "app/cli/commands.h"
#include "config/words/word_table.h"

namespace tavik::cli {
namespace {

int fail(const std::string& message) {
    std::fprintf(stderr, "tavik-cli words: %s\n", message.c_str());
    return 2;
}

// The text in double quotes, so that blanks at its ends show.
std::string quoted(std::string_view s) {
    std::string out = "\"";
    for (const char c : s) {
        if (c == '"' || c == '\\')
            out += std::string("\\") + c;
        else if (c == '\n')
            out += "\\n";
        else if (c == '\t')
            out += "\\t";
        else
            out += c;
    }
    return out + "\"";
}

void printCoverage() {
    for (const words::LanguageCoverage& c : words::coverage()) {
        const std::string count = std::to_string(c.translated) + "/" + std::to_string(c.total);
        std::printf("%s %9s %6.1f%%\n", std::string(words::languageCode(c.language)).c_str(),
                    count.c_str(), c.percent());
    }
}

int printEntry(const std::string& keyText) {
    const std::optional<words::WordKey> key = words::findWord(keyText);
    if (!key) return fail("no word table '" + keyText + "'");
    const words::WordEntry& e = words::entry(*key);
    for (int lang = 0; lang < words::kLanguageCount; ++lang) {
        std::printf("%s %s%s\n", std::string(words::languageCode(lang)).c_str(),
                    quoted(e.text[lang]).c_str(), e.own(lang) ? "" : "  (untranslated)");
    }
    return 0;
}

}  // namespace

int wordsCommand(const std::vector<std::string>& args) {
    std::string error;
    const auto parsed = Arguments::parse(args, {}, {"coverage"}, error);
    if (!parsed) return fail(error);
    const bool coverage = parsed->has("coverage");
    const std::vector<std::string>& keys = parsed->positional();
    if (coverage == (keys.size() == 1) || keys.size() > 1)
        return fail("give either --coverage or one KEY");
    if (coverage) {
        printCoverage();
        return 0;
    }
    return printEntry(keys.front());
}

}  // namespace tavik::cli
