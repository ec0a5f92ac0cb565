// The day's slots: holidays in table order with their hints, the programmer's day, the
// zodiac and the Chinese year, and the built-in table itself.
#include "calendar/calendar_day.h"

#include <gtest/gtest.h>

#include <set>

#include "config/words/languages.h"

namespace tavik::calendar {
namespace {

constexpr int kEnglish = words::kEnglish;
constexpr int kRussian = words::kRussian;

std::vector<std::string> holidayNames(const Date& day, int language = kEnglish) {
    std::vector<std::string> names;
    for (const Holiday& h : TodaysHolidays(BuiltinRows(), day, language)) names.push_back(h.name);
    return names;
}

TEST(HolidayTable, HasEveryRowWithItsFields) {
    const std::vector<CalendarRow>& rows = BuiltinRows();
    ASSERT_EQ(rows.size(), 82u);
    EXPECT_EQ(rows.front().date, "01.01.0000");
    EXPECT_EQ(rows.front().name(kEnglish), "New Year");
    EXPECT_EQ(rows.back().date, "25.12.0000");
    EXPECT_EQ(rows.back().group, "KAT");
    const std::set<std::string> groups = {"ALL", "RUS", "USA", "ENG", "DEU",
                                          "FRA", "ISP", "PRA", "KAT", "RU-"};
    for (const CalendarRow& row : rows) {
        EXPECT_EQ(row.date.size(), 10u) << row.date;
        EXPECT_TRUE(groups.count(row.group)) << row.date << " " << row.group;
        EXPECT_EQ(row.picture.size(), 9u) << row.date;
        EXPECT_EQ(row.picture.substr(0, 2), "R_") << row.date;
        for (int lang = 0; lang < words::kLanguageCount; ++lang)
            EXPECT_FALSE(row.name(lang).empty()) << row.date << " language " << lang;
    }
}

TEST(HolidayTable, ParsesARowAndRefusesABrokenOne) {
    const auto row = ParseCalendarRow(
        "pasha.p+40#PRA#R_ASCENSN#Вознесение#Ascension#De#Fr#Es#Zh#It#Cs#Ja#Ko#RUS");
    ASSERT_TRUE(row);
    EXPECT_EQ(row->date, "pasha.p+40");
    EXPECT_EQ(row->name(kRussian), "Вознесение");
    EXPECT_EQ(row->name(kEnglish), "Ascension");
    EXPECT_EQ(row->name(9), "Ko");
    EXPECT_EQ(row->name(42), "Ascension");  // outside 0..9: English
    EXPECT_FALSE(ParseCalendarRow("01.01.0000#ALL#R_NEWYEAR#only#three#"));
    EXPECT_FALSE(ParseCalendarRow("1.1.0000#ALL#R_NEWYEAR#a#b#c#d#e#f#g#h#i#j#"));
}

TEST(CalendarDay, VictoryDayHintCountsTheYears) {
    const std::vector<Holiday> day = TodaysHolidays(BuiltinRows(), {2025, 5, 9}, kEnglish);
    ASSERT_EQ(day.size(), 1u);
    EXPECT_EQ(day[0].name, "Victory day in Great Patriotic war");
    EXPECT_EQ(day[0].hint,
              "Victory day in Great Patriotic war (80-th anniversary, Russian Festival)");
    EXPECT_EQ(day[0].group, "RUS");
    const std::vector<Holiday> ru = TodaysHolidays(BuiltinRows(), {2025, 5, 9}, kRussian);
    ASSERT_EQ(ru.size(), 1u);
    EXPECT_EQ(ru[0].hint,
              "День Победы в Великой Отечественной войне (80-я годовщина, Российский праздник)");
    // Before the event there is no anniversary to count: only the group's title.
    const std::vector<Holiday> before = TodaysHolidays(BuiltinRows(), {1900, 5, 9}, kEnglish);
    ASSERT_EQ(before.size(), 1u);
    EXPECT_EQ(before[0].hint, "Victory day in Great Patriotic war (Russian Festival)");
    const std::vector<Holiday> same = TodaysHolidays(BuiltinRows(), {1945, 5, 9}, kEnglish);
    ASSERT_EQ(same.size(), 1u);
    EXPECT_EQ(same[0].hint, "Victory day in Great Patriotic war (Russian Festival)");
}

TEST(CalendarDay, HintsOfYearlyRows) {
    // A titled group adds its title; "ALL" and untitled codes add nothing.
    const std::vector<Holiday> flag = TodaysHolidays(BuiltinRows(), {2023, 6, 14}, kEnglish);
    ASSERT_EQ(flag.size(), 1u);
    EXPECT_EQ(flag[0].hint, "American flag day (Holiday United States)");
    // Orthodox Easter 2024 is 5 May: Ascension is the Thursday 39 days later, Trinity
    // the Sunday seven weeks later.
    const std::vector<Holiday> ascension = TodaysHolidays(BuiltinRows(), {2024, 6, 13}, kEnglish);
    ASSERT_EQ(ascension.size(), 1u);
    EXPECT_EQ(ascension[0].hint, "Ascension Of Our Lord (The Orthodox holiday)");
    EXPECT_EQ(Weekday({2024, 6, 13}), 5);  // Thursday (1 = Sunday)
    const std::vector<Holiday> trinity = TodaysHolidays(BuiltinRows(), {2024, 6, 23}, kEnglish);
    ASSERT_EQ(trinity.size(), 1u);
    EXPECT_EQ(trinity[0].name, "Trinity Sunday");
    EXPECT_EQ(Weekday({2024, 6, 23}), 1);
    const std::vector<Holiday> year = TodaysHolidays(BuiltinRows(), {2024, 1, 1}, kEnglish);
    ASSERT_EQ(year.size(), 1u);
    EXPECT_EQ(year[0].hint, "New Year");
    const std::vector<Holiday> mourning = TodaysHolidays(BuiltinRows(), {2024, 6, 22}, kEnglish);
    ASSERT_EQ(mourning.size(), 1u);
    EXPECT_EQ(mourning[0].hint, "Day of remembrance and mourning");
}

TEST(CalendarDay, ProgrammersDayIsTheDay256) {
    EXPECT_EQ(holidayNames({2023, 9, 13}), std::vector<std::string>{"Programmer`s day"});
    EXPECT_TRUE(holidayNames({2023, 9, 12}).empty());
    EXPECT_EQ(holidayNames({2024, 9, 12}), std::vector<std::string>{"Programmer`s day"});
    EXPECT_TRUE(holidayNames({2024, 9, 13}).empty());
}

TEST(CalendarDay, HolidaysComeInTableOrder) {
    // 2 February: the Stalingrad anniversary (RUS) comes before Candlemas (KAT).
    const std::vector<Holiday> day = TodaysHolidays(BuiltinRows(), {2023, 2, 2}, kEnglish);
    ASSERT_EQ(day.size(), 2u);
    EXPECT_EQ(day[0].picture, "R_STARRED");
    EXPECT_EQ(day[0].hint, "Stalingrad victory day (80-th anniversary, Russian Festival)");
    EXPECT_EQ(day[1].hint, "Candlemas (Catholic feast)");
    // 2024: Catholic Easter on 31 March; Orthodox Easter with its offsets later.
    EXPECT_EQ(holidayNames({2024, 3, 31}), std::vector<std::string>{"Easter"});
    EXPECT_EQ(holidayNames({2024, 5, 5}), std::vector<std::string>{"Easter"});
    // 2010: both Easters on 4 April, Orthodox first in table order.
    const std::vector<Holiday> both = TodaysHolidays(BuiltinRows(), {2010, 4, 4}, kEnglish);
    ASSERT_EQ(both.size(), 2u);
    EXPECT_EQ(both[0].hint, "Easter (The Orthodox holiday)");
    EXPECT_EQ(both[1].hint, "Easter (Catholic feast)");
}

TEST(CalendarDay, AtMostSixHolidays) {
    std::vector<CalendarRow> rows(8, BuiltinRows().front());
    for (std::size_t i = 0; i < rows.size(); ++i) rows[i].picture = "R_ROW0000" + std::to_string(i);
    const std::vector<Holiday> day = TodaysHolidays(rows, {2024, 1, 1}, kEnglish);
    ASSERT_EQ(day.size(), 6u);
    EXPECT_EQ(day.front().row, 0);
    EXPECT_EQ(day.back().row, 5);
}

TEST(CalendarDay, ADayWithoutHolidaysHasOnlyTheChineseYear) {
    const CalendarDay day = BuildCalendarDay(BuiltinRows(), {2025, 3, 3}, kEnglish);
    EXPECT_TRUE(day.holidays.empty());
    EXPECT_EQ(day.slotCount(), 2);
    EXPECT_EQ(day.chineseYear, 2025 % 12);
    EXPECT_EQ(day.chineseName, "Year Of The Snake");
    EXPECT_EQ(day.chinesePicture, "R_VOSSNAK");
    EXPECT_EQ(day.zodiac, 12);
    EXPECT_EQ(day.zodiacName, "Pisces");
    EXPECT_EQ(day.zodiacPicture, "R_12");
    EXPECT_EQ(day.monthName, "March");
    EXPECT_EQ(day.weekday, 2);
}

TEST(CalendarDay, ZodiacBoundaries) {
    struct Case {
        int month, day, sign;
    } cases[] = {{1, 20, 10},  {1, 21, 11}, {2, 20, 11}, {2, 21, 12}, {3, 20, 12}, {3, 21, 1},
                 {4, 20, 1},   {4, 21, 2},  {5, 20, 2},  {5, 21, 3},  {6, 21, 3},  {6, 22, 4},
                 {7, 22, 4},   {7, 23, 5},  {8, 23, 5},  {8, 24, 6},  {9, 23, 6},  {9, 24, 7},
                 {10, 23, 7},  {10, 24, 8}, {11, 22, 8}, {11, 23, 9}, {12, 21, 9}, {12, 22, 10},
                 {12, 31, 10}, {1, 1, 10}};
    for (const Case& c : cases)
        EXPECT_EQ(ZodiacSign({2024, c.month, c.day}), c.sign) << c.month << "/" << c.day;
    EXPECT_EQ(ZodiacName(1, kEnglish), "Aries");
    EXPECT_EQ(ZodiacName(12, kRussian), "Рыбы");
}

TEST(CalendarDay, ChineseYears) {
    struct Case {
        int year;
        const char* picture;
        const char* name;
    } cases[] = {
        {2016, "R_VOSMONK", "Year Of The Monkey"}, {2017, "R_VOSPETU", "Year Of The Rooster"},
        {2018, "R_VOSDOG0", "Year Of The Dog"},    {2019, "R_VOSPIG0", "Year Of The Pig"},
        {2020, "R_VOSKRIS", "Year Of The Rat"},    {2021, "R_VOSBULL", "Year Of The Ox"},
        {2022, "R_VOSTIGR", "Year Of The Tiger"},  {2023, "R_VOSRABB", "Year Of The Rabbit"},
        {2024, "R_VOSDRAG", "Year Of The Dragon"}, {2025, "R_VOSSNAK", "Year Of The Snake"},
        {2026, "R_VOSHORS", "Year Of The Horse"},  {2027, "R_VOSKOZA", "Year Of The Goat"}};
    for (const Case& c : cases) {
        const int y = ChineseYear(c.year);
        EXPECT_EQ(ChineseYearPicture(y), c.picture) << c.year;
        EXPECT_EQ(ChineseYearName(y, kEnglish), c.name) << c.year;
    }
}

TEST(CalendarDay, GroupTitlesAndMonthNames) {
    EXPECT_EQ(GroupTitle("ENG", kEnglish), "Holiday UK");
    EXPECT_EQ(GroupTitle("PRA", kEnglish), "The Orthodox holiday");
    EXPECT_EQ(GroupTitle("ALL", kEnglish), "");
    EXPECT_EQ(GroupTitle("RU-", kEnglish), "");
    EXPECT_EQ(MonthName(1, kEnglish), "January");
    EXPECT_EQ(MonthName(12, kRussian), "Декабрь");
}

}  // namespace
}  // namespace tavik::calendar
