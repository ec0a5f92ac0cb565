#include "ui/game/hit_test.h"

#include <gtest/gtest.h>

#include "core/tests/test_support.h"

namespace tavik::ui {
namespace {

struct HitCase {
    const char* what;
    int count;
    int x;
    int slot;
};

// Five cards of width 71 at 0, 20, 40, 60, 80 (overlapping), and the same hand
// spread with gaps (0, 74, 148).
TEST(HitTest, OverlappingCardsBelongToTheCardOnTop) {
    GameState g;
    tavik::test::setHand(g, 2, {"6ч", "7ч", "8ч", "9ч", "Тч"});
    HandPositions overlap{};
    for (int i = 1; i <= 5; ++i) overlap[static_cast<std::size_t>(i)] = (i - 1) * 20;
    const HitCase cases[] = {
        {"left of the hand", 5, -1, 0},       {"first pixel", 5, 0, 1},
        {"last pixel of card 1", 5, 19, 1},   {"card 2 starts", 5, 20, 2},
        {"last card, its middle", 5, 120, 5}, {"last card, its last pixel", 5, 150, 5},
        {"past the last card", 5, 151, 0},    {"fewer cards counted", 3, 70, 3},
    };
    for (const HitCase& c : cases)
        EXPECT_EQ(HitTest(overlap, c.count, 71, g.CardsI2, c.x), c.slot) << c.what;
}

TEST(HitTest, EmptySlotsNeverHit) {
    GameState g;
    tavik::test::setHand(g, 2, {"6ч", "7ч"});
    HandPositions spread{};
    spread[1] = 0;
    spread[2] = 74;
    spread[3] = 148;
    EXPECT_EQ(HitTest(spread, 2, 71, g.CardsI2, 72), 1);   // the gap goes with the card before
    EXPECT_EQ(HitTest(spread, 3, 71, g.CardsI2, 150), 0);  // slot 3 holds no card
    EXPECT_EQ(HitTest(spread, 0, 71, g.CardsI2, 10), 0);
}

}  // namespace
}  // namespace tavik::ui
