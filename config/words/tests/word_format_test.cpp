// The word-table file format: reading cells and marks, refusing malformed lines, and the
// C++ the build generates from it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/words/word_table_format.h"

namespace tavik::words {
namespace {

// One line of the file from its cells.
std::string row(const std::vector<std::string>& cells) {
    std::string s;
    for (std::size_t i = 0; i < cells.size(); ++i) s += (i ? "\t" : "") + cells[i];
    return s;
}

std::vector<std::string> fullRow(const std::string& key, const std::string& english) {
    return {key, english, "ru", "de", "fr", "es", "zh", "it", "cs", "ja", "ko"};
}

TEST(WordFormat, ReadsTextsMarksAndEscapes) {
    std::vector<std::string> partial = fullRow("Sound", "Sound");
    partial[3] = "";       // German: no translation yet
    partial[4] = "=";      // French: the English text on purpose
    partial[5] = "Sound";  // Spanish: a copy of the English text
    partial[2] = "Две\\nстроки \\\\ \\t";
    const std::string file = "\xEF\xBB\xBF# comment\r\n\r\n" + row(fullRow("Exit", "Exit")) +
                             "\r\n" + row(partial) + "\n";

    const ParseResult r = parseWordTable(file, "w.tsv");
    ASSERT_TRUE(r.ok()) << r.error;
    ASSERT_EQ(r.entries.size(), 2u);
    EXPECT_EQ(r.entries[0].key, "Exit");
    EXPECT_EQ(r.entries[0].line, 3);
    EXPECT_EQ(r.entries[0].text[kLanguageCount - 1], "ko");  // the CR is not part of the text

    const ParsedEntry& e = r.entries[1];
    EXPECT_EQ(e.line, 4);
    EXPECT_EQ(e.text[1], "Две\nстроки \\ \t");
    EXPECT_TRUE(e.own[0]);
    EXPECT_TRUE(e.own[1]);
    EXPECT_EQ(e.text[2], "Sound");
    EXPECT_FALSE(e.own[2]);
    EXPECT_EQ(e.text[3], "Sound");
    EXPECT_TRUE(e.own[3]);
    EXPECT_EQ(e.text[4], "Sound");
    EXPECT_FALSE(e.own[4]);
    EXPECT_TRUE(e.own[5]);
}

TEST(WordFormat, RefusesMalformedLinesNamingTheLine) {
    std::vector<std::string> tooFew = fullRow("Exit", "Exit");
    tooFew.pop_back();
    std::vector<std::string> tooMany = fullRow("Exit", "Exit");
    tooMany.push_back("extra");
    std::vector<std::string> noEnglish = fullRow("Exit", "");
    std::vector<std::string> englishMark = fullRow("Exit", "=");
    std::vector<std::string> badEscape = fullRow("Exit", "Exit");
    badEscape[4] = "Quitter\\q";
    std::vector<std::string> badUtf8 = fullRow("Exit", "Exit");
    badUtf8[6] = "\xE9\x80";  // a three-byte sequence cut short
    std::vector<std::string> overlong = fullRow("Exit", "Exit");
    overlong[7] = "\xC0\xAF";

    const std::string good = row(fullRow("Beaten", "Beaten")) + "\n";
    struct Case {
        std::string secondLine;
        std::string message;
    };
    const Case cases[] = {
        {row(tooFew),
         "t.tsv:2: expected 11 tab-separated columns (a key and 10 languages), found 10"},
        {row(tooMany), "t.tsv:2: expected 11 tab-separated columns"},
        {"Exit with blanks", "t.tsv:2: expected 11 tab-separated columns"},
        {row(fullRow("Beaten", "Beaten")), "t.tsv:2: the key 'Beaten' is already used on line 1"},
        {row(fullRow("2Exit", "Exit")), "t.tsv:2: the key '2Exit' must be"},
        {row(fullRow("Ex-it", "Exit")), "t.tsv:2: the key 'Ex-it' must be"},
        {row(noEnglish), "t.tsv:2: the English text of 'Exit' is missing"},
        {row(englishMark), "t.tsv:2: the English text of 'Exit' is missing"},
        {row(badEscape), "t.tsv:2: unknown escape in the Fra text"},
        {row(badUtf8), "t.tsv:2: the line is not valid UTF-8"},
        {row(overlong), "t.tsv:2: the line is not valid UTF-8"},
    };
    for (const Case& c : cases) {
        const ParseResult r = parseWordTable(good + c.secondLine + "\n", "t.tsv");
        EXPECT_FALSE(r.ok()) << c.secondLine;
        EXPECT_EQ(r.error.rfind(c.message, 0), 0u) << r.error;
        EXPECT_TRUE(r.entries.empty());
    }
}

TEST(WordFormat, GeneratesPlainAsciiSourceSortedByKey) {
    std::vector<std::string> quoted = fullRow("Zeta", "He said \"hi\" \\\\ ok");
    quoted[2] = "Звук";
    const ParseResult r =
        parseWordTable(row(quoted) + "\n" + row(fullRow("Alpha", "A")) + "\n", "g.tsv");
    ASSERT_TRUE(r.ok()) << r.error;

    const std::string source = generateWordSource(r.entries);
    for (const char c : source) ASSERT_LT(static_cast<unsigned char>(c), 0x80u);
    EXPECT_NE(source.find(R"("He said \"hi\" \\ ok")"), std::string::npos);
    EXPECT_NE(source.find(R"("\320\227\320\262\321\203\320\272")"), std::string::npos);  // Звук
    EXPECT_LT(source.find("\"Alpha\""), source.find("\"Zeta\""));
    EXPECT_NE(source.find("kEntryCount = 2;"), std::string::npos);

    const std::string keys = generateKeyHeader(r.entries);
    // The keys in the order of the table, so that a key is its table's index.
    EXPECT_NE(keys.find("enum class WordKey : std::uint16_t {\n    Alpha,\n    Zeta,\n};"),
              std::string::npos);
    EXPECT_NE(keys.find("kWordKeyCount = 2;"), std::string::npos);
    EXPECT_NE(source.find("== kWordKeyCount"), std::string::npos);
}

}  // namespace
}  // namespace tavik::words
