#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <locale>

#include "online/protocol/reply_parsers.h"
#include "online/protocol/web_client.h"

namespace tavik::online {
namespace {

using Tokens = std::vector<std::string>;

TEST(HasMark, FindsMarksOutsideRecordsOnly) {
    struct Case {
        std::string reply, mark;
        bool found;
    } cases[] = {
        {"no\r\n", "no", true},
        {"ok", "ok", true},
        {"o", "ok", false},
        {"Snowman", "no", true},  // a plain reply is read whole, words included
        {"$Genoa 1-001 Italy M a@b$\r\n", "no", false},  // a city inside a record is no mark
        {"$Snowman x$\r\nno\r\n", "no", true},           // a mark after the record counts
        {"$1 Kristina*ok", "is", false},
        {"$1 Kristina*is", "is", true},
        {"n\r\no", "no", false},  // a line end splits the two letters
        {"OK", "ok", false},      // case-sensitive
    };
    for (const Case& c : cases) EXPECT_EQ(HasMark(c.reply, c.mark), c.found) << c.reply;
}

TEST(LastNumber, TakesTheLastDollarAndNeverTheFinalCharacter) {
    struct Case {
        std::string reply;
        std::optional<long long> number;
    } cases[] = {
        {"place $17\r\n", 17},
        {"place $17", 1},           // the final character is never read
        {"$3 and later $25x", 25},  // the last '$' counts
        {"$42$", 42},               // a '$' as the final character starts nothing
        {"no dollar", std::nullopt},
        {"$x\r\n", std::nullopt},
        {"$7", std::nullopt},  // its only digit is the final character
        {"", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(LastNumber(c.reply), c.number) << c.reply;
}

TEST(FirstRecord, SplitsTheFirstRecordIntoTokens) {
    struct Case {
        std::string reply;
        char end, sep;
        Tokens tokens;
    } cases[] = {
        {"x$Tver Russia 1-001$\r\n", '$', ' ', {"Tver", "Russia", "1-001"}},
        {"$a  b$", '$', ' ', {"a", "", "b"}},  // two separators: an empty token
        {"$Ann~~About me~$", '$', '~', {"Ann", "", "About me"}},
        {"$runs to the end", '$', ' ', {"runs", "to", "the", "en"}},  // loses its last character
        {"$1 2*$3 4*", '*', ' ', {"1", "2"}},
        {"no record", '$', ' ', {}},
        {"$", '$', ' ', {}},  // a '$' as the final character is no record
    };
    for (const Case& c : cases) EXPECT_EQ(FirstRecord(c.reply, c.end, c.sep), c.tokens) << c.reply;
}

TEST(RecordList, ReadsRecordsInOrderUpToTheLimit) {
    std::string reply;
    for (int i = 1; i <= 12; ++i) reply += "$" + std::to_string(i) + " n" + std::to_string(i) + "*";
    reply += "\r\n";
    const auto records = RecordList(reply, '*', ' ', 10);
    ASSERT_EQ(records.size(), 10u);
    EXPECT_EQ(records.front(), (Tokens{"1", "n1"}));
    EXPECT_EQ(records.back(), (Tokens{"10", "n10"}));
    EXPECT_TRUE(RecordList("nothing\r\n", '*', ' ', 10).empty());
}

// A locale with a decimal comma, built for the test when the system has the source.
bool UseCommaLocale() {
    const auto dir = std::filesystem::temp_directory_path() / "tavik-locale-test";
    std::filesystem::create_directories(dir);
    const std::string target = (dir / "de_DE.UTF-8").string();
    if (!std::filesystem::exists(target)) {
        const std::string command = "localedef -i de_DE -f UTF-8 '" + target + "' >/dev/null 2>&1";
        if (std::system(command.c_str()) != 0 && !std::filesystem::exists(target)) return false;
    }
    ::setenv("LOCPATH", dir.c_str(), 1);
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) return false;
    return std::localeconv()->decimal_point[0] == ',';
}

TEST(Reals, WrittenWithAPointAndReadWithEitherSeparatorUnderACommaLocale) {
    if (!UseCommaLocale()) GTEST_SKIP() << "no locale with a decimal comma";
    EXPECT_EQ(FormatReal(0.000001), "0");
    EXPECT_EQ(FormatReal(-0.000009), "0");
    EXPECT_EQ(FormatReal(12.5), "12.5");
    EXPECT_EQ(FormatReal(0.1), "0.1");
    EXPECT_EQ(FormatReal(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(FormatReal(-7), "-7");
    EXPECT_DOUBLE_EQ(ParseReal("12,5"), 12.5);
    EXPECT_DOUBLE_EQ(ParseReal("12.5"), 12.5);
    EXPECT_DOUBLE_EQ(ParseReal("-3,25"), -3.25);
    EXPECT_DOUBLE_EQ(ParseReal(""), 0);
    EXPECT_DOUBLE_EQ(ParseReal("7"), 7);
    EXPECT_THROW(ParseReal("12,5x"), RequestError);
    EXPECT_THROW(ParseReal("abc"), RequestError);
    std::setlocale(LC_ALL, "C");
}

TEST(Reals, FormatAndParseRoundTrip) {
    for (const double v : {12.5, 1234.5678, -0.25, 100.0, 3.14159})
        EXPECT_DOUBLE_EQ(ParseReal(FormatReal(v)), v) << v;
}

TEST(ParseInt, AcceptsWholeNumbersOnly) {
    EXPECT_EQ(ParseInt("42"), 42);
    EXPECT_EQ(ParseInt("-7"), -7);
    for (const char* bad : {"", "4x", " 4", "99999999999", "1.5"})
        EXPECT_THROW(ParseInt(bad), RequestError) << bad;
}

TEST(BodyStyles, FieldListLeavesEmptyFieldsAndPercentEncodesUtf8) {
    EXPECT_EQ(FieldListBytes(FieldListText({"nick=ann", "pw=abc", "label0=0"})),
              "nick=ann&&pw=abc&&label0=0");
    EXPECT_EQ(FieldListBytes("city=Тверь\n\rnote=a b&c=d*-._~"),
              "city=%D0%A2%D0%B2%D0%B5%D1%80%D1%8C&&note=a+b%26c%3Dd*-._%7E");
    EXPECT_EQ(FieldListBytes("crdtv2kon=0"), "crdtv2kon=0");
    EXPECT_EQ(FieldListBytes("no equals sign"), "no+equals+sign");
}

TEST(BodyStyles, FormBodyIsWindows1251WithoutEscaping) {
    EXPECT_EQ(FormBodyBytes("nick=a&b=c d&city=Тверь"), "nick=a&b=c d&city=\xD2\xE2\xE5\xF0\xFC");
    EXPECT_EQ(FormBodyBytes("x=日本"), "x=??");  // characters the code page lacks
}

}  // namespace
}  // namespace tavik::online
