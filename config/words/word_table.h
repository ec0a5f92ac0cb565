#pragma once
// The word tables: every text shown to the player, in the ten interface languages.
// The tables come from words.tsv, compiled into the program; all texts are UTF-8.
// A table is named by its generated key (words::WordKey, spelt words::key::NewPlayer),
// so that a misspelt key does not compile; word(key, language) is the one lookup.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "config/words/languages.h"
#include "config/words/word_keys.h"
#include "core/state/words.h"

namespace tavik::words {

// One word table: a text per language (English where a translation is missing).
struct WordEntry {
    std::string_view key;
    std::array<std::string_view, kLanguageCount> text;
    std::uint16_t ownMask;  // bit i: language i has a text of its own

    bool own(int language) const { return (ownMask >> effectiveLanguage(language)) & 1u; }
};

// The text of a table in a language (values outside 0..9 show English).
std::string_view word(WordKey key, int language);
// The whole table of a key.
const WordEntry& entry(WordKey key);

// The table of a word of the game core (Word::None has none).
WordKey keyOf(Word w);
// A text of the game core: its word in the language, or its literal, with the
// parentheses of a hint.
std::string text(const Text& t, int language);

// The key whose text in words.tsv is keyText, for front ends that take a key typed by
// a person (`tavik-cli words KEY`); nullopt when there is no such table.
std::optional<WordKey> findWord(std::string_view keyText);
// Every table, sorted by key; the table of key k is at index k.
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
