#include "ui/layout/main_boxes.h"

namespace tavik::ui {
namespace {

// nearest(stretch x left) + nearest((stretch - 1) x size / 2): a box of natural size
// kept centred where the stretched design puts its centre.
int naturalX(const Display& d, int left, int width) {
    return d.StretchedX(left) + nearest((d.scaleX - Ratio(1)) * Ratio(width, 2));
}
int naturalY(const Display& d, int top, int height) {
    return d.StretchedY(top) + nearest((d.scaleY - Ratio(1)) * Ratio(height, 2));
}

}  // namespace

MainScreenBoxes MainScreenLayout(const Display& d, bool holidayShown) {
    MainScreenBoxes m;
    const int r = d.R();
    m.imCaption = d.Place(180, 12, 400, 70);
    m.imElite = d.Place(205, 183, 350, 40);
    m.imTitle = {d.StretchedX(230), d.StretchedY(90) - d.Scaled(5), d.StretchedX(300), 3 * r};
    const int listTop = d.StretchedY(265);
    for (int k = 1; k <= 5; ++k)
        m.button[k] = {d.StretchedX(180), listTop + (k - 1) * r, d.StretchedX(400), r};
    m.panel4 = {d.StretchedX(180), listTop - r - d.Scaled(10), d.StretchedX(400), r};
    m.button6 = {d.StretchedX(280), listTop + 5 * r + d.Scaled(10), d.StretchedX(200), r};
    auto button = [&](int left, int top) {
        return Box{d.StretchedX(left), d.StretchedY(top), d.StretchedX(100), r};
    };
    m.button9 = button(40, 225);
    m.bHistory = button(40, 255);
    m.button10 = button(620, 225);
    m.bMode = button(620, 255);
    m.button11 = button(330, 465);

    const int gifTop = naturalY(d, 290, 200);
    m.gif1 = {naturalX(d, 7, 160), gifTop, 160, 200};
    m.gif2 = {naturalX(d, 592, 160), gifTop, 160, 200};
    const int shift = holidayShown ? 20 : 0;
    const int candleTop = naturalY(d, 30, 200);
    m.svLeft = {naturalX(d, 60 - shift, 100), candleTop, 100, 200};
    m.svRight = {naturalX(d, 600 + shift, 100), candleTop, 100, 200};
    const int holidayTop = naturalY(d, 95, 100);
    m.holiday1 = {naturalX(d, 150, 60), holidayTop, 60, 100};
    m.holiday2 = {naturalX(d, 550, 60), holidayTop, 60, 100};

    m.clocksShown = d.windowSize == 4 || d.windowSize == 5 ||
                    (d.windowSize == 2 && d.clientWidth > 1290 && d.clientHeight > 850);
    // A clock sits in the middle of the free height between its candle and the button below.
    auto clock = [&](const Box& candle, const Box& below) {
        const int candleBottom = candle.top + 200;
        const int g = below.top - candleBottom;
        return Box{candle.left - 7, candleBottom + nearest(g, 2) - 36, 115, 64};
    };
    m.clock1 = clock(m.svLeft, m.button9);
    m.clock2 = clock(m.svRight, m.button10);
    return m;
}

}  // namespace tavik::ui
