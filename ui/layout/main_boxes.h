#pragma once
// The controls of the main screen, in window pixels. The animated figures, candles
// and clocks keep their natural size in every window size and are only moved.

#include "ui/layout/layout.h"

namespace tavik::ui {

struct MainScreenBoxes {
    Box imCaption;  // game title picture
    Box imElite;    // mode banner
    Box imTitle;    // title strip
    Box button[6];  // player list buttons 1..5 (index 0 unused)
    Box panel4;     // list heading
    Box button6;    // start
    Box button9;    // top ten
    Box bHistory;
    Box button10;  // options
    Box bMode;
    Box button11;              // exit
    Box gif1, gif2;            // RxGIFAn1, RxGIFAn2: animated figures
    Box svLeft, svRight;       // candles
    Box holiday1, holiday2;    // the calendar's holiday pictures (when shown)
    bool clocksShown = false;  // the clocks appear only in large windows
    Box clock1, clock2;
};

// holidayShown: the holiday calendar shows today's pictures beside the candles,
// which then move 20 base pixels outwards.
MainScreenBoxes MainScreenLayout(const Display& d, bool holidayShown);

}  // namespace tavik::ui
