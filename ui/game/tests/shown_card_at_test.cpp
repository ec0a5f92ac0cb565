// The face-up cards a right click speaks outside the own hand: the bout on the table
// (the top card where two overlap), the uncovered part of the trump under the deck
// while cards are left, the opponent's hand only while it is face up, and its shown
// lowest trump.
#include "ui/game/shown_card_at.h"

#include <gtest/gtest.h>

#include "core/tests/test_support.h"
#include "ui/layout/table_boxes.h"
#include "ui/testing/ui_test_support.h"

namespace tavik::ui {
namespace {

Card C(const char* utf8) {
    return *Card::fromUtf8(utf8);
}

class ShownCardAtTest : public ::testing::Test {
  protected:
    ShownCardAtTest() : renderer(display, art, settings) {
        test::App();
        display = MakeDisplay(3, 0, 0, 0);  // a scaled window: Scaled() matters
        ArtLoader loader(display, settings, art, PluginFolders{}, nullptr);
        loader.LoadCardFaces();
        renderer.PlaceBoxes();
    }
    // A point of the view from a point of a box.
    QPoint At(BoxId id, int x, int y) const {
        const Box& b = renderer.box(id);
        return {b.left + x, b.top + y};
    }

    Display display;
    config::Settings settings;
    CardArt art;
    TableRenderer renderer;
};

TEST_F(ShownCardAtTest, TheBoutOnTheTableTopCardFirst) {
    const SlotPosition attack = AttackSlot(display, 1);
    const SlotPosition defence = DefenceSlot(display, 1);
    renderer.DrawTableCard(Row::Attack, 1, C("6б"));
    EXPECT_EQ(ShownCardAt(renderer, At(BoxId::Stol, attack.x + 5, attack.y + 5)), C("6б"));
    renderer.DrawTableCard(Row::Defence, 1, C("Тб"));
    // Where the defence lies over the attack card it is the one spoken; below it the
    // attack card shows.
    ASSERT_LT(defence.x, attack.x + display.cardWidth);
    ASSERT_GT(defence.x, attack.x);
    EXPECT_EQ(ShownCardAt(renderer, At(BoxId::Stol, defence.x + 2, attack.y + 5)), C("Тб"));
    EXPECT_EQ(ShownCardAt(renderer, At(BoxId::Stol, attack.x + 2, attack.y + 5)), C("6б"));
    EXPECT_EQ(
        ShownCardAt(renderer, At(BoxId::Stol, attack.x + 5, attack.y + display.cardHeight - 2)),
        C("6б"));
    EXPECT_EQ(ShownCardAt(renderer, At(BoxId::Stol, defence.x + 5, defence.y + 2)), C("Тб"));
    // Beside the cards, and after the table is cleared: nothing.
    EXPECT_TRUE(
        ShownCardAt(renderer, At(BoxId::Stol, AttackSlot(display, 4).x + 5, attack.y + 5)).empty());
    renderer.ClearTableBox();
    EXPECT_TRUE(ShownCardAt(renderer, At(BoxId::Stol, attack.x + 5, attack.y + 5)).empty());
}

TEST_F(ShownCardAtTest, TheUncoveredTrumpUnderTheDeckWhileCardsAreLeft) {
    const int left = display.Scaled(12) + display.Scaled(display.cardShift);
    const int uncoveredTop = display.Scaled(45) + display.cardWidth;
    const int bottom = display.Scaled(70) + display.cardHeight;
    renderer.DrawDeck(C("9к"), C("9к").suit(), 13);
    struct Case {
        const char* what;
        int x, y;
        bool spoken;
    } cases[] = {
        {"the uncovered part", left + 5, uncoveredTop + 2, true},
        {"its last row", left + display.cardWidth - 1, bottom - 1, true},
        {"under the backs", left + 5, uncoveredTop - 1, false},
        {"left of the card", left - 1, uncoveredTop + 2, false},
        {"right of the card", left + display.cardWidth, uncoveredTop + 2, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ShownCardAt(renderer, At(BoxId::Koloda, c.x, c.y)), c.spoken ? C("9к") : Card())
            << c.what;
    renderer.DrawDeck(C("9к"), C("9к").suit(), 37);  // the deck is used up
    EXPECT_TRUE(ShownCardAt(renderer, At(BoxId::Koloda, left + 5, uncoveredTop + 2)).empty());
}

TEST_F(ShownCardAtTest, TheOpponentsCardsOnlyFaceUp) {
    GameState g;
    tavik::test::setHand(g, 1, {"6ч", "7ч", "8ч", "9ч", "1ч", "Вч", "Дч"});
    renderer.DrawHand(1, g.CardsI1, 7, false);
    const HandPositions& x = renderer.handPositions(1);
    EXPECT_TRUE(ShownCardAt(renderer, At(BoxId::Hand1, x[1] + 3, 10)).empty());
    // The lowest trump shown over the sixth position while the hand is face down.
    renderer.DrawShownTrump(C("6к"));
    EXPECT_EQ(ShownCardAt(renderer, At(BoxId::Hand1, x[6] + 3, 10)), C("6к"));
    EXPECT_TRUE(ShownCardAt(renderer, At(BoxId::Hand1, x[2] + 3, 10)).empty());
    // Face up (the result shown, or the open cards): every card.
    renderer.DrawHand(1, g.CardsI1, 7, true);
    EXPECT_EQ(ShownCardAt(renderer, At(BoxId::Hand1, x[2] + 3, 10)), C("7ч"));
    EXPECT_EQ(ShownCardAt(renderer, At(BoxId::Hand1, x[6] + 3, 10)), C("Вч"));
    renderer.DrawHand(1, g.CardsI1, 7, false);
    EXPECT_TRUE(ShownCardAt(renderer, At(BoxId::Hand1, x[6] + 3, 10)).empty());
}

}  // namespace
}  // namespace tavik::ui
