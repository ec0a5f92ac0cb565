// tavik-cli analyze and its JSON reader: worked decisions in, the computer's answer
// out; bad input refused with a reason.
#include <gtest/gtest.h>

#include <cmath>

#include "app/cli/analyze_command.h"
#include "app/cli/json.h"

namespace tavik::cli {
namespace {

Json parse(const std::string& text) {
    std::string error;
    const auto v = parseJson(text, error);
    if (!v) throw std::runtime_error(error);
    return *v;
}

TEST(JsonReader, ReadsTheWholeGrammar) {
    const Json v = parse(
        " {\"a\": [1, -2.5e1, true, false, null], \"b\": \"\\u0436\\ud83c\\udccf\\n\\\"\", \"c\": "
        "{}} ");
    ASSERT_TRUE(v.is_object());
    const Json& a = v.at("a");
    ASSERT_TRUE(a.is_array() && a.size() == 5);
    EXPECT_EQ(wholeNumber(a[0]), 1);
    EXPECT_EQ(wholeNumber(a[1]), std::nullopt);
    EXPECT_DOUBLE_EQ(a[1].get<double>(), -25);
    EXPECT_TRUE(a[2].get<bool>());
    EXPECT_TRUE(a[4].is_null());
    EXPECT_EQ(v.at("b").get<std::string>(), "ж\xF0\x9F\x83\x8F\n\"");
    EXPECT_TRUE(v.at("c").is_object());
    EXPECT_FALSE(v.contains("d"));
}

TEST(JsonReader, RefusesBadText) {
    const char* bad[] = {
        "",
        "{",
        "{\"a\":1,}",
        "[1 2]",
        "01",
        "1.",
        "\"\\x\"",
        "\"a\nb\"",
        "{\"a\":1} x",
        "tru",
        "{\"a\":1,\"a\":2}",
        "\"\\ud800\"",
        "{a:1}",
    };
    for (const char* text : bad) {
        std::string error;
        EXPECT_FALSE(parseJson(text, error)) << text;
        EXPECT_FALSE(error.empty()) << text;
    }
    std::string deep(200, '[');
    std::string error;
    EXPECT_FALSE(parseJson(deep + std::string(200, ']'), error));
    EXPECT_NE(error.find("deep"), std::string::npos);
}

// Each refusal names what was expected and the byte where reading stopped.
TEST(JsonReader, SaysWhatAndWhere) {
    const std::string deep64(64, '['), deep65(65, '[');
    const struct {
        std::string text, error;
    } cases[] = {
        {"", "unexpected end of input at byte 0"},
        {"  ", "unexpected end of input at byte 2"},
        {"{", "expected a key at byte 1"},
        {"{\"a\":1,}", "expected a key at byte 7"},
        {"{a:1}", "expected a key at byte 1"},
        {"{\"a\" 1}", "expected ':' at byte 5"},
        {"[1 2]", "expected ',' or ']' at byte 3"},
        {"{\"a\":1 \"b\"}", "expected ',' or '}' at byte 7"},
        {"[1,]", "unexpected character at byte 3"},
        {"]", "unexpected character at byte 0"},
        {"\xEF\xBB\xBF{}", "unexpected character at byte 0"},
        {std::string("[1,\0]", 5), "unexpected character at byte 3"},
        {std::string("{}\0", 3), "unexpected text after the value at byte 2"},
        {"{\"a\":1} x", "unexpected text after the value at byte 8"},
        {"tru", "unknown word at byte 0"},
        {"01", "leading zero in a number at byte 2"},
        {"[-01.5]", "leading zero in a number at byte 4"},
        {"1.", "bad number at byte 2"},
        {"-", "bad number at byte 1"},
        {"1e+", "bad number at byte 3"},
        {"\"\\x\"", "bad escape at byte 3"},
        {"\"a\nb\"", "control character in a string at byte 3"},
        {"\"abc", "unterminated string at byte 4"},
        {"\"\\", "unterminated string at byte 2"},
        {"\"\\u12\"", "short \\u escape at byte 3"},
        {"\"\\u12g4\"", "bad \\u escape at byte 6"},
        {"\"\\ud800\"", "lone surrogate at byte 7"},
        {"\"\\ud800\\u0041\"", "lone surrogate at byte 13"},
        {"\"\\udc00\"", "lone surrogate at byte 7"},
        {"{\"a\":1,\"a\":2}", "repeated key \"a\" at byte 10"},
        {deep65 + "1", "nesting too deep at byte 65"},
        {deep64 + "{\"a\": 1}", "nesting too deep at byte 70"},
        {deep64 + "{\"a\" }", "expected ':' at byte 69"},
        {std::string(200, '['), "nesting too deep at byte 65"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(parseJson(c.text, error)) << c.text;
        EXPECT_EQ(error, c.error) << c.text;
    }
    // As deep as allowed.
    std::string error;
    EXPECT_TRUE(parseJson(deep64 + "[]" + std::string(64, ']'), error)) << error;
    EXPECT_TRUE(parseJson(deep64 + "{}" + std::string(64, ']'), error)) << error;
}

// Strings hold any bytes but control characters; numbers too large for a double are
// infinite.
TEST(JsonReader, TakesWhatJsonAllows) {
    const Json v = parse("[\"\xFF\xD0\\u0436\xC0\", 1e999, -1e999, 12345678901234567890]");
    EXPECT_EQ(v[0].get<std::string>(), "\xFF\xD0ж\xC0");
    EXPECT_EQ(v[1].get<double>(), HUGE_VAL);
    EXPECT_EQ(v[2].get<double>(), -HUGE_VAL);
    EXPECT_EQ(wholeNumber(v[3]), std::nullopt);
    EXPECT_EQ(parse("{\"\xFE\":1}").begin().key(), "\xFE");
}

TEST(JsonLine, WritesNumbersAndStringsAsBefore) {
    const Json v = {{"b", 2},
                    {"a", Json::array({1.49, 16700000.0, 0.0, -0.5e-7, HUGE_VAL, 1.0 / 3})},
                    {"text", "q\"\\/\n\x01\x7F\xFFж"},
                    {"rating", rawNumber("1.500000")},
                    {"big", std::uint64_t{18446744073709551615U}},
                    {"none", nullptr},
                    {"yes", true},
                    {"nested", {{"z", Json::array()}, {"y", Json::object()}}}};
    EXPECT_EQ(jsonLine(v),
              "{\"b\":2,\"a\":[1.49,1.67e+07,0,-5e-08,null,0.333333],"
              "\"text\":\"q\\\"\\\\/\\u000a\\u0001\x7F\xFFж\",\"rating\":1.500000,"
              "\"big\":18446744073709551615,\"none\":null,\"yes\":true,"
              "\"nested\":{\"z\":[],\"y\":{}}}");
}

// The answer as a value, with the timing left out.
Json answer(const std::string& input) {
    std::string error;
    const auto line = analyzeJson(input, error);
    if (!line) throw std::runtime_error(error);
    return parse(*line);
}

std::string cardOf(const Json& a) {
    const Json& c = a.at("card");
    return c.is_null() ? "null" : c.get<std::string>();
}

TEST(Analyze, AnswersWithEveryKeyInOrder) {
    const Json a =
        answer(R"({"mode":2,"trump":"ч","hand1":["8п","Дб"],"hand2":["9п"],"table":["Вк","8ч"]})");
    std::vector<std::string> keys;
    for (const auto& [k, v] : a.items()) keys.push_back(k);
    EXPECT_EQ(keys, (std::vector<std::string>{"slot", "card", "stop", "prognoz", "value", "zarp",
                                              "wasTakes", "nodes", "micros"}));
    EXPECT_EQ(a.at("slot"), 1);
    EXPECT_EQ(cardOf(a), "8п");
    EXPECT_EQ(a.at("stop"), false);
    EXPECT_EQ(a.at("prognoz"), 2);
    EXPECT_EQ(a.at("value"), -2);
    EXPECT_GT(a.at("nodes").get<long long>(), 0);
}

struct Worked {
    const char* name;
    const char* input;
    const char* card;  // "null" for none
    bool stop;
    int prognoz;
    int zarp;
    bool searched;  // a search ran, so "value" is a number
};

TEST(Analyze, WorkedDecisions) {
    const Worked cases[] = {
        {"pair plan: the lower-slot seven",
         R"({"mode":1,"trump":"ч","och":31,"vskr":"Т","hand1":["6б","7б","7к","9п","Вп","Кк"],
             "hand2":["6ч","7ч","8ч","9ч","1ч","Вч"]})",
         "7б", false, 10, 2, false},
        {"the run of hearts reaches the nine on the table",
         R"({"mode":3,"trump":"к","och":20,"vskr":"6","hand1":["6б","8ч","9ч","Вч"],"hand2":["6ч"],
             "table":["7б","9б","7ч"]})",
         "9ч", false, 10, 0, false},
        {"a king of trumps is kept with reserve 15",
         R"({"mode":3,"trump":"к","och":33,"vskr":"6","hand1":["6б","7б","8б","9б","1б","Кк"],
             "hand2":["6ч","7ч","8ч","Дч","Кч","Тч"],"table":["9п"]})",
         "null", true, 10, 0, false},
        {"nothing beats: take, forecast pending",
         R"({"mode":3,"trump":"ч","hand1":["6б","7к"],"hand2":["8п","9п"],"table":["Тп"]})", "null",
         true, 10, 0, true},
        {"three against one, all beaten: the first card, a loss",
         R"({"mode":1,"trump":"ч","hand1":["6б","7б","8б"],"hand2":["Тб"]})", "6б", false, 2, 0,
         false},
        {"hand1 is taken in the given order: the first of two winning sixes",
         R"({"mode":1,"trump":"ч","hand1":["6к","6б"],"hand2":["Тп"]})", "6к", false, 6, 0, true},
        {"an empty deck leaves the plan alone",
         R"({"mode":4,"trump":"ч","zarp":3,"hand1":["7б","8к"],"hand2":["Тк","Тп"],"table":["7п"]})",
         "7б", false, 6, 3, true},
    };
    for (const Worked& c : cases) {
        const Json a = answer(c.input);
        EXPECT_EQ(cardOf(a), c.card) << c.name;
        EXPECT_EQ(a.at("stop"), c.stop) << c.name;
        EXPECT_EQ(a.at("prognoz"), c.prognoz) << c.name;
        EXPECT_EQ(a.at("zarp"), c.zarp) << c.name;
        EXPECT_EQ(a.at("value").is_number(), c.searched) << c.name;
    }
}

