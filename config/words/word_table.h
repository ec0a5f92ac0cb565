#pragma once
// The word tables: every text shown to the player, in the ten interface languages.
// The tables come from words.tsv, compiled into the program; all texts are UTF-8.
// The keys are also constants in "words/word_keys.h" (tavik::words::key::NewPlayer).

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/state/words.h"
#include "config/words/languages.h"

namespace tavik::words {

// One word table: a text per language (English where a translation is missing).
struct WordEntry {
    std::string_view key;
    std::array<std::string_view, kLanguageCount> text;
    std::uint16_t ownMask;  // bit i: language i has a text of its own

    bool own(int language) const { return (ownMask >> effectiveLanguage(language)) & 1u; }
};

// The text of a table in a language (values outside 0..9 show English). An unknown key
// comes back as itself, so that a missing entry shows up instead of a blank.
std::string_view word(std::string_view key, int language);
// The text of a word of the game core; Word::None gives an empty text.
std::string_view word(Word w, int language);
// A text of the game core: its word in the language, or its literal, with the
// parentheses of a hint.
std::string text(const Text& t, int language);

bool hasWord(std::string_view key);
std::optional<WordEntry> entry(std::string_view key);
// Every table, sorted by key.
std::span<const WordEntry> allEntries();

struct LanguageCoverage {
    int language = 0;
    int translated = 0;  // tables with a text of their own in this language
    int total = 0;
    double percent() const { return total == 0 ? 100.0 : 100.0 * translated / total; }
};
// Per language, how many tables are translated.
std::array<LanguageCoverage, kLanguageCount> coverage();

}  // namespace tavik::words
