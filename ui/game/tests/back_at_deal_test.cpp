// The card back chosen at each deal, through the match's deal as the window runs it.
#include "ui/game/back_at_deal.h"

#include <gtest/gtest.h>

#include <set>

#include "core/match/match_session.h"
#include "core/match/seeded_random.h"

namespace tavik::ui {
namespace {

TEST(BackAtDeal, FollowsTheWeekdayTheOneBackChoiceAndTheTenBackStyles) {
    struct Case {
        int backStyle;
        bool oneBack;
        int weekday, random, expected;
    };
    for (const Case c : {Case{0, false, 1, 9, 1}, Case{3, false, 5, 9, 5}, Case{12, false, 7, 2, 7},
                         Case{0, true, 2, 9, 7}, Case{8, false, 3, 9, 9}, Case{11, false, 3, 10, 10},
                         Case{9, true, 3, 4, 7}}) {
        config::Settings s;
        s.backStyle = c.backStyle;
        s.oneBack = c.oneBack;
        CardArt art;
        BackAtDeal backs(s, &art, [&] { return c.weekday; }, [&] { return c.random; });
        backs.onDeal(GameState{});
        EXPECT_EQ(art.backIndex, c.expected) << "style " << c.backStyle << " one " << c.oneBack;
    }
}

TEST(BackAtDeal, TenBackStylesDrawFromAllTenBacks) {
    config::Settings s;
    s.backStyle = 10;
    CardArt art;
    BackAtDeal backs(s, &art, [] { return 1; });  // the fresh random generator
    std::set<int> seen;
    for (int i = 0; i < 400; ++i) {
        backs.onDeal(GameState{});
        ASSERT_GE(art.backIndex, 1);
        ASSERT_LE(art.backIndex, 10);
        seen.insert(art.backIndex);
    }
    EXPECT_EQ(seen.size(), 10u);
}

TEST(BackAtDeal, TheWeekdayIsMondayOneToSundaySeven) {
    const int d = CurrentWeekday();
    EXPECT_GE(d, 1);
    EXPECT_LE(d, 7);
}

}  // namespace
}  // namespace tavik::ui
