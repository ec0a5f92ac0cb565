#include "ui/layout/layout.h"

#include <gtest/gtest.h>

namespace tavik::ui {
namespace {

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    struct Case {
        long long num, den;
        int expected;
    } cases[] = {{925, 10, 92}, {935, 10, 94}, {585, 10, 58}, {5, 2, 2},   {7, 2, 4},
                 {923, 10, 92}, {927, 10, 93}, {-5, 2, -2},   {-7, 2, -4}, {-13, 10, -1}};
    for (const Case& c : cases)
        EXPECT_EQ(nearest(c.num, c.den), c.expected) << c.num << "/" << c.den;
    // 1.3 x 45 is exactly 58.5, whatever binary floating point makes of it.
    EXPECT_EQ(nearest(Ratio(13, 10) * Ratio(45)), 58);
}

TEST(Display, WindowSizesGiveClientAreaScaleAndCardCell) {
    struct Case {
        int windowSize, deckStyle;
        int width, height, cardWidth, cardHeight, cardMode, cardShift, rowUnit;
    } cases[] = {
        {1, 0, 760, 500, 71, 96, 1, 0, 30},      {1, 30, 760, 500, 71, 96, 1, 0, 30},
        {3, 0, 990, 650, 92, 125, 0, 0, 39},     {3, 30, 990, 650, 79, 125, 0, 5, 39},
        {4, 0, 1290, 850, 121, 163, 0, 0, 51},   {4, 30, 1290, 850, 104, 163, 0, 5, 51},
        {5, 0, 1520, 1000, 146, 198, 2, 0, 60},  {5, 45, 1520, 1000, 146, 198, 2, 0, 60},
        {5, 30, 1520, 1000, 126, 198, 2, 5, 60}, {9, 0, 760, 500, 71, 96, 1, 0, 30},
    };
    for (const Case& c : cases) {
        const Display d = MakeDisplay(c.windowSize, 0, 0, c.deckStyle);
        SCOPED_TRACE(testing::Message() << "size " << c.windowSize << " style " << c.deckStyle);
        EXPECT_EQ(d.clientWidth, c.width);
        EXPECT_EQ(d.clientHeight, c.height);
        EXPECT_EQ(d.cardWidth, c.cardWidth);
        EXPECT_EQ(d.cardHeight, c.cardHeight);
        EXPECT_EQ(d.cardMode, c.cardMode);
        EXPECT_EQ(d.cardShift, c.cardShift);
        EXPECT_EQ(d.R(), c.rowUnit);
    }
}

TEST(Display, FullScreenStretchesAndScalesByTheSmallerFactor) {
    const Display d = MakeDisplay(2, 1920, 1080, 0);
    EXPECT_NEAR(d.scaleX.value(), 2.5263, 1e-4);
    EXPECT_DOUBLE_EQ(d.scaleY.value(), 2.16);
    EXPECT_TRUE(d.scale == d.scaleY);
    EXPECT_EQ(d.cardMode, 2);
    // The table box: nearest(442.1) + nearest(0.366 x 200.5) = 442 + 73.
    EXPECT_EQ(d.PlaceX(175, 401), 515);
    EXPECT_EQ(d.PlaceY(170, 130), 367);  // nearest(367.2) + 0
    EXPECT_EQ(d.Scaled(401), 866);

    // A full screen below 1.3 times the design keeps the small cell.
    const Display low = MakeDisplay(2, 1024, 600, 0);
    EXPECT_DOUBLE_EQ(low.scale.value(), 1.2);
    EXPECT_EQ(low.cardWidth, 71);
    EXPECT_EQ(low.cardMode, 1);
    // Between 1.3 and 2 the cell is scaled; at exactly 2 the large pictures are used as they are.
    EXPECT_EQ(MakeDisplay(2, 1280, 650, 0).cardMode, 0);
    EXPECT_EQ(MakeDisplay(2, 1520, 1000, 0).cardMode, 2);
}

TEST(Display, FaceStyleChangeRecomputesTheCell) {
    Display d = MakeDisplay(3, 0, 0, 0);
    ApplyCardCell(d, 30);
    EXPECT_FALSE(d.wideCards);
    EXPECT_EQ(d.cardWidth, 79);
    EXPECT_EQ(d.cardShift, 5);
    ApplyCardCell(d, 40);
    EXPECT_TRUE(d.wideCards);
    EXPECT_EQ(d.cardWidth, 92);
    EXPECT_EQ(d.cardShift, 0);
}

TEST(SpreadHand, SideBySideWhenTheyFitOverlappingOtherwise) {
    const Display small = MakeDisplay(1, 0, 0, 0);
    struct Case {
        int count, first, step, last;
    } cases[] = {
        {1, 198, 0, 198},  // nearest(235 - 37)
        {6, 13, 74, 383},  // 6 x 74 = 444 <= 470
        {12, 0, 36, 396},  // 470 / 12 < 74: trunc(396 / 11)
        {7, 0, 66, 396},   // 7 x 74 = 518 > 470: trunc(396 / 6)
        {36, 0, 11, 385},
    };
    for (const Case& c : cases) {
        const HandPositions x = SpreadHand(small, c.count);
        SCOPED_TRACE(c.count);
        EXPECT_EQ(x[1], c.first);
        if (c.count > 1) {
            EXPECT_EQ(x[2] - x[1], c.step);
        }
        EXPECT_EQ(x[static_cast<std::size_t>(c.count)], c.last);
        if (c.count < 36) {
            EXPECT_EQ(x[static_cast<std::size_t>(c.count) + 1], 0);
        }
    }
    EXPECT_EQ(SpreadHand(small, 0), HandPositions{});
}

TEST(SpreadHand, CentresWithHalvesRoundedToEven) {
    // Window size 3: span 611, h = 95; nearest(305.5) = 306, 306 - 3 x 95 / 2 = 163.5 -> 164.
    const Display d = MakeDisplay(3, 0, 0, 0);
    const HandPositions x = SpreadHand(d, 3);
    EXPECT_EQ(x[1], 164);
    EXPECT_EQ(x[2], 258);  // nearest(258.5): each card rounds on its own
    EXPECT_EQ(x[3], 354);
}

}  // namespace
}  // namespace tavik::ui
