// The deck box: the stack of backs across by the number of cards left, the trump card
// under it, the count plate, and the empty-deck plate with the trump suit.
#include "ui/table/tests/table_test_support.h"

namespace tavik::ui {
namespace {

using test::IsBlack;

const Card kTrump(4, kClubs);  // the nine of clubs

class DeckTest : public ::testing::Test {
  protected:
    test::RendererFixture f{1};
    const QImage& deck() { return f.renderer->picture(BoxId::Koloda); }
    bool isBackground(int x, int y) {
        return test::SameRgb(deck().pixel(x, y), f.behind(BoxId::Koloda, x, y));
    }
    // The top edge of a back across at y (its frame runs from x = 2 to 93).
    bool backTopAt(int y) { return IsBlack(deck().pixel(2, y)) && IsBlack(deck().pixel(93, y)); }
};

TEST_F(DeckTest, StackOfBacksByCardsLeft) {
    struct Case {
        int left, backs;
    } cases[] = {{24, 6}, {21, 6}, {20, 5}, {17, 5}, {16, 4}, {12, 3},
                 {8, 2},  {5, 2},  {4, 1},  {2, 1},  {1, 0}};
    static constexpr int kTops[] = {45, 42, 39, 36, 33, 30};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.left);
        f.renderer->DrawDeck(kTrump, kClubs, 37 - c.left);
        if (c.left == 24 || c.left == 1)
            test::SaveRender(deck(), QStringLiteral("deck-%1").arg(c.left));
        // The highest back lies at the top of the last one drawn; above it, background.
        if (c.backs > 0) {
            EXPECT_TRUE(backTopAt(kTops[c.backs - 1]));
            EXPECT_TRUE(isBackground(50, kTops[c.backs - 1] - 1));
            EXPECT_TRUE(IsBlack(deck().pixel(50, 45 + 70)));  // the bottom edge of the lowest back
        } else {
            for (int y : {30, 45, 60}) EXPECT_TRUE(isBackground(50, y)) << y;
        }
        // The trump card face up at (12, 70), its lower part below the pile.
        EXPECT_TRUE(IsBlack(deck().pixel(40, 70 + 95)));
        EXPECT_TRUE(IsBlack(deck().pixel(12, 140)));
        const QImage& face = f.art.smallFace(kTrump);
        EXPECT_TRUE(test::SameRgb(deck().pixel(40, 150), face.pixel(40 - 13, 150 - 71)));
        // The count in blue on the plate.
        EXPECT_GT(test::CountNear(deck(), QRect(20, 1, 59, 25), qRgb(0, 0, 255)), 5);
    }
}

TEST_F(DeckTest, EmptyDeckShowsThePlateWithTheTrumpSuit) {
    f.renderer->DrawDeck(kTrump, kHearts, 37);
    test::SaveRender(deck(), "deck-0");
    // No trump card, no backs, no count plate.
    EXPECT_TRUE(isBackground(40, 70 + 95));
    EXPECT_TRUE(isBackground(50, 30));
    EXPECT_TRUE(isBackground(48, 10));
    // The large plate at (20, 54) with the hearts symbol at (40, 74).
    EXPECT_FALSE(isBackground(22, 80));
    EXPECT_GT(test::CountNear(deck(), QRect(40, 74, 20, 20), qRgb(200, 0, 0), 120), 20);
    EXPECT_TRUE(isBackground(10, 80));
}

TEST_F(DeckTest, IndexHundredOnlyClears) {
    f.renderer->DrawDeck(kTrump, kClubs, 13);
    f.renderer->DrawDeck(kTrump, kClubs, 100);
    for (int y = 0; y < 170; y += 7)
        for (int x = 0; x < 100; x += 7) ASSERT_TRUE(isBackground(x, y)) << x << "," << y;
}

TEST(DeckLarge, ScaledDeckInWindowSizeThree) {
    test::RendererFixture f(3);
    f.renderer->DrawDeck(kTrump, kClubs, 13);
    const QImage& deck = f.renderer->picture(BoxId::Koloda);
    test::SaveRender(deck, "deck-24-size3");
    EXPECT_EQ(deck.size(), QSize(130, 221));
    // The trump card at (S(12), S(70)) = (16, 91), 92 x 125; the backs across are 125 x 92.
    const QRgb behind = f.behind(BoxId::Koloda, 60, 215);
    EXPECT_FALSE(test::SameRgb(deck.pixel(60, 210), behind));
    EXPECT_TRUE(test::SameRgb(deck.pixel(60, 218), f.behind(BoxId::Koloda, 60, 218)));
    EXPECT_GT(test::CountNear(deck, QRect(26, 1, 77, 33), qRgb(0, 0, 255)), 5);
}

}  // namespace
}  // namespace tavik::ui
