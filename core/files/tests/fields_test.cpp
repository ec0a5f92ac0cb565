#include <gtest/gtest.h>

#include "core/files/columns.h"
#include "core/files/password.h"

namespace tavik::files {
namespace {

TEST(Fields, NumbersAreReadOnlyWhenTheWholeFieldIsOne) {
    struct Case {
        const char* field;
        std::optional<long long> number;
        std::optional<double> real;
    } cases[] = {
        {"    42", 42, 42},
        {"   -30", -30, -30},
        {"0000012345", 12345, 12345},
        {"  1,500000", {}, 1.5},
        {"-0,500000", {}, -0.5},
        {"2.25", {}, 2.25},
        {"", {}, {}},
        {"   ", {}, {}},
        {"-", {}, {}},
        {"4 2", {}, {}},
        {"1,2,3", {}, {}},
        {"##", {}, {}},
        {"99999999999999999999", {}, 1e20},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(parseNumber(c.field), c.number) << c.field;
        EXPECT_EQ(parseReal(c.field), c.real) << c.field;
    }
}

TEST(Fields, NumbersAreClampedToTheirColumn) {
    EXPECT_EQ(numberField(5, 3), "  5");
    EXPECT_EQ(numberField(1000, 3), "999");
    EXPECT_EQ(numberField(-100, 3), "-99");
    EXPECT_EQ(numberField(-30, 10), "       -30");
    EXPECT_EQ(sixDecimals(-1e-9), "0,000000");
    EXPECT_EQ(sixDecimals(-1.4285714), "-1,428571");
}

TEST(Password, ScramblingPadsToFiveAndAddsTwoHundredThirtyFour) {
    struct Case {
        std::string password;
        std::optional<std::string> field;
    } cases[] = {
        {"ab", "331332266266266"},  // two characters, then three blanks
        {"", "266266266266266"},    // five blanks
        {"12345", "283284285286287"}, {"\xFF\xC0", "489426266266266"},  // "яА"
        {"123456", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ScramblePassword(c.password).optional(), c.field) << c.password;
        if (c.field) {
            std::string padded = c.password;
            padded.resize(5, ' ');
            EXPECT_EQ(UnscramblePassword(*c.field), padded);
        }
    }
    for (const char* bad : {"26626626626626", "2662662662662660", "26626626626626x",
                            "233266266266266", "490266266266266"})
        EXPECT_FALSE(UnscramblePassword(bad).ok()) << bad;
    EXPECT_TRUE(PasswordMatches("ab  ", "331332266266266"));
    EXPECT_TRUE(PasswordMatches("ab", "331332266266266"));
    EXPECT_FALSE(PasswordMatches("abc", "331332266266266"));
    EXPECT_FALSE(PasswordMatches("ab", "garbage"));
}

}  // namespace
}  // namespace tavik::files
