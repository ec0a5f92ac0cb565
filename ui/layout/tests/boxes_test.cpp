#include <gtest/gtest.h>

#include "ui/layout/main_boxes.h"
#include "ui/layout/table_boxes.h"

namespace tavik::ui {
namespace {

TEST(TableBoxes, SmallWindowKeepsTheBaseValues) {
    const Display d = MakeDisplay(1, 0, 0, 0);
    const TableBoxes b = GameTableBoxes(d);
    struct Case {
        const char* name;
        Box box, expected;
    } cases[] = {
        {"hand1", b.hand1, {140, 10, 470, 96}},     {"hand2", b.hand2, {140, 394, 470, 96}},
        {"tab1", b.tab1, {8, 125, 155, 60}},        {"tab2", b.tab2, {8, 315, 155, 60}},
        {"say1", b.say1, {295, 115, 160, 20}},      {"say2", b.say2, {295, 370, 160, 20}},
        {"koloda", b.koloda, {633, 128, 100, 170}}, {"stol", b.stol, {175, 170, 401, 130}},
        {"kon", b.kon, {8, 220, 155, 60}},          {"memo", b.memo, {620, 373, 130, 90}},
    };
    for (const Case& c : cases) EXPECT_EQ(c.box, c.expected) << c.name;
}

TEST(TableBoxes, LargerWindowsScaleAndCentre) {
    // Window size 5: everything doubles; the hand boxes take the card height.
    const TableBoxes five = GameTableBoxes(MakeDisplay(5, 0, 0, 0));
    EXPECT_EQ(five.stol, (Box{350, 340, 802, 260}));
    EXPECT_EQ(five.hand2, (Box{280, 788, 940, 198}));
    // Full screen 1920 x 1080: stretched horizontally more than the scale.
    const Display full = MakeDisplay(2, 1920, 1080, 0);
    const TableBoxes b = GameTableBoxes(full);
    EXPECT_EQ(b.stol.left, 515);
    EXPECT_EQ(b.stol.width, 866);
    // The hands: nearest(353.7) + nearest(0.366 x 235) = 354 + 86; top nearest(21.6) + 0.
    EXPECT_EQ(b.hand1, (Box{440, 22, 1015, 198}));
    // The deck: nearest(1599.2) + nearest(0.366 x 50) = 1599 + 18.
    EXPECT_EQ(b.koloda.left, 1617);
}

TEST(TableBoxes, ControlsBesideTheBoxes) {
    const Display d = MakeDisplay(1, 0, 0, 0);
    const TableBoxes b = GameTableBoxes(d);
    const TableControls c = GameTableControls(d, b);
    EXPECT_EQ(c.edit1, (Box{620, 472, 94, 20}));  // 463 + 1 + nearest(7.5)
    EXPECT_EQ(c.bitBtn1, (Box{715, 464, 35, 35}));
    EXPECT_EQ(c.button7, (Box{613, 305, 140, 30}));
    EXPECT_EQ(c.button8, (Box{613, 335, 140, 30}));
    EXPECT_EQ(c.timer1, (Box{465, 115, 20, 20}));
    EXPECT_EQ(c.timer2, (Box{465, 370, 20, 20}));
    // Window size 3: 305 x 1.3 + 30 x 1.3 = 435.5 rounds to 436.
    const Display three = MakeDisplay(3, 0, 0, 0);
    EXPECT_EQ(GameTableControls(three, GameTableBoxes(three)).button8.top, 436);
}

TEST(TableSlots, DefenceHalfASlotRightAndAbove) {
    const Display d = MakeDisplay(1, 0, 0, 0);
    EXPECT_EQ(AttackSlot(d, 1), (SlotPosition{0, 30}));
    EXPECT_EQ(DefenceSlot(d, 1), (SlotPosition{30, 0}));
    EXPECT_EQ(AttackSlot(d, 6), (SlotPosition{300, 30}));
    EXPECT_EQ(DefenceSlot(d, 6), (SlotPosition{330, 0}));
    const Display three = MakeDisplay(3, 0, 0, 0);
    EXPECT_EQ(AttackSlot(three, 4), (SlotPosition{234, 39}));
    EXPECT_EQ(DefenceSlot(three, 4), (SlotPosition{273, 0}));
}

TEST(MainScreen, BoxesAndClocks) {
    const MainScreenBoxes small = MainScreenLayout(MakeDisplay(1, 0, 0, 0), false);
    EXPECT_EQ(small.imCaption, (Box{180, 12, 400, 70}));
    EXPECT_EQ(small.imTitle, (Box{230, 85, 300, 90}));
    EXPECT_EQ(small.button[1], (Box{180, 265, 400, 30}));
    EXPECT_EQ(small.button[5], (Box{180, 385, 400, 30}));
    EXPECT_EQ(small.panel4, (Box{180, 225, 400, 30}));
    EXPECT_EQ(small.button6, (Box{280, 425, 200, 30}));
    EXPECT_EQ(small.button11, (Box{330, 465, 100, 30}));
    EXPECT_EQ(small.svLeft, (Box{60, 30, 100, 200}));
    EXPECT_FALSE(small.clocksShown);
    EXPECT_EQ(MainScreenLayout(MakeDisplay(1, 0, 0, 0), true).svLeft.left, 40);

    // Window size 5: figures and candles keep their size and are only moved.
    const MainScreenBoxes large = MainScreenLayout(MakeDisplay(5, 0, 0, 0), false);
    EXPECT_EQ(large.gif1, (Box{94, 680, 160, 200}));
    EXPECT_EQ(large.svRight, (Box{1250, 160, 100, 200}));
    EXPECT_TRUE(large.clocksShown);
    // Between the candle's bottom (360) and the top-ten button (450): 360 + 45 - 36.
    EXPECT_EQ(large.clock1, (Box{163, 369, 115, 64}));

    EXPECT_TRUE(MainScreenLayout(MakeDisplay(2, 1920, 1080, 0), false).clocksShown);
    EXPECT_FALSE(MainScreenLayout(MakeDisplay(2, 1280, 1024, 0), false).clocksShown);
}

}  // namespace
}  // namespace tavik::ui
