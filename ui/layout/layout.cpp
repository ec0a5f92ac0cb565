#include "ui/layout/layout.h"

#include <algorithm>

namespace tavik::ui {

ClientSize FixedClientSize(int windowSize) {
    switch (windowSize) {
        case 3:
            return {990, 650};
        case 4:
            return {1290, 850};
        case 5:
            return {1520, 1000};
        case 2:
            return {0, 0};
        default:
            return {kBaseWidth, kBaseHeight};
    }
}

bool WideCardStyle(int deckStyle) {
    return deckStyle <= 27 || deckStyle == 40 || deckStyle == 45;
}

void ApplyCardCell(Display& d, int deckStyle) {
    d.wideCards = WideCardStyle(deckStyle);
    // The table's rows are tested in order; the last that holds wins.
    d.cardWidth = 71;
    d.cardHeight = 96;
    d.cardMode = 1;
    if (!(d.scale < Ratio(13, 10))) {
        d.cardWidth = d.Scaled(d.wideCards ? 71 : 61);
        d.cardHeight = d.Scaled(96);
        d.cardMode = 0;
    }
    if (!(d.scale < Ratio(2))) {
        d.cardWidth = d.wideCards ? 146 : 126;
        d.cardHeight = 198;
        d.cardMode = 2;
    }
    d.cardShift = d.wideCards || d.windowSize == 1 ? 0 : 5;
}

Display MakeDisplay(int windowSize, int fullScreenWidth, int fullScreenHeight, int deckStyle) {
    Display d;
    d.windowSize = windowSize >= 1 && windowSize <= 5 ? windowSize : 1;
    if (d.windowSize == 2) {
        d.clientWidth = std::max(1, fullScreenWidth);
        d.clientHeight = std::max(1, fullScreenHeight);
        d.scaleX = Ratio(d.clientWidth, kBaseWidth);
        d.scaleY = Ratio(d.clientHeight, kBaseHeight);
        d.scale = d.scaleY < d.scaleX ? d.scaleY : d.scaleX;
    } else {
        static constexpr int kTenths[] = {0, 10, 0, 13, 17, 20};
        const ClientSize c = FixedClientSize(d.windowSize);
        d.clientWidth = c.width;
        d.clientHeight = c.height;
        d.scale = d.scaleX = d.scaleY = Ratio(kTenths[d.windowSize], 10);
    }
    ApplyCardCell(d, deckStyle);
    return d;
}

HandPositions SpreadHand(const Display& d, int count) {
    HandPositions x{};
    count = std::clamp(count, 0, 36);
    if (count == 0) return x;
    const int span = d.Scaled(470);
    const int h = d.cardWidth + 3;
    if (span < count * h) {  // span / count < h: the cards overlap
        const int step = count > 1 ? (span - h) / (count - 1) : 0;
        for (int i = 1; i <= count; ++i) x[static_cast<std::size_t>(i)] = (i - 1) * step;
    } else {
        // nearest(nearest(span / 2) - count x h / 2 + (i - 1) x h), in halves.
        const int middle = nearest(span, 2);
        for (int i = 1; i <= count; ++i)
            x[static_cast<std::size_t>(i)] = nearest(2 * middle - count * h + 2 * (i - 1) * h, 2);
    }
    return x;
}

}  // namespace tavik::ui
