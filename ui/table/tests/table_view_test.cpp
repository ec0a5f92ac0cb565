// The table view as the match controller drives it: a game dealt from a seed and
// played into a bout, rendered in the small, medium and large windows.
#include <QtTest/QTest>

#include "ui/table/tests/table_test_support.h"
#include "ui/table_scene/table_scene.h"

namespace tavik::ui {
namespace {

// True when the picture differs from the background somewhere inside the box.
int changedPixels(const QImage& window, const QImage& background, const Box& b) {
    int n = 0;
    for (int y = b.top; y < b.bottom(); y += 2)
        for (int x = b.left; x < b.right(); x += 2)
            n += test::SameRgb(window.pixel(x, y), background.pixel(x, y)) ? 0 : 1;
    return n;
}

TableSceneOptions optionsFor(int windowSize, std::uint64_t seed) {
    TableSceneOptions o;
    o.windowSize = windowSize;
    o.seed = seed;
    o.weekday = 3;
    return o;
}

TEST(TableView, MidGameTableInSmallMediumAndLargeWindows) {
    test::App();
    for (int windowSize : {1, 3, 5}) {
        SCOPED_TRACE(windowSize);
        TableScene scene(optionsFor(windowSize, 7));
        ASSERT_TRUE(scene.PlayIntoMidGame());
        const GameState& g = scene.game();
        const QImage window = scene.Render();
        test::SaveRender(window, QStringLiteral("table-size%1").arg(windowSize));
        const QImage& bg = scene.art().background;
        ASSERT_EQ(window.size(), bg.size());
        const TableRenderer& r = scene.view().renderer();
        const TableBoxes& b = r.tableBoxes();

        // Every area shows something, and nothing lies outside the boxes.
        for (const Box* box :
             {&b.hand1, &b.hand2, &b.tab1, &b.tab2, &b.say1, &b.say2, &b.koloda, &b.stol, &b.kon})
            EXPECT_GT(changedPixels(window, bg, *box), 20) << box->left << "," << box->top;
        for (QPoint free : {QPoint(3, 3), QPoint(bg.width() / 2, b.hand1.bottom() + 3),
                            QPoint(b.tab1.right() + 4, b.tab1.top), QPoint(bg.width() - 3, 3)})
            EXPECT_TRUE(test::SameRgb(window.pixel(free), bg.pixel(free)))
                << free.x() << "," << free.y();

        // The bout: attack and defence cards at their slots.
        ASSERT_GE(g.KolCardsStol, 2);
        const SlotPosition attack = AttackSlot(scene.display(), 1),
                           defence = DefenceSlot(scene.display(), 1);
        const int cw = scene.display().cardWidth, ch = scene.display().cardHeight;
        EXPECT_GT(
            changedPixels(window, bg,
                          {b.stol.left + attack.x, b.stol.top + attack.y + ch - 10, cw / 2, 8}),
            5);
        EXPECT_GT(
            changedPixels(window, bg,
                          {b.stol.left + defence.x + cw / 2, b.stol.top + defence.y, cw / 2, 8}),
            5);

        // Both hands as many cards as the state holds: the last card's right part.
        for (int seat : {1, 2}) {
            const int n = g.kolCards(seat);
            ASSERT_GT(n, 0);
            const int x = r.handPositions(seat)[static_cast<std::size_t>(n)];
            const Box& hand = b.hand(seat);
            EXPECT_GT(
                changedPixels(window, bg, {hand.left + x + cw - 10, hand.top + 10, 8, ch - 20}), 5)
                << seat;
            EXPECT_TRUE(test::SameRgb(window.pixel(hand.left + x + cw + 2, hand.top + ch / 2),
                                      bg.pixel(hand.left + x + cw + 2, hand.top + ch / 2)));
        }
        // The deck: the count in blue on its plate.
        const int s = scene.display().Scaled(1);
        EXPECT_GT(
            test::CountNear(window, QRect(b.koloda.left + 20 * s, b.koloda.top, 59 * s, 26 * s),
                            qRgb(0, 0, 255)),
            5);
    }
}

TEST(TableView, PortCallsRedrawTheirBoxes) {
    test::App();
    TableScene scene(optionsFor(1, 3));
    TableView& view = scene.view();
    const TableRenderer& r = view.renderer();
    const QImage& bg = scene.art().background;

    view.caption(1, Text::name("PC"), CaptionColour::Yellow);
    EXPECT_GT(changedPixels(r.picture(BoxId::Say1), bg.copy(295, 115, 160, 20), {0, 0, 160, 20}),
              20);
    view.caption(1, Text::name("PC"), CaptionColour::None);
    EXPECT_EQ(changedPixels(r.picture(BoxId::Say1), bg.copy(295, 115, 160, 20), {0, 0, 160, 20}),
              0);

    view.actionButton(Word::ITake, false);
    EXPECT_EQ(view.button7().text(), "I Take");
    EXPECT_FALSE(view.button7().isEnabled());
    // A click gives the action button the focus; disabled while the opponent moves, it
    // passes the focus on, and takes it back when enabled again.
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    view.endMatchButton(true, true);
    view.actionButton(Word::ToBegin, true);
    view.button7().setFocus();
    ASSERT_TRUE(view.button7().hasFocus());
    view.actionButton(Word::ITake, false);
    EXPECT_FALSE(view.button7().hasFocus());
    view.actionButton(Word::Beaten, true);
    EXPECT_TRUE(view.button7().hasFocus());
    view.endMatchButton(false, false);
    EXPECT_TRUE(view.button8().isHidden());
    view.endMatchButton(true, true);
    EXPECT_FALSE(view.button8().isHidden());

    view.drawDeck(0, Card(1, kHearts), kHearts);
    test::SaveRender(r.picture(BoxId::Koloda), "view-deck-empty");
    EXPECT_EQ(
        changedPixels(r.picture(BoxId::Koloda), bg.copy(633, 128, 100, 170), {40, 164, 40, 4}), 0);

    view.konIndicator(31, 30, 1);
    EXPECT_EQ(view.konHint(), "Game: 31 / 30");
    EXPECT_EQ(view.konState().konCount, 31);
    EXPECT_EQ(view.konState().matchKons, 1);

    // Hovering over the kon indicator opens its balloon; moving off closes it. A LAN
    // client waiting for its deal says so in the kon state.
    std::vector<QRect> hovered;
    int left = 0;
    view.onKonHover = [&](const QRect& box) { hovered.push_back(box); };
    view.onKonLeave = [&] { ++left; };
    const Box& kon = r.box(BoxId::Kon);
    QTest::mouseMove(&view, QPoint(kon.left + kon.width / 2, kon.top + kon.height / 2));
    QTest::mouseMove(&view, QPoint(kon.left + kon.width / 2 + 1, kon.top + kon.height / 2));
    ASSERT_EQ(hovered.size(), 1u);
    EXPECT_EQ(hovered[0], QRect(kon.left, kon.top, kon.width, kon.height));
    QTest::mouseMove(&view, QPoint(kon.right() + 40, kon.top - 40));
    EXPECT_EQ(left, 1);
    view.tableText(Word::ExpectationOfServer);
    EXPECT_TRUE(view.konState().awaitingDeal);
    view.konIndicator(32, 30, 2);
    EXPECT_FALSE(view.konState().awaitingDeal);

    // The chat box belongs to network games only; the view is told the kind of game.
    EXPECT_FALSE(view.chatShown());
    view.setGameKind(/*network=*/true, /*online=*/false);
    EXPECT_TRUE(view.chatShown());
    view.setGameKind(false, false);
    EXPECT_FALSE(view.chatShown());
}

}  // namespace
}  // namespace tavik::ui
