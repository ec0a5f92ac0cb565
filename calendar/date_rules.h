#pragma once
// Calendar arithmetic of the holiday table: leap years, weekdays, day numbers of the
// year, Orthodox and Catholic Easter, and the date a row takes in a given year.
// Plain C++; every rule holds for the years 1900..2099.

#include <string>

#include "calendar/holiday_table.h"

namespace tavik::calendar {

struct Date {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;    // 1..31
    bool operator==(const Date&) const = default;
};

// Divisible by 4 and not by 100, or divisible by 400.
bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
// False for a month outside 1..12 or a day outside the month.
bool IsValidDate(const Date& date);
// 1 Sunday .. 7 Saturday (Gregorian calendar).
int Weekday(const Date& date);
// 1 for 1 January.
int DayOfYear(const Date& date);
// The date of day number n (1-based) of the year; n may run past the year's end.
Date DateOfDayNumber(int year, int n);

// Easter as a day number of the year: the Julian computus moved 13 days into the
// Gregorian calendar (Orthodox), and the Gregorian computus (Catholic).
int OrthodoxEasterDayNumber(int year);
int CatholicEasterDayNumber(int year);

// The row's date field for today's year: fixed dates as they are; Easter rows and
// their offsets as "dd.mm.0000" of this year; a weekday rule as today's date when
// today fulfils it and "00.00.0000" (never matching) otherwise; the programmer's day
// moves to 12 September (day 256) in a leap year.
std::string DateFieldForToday(const CalendarRow& row, const Date& today);

// True when the date field's day and month (characters 1-2 and 4-5) are today's.
bool MatchesToday(const std::string& dateField, const Date& today);

}  // namespace tavik::calendar
