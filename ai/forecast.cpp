#include "ai/forecast.h"

namespace tavik::ai {

std::uint8_t ForecastCode(int searchValue) {
    switch (searchValue) {
        case -2:
            return 2;
        case 0:
            return 4;
        case 2:
            return 6;
        default:
            return kForecastPending;
    }
}

std::string_view ForecastText(int code) {
    switch (code) {
        case 2:
            return " Компьютер проигрывает";
        case 4:
            return " Намечается ничья";
        case 6:
            return " Компьютер выигрывает";
        case 10:
            return " Прогноз...";
        default:
            return "";
    }
}

}  // namespace tavik::ai
