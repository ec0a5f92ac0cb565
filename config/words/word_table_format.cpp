#include "config/words/word_table_format.h"

#include <algorithm>
#include <cstdio>
#include <map>

namespace tavik::words {
namespace {

std::vector<std::string_view> split(std::string_view s, char sep) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = s.find(sep, start);
        if (end == std::string_view::npos) {
            parts.push_back(s.substr(start));
            return parts;
        }
        parts.push_back(s.substr(start, end - start));
        start = end + 1;
    }
}

bool validKey(std::string_view key) {
    if (key.empty()) return false;
    const auto letter = [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
    };
    if (!letter(key[0])) return false;
    return std::all_of(key.begin(), key.end(),
                       [&](char c) { return letter(c) || (c >= '0' && c <= '9'); });
}

// Checks that s is well-formed UTF-8 (no overlong forms, no surrogates).
bool validUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto b = static_cast<unsigned char>(s[i]);
        int extra = 0;
        unsigned min = 0;
        unsigned cp = 0;
        if (b < 0x80) {
            ++i;
            continue;
        } else if ((b & 0xE0) == 0xC0) {
            extra = 1, min = 0x80, cp = b & 0x1F;
        } else if ((b & 0xF0) == 0xE0) {
            extra = 2, min = 0x800, cp = b & 0x0F;
        } else if ((b & 0xF8) == 0xF0) {
            extra = 3, min = 0x10000, cp = b & 0x07;
        } else {
            return false;
        }
        if (i + extra >= s.size()) return false;  // cut off at the end
        for (int k = 1; k <= extra; ++k) {
            const auto c = static_cast<unsigned char>(s[i + k]);
            if ((c & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (c & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += extra + 1;
    }
    return true;
}

// Replaces the escapes \t, \n and \\; false for any other backslash sequence.
bool unescape(std::string_view cell, std::string& out) {
    out.clear();
    for (std::size_t i = 0; i < cell.size(); ++i) {
        if (cell[i] != '\\') {
            out += cell[i];
            continue;
        }
        if (++i == cell.size()) return false;
        switch (cell[i]) {
            case 't':
                out += '\t';
                break;
            case 'n':
                out += '\n';
                break;
            case '\\':
                out += '\\';
                break;
            default:
                return false;
        }
    }
    return true;
}

std::string cLiteral(std::string_view s) {
    std::string out = "\"";
    for (const char ch : s) {
        const auto b = static_cast<unsigned char>(ch);
        if (ch == '"' || ch == '\\') {
            out += '\\';
            out += ch;
        } else if (b >= 0x20 && b < 0x7F) {
            out += ch;
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\%03o", b);  // octal: at most three digits
            out += buf;
        }
    }
    return out + "\"";
}

std::vector<const ParsedEntry*> sortedByKey(const std::vector<ParsedEntry>& entries) {
    std::vector<const ParsedEntry*> sorted;
    for (const ParsedEntry& e : entries) sorted.push_back(&e);
    std::sort(sorted.begin(), sorted.end(),
              [](const ParsedEntry* a, const ParsedEntry* b) { return a->key < b->key; });
    return sorted;
}

}  // namespace

ParseResult parseWordTable(std::string_view fileText, std::string_view sourceName) {
    ParseResult result;
    std::map<std::string, int, std::less<>> firstLine;
    if (fileText.substr(0, 3) == "\xEF\xBB\xBF") fileText.remove_prefix(3);  // a BOM

    const std::vector<std::string_view> lines = split(fileText, '\n');
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const int lineNo = static_cast<int>(n) + 1;
        std::string_view line = lines[n];
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line.front() == '#') continue;

        const auto fail = [&](const std::string& what) {
            result.entries.clear();
            result.error = std::string(sourceName) + ":" + std::to_string(lineNo) + ": " + what;
            return result;
        };
        if (!validUtf8(line)) return fail("the line is not valid UTF-8");
        const std::vector<std::string_view> cells = split(line, '\t');
        if (static_cast<int>(cells.size()) != kColumnCount)
            return fail("expected " + std::to_string(kColumnCount) +
                        " tab-separated columns (a key and " + std::to_string(kLanguageCount) +
                        " languages), found " + std::to_string(cells.size()));

        ParsedEntry entry;
        entry.key = std::string(cells[0]);
        entry.line = lineNo;
        if (!validKey(entry.key))
            return fail("the key '" + entry.key +
                        "' must be letters, digits and '_', starting with a letter");
        if (const auto it = firstLine.find(entry.key); it != firstLine.end())
            return fail("the key '" + entry.key + "' is already used on line " +
                        std::to_string(it->second));

        std::array<std::string, kLanguageCount> raw;
        for (int lang = 0; lang < kLanguageCount; ++lang)
            if (!unescape(cells[lang + 1], raw[lang]))
                return fail("unknown escape in the " + std::string(languageCode(lang)) +
                            " text (only \\t, \\n and \\\\)");
        const std::string& english = raw[kEnglish];
        if (english.empty() || english == "=")
            return fail("the English text of '" + entry.key + "' is missing");

        for (int lang = 0; lang < kLanguageCount; ++lang) {
            const std::string& cell = raw[lang];
            if (cell.empty()) {
                entry.text[lang] = english;
                entry.own[lang] = false;
            } else if (cell == "=") {
                entry.text[lang] = english;
                entry.own[lang] = true;
            } else {
                entry.text[lang] = cell;
                // A copy of the English text is still untranslated; "=" says otherwise.
                entry.own[lang] = lang == kEnglish || cell != english;
            }
        }
        firstLine.emplace(entry.key, lineNo);
        result.entries.push_back(std::move(entry));
    }
    return result;
}

