// Single cards: the frame of small cards with its open corners, slot codes, faces,
// backs across, and large pictures fitted to the cell.
#include <QPainter>

#include "ui/pictures/picture_tools.h"
#include "ui/table/tests/table_test_support.h"

namespace tavik::ui {
namespace {

using test::IsBlack;

QImage whiteSheet(int w = 200, int h = 200) {
    QImage sheet(w, h, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    return sheet;
}

constexpr int X = 5, Y = 3;

// The frame of a w x h cell at (X, Y): edges with both end points, corners open.
void expectFrame(const QImage& s, int w, int h) {
    for (int x = X + 2; x <= X + w - 3; ++x) {
        ASSERT_TRUE(IsBlack(s.pixel(x, Y))) << "top " << x;
        ASSERT_TRUE(IsBlack(s.pixel(x, Y + h - 1))) << "bottom " << x;
    }
    for (int y = Y + 2; y <= Y + h - 3; ++y) {
        ASSERT_TRUE(IsBlack(s.pixel(X, y))) << "left " << y;
        ASSERT_TRUE(IsBlack(s.pixel(X + w - 1, y))) << "right " << y;
    }
    // The two pixels at each end of a corner stay open.
    for (QPoint p : {QPoint(X, Y), QPoint(X + 1, Y), QPoint(X, Y + 1), QPoint(X + w - 1, Y),
                     QPoint(X + w - 2, Y), QPoint(X + w - 1, Y + 1), QPoint(X, Y + h - 1),
                     QPoint(X, Y + h - 2), QPoint(X + 1, Y + h - 1), QPoint(X + w - 1, Y + h - 1)})
        ASSERT_FALSE(IsBlack(s.pixel(p))) << p.x() << "," << p.y();
}

TEST(CardDrawing, SmallSlotCodes) {
    test::RendererFixture f(1);
    const TableRenderer& r = *f.renderer;

    QImage empty = whiteSheet();
    r.DrawCardFace(X, Y, "--", empty);
    expectFrame(empty, 71, 96);
    EXPECT_FALSE(IsBlack(empty.pixel(X + 1, Y + 1)));
    EXPECT_TRUE(test::SameRgb(empty.pixel(X + 35, Y + 48), qRgb(255, 255, 255)));

    QImage rounded = whiteSheet();
    r.DrawCardFace(X, Y, "No", rounded);
    expectFrame(rounded, 71, 96);
    for (QPoint p : {QPoint(X + 1, Y + 1), QPoint(X + 69, Y + 1), QPoint(X + 1, Y + 94),
                     QPoint(X + 69, Y + 94)})
        EXPECT_TRUE(IsBlack(rounded.pixel(p))) << p.x() << "," << p.y();

    for (std::string_view nothing : {"##", "", "Q", "abc"}) {
        QImage sheet = whiteSheet();
        r.DrawCardFace(X, Y, nothing, sheet);
        EXPECT_EQ(sheet, whiteSheet()) << nothing;
    }
    test::SaveRender(rounded, "slot-no-small");
}

TEST(CardDrawing, SmallFaceInsideItsFrame) {
    test::RendererFixture f(1);
    QImage sheet = whiteSheet();
    const Card queen(7, kSpades);
    f.renderer->DrawCardFace(X, Y, queen, sheet);
    expectFrame(sheet, 71, 96);
    const QImage& face = f.art.smallFace(queen);
    ASSERT_EQ(face.size(), QSize(69, 94));
    for (int y = 0; y < 94; y += 3)
        for (int x = 0; x < 69; x += 3)
            if (qAlpha(face.pixel(x, y)) == 255) {
                ASSERT_TRUE(test::SameRgb(sheet.pixel(X + 1 + x, Y + 1 + y), face.pixel(x, y)))
                    << x << "," << y;
            }
    test::SaveRender(sheet, "face-small-queen-spades");
}

TEST(CardDrawing, BacksAndBacksAcross) {
    test::RendererFixture f(1);
    QImage sheet = whiteSheet();
    f.renderer->DrawCardBackAcross(X, Y, sheet);
    expectFrame(sheet, 96, 71);
    const QImage& across = f.art.smallBackAcross();
    ASSERT_EQ(across.size(), QSize(94, 69));
    EXPECT_TRUE(test::SameRgb(sheet.pixel(X + 48, Y + 35), across.pixel(47, 34)));
    QImage back = whiteSheet();
    f.renderer->DrawCardFace(X, Y, "00", back);  // the current back
    expectFrame(back, 71, 96);
    EXPECT_TRUE(test::SameRgb(back.pixel(X + 30, Y + 40), f.art.smallBack().pixel(29, 39)));
}

TEST(CardDrawing, LargeCardsResizedWithCutCornersOrDrawnAsTheyAre) {
    // Window size 3: the 146 x 198 picture fitted to 92 x 125, corners cut away.
    test::RendererFixture medium(3);
    QImage sheet = whiteSheet();
    medium.renderer->DrawCardFace(X, Y, Card(9, kHearts), sheet);
    test::SaveRender(sheet, "face-medium-ace-hearts");
    EXPECT_TRUE(test::SameRgb(sheet.pixel(X, Y), qRgb(255, 255, 255)));  // the cut corner
    EXPECT_TRUE(test::SameRgb(sheet.pixel(X + 91, Y + 124), qRgb(255, 255, 255)));
    EXPECT_FALSE(test::SameRgb(sheet.pixel(X + 46, Y), qRgb(255, 255, 255)));  // the card's edge
    EXPECT_TRUE(test::SameRgb(sheet.pixel(X + 92, Y + 60), qRgb(255, 255, 255)));  // past the cell
    // "--" and "No" draw nothing with large cards.
    QImage slot = whiteSheet();
    medium.renderer->DrawCardFace(X, Y, "--", slot);
    medium.renderer->DrawCardFace(X, Y, "No", slot);
    EXPECT_EQ(slot, whiteSheet());

    // Window size 5 with the built-in style: the picture has the cell size and is
    // drawn as it is, with its own alpha.
    test::RendererFixture large(5);
    QImage drawn = whiteSheet(220, 220), expected = whiteSheet(220, 220);
    large.renderer->DrawCardFace(X, Y, Card(9, kHearts), drawn);
    QPainter(&expected).drawImage(X, Y, large.art.largeFace(Card(9, kHearts)));
    EXPECT_EQ(drawn, expected);
}

TEST(CardDrawing, HandsFaceUpFaceDownAndEmpty) {
    test::RendererFixture f(1);
    TableRenderer& r = *f.renderer;
    Hand hand;
    hand.fill(kNoCard);
    hand[1] = Card(1, kHearts);
    hand[2] = Card(9, kSpades);
    r.DrawHand(1, hand, 2, false);  // seat 1 face down
    const QImage& top = r.picture(BoxId::Hand1);
    const HandPositions& x = r.handPositions(1);
    EXPECT_EQ(x[1], 161);  // nearest(235 - 74)
    EXPECT_TRUE(test::SameRgb(top.pixel(x[1] + 30, 40), f.art.smallBack().pixel(29, 39)));
    r.DrawHand(1, hand, 2, true);  // the open-cards view
    EXPECT_TRUE(test::SameRgb(top.pixel(x[2] + 30, 40), f.art.smallFace(hand[2]).pixel(29, 39)));
    r.DrawHand(1, hand, 0, false);
    for (int y = 0; y < top.height(); y += 5)
        for (int xx = 0; xx < top.width(); xx += 5)
            ASSERT_TRUE(test::SameRgb(top.pixel(xx, y), f.behind(BoxId::Hand1, xx, y)))
                << xx << "," << y;
}

TEST(CardDrawing, CornerCutFollowsAQuarterEllipse) {
    // Scaled(8) at window size 3 is 10: a 5-pixel radius.
    EXPECT_TRUE(OutsideRoundedRect(0, 0, 92, 125, 10));
    EXPECT_TRUE(OutsideRoundedRect(1, 0, 92, 125, 10));
    EXPECT_FALSE(OutsideRoundedRect(5, 0, 92, 125, 10));
    EXPECT_FALSE(OutsideRoundedRect(2, 2, 92, 125, 10));
    EXPECT_TRUE(OutsideRoundedRect(91, 124, 92, 125, 10));
    EXPECT_FALSE(OutsideRoundedRect(46, 124, 92, 125, 10));
    EXPECT_TRUE(OutsideRoundedRect(92, 60, 92, 125, 10));
}

}  // namespace
}  // namespace tavik::ui
