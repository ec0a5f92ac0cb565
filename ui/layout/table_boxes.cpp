#include "ui/layout/table_boxes.h"

#include <algorithm>

namespace tavik::ui {

TableBoxes GameTableBoxes(const Display& d) {
    TableBoxes b;
    auto hand = [&](int top) {
        return Box{d.PlaceX(140, 470), d.PlaceY(top, 96), d.Scaled(470), d.cardHeight};
    };
    b.hand1 = hand(10);
    b.hand2 = hand(394);
    b.tab1 = d.Place(8, 125, 155, 60);
    b.tab2 = d.Place(8, 315, 155, 60);
    b.say1 = d.Place(295, 115, 160, 20);
    b.say2 = d.Place(295, 370, 160, 20);
    b.koloda = d.Place(633, 128, 100, 170);
    b.stol = d.Place(175, 170, 401, 130);
    b.kon = d.Place(8, 220, 155, 60);
    b.memo = d.Place(620, 373, 130, 90);
    return b;
}

TableControls GameTableControls(const Display& d, const TableBoxes& boxes) {
    TableControls c;
    const Box& m = boxes.memo;
    const int s1 = d.Scaled(1), s35 = d.Scaled(35), s20 = d.Scaled(20), s36 = d.Scaled(36);
    c.edit1 = {m.left, m.bottom() + s1 + nearest(s35 - s20, 2), m.width - s36, s20};
    c.edit1FontHeight = d.Scaled(14);
    c.bitBtn1 = {m.right() - s35, m.bottom() + s1, s35, s35};
    const int left = d.StretchedX(613), width = d.StretchedX(140), height = d.Scaled(30);
    c.button7 = {left, d.StretchedY(305), width, height};
    c.button8 = {left, nearest(Ratio(305) * d.scaleY + Ratio(30) * d.scaleY), width, height};
    auto timer = [&](const Box& say) {
        return Box{say.right() + d.Scaled(10), say.top, say.height, say.height};
    };
    c.timer1 = timer(boxes.say1);
    c.timer2 = timer(boxes.say2);
    return c;
}

namespace {
constexpr int kAttackX[] = {0, 0, 60, 120, 180, 240, 300};
constexpr int kDefenceX[] = {0, 30, 90, 150, 210, 270, 330};
}  // namespace

SlotPosition AttackSlot(const Display& d, int column) {
    column = std::clamp(column, 1, 6);
    return {d.Scaled(kAttackX[column]), d.Scaled(30)};
}

SlotPosition DefenceSlot(const Display& d, int column) {
    column = std::clamp(column, 1, 6);
    return {d.Scaled(kDefenceX[column]), 0};
}

}  // namespace tavik::ui
