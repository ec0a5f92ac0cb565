#include "online/account/country_tables.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tavik::online {
namespace {

TEST(CountryTables, HaveTheSizesOfTheSixContinents) {
    const std::size_t sizes[] = {49, 52, 36, 15, 24, 55};
    for (int c = 1; c <= kContinents; ++c)
        EXPECT_EQ(ContinentCountries(c).size(), sizes[c - 1]) << "continent " << c;
    EXPECT_TRUE(ContinentCountries(0).empty());
    EXPECT_TRUE(ContinentCountries(7).empty());
}

TEST(CountryTables, StartWithUnknownAndKeepShortNamesFreeOfBlanks) {
    for (int c = 1; c <= kContinents; ++c) {
        const auto table = ContinentCountries(c);
        EXPECT_STREQ(table[0].English, "Unknown");
        EXPECT_STREQ(table[0].Russian, "Неизвестная");
        EXPECT_STREQ(table[0].Short, "Unknown");
        std::set<std::string> isos;
        for (std::size_t i = 1; i < table.size(); ++i) {
            EXPECT_EQ(std::string(table[i].Short).find(' '), std::string::npos) << table[i].English;
            EXPECT_NE(std::string(table[i].Russian), "") << table[i].English;
            EXPECT_EQ(std::string(table[i].Iso).size(), 2u) << table[i].English;
            EXPECT_TRUE(isos.insert(table[i].Iso).second) << "flag twice: " << table[i].Iso;
        }
    }
}

TEST(CountryTables, KnowTheShortNames) {
    const struct {
        const char* code;
        const char* english;
        const char* shortName;
    } cases[] = {
        {"1-001", "Russia", "Russia"},
        {"1-007", "Bosnia & Herzegovina", "Bosnia_Herz."},
        {"1-048", "United Kingdom", "United_Kingdom"},
        {"2-007", "British Indian Ocean Territory", "B.I.O.T."},
        {"2-048", "United Arab Emirates", "UAE"},
        {"3-034", "USA", "USA"},
        {"3-031", "Saint Vincent and the Grenadines", "S.V._Grenadines"},
        {"4-013", "Uruquay", "Uruquay"},
        {"5-023", "Wallis and Futuna", "Wallis-Futuna"},
        {"5-000", "Unknown", "Unknown"},
        {"6-012", "Congo Republic", ""},
        {"6-013", "Congo Democratic Republic", "Congo_DR"},
        {"6-054", "Zimbabwe", "Zimbabwe"},
    };
    for (const auto& c : cases) {
        const auto country = CountryOfCode(c.code);
        ASSERT_TRUE(country) << c.code;
        EXPECT_STREQ(country->English, c.english) << c.code;
        EXPECT_STREQ(country->Short, c.shortName) << c.code;
    }
}

TEST(CountryCode, RoundTripsAndRefusesWhatNamesNoCountry) {
    EXPECT_EQ(CountryCode(5, 23), "5-023");
    EXPECT_EQ(CountryCode(1, 0), "1-000");
    EXPECT_EQ(ParseCountryCode("5-023"), (CountryPlace{5, 23}));
    for (const char* bad :
         {"", "1-1", "1-0010", "7-001", "0-000", "1-049", "4-015", "1_001", "a-001", "1-0x1"})
        EXPECT_FALSE(ParseCountryCode(bad)) << bad;
}

}  // namespace
}  // namespace tavik::online