// With "exact" the search answers beyond 12 cards in play, where the computer itself
// uses its endgame rules; up to 12 it is the computer's own answer.
TEST(Analyze, ExactAnswersForAnyNumberOfCards) {
    // Fifteen cards: the defender holds neither a trump nor a diamond, so every lead is
    // taken and the attacker is out after its second; the lowest slot wins.
    const std::string fifteen =
        R"({"mode":1,"trump":"ч","hand1":["6б","Тч"],)"
        R"("hand2":["7к","8к","9к","1к","Вк","Дк","Кк","7п","8п","9п","1п","Вп","Дп"])";
    const Json rules = answer(fifteen + "}");
    EXPECT_TRUE(rules.at("value").is_null());
    const Json exact = answer(fifteen + R"(,"exact":true})");
    EXPECT_EQ(exact.at("value"), 2);
    EXPECT_EQ(cardOf(exact), "6б");
    EXPECT_EQ(exact.at("prognoz"), 6);
    // Within twelve cards "exact" changes nothing where the computer searches.
    const std::string small =
        R"({"mode":3,"trump":"ч","hand1":["7п","9ч","Вк"],"hand2":["8п","6к"],"table":["6п"])";
    const Json a = answer(small + "}"), b = answer(small + R"(,"exact":true})");
    EXPECT_EQ(cardOf(a), cardOf(b));
    EXPECT_EQ(a.at("value"), b.at("value"));
    EXPECT_TRUE(b.at("value").is_number());
}

