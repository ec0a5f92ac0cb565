#pragma once
// The size of a font of one of the four kinds of the settings ("decor", "serif",
// "fixed", "conew"), each a font name and a size percentage.

#include "ui/layout/rounding.h"
#include "config/settings.h"

namespace tavik::ui {

// A font size n scaled by the kind's percentage: nearest(n x percent / 100).
inline int FontSize(int n, const config::FontSetting& kind) {
    return nearest(static_cast<long long>(n) * kind.scale, 100);
}

}  // namespace tavik::ui
