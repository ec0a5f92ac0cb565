// The command-line options: "--name value" and "--flag", every other word positional,
// the first problem refused with its message.
#include "app/cli/arguments.h"

#include <gtest/gtest.h>

namespace tavik::cli {
namespace {

struct Case {
    std::vector<std::string> args;
    std::string error;  // empty when the words are accepted
    std::map<std::string, std::string> values;
    std::vector<std::string> positional;
};

TEST(Arguments, ReadsOptionsAsBefore) {
    const Case cases[] = {
        {{"--seed", "5", "x", "-y", "-"}, "", {{"seed", "5"}}, {"x", "-y", "-"}},
        {{"--seed", "--name"}, "", {{"seed", "--name"}}, {}},
        {{"--name", "--a=b", "--seed", ""}, "", {{"name", "--a=b"}, {"seed", ""}}, {}},
        {{"--seed", "1", "--seed", "2", "--all", "--all"}, "", {{"seed", "2"}, {"all", "1"}}, {}},
        {{"--seed=5"}, "unknown option --seed=5", {}, {}},
        {{"--all=1"}, "unknown option --all=1", {}, {}},
        {{"x", "--", "--seed", "1"}, "unknown option --", {}, {}},
        {{"--help"}, "unknown option --help", {}, {}},
        {{"--colour", "red", "--seed"}, "unknown option --colour", {}, {}},
        {{"x", "--seed"}, "option --seed needs a value", {}, {}},
    };
    for (const Case& c : cases) {
        std::string error;
        const auto a = Arguments::parse(c.args, {"seed", "name"}, {"all"}, error);
        const std::string words = testing::PrintToString(c.args);
        EXPECT_EQ(error, c.error) << words;
        ASSERT_EQ(a.has_value(), c.error.empty()) << words;
        if (!a) continue;
        for (const std::string name : {"seed", "name", "all"}) {
            const auto it = c.values.find(name);
            EXPECT_EQ(a->has(name), it != c.values.end()) << words << " " << name;
            if (it != c.values.end()) {
                EXPECT_EQ(a->get(name), it->second) << words;
            }
        }
        EXPECT_EQ(a->positional(), c.positional) << words;
    }
}

TEST(Arguments, TakesWholeNumbersInRange) {
    const struct {
        std::string text;
        long long value;  // -1: refused
    } cases[] = {{"7", 7},
                 {"0", 0},
                 {"100", 100},
                 {"007", 7},
                 {"101", -1},
                 {"-1", -1},
                 {"+5", -1},
                 {" 5", -1},
                 {"5 ", -1},
                 {"0x10", -1},
                 {"1e2", -1},
                 {"", -1},
                 {"99999999999999999999", -1}};
    for (const auto& c : cases) {
        std::string error;
        const auto a = Arguments::parse({"--kons", c.text}, {"kons"}, {}, error);
        ASSERT_TRUE(a) << error;
        EXPECT_EQ(a->number("kons", 30, 0, 100, error), c.value < 0 ? 30 : c.value) << c.text;
        EXPECT_EQ(error, c.value < 0 ? "--kons takes a whole number from 0 to 100" : "") << c.text;
    }
    std::string error;
    const auto none = Arguments::parse({}, {"kons"}, {}, error);
    EXPECT_EQ(none->number("kons", 30, 0, 100, error), 30);
    EXPECT_EQ(error, "");
}

}  // namespace
}  // namespace tavik::cli
