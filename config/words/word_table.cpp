#include "config/words/word_table.h"

#include <algorithm>

#include "config/words/word_data.h"

namespace tavik::words {
namespace {

const WordEntry* find(std::string_view key) {
    const std::span<const WordEntry> all = allEntries();
    const auto it =
        std::lower_bound(all.begin(), all.end(), key,
                         [](const WordEntry& e, std::string_view k) { return e.key < k; });
    return it != all.end() && it->key == key ? &*it : nullptr;
}

}  // namespace

std::span<const WordEntry> allEntries() {
    return {detail::kEntries, detail::kEntryCount};
}

std::string_view word(std::string_view key, int language) {
    const WordEntry* e = find(key);
    return e ? e->text[effectiveLanguage(language)] : key;
}

std::string_view word(Word w, int language) {
    if (w == Word::None) return {};
    return word(wordKey(w), language);
}

std::string text(const Text& t, int language) {
    std::string s = t.word == Word::None ? t.literal : std::string(word(t.word, language));
    return t.inParens ? "(" + s + ")" : s;
}

bool hasWord(std::string_view key) {
    return find(key) != nullptr;
}

std::optional<WordEntry> entry(std::string_view key) {
    const WordEntry* e = find(key);
    if (!e) return std::nullopt;
    return *e;
}

std::array<LanguageCoverage, kLanguageCount> coverage() {
    std::array<LanguageCoverage, kLanguageCount> result;
    for (int lang = 0; lang < kLanguageCount; ++lang) {
        result[lang].language = lang;
        result[lang].total = static_cast<int>(detail::kEntryCount);
        for (const WordEntry& e : allEntries())
            if (e.own(lang)) ++result[lang].translated;
    }
    return result;
}

}  // namespace tavik::words
