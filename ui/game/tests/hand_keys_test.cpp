// Keyboard play on the own hand: the selection moves over the playable cards only and
// Enter or Space plays it; the action button keeps its keys; a refused card is outlined.
#include "ui/game/hand_keys.h"

#include <QKeyEvent>
#include <QtTest/QTest>

#include "core/tests/test_support.h"
#include "ui/testing/ui_test_support.h"

namespace tavik::ui {
namespace {

using tavik::test::C;

TEST(HandKeys, NextSelectionSkipsToPlayableSlotsAndWraps) {
    const std::vector<int> playable = {2, 4, 5};
    const struct {
        int current, direction, next;
    } cases[] = {{0, 1, 2},  {0, -1, 5}, {2, 1, 4}, {4, 1, 5}, {5, 1, 2},
                 {2, -1, 5}, {4, -1, 2}, {3, 1, 2}, {3, -1, 5}};
    for (const auto& c : cases)
        EXPECT_EQ(NextSelection(playable, c.current, c.direction), c.next)
            << c.current << " " << c.direction;
    EXPECT_EQ(NextSelection({}, 2, 1), 0);
}

// Seat 2 defends against 8б with spades trumps: 9б, Тб and the trump 6п beat it, 7б
// and 6к do not.
struct DefenceFixture {
    DefenceFixture() {
        test::App();
        g.Koz = kSpades;
        g.Attacker = 1;
        g.Step = BoutStep::Defend;
        g.Phase = GamePhase::Play;
        g.GameActive = true;
        tavik::test::setHand(g, 2, {"6к", "7б", "9б", "Тб", "6п"});
        tavik::test::setTable(g, {"8б"});
        g.KartaHod = C("8б");
    }
    tavik::test::TableFixture t;
    GameState& g = t.g;
};

TEST(HandKeys, ArrowsSelectOnlyPlayableCardsAndEnterPlaysTheSelection) {
    DefenceFixture f;
    EXPECT_EQ(PlayableSlots(f.g, f.t.controller), (std::vector<int>{3, 4, 5}));

    const Display display = MakeDisplay(1, 0, 0, 0);
    config::Settings settings;
    CardArt art;
    TableView view(display, art, settings);
    view.show();
    std::vector<int> played;
    HandKeys keys(view, f.g, f.t.controller, [&](int slot) { played.push_back(slot); });

    QTest::keyClick(&view, Qt::Key_Right);
    EXPECT_EQ(keys.selected(), 3);
    QTest::keyClick(&view, Qt::Key_Left);
    EXPECT_EQ(keys.selected(), 5);  // wraps past the unplayable 6к and 7б
    QTest::keyClick(&view, Qt::Key_Left);
    EXPECT_EQ(keys.selected(), 4);
    QTest::keyClick(&view, Qt::Key_Return);
    EXPECT_EQ(played, (std::vector<int>{4}));
    EXPECT_EQ(keys.selected(), 0);
    QTest::keyClick(&view, Qt::Key_Space);  // nothing selected: nothing played
    EXPECT_EQ(played.size(), 1u);

    // The action button keeps Space; an arrow there selects on the hand.
    int pressed = 0;
    QObject::connect(&view.button7(), &QPushButton::clicked, [&] { ++pressed; });
    view.button7().setEnabled(true);
    QTest::keyClick(&view.button7(), Qt::Key_Space);
    EXPECT_EQ(pressed, 1);
    EXPECT_TRUE(played.size() == 1u);
    QTest::keyClick(&view.button7(), Qt::Key_Right);
    EXPECT_EQ(keys.selected(), 3);

    // The selection follows its card; it is dropped once the card may not be played.
    f.g.KartaHod = C("Кб");
    tavik::test::setTable(f.g, {"Кб"});
    keys.Refresh();
    EXPECT_EQ(keys.selected(), 0);
    f.g.Step = BoutStep::Add;  // not the defender's turn: no card is playable
    EXPECT_TRUE(PlayableSlots(f.g, f.t.controller).empty());
    QTest::keyClick(&view, Qt::Key_Right);
    EXPECT_EQ(keys.selected(), 0);
}

TEST(HandKeys, ARefusedCardIsOutlinedForAMoment) {
    DefenceFixture f;
    const Display display = MakeDisplay(1, 0, 0, 0);
    config::Settings settings;
    CardArt art;
    TableView view(display, art, settings);
    view.show();
    view.drawHand(2, f.g.CardsI2, f.g.KolCards2, true);
    HandKeys keys(view, f.g, f.t.controller, [](int) {});
    EXPECT_FALSE(keys.refusedShown());
    keys.ShowRefused(2);
    EXPECT_TRUE(keys.refusedShown());
    const QImage shot = view.grab().toImage();
    const Box& hand = view.renderer().box(BoxId::Hand2);
    // A red outline just outside the card's left edge.
    const int x = hand.left + view.renderer().handPositions(2)[2] - 2;
    int red = 0;
    for (int y = hand.top + 20; y < hand.top + 60; ++y)
        for (int dx = -1; dx <= 1; ++dx) {
            const QColor c = shot.pixelColor(x + dx, y);
            red += c.red() > 180 && c.green() < 80 && c.blue() < 80 ? 1 : 0;
        }
    EXPECT_GT(red, 20);
    QTest::qWait(600);
    EXPECT_FALSE(keys.refusedShown());
}

}  // namespace
}  // namespace tavik::ui
