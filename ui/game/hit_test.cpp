#include "ui/game/hit_test.h"

#include <algorithm>

namespace tavik::ui {

int HitTest(const HandPositions& positions, int count, int cardWidth, const Hand& hand, int x) {
    count = std::clamp(count, 0, 36);
    for (int i = 1; i <= count; ++i) {
        const int left = positions[static_cast<std::size_t>(i)];
        const int end = i < count ? positions[static_cast<std::size_t>(i + 1)] : left + cardWidth;
        if (x >= left && x < end) return hand[i].empty() ? 0 : i;
    }
    return 0;
}

}  // namespace tavik::ui
