#pragma once
// The forecast the computer keeps of the kon's outcome, shown after the window title
// when the forecast display is on.

#include <cstdint>
#include <string_view>

namespace tavik::ai {

// Forecast codes: 2 the computer loses, 4 draw, 6 the computer wins, 10 pending (the
// heuristic rules decided, or a search found no move at all).
inline constexpr std::uint8_t kForecastPending = 10;

// The code of a search value -2, 0, +2; any other value leaves the forecast pending.
std::uint8_t ForecastCode(int searchValue);
// The text shown after the title (with its leading space); empty for unknown codes.
std::string_view ForecastText(int code);

}  // namespace tavik::ai
