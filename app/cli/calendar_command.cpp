// tavik-cli calendar: what the holiday calendar shows on a day, as one JSON line.
//
//   tavik-cli calendar --date YYYY-MM-DD [--language 0..9]
//
// {"date","zodiac","zodiacName","chineseYear","chineseName",
//  "holidays":[{"group","picture","name","hint"}, ...]} with the holidays in slot order.
#include <cstdio>
#include <optional>
#include <string>

#include "app/cli/arguments.h"
#include "app/cli/commands.h"
#include "app/cli/json.h"
#include "calendar/calendar_day.h"
#include "config/words/languages.h"

namespace tavik::cli {
namespace {

// The years every rule of the calendar holds for.
constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2099;

int fail(const std::string& message) {
    std::fprintf(stderr, "tavik-cli calendar: %s\n", message.c_str());
    return 2;
}

// "YYYY-MM-DD" of a real day; nullopt otherwise.
std::optional<calendar::Date> parseDate(const std::string& text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    int values[3] = {0, 0, 0};
    const int starts[3] = {0, 5, 8};
    const int lengths[3] = {4, 2, 2};
    for (int f = 0; f < 3; ++f) {
        for (int i = 0; i < lengths[f]; ++i) {
            const char c = text[starts[f] + i];
            if (c < '0' || c > '9') return std::nullopt;
            values[f] = values[f] * 10 + (c - '0');
        }
    }
    const calendar::Date date{values[0], values[1], values[2]};
    if (!calendar::IsValidDate(date)) return std::nullopt;
    return date;
}

Json holidayJson(const calendar::Holiday& h) {
    return {{"group", h.group}, {"picture", h.picture}, {"name", h.name}, {"hint", h.hint}};
}

}  // namespace

int calendarCommand(const std::vector<std::string>& args) {
    std::string error;
    const auto parsed = Arguments::parse(args, {"date", "language"}, {}, error);
    if (!parsed) return fail(error);
    if (!parsed->positional().empty()) return fail("unexpected '" + parsed->positional()[0] + "'");
    if (!parsed->has("date")) return fail("--date YYYY-MM-DD is required");
    const std::string dateText = parsed->get("date");
    const std::optional<calendar::Date> date = parseDate(dateText);
    if (!date) return fail("--date '" + dateText + "' is not a day written YYYY-MM-DD");
    if (date->year < kFirstYear || date->year > kLastYear)
        return fail("--date must lie in the years " + std::to_string(kFirstYear) + ".." +
                    std::to_string(kLastYear));
    const int language = static_cast<int>(
        parsed->number("language", words::kEnglish, 0, words::kLanguageCount - 1, error));
    if (!error.empty()) return fail(error);

    const calendar::CalendarDay day =
        calendar::BuildCalendarDay(calendar::BuiltinRows(), *date, language);
    Json holidays = Json::array();
    for (const calendar::Holiday& h : day.holidays) holidays.push_back(holidayJson(h));
    const Json line = {{"date", dateText},
                       {"zodiac", day.zodiac},
                       {"zodiacName", day.zodiacName},
                       {"chineseYear", day.chineseYear},
                       {"chineseName", day.chineseName},
                       {"holidays", holidays}};
    std::printf("%s\n", jsonLine(line).c_str());
    return 0;
}

}  // namespace tavik::cli
