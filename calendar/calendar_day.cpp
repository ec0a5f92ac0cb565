#include "calendar/calendar_day.h"

#include <array>
#include <cstdio>
#include <string_view>

#include "config/words/word_table.h"

namespace tavik::calendar {
namespace {

// The language tables' keys, in the order of their pictures or numbers.
constexpr std::array<words::WordKey, 12> kZodiacKeys = {
    words::key::ZodiacAries,     words::key::ZodiacTaurus,   words::key::ZodiacGemini,
    words::key::ZodiacCancer,    words::key::ZodiacLeo,      words::key::ZodiacVirgo,
    words::key::ZodiacLibra,     words::key::ZodiacScorpio,  words::key::ZodiacSagittarius,
    words::key::ZodiacCapricorn, words::key::ZodiacAquarius, words::key::ZodiacPisces};
constexpr std::array<words::WordKey, 12> kMonthKeys = {
    words::key::MonthJanuary, words::key::MonthFebruary, words::key::MonthMarch,
    words::key::MonthApril,   words::key::MonthMay,      words::key::MonthJune,
    words::key::MonthJuly,    words::key::MonthAugust,   words::key::MonthSeptember,
    words::key::MonthOctober, words::key::MonthNovember, words::key::MonthDecember};

// By the year modulo 12: 0 the Monkey ... 11 the Goat.
struct ChineseAnimal {
    std::string_view picture;
    words::WordKey key;
};
constexpr std::array<ChineseAnimal, 12> kChineseYears = {{
    {"R_VOSMONK", words::key::YearOfTheMonkey},
    {"R_VOSPETU", words::key::YearOfTheRooster},
    {"R_VOSDOG0", words::key::YearOfTheDog},
    {"R_VOSPIG0", words::key::YearOfThePig},
    {"R_VOSKRIS", words::key::YearOfTheRat},
    {"R_VOSBULL", words::key::YearOfTheOx},
    {"R_VOSTIGR", words::key::YearOfTheTiger},
    {"R_VOSRABB", words::key::YearOfTheRabbit},
    {"R_VOSDRAG", words::key::YearOfTheDragon},
    {"R_VOSSNAK", words::key::YearOfTheSnake},
    {"R_VOSHORS", words::key::YearOfTheHorse},
    {"R_VOSKOZA", words::key::YearOfTheGoat},
}};

struct GroupKey {
    std::string_view group;
    words::WordKey key;
};
constexpr std::array<GroupKey, 8> kGroupTitles = {{
    {"ENG", words::key::GroupENG},
    {"RUS", words::key::GroupRUS},
    {"DEU", words::key::GroupDEU},
    {"FRA", words::key::GroupFRA},
    {"ISP", words::key::GroupISP},
    {"USA", words::key::GroupUSA},
    {"PRA", words::key::GroupPRA},
    {"KAT", words::key::GroupKAT},
}};

// The first day of the later sign in each month, and that sign.
constexpr std::array<int, 12> kSignStartDay = {21, 21, 21, 21, 21, 22, 23, 24, 24, 24, 23, 22};

std::string wordText(words::WordKey key, int language) {
    return std::string(words::word(key, language));
}

}  // namespace

int ZodiacSign(const Date& date) {
    const int later = (date.month + 9) % 12 + 1;  // January: Aquarius (11)
    if (date.day >= kSignStartDay[date.month - 1]) return later;
    return later == 1 ? 12 : later - 1;
}

std::string ZodiacPicture(int sign) {
    char name[8];
    std::snprintf(name, sizeof name, "R_%02d", sign);
    return name;
}

std::string ZodiacName(int sign, int language) {
    return wordText(kZodiacKeys[(sign - 1) % 12], language);
}

int ChineseYear(int year) {
    return ((year % 12) + 12) % 12;
}

std::string ChineseYearPicture(int chineseYear) {
    return std::string(kChineseYears[chineseYear % 12].picture);
}

std::string ChineseYearName(int chineseYear, int language) {
    return wordText(kChineseYears[chineseYear % 12].key, language);
}

std::string MonthName(int month, int language) {
    return wordText(kMonthKeys[(month - 1) % 12], language);
}

std::string GroupTitle(const std::string& group, int language) {
    for (const GroupKey& g : kGroupTitles)
        if (g.group == group) return wordText(g.key, language);
    return {};
}

std::string HolidayHint(const CalendarRow& row, int year, int language) {
    std::string hint = row.name(language);
    const std::string title = GroupTitle(row.group, language);
    const std::string rowYear = row.date.substr(6, 4);
    // A year before the event itself has no anniversary: such a day shows only the title.
    const int years = row.date[2] == '.' && rowYear != "0000" ? year - std::stoi(rowYear) : 0;
    if (years > 0) {
        hint += " (" + std::to_string(years) + wordText(words::key::AnniversarySuffix, language);
        if (!title.empty()) hint += ", " + title;
        hint += ")";
    } else if (!title.empty()) {
        hint += " (" + title + ")";
    }
    return hint;
}

std::vector<Holiday> TodaysHolidays(const std::vector<CalendarRow>& rows, const Date& today,
                                    int language) {
    std::vector<Holiday> out;
    for (std::size_t i = 0; i < rows.size() && out.size() < kMaxHolidays; ++i) {
        const CalendarRow& row = rows[i];
        if (!MatchesToday(DateFieldForToday(row, today), today)) continue;
        out.push_back(Holiday{static_cast<int>(i), row.group, row.picture, row.name(language),
                              HolidayHint(row, today.year, language)});
    }
    return out;
}

CalendarDay BuildCalendarDay(const std::vector<CalendarRow>& rows, const Date& today,
                             int language) {
    CalendarDay day;
    day.date = today;
    day.weekday = Weekday(today);
    day.monthName = MonthName(today.month, language);
    day.zodiac = ZodiacSign(today);
    day.zodiacName = ZodiacName(day.zodiac, language);
    day.zodiacPicture = ZodiacPicture(day.zodiac);
    day.chineseYear = ChineseYear(today.year);
    day.chineseName = ChineseYearName(day.chineseYear, language);
    day.chinesePicture = ChineseYearPicture(day.chineseYear);
    day.holidays = TodaysHolidays(rows, today, language);
    return day;
}

}  // namespace tavik::calendar