std::string generateWordSource(const std::vector<ParsedEntry>& entries) {
    std::string out =
        "// Generated from words.tsv by tavik_words_gen. Edit words.tsv, not this file.\n"
        "#include \"config/words/word_data.h\"\n\n"
        "namespace tavik::words::detail {\n\n"
        "extern const WordEntry kEntries[];\n"
        "const WordEntry kEntries[] = {\n";
    for (const ParsedEntry* e : sortedByKey(entries)) {
        unsigned mask = 0;
        for (int lang = 0; lang < kLanguageCount; ++lang)
            if (e->own[lang]) mask |= 1u << lang;
        out += "    {" + cLiteral(e->key) + ",\n     {{";
        for (int lang = 0; lang < kLanguageCount; ++lang) {
            if (lang > 0) out += ",\n       ";
            out += cLiteral(e->text[lang]);
        }
        out += "}},\n     " + std::to_string(mask) + "u},\n";
    }
    out +=
        "};\n\n"
        "extern const std::size_t kEntryCount;\n"
        "const std::size_t kEntryCount = " +
        std::to_string(entries.size()) +
        ";\n\n"
        "// A WordKey is the place of its table in this array.\n"
        "static_assert(sizeof(kEntries) / sizeof(kEntries[0]) == kWordKeyCount);\n\n"
        "}  // namespace tavik::words::detail\n";
    return out;
}

std::string generateKeyHeader(const std::vector<ParsedEntry>& entries) {
    std::string out =
        "#pragma once\n"
        "// Generated from words.tsv by tavik_words_gen: the keys of the word tables.\n"
        "// Edit words.tsv, not this file.\n\n"
        "#include <cstddef>\n"
        "#include <cstdint>\n\n"
        "namespace tavik::words {\n\n"
        "// A word table, named by its key in words.tsv. The value is the table's place in\n"
        "// key order, which is also its place in the compiled tables.\n"
        "enum class WordKey : std::uint16_t {\n";
    for (const ParsedEntry* e : sortedByKey(entries)) out += "    " + e->key + ",\n";
    out +=
        "};\n\n"
        "inline constexpr std::size_t kWordKeyCount = " +
        std::to_string(entries.size()) +
        ";\n\n"
        "// The keys by their short names: words::key::NewPlayer.\n"
        "namespace key {\n"
        "using enum WordKey;\n"
        "}  // namespace key\n\n"
        "}  // namespace tavik::words\n";
    return out;
}

}  // namespace tavik::words
