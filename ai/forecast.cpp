#include "ai/forecast.h"

namespace tavik::ai {

std::uint8_t ForecastCode(int searchValue) {
    switch (searchValue) {
        case -2:
            return kForecastLoses;
        case 0:
            return kForecastDraw;
        case 2:
            return kForecastWins;
        default:
            return kForecastPending;
    }
}

}  // namespace tavik::ai
