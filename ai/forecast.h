#pragma once
// The forecast the computer keeps of the kon's outcome. The codes and their texts
// belong to the match (core/match/thinking.h); here a search value becomes a code.

#include <cstdint>

#include "core/match/thinking.h"

namespace tavik::ai {

// The code of a search value -2, 0, +2; any other value leaves the forecast pending.
std::uint8_t ForecastCode(int searchValue);

}  // namespace tavik::ai
