#include "core/match/thinking.h"

namespace tavik {

std::string_view ForecastText(int code) {
    switch (code) {
        case kForecastLoses:
            return " Компьютер проигрывает";
        case kForecastDraw:
            return " Намечается ничья";
        case kForecastWins:
            return " Компьютер выигрывает";
        case kForecastPending:
            return " Прогноз...";
        default:
            return "";
    }
}

std::string ProgressText(std::string_view think, const ThinkingProgress& p) {
    return std::string(think) + std::to_string(p.move) + "/" + std::to_string(p.moves) + " (" +
           std::to_string(p.seconds) + " sec.)";
}

}  // namespace tavik
