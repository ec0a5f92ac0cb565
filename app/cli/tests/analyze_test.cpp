// tavik-cli analyze and its JSON reader: worked decisions in, the computer's answer
// out; bad input refused with a reason.
#include <gtest/gtest.h>

#include "app/cli/analyze_command.h"
#include "app/cli/json_reader.h"

namespace tavik::cli {
namespace {

JsonValue parse(const std::string& text) {
    std::string error;
    const auto v = parseJson(text, error);
    if (!v) throw std::runtime_error(error);
    return *v;
}

TEST(JsonReader, ReadsTheWholeGrammar) {
    const JsonValue v = parse(
        " {\"a\": [1, -2.5e1, true, false, null], \"b\": \"\\u0436\\ud83c\\udccf\\n\\\"\", \"c\": "
        "{}} ");
    ASSERT_EQ(v.kind, JsonValue::Kind::Object);
    const JsonValue* a = v.find("a");
    ASSERT_TRUE(a && a->items.size() == 5);
    EXPECT_TRUE(a->items[0].integral);
    EXPECT_EQ(a->items[0].integer, 1);
    EXPECT_FALSE(a->items[1].integral);
    EXPECT_DOUBLE_EQ(a->items[1].number, -25);
    EXPECT_TRUE(a->items[2].boolean);
    EXPECT_EQ(a->items[4].kind, JsonValue::Kind::Null);
    EXPECT_EQ(v.find("b")->text, "ж\xF0\x9F\x83\x8F\n\"");
    EXPECT_EQ(v.find("c")->kind, JsonValue::Kind::Object);
    EXPECT_EQ(v.find("d"), nullptr);
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

// The answer as a value, with the timing left out.
JsonValue answer(const std::string& input) {
    std::string error;
    const auto line = analyzeJson(input, error);
    if (!line) throw std::runtime_error(error);
    return parse(*line);
}

std::string cardOf(const JsonValue& a) {
    const JsonValue* c = a.find("card");
    return c->kind == JsonValue::Kind::Null ? "null" : c->text;
}

TEST(Analyze, AnswersWithEveryKeyInOrder) {
    const JsonValue a =
        answer(R"({"mode":2,"trump":"ч","hand1":["8п","Дб"],"hand2":["9п"],"table":["Вк","8ч"]})");
    std::vector<std::string> keys;
    for (const auto& [k, v] : a.members) keys.push_back(k);
    EXPECT_EQ(keys, (std::vector<std::string>{"slot", "card", "stop", "prognoz", "value", "zarp",
                                              "wasTakes", "nodes", "micros"}));
    EXPECT_EQ(a.find("slot")->integer, 1);
    EXPECT_EQ(cardOf(a), "8п");
    EXPECT_FALSE(a.find("stop")->boolean);
    EXPECT_EQ(a.find("prognoz")->integer, 2);
    EXPECT_EQ(a.find("value")->integer, -2);
    EXPECT_GT(a.find("nodes")->integer, 0);
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
        const JsonValue a = answer(c.input);
        EXPECT_EQ(cardOf(a), c.card) << c.name;
        EXPECT_EQ(a.find("stop")->boolean, c.stop) << c.name;
        EXPECT_EQ(a.find("prognoz")->integer, c.prognoz) << c.name;
        EXPECT_EQ(a.find("zarp")->integer, c.zarp) << c.name;
        EXPECT_EQ(a.find("value")->kind == JsonValue::Kind::Number, c.searched) << c.name;
    }
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