TEST(Analyze, RefusesBadDecisions) {
    const char* bad[] = {
        "[1]",
        R"({"trump":"ч","hand1":[],"hand2":[]})",
        R"({"mode":5,"trump":"ч","hand1":[],"hand2":[]})",
        R"({"mode":1,"trump":"x","hand1":[],"hand2":[]})",
        R"({"mode":1,"trump":"ч","hand1":["6ж"],"hand2":[]})",
        R"({"mode":1,"trump":"ч","hand1":["6б"],"hand2":["6б"]})",
        R"({"mode":1,"trump":"ч","hand1":["6б"],"hand2":["7б"],"colour":1})",
        R"({"mode":1,"trump":"ч","hand1":["6б"],"hand2":["7б"],"table":["8б"]})",
        R"({"mode":2,"trump":"ч","hand1":["6б"],"hand2":["7б"],"table":["8б"]})",
        R"({"mode":3,"trump":"ч","hand1":["6б"],"hand2":["7б"],"table":["8б"],"kolHods":2})",
        R"({"mode":1,"trump":"ч","hand1":["6б"],"hand2":["7б"],"zarp":4})",
        R"({"mode":1,"trump":"ч","hand1":["6б"],"hand2":["7б"],"och":30})",
        R"({"mode":1,"trump":"ч","hand1":["6б"],"hand2":["7б"],"och":0,"vskr":"6"})",
        R"({"mode":1,"trump":"ч","hand1":"6б","hand2":["7б"]})",
        R"({"mode":1,"trump":"ч","hand1":["6б"],"hand2":["7б"],"och":30,"vskr":"6","exact":true})",
        R"({"mode":1,"trump":"ч","hand1":["6б"],"hand2":["7б"],"exact":"yes"})",
    };
    for (const char* input : bad) {
        std::string error;
        EXPECT_FALSE(analyzeJson(input, error)) << input;
        EXPECT_FALSE(error.empty()) << input;
        EXPECT_EQ(error.find('\n'), std::string::npos) << input;
    }
}

}  // namespace
}  // namespace tavik::cli
