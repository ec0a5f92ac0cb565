#pragma once
// The holiday table of the calendar: dated rows with a group, a picture of the calendar
// library and a name in each of the ten languages. Plain C++.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/words/languages.h"

namespace tavik::calendar {

// One row of the table. The date field is "dd.mm.yyyy" (year "0000": every year, any
// other year: an anniversary of that year), "pasha.p" / "pasha.k" + a signed day offset
// ("000", "-07", "+40") from Orthodox / Catholic Easter, or "****w.d.mm" for the w-th
// ("1".."4", "l" the last) weekday d (1 Sunday .. 7 Saturday) of month mm.
struct CalendarRow {
    std::string date;     // 10 characters
    std::string group;    // "ALL", "RUS", "USA", ... ("RU-" and other codes have no title)
    std::string picture;  // resource name in the calendar library, 9 characters
    // The names in the row's order: Russian, English, German, French, Spanish, Chinese,
    // Italian, Czech, Japanese, Korean.
    std::array<std::string, words::kLanguageCount> names;

    // The name in a language index (0 English, 1 Russian, ...; others show English).
    const std::string& name(int language) const;
};

// A row text "date#group#picture#ten names each followed by '#'#countries"; nullopt
// when a field is missing or has the wrong width.
std::optional<CalendarRow> ParseCalendarRow(std::string_view text);

// The 82 rows of the built-in table, in table order.
const std::vector<CalendarRow>& BuiltinRows();

}  // namespace tavik::calendar
