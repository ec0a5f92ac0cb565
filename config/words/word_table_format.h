#pragma once
// The text format of the word tables (words.tsv) and its translation into C++.
// Used at build time by the generator; kept as a library so that it is tested.
//
// Format: UTF-8 text, one entry a line: the key, then one cell per language in index
// order, separated by tabs. An empty cell has no translation (the English text is shown
// and the entry counts as untranslated); a cell holding only "=" is the English text on
// purpose. "\t", "\n" and "\\" stand for a tab, a line break and a backslash. Empty lines
// and lines starting with "#" are ignored.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "config/words/languages.h"

namespace tavik::words {

inline constexpr int kColumnCount = 1 + kLanguageCount;

struct ParsedEntry {
    std::string key;
    std::array<std::string, kLanguageCount> text;  // never empty: English fills the gaps
    std::array<bool, kLanguageCount> own{};        // the language has its own text
    int line = 0;
};

struct ParseResult {
    std::vector<ParsedEntry> entries;  // in file order
    std::string error;                 // "<source>:<line>: <what is wrong>"; empty on success
    bool ok() const { return error.empty(); }
};

// Reads a whole word-table file. Stops at the first malformed line and says which.
ParseResult parseWordTable(std::string_view fileText, std::string_view sourceName);

// The C++ source defining the table of the entries (sorted by key for the lookup).
std::string generateWordSource(const std::vector<ParsedEntry>& entries);
// A header with the enum of the keys, WordKey (also reachable as
// tavik::words::key::NewPlayer ...), so that a misspelt key fails to compile. Its values
// follow the order of generateWordSource's table.
std::string generateKeyHeader(const std::vector<ParsedEntry>& entries);

}  // namespace tavik::words
