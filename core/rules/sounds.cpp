#include "core/rules/sounds.h"

#include <array>

namespace tavik {

bool soundWaits(std::string_view name) {
    static constexpr std::array<std::string_view, 6> kWaiting = {
        snd::HodsDo, snd::HodOtb, snd::HodBer, snd::PlMore, snd::Ding1, snd::KoloNo};
    for (std::string_view w : kWaiting)
        if (w == name) return true;
    return false;
}

}  // namespace tavik
