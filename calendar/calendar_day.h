#pragma once
// What the calendar shows for a day: the date with its month name and sign of the
// zodiac, the Chinese year, and the day's holidays in table order with their hints,
// in one of the ten languages. Plain C++.

#include <string>
#include <vector>

#include "calendar/date_rules.h"
#include "calendar/holiday_table.h"

namespace tavik::calendar {

// At most this many holidays are shown on one day; further matching rows are ignored.
inline constexpr int kMaxHolidays = 6;

// 1 Aries .. 12 Pisces.
int ZodiacSign(const Date& date);
// "R_01" .. "R_12".
std::string ZodiacPicture(int sign);
std::string ZodiacName(int sign, int language);

// The year modulo 12 (0 the Monkey, 4 the Rat, ...).
int ChineseYear(int year);
// "R_VOSMONK" for 0, "R_VOSPETU" for 1, ...
std::string ChineseYearPicture(int chineseYear);
std::string ChineseYearName(int chineseYear, int language);

std::string MonthName(int month, int language);
// The title of a group ("Russian Festival" for "RUS"); empty for "ALL" and other codes.
std::string GroupTitle(const std::string& group, int language);

// The row's hint in today's year: its name, with " (years-th anniversary, title)" for
// an anniversary and " (title)" for a yearly row of a titled group.
std::string HolidayHint(const CalendarRow& row, int year, int language);

struct Holiday {
    int row = 0;  // index into the table
    std::string group;
    std::string picture;
    std::string name;
    std::string hint;
};

struct CalendarDay {
    Date date;
    int weekday = 0;  // 1 Sunday .. 7 Saturday
    std::string monthName;
    int zodiac = 0;
    std::string zodiacName;
    std::string zodiacPicture;
    int chineseYear = 0;
    std::string chineseName;
    std::string chinesePicture;
    std::vector<Holiday> holidays;  // table order, at most kMaxHolidays

    // The number of filled slots: the date, the Chinese year and the holidays.
    int slotCount() const { return 2 + static_cast<int>(holidays.size()); }
};

// Every row, in table order, whose date this year falls on today takes the next slot.
std::vector<Holiday> TodaysHolidays(const std::vector<CalendarRow>& rows, const Date& today,
                                    int language);

// The whole day from the given table.
CalendarDay BuildCalendarDay(const std::vector<CalendarRow>& rows, const Date& today, int language);

}  // namespace tavik::calendar
