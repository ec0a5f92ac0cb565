// The "Current game" balloon over the kon indicator, for the kinds of game.
#include "ui/main_window/kon_balloon.h"

#include <gtest/gtest.h>

namespace tavik::ui {
namespace {

TEST(KonBalloon, LinesForEachKindOfGame) {
    struct Case {
        TableView::KonState kon;
        const char* text;  // nullptr: no balloon
    };
    const Case cases[] = {
        {{.konCount = 31, .cycle = 30, .matchKons = 1},
         "General number of game: 31\nNumber of round in a current cycle: 1 / 30"},
        {{.konCount = 60, .cycle = 30, .matchKons = 4},
         "General number of game: 60\nNumber of round in a current cycle: 30 / 30"},
        {{.konCount = 8, .cycle = 30, .matchKons = 2, .network = true},
         "General number of game: 8\nNumber of round in a current cycle: 8 / 30\n"
         "Number of round in a current session: 2 / 3"},
        {{.konCount = 9, .cycle = 30, .matchKons = 3, .network = true},
         "General number of game: 9\nNumber of round in a current cycle: 9 / 30\n"
         "Number of round in a current session: 3 / 3"},
        {{.konCount = 9, .cycle = 30, .matchKons = 3, .network = true, .awaitingDeal = true},
         nullptr},
        {{.konCount = 12, .cycle = 1, .matchKons = 1, .online = true},
         "General number of game: 12\nNumber of round in a current session: 1 / 1"},
    };
    for (const Case& c : cases) {
        const auto b = KonBalloon(c.kon, 0);
        if (c.text == nullptr) {
            EXPECT_FALSE(b) << c.kon.konCount;
            continue;
        }
        ASSERT_TRUE(b) << c.text;
        EXPECT_EQ(b->title, QStringLiteral("Current game"));
        EXPECT_EQ(b->text, QString::fromUtf8(c.text));
    }
    // Another language: the Russian title.
    EXPECT_EQ(KonBalloon({.konCount = 1}, 1)->title, QStringLiteral("Текущий кон"));
}

}  // namespace
}  // namespace tavik::ui
