// Easter for both churches, the weekday rules and the day numbers of the year.
#include <gtest/gtest.h>

#include "calendar/date_rules.h"

namespace tavik::calendar {
namespace {

Date easterDate(int year, bool orthodox) {
    return DateOfDayNumber(
        year, orthodox ? OrthodoxEasterDayNumber(year) : CatholicEasterDayNumber(year));
}

// Published Easter dates (Gregorian calendar) for both churches.
TEST(Easter, MatchesPublishedDates) {
    struct Case {
        int year, orthodoxMonth, orthodoxDay, catholicMonth, catholicDay;
    } cases[] = {
        {1900, 4, 22, 4, 15}, {1901, 4, 14, 4, 7},  {1923, 4, 8, 4, 1},   {1954, 4, 25, 4, 18},
        {1961, 4, 9, 4, 2},   {1977, 4, 10, 4, 10}, {1981, 4, 26, 4, 19}, {1983, 5, 8, 4, 3},
        {1999, 4, 11, 4, 4},  {2000, 4, 30, 4, 23}, {2001, 4, 15, 4, 15}, {2008, 4, 27, 3, 23},
        {2010, 4, 4, 4, 4},   {2011, 4, 24, 4, 24}, {2013, 5, 5, 3, 31},  {2017, 4, 16, 4, 16},
        {2019, 4, 28, 4, 21}, {2022, 4, 24, 4, 17}, {2024, 5, 5, 3, 31},  {2025, 4, 20, 4, 20},
        {2038, 4, 25, 4, 25}, {2043, 5, 3, 3, 29},  {2049, 4, 25, 4, 18}, {2076, 4, 26, 4, 19},
        {2095, 4, 24, 4, 24}, {2099, 4, 12, 4, 12},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(easterDate(c.year, true), (Date{c.year, c.orthodoxMonth, c.orthodoxDay}))
            << "Orthodox " << c.year;
        EXPECT_EQ(easterDate(c.year, false), (Date{c.year, c.catholicMonth, c.catholicDay}))
            << "Catholic " << c.year;
    }
}

// Over the whole supported range both feasts fall on a Sunday inside their windows,
// and the Orthodox one is never before the Catholic one.
TEST(Easter, IsASundayInItsWindowEveryYear) {
    for (int year = 1900; year <= 2099; ++year) {
        const Date orthodox = easterDate(year, true);
        const Date catholic = easterDate(year, false);
        EXPECT_EQ(Weekday(orthodox), 1) << year;
        EXPECT_EQ(Weekday(catholic), 1) << year;
        EXPECT_GE(DayOfYear(catholic), DayOfYear(Date{year, 3, 22})) << year;
        EXPECT_LE(DayOfYear(catholic), DayOfYear(Date{year, 4, 25})) << year;
        EXPECT_GE(DayOfYear(orthodox), DayOfYear(catholic)) << year;
        EXPECT_LE(DayOfYear(orthodox), DayOfYear(Date{year, 5, 8})) << year;
    }
}

TEST(DateRules, LeapYearsWeekdaysAndDayNumbers) {
    EXPECT_TRUE(IsLeapYear(2024));
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_FALSE(IsLeapYear(2023));
    EXPECT_EQ(Weekday(Date{1900, 1, 1}), 2);    // a Monday
    EXPECT_EQ(Weekday(Date{2024, 1, 15}), 2);   // a Monday
    EXPECT_EQ(Weekday(Date{2099, 12, 31}), 5);  // a Thursday
    EXPECT_EQ(Weekday(Date{2025, 5, 11}), 1);   // a Sunday
    EXPECT_EQ(DayOfYear(Date{2024, 9, 12}), 256);
    EXPECT_EQ(DayOfYear(Date{2023, 9, 13}), 256);
    EXPECT_EQ(DateOfDayNumber(2024, 366), (Date{2024, 12, 31}));
    EXPECT_EQ(DateOfDayNumber(2023, 60), (Date{2023, 3, 1}));
    EXPECT_EQ(DateOfDayNumber(2024, 60), (Date{2024, 2, 29}));
}

CalendarRow rowWithDate(std::string date) {
    CalendarRow row;
    row.date = std::move(date);
    row.group = "ALL";
    row.picture = "R_TEST000";
    return row;
}

bool isToday(const std::string& date, const Date& today) {
    return MatchesToday(DateFieldForToday(rowWithDate(date), today), today);
}

// "****w.d.mm": the w-th (or last) weekday d of month mm.
TEST(DateRules, WeekdayRules) {
    struct Case {
        const char* field;
        Date day;
        bool today;
    } cases[] = {
        {"****3.2.01", {2024, 1, 15}, true},    // third Monday of January 2024
        {"****3.2.01", {2024, 1, 8}, false},    // the second one
        {"****3.2.01", {2024, 1, 22}, false},   // the fourth one
        {"****3.2.01", {2024, 1, 16}, false},   // week 3, but a Tuesday
        {"****3.2.02", {2024, 1, 15}, false},   // another month
        {"****4.5.11", {2024, 11, 28}, true},   // Thanksgiving 2024
        {"****4.5.11", {2023, 11, 23}, true},   // Thanksgiving 2023
        {"****4.5.11", {2023, 11, 30}, false},  // the fifth Thursday
        // The last week of a 31-day month: 25..31.
        {"****l.1.03", {2024, 3, 31}, true},
        {"****l.1.03", {2024, 3, 24}, false},
        {"****l.2.07", {2024, 7, 29}, true},
        {"****l.5.10", {2024, 10, 31}, true},
        {"****l.5.10", {2024, 10, 24}, false},
        // A 30-day month: 24..30.
        {"****l.2.09", {2024, 9, 30}, true},
        {"****l.2.09", {2024, 9, 23}, false},
        {"****l.3.04", {2024, 4, 30}, true},
        {"****l.3.04", {2024, 4, 23}, false},
        {"****l.1.06", {2024, 6, 30}, true},
        {"****l.1.06", {2024, 6, 23}, false},
        // February of a leap year: 23..29.
        {"****l.5.02", {2024, 2, 29}, true},
        {"****l.5.02", {2024, 2, 22}, false},
        {"****l.6.02", {2024, 2, 23}, true},
        {"****l.6.02", {2024, 2, 16}, false},
        // February of a common year: 22..28.
        {"****l.4.02", {2023, 2, 22}, true},
        {"****l.3.02", {2023, 2, 28}, true},
        {"****l.3.02", {2023, 2, 21}, false},
        {"****l.2.02", {2021, 2, 22}, true},
        {"****l.2.02", {2021, 2, 15}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(isToday(c.field, c.day), c.today)
            << c.field << " on " << c.day.year << "-" << c.day.month << "-" << c.day.day;
}

TEST(DateRules, EasterOffsetsAndFixedDates) {
    // 2022: Orthodox Easter 24 April, Catholic 17 April.
    EXPECT_TRUE(isToday("pasha.p000", {2022, 4, 24}));
    EXPECT_TRUE(isToday("pasha.p-07", {2022, 4, 17}));
    // Offsets count days from Easter itself: +40 is 3 June, +50 is 13 June.
    EXPECT_TRUE(isToday("pasha.p+40", {2022, 6, 3}));
    EXPECT_FALSE(isToday("pasha.p+40", {2022, 6, 2}));
    EXPECT_TRUE(isToday("pasha.p+50", {2022, 6, 13}));
    EXPECT_TRUE(isToday("pasha.k000", {2022, 4, 17}));
    EXPECT_FALSE(isToday("pasha.k000", {2022, 4, 24}));
    EXPECT_TRUE(isToday("pasha.k+01", {2024, 4, 1}));
    EXPECT_TRUE(isToday("pasha.p000", {2024, 5, 5}));
    // A fixed date matches every year, an anniversary row too.
    EXPECT_TRUE(isToday("09.05.1945", {1990, 5, 9}));
    EXPECT_TRUE(isToday("01.01.0000", {2099, 1, 1}));
    EXPECT_FALSE(isToday("01.01.0000", {2099, 1, 2}));
}

}  // namespace
}  // namespace tavik::calendar
