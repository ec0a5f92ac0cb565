#include "calendar/date_rules.h"

#include <cstdio>
#include <string_view>

namespace tavik::calendar {
namespace {

constexpr std::string_view kNever = "00.00.0000";
// The row that moves to day 256 in a leap year, known by its Russian name.
constexpr std::string_view kProgrammersDay = "День программиста";

std::string dayMonthField(int day, int month, std::string_view year) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d.%02d.", day, month);
    return std::string(text) + std::string(year);
}

int digit(char c) {
    return c >= '0' && c <= '9' ? c - '0' : -1;
}

// "+40", "-07", "000" as a number of days; 0 when unreadable.
int dayOffset(std::string_view text) {
    if (text.size() != 3) return 0;
    int sign = 1;
    int value = 0;
    for (std::size_t i = 0; i < 3; ++i) {
        const char c = text[i];
        if (i == 0 && (c == '+' || c == '-')) {
            sign = c == '-' ? -1 : 1;
            continue;
        }
        if (digit(c) < 0) return 0;
        value = value * 10 + digit(c);
    }
    return sign * value;
}

// "****w.d.mm": today when today is weekday d of month mm in week w ("l": the last).
bool weekdayRuleHolds(std::string_view field, const Date& today) {
    const int weekday = digit(field[6]);
    const int month = digit(field[8]) * 10 + digit(field[9]);
    if (today.month != month || Weekday(today) != weekday) return false;
    if (field[4] == 'l') return today.day > DaysInMonth(today.year, today.month) - 7;
    return digit(field[4]) == (today.day - 1) / 7 + 1;
}

}  // namespace

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return kDays[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

bool IsValidDate(const Date& date) {
    return date.month >= 1 && date.month <= 12 && date.day >= 1 &&
           date.day <= DaysInMonth(date.year, date.month);
}

int Weekday(const Date& date) {
    // Sakamoto's method: 0 = Sunday.
    static constexpr int kMonthShift[12] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    const int y = date.month < 3 ? date.year - 1 : date.year;
    const int w = (y + y / 4 - y / 100 + y / 400 + kMonthShift[date.month - 1] + date.day) % 7;
    return w + 1;
}

int DayOfYear(const Date& date) {
    int n = date.day;
    for (int m = 1; m < date.month; ++m) n += DaysInMonth(date.year, m);
    return n;
}

Date DateOfDayNumber(int year, int n) {
    Date date{year, 1, n};
    while (date.day > DaysInMonth(year, date.month) && date.month < 12) {
        date.day -= DaysInMonth(year, date.month);
        ++date.month;
    }
    return date;
}

int OrthodoxEasterDayNumber(int year) {
    const int leap = IsLeapYear(year) ? 1 : 0;
    const int d = (19 * (year % 19) + 15) % 30;
    const int e = (2 * (year % 4) + 4 * (year % 7) + 6 * d + 6) % 7;
    // 22 March + d + e of the Julian calendar, 13 days later in the Gregorian one.
    return 59 + leap + 22 + d + e + 13;
}

int CatholicEasterDayNumber(int year) {
    const int leap = IsLeapYear(year) ? 1 : 0;
    const int g = year % 19 + 1;
    const int c = year / 100 + 1;
    const int x = (3 * c) / 4 - 12;
    const int z = (8 * c + 5) / 25 - 5;
    const int d = (5 * year) / 4 - x - 10;
    int e = ((11 * g + 20 + z - x) % 30 + 30) % 30;
    if (e == 24 || (e == 25 && g > 11)) ++e;
    int n = 44 - e;
    if (n < 21) n += 30;
    n = n + 7 - ((d + n) % 7);
    return 59 + leap + n;  // day n of March
}

std::string DateFieldForToday(const CalendarRow& row, const Date& today) {
    const std::string_view field = row.date;
    if (field.size() != 10) return std::string(kNever);
    if (field.substr(0, 7) == "pasha.p" || field.substr(0, 7) == "pasha.k") {
        const int easter = field[6] == 'p' ? OrthodoxEasterDayNumber(today.year)
                                           : CatholicEasterDayNumber(today.year);
        const Date date = DateOfDayNumber(today.year, easter + dayOffset(field.substr(7)));
        return dayMonthField(date.day, date.month, "0000");
    }
    if (field.substr(0, 4) == "****")
        return weekdayRuleHolds(field, today) ? dayMonthField(today.day, today.month, "0000")
                                              : std::string(kNever);
    if (IsLeapYear(today.year) && row.names[0] == kProgrammersDay)
        return dayMonthField(12, 9, "0000");  // the 256th day of a leap year
    return row.date;
}

bool MatchesToday(const std::string& dateField, const Date& today) {
    if (dateField.size() < 5) return false;
    const int day = digit(dateField[0]) * 10 + digit(dateField[1]);
    const int month = digit(dateField[3]) * 10 + digit(dateField[4]);
    return day == today.day && month == today.month;
}

}  // namespace tavik::calendar
