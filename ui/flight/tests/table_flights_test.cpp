// The table's four flights: their paths on the small window's layout, the table redrawn
// without the cards before a take or a discard, the back for a card from the deck; and a
// real flight drawn frame by frame over the frozen window and erased on arrival.
#include "ui/flight/table_flights.h"

#include <QtTest/QTest>
#include <memory>

#include "core/tests/test_support.h"
#include "ui/testing/ui_test_support.h"

namespace tavik::ui {
namespace {

using flight::Point;
using tavik::test::C;

struct Seen {
    std::vector<Point> from, to;
    std::vector<QImage> pictures;
    int speed = 0;
    std::size_t tableCardsAtStart = 0;
};

class TableFlightsTest : public ::testing::Test {
  protected:
    TableFlightsTest() {
        test::App();
        display = MakeDisplay(1, 0, 0, 0);
        ArtLoader loader(display, settings, art, PluginFolders{}, nullptr);
        loader.LoadCardFaces();
        loader.LoadTableBackground(false);
        view = std::make_unique<TableView>(display, art, settings);
        flights = std::make_unique<TableFlights>(*view, [this] { return settings.flySpeed; });
        flights->flights().observer = [this](const std::vector<FlyingCard>& cards, int speed) {
            Seen s;
            for (const FlyingCard& c : cards) {
                s.from.push_back(c.from);
                s.to.push_back(c.to);
                s.pictures.push_back(c.picture);
            }
            s.speed = speed;
            s.tableCardsAtStart = view->tableCards().size();
            seen.push_back(s);
        };
        SetFlightsInstant(true);
    }
    ~TableFlightsTest() override { SetFlightsInstant(false); }

    static Hand hand(std::initializer_list<const char*> codes) {
        Hand h{};
        int slot = 1;
        for (const char* c : codes) h[slot++] = C(c);
        return h;
    }
    QImage face(std::string_view code) const {
        QImage card(display.cardWidth, display.cardHeight, QImage::Format_ARGB32_Premultiplied);
        card.fill(Qt::transparent);
        view->renderer().DrawCardFace(0, 0, code, card);
        return card;
    }

    Display display;
    config::Settings settings;
    CardArt art;
    std::unique_ptr<TableView> view;
    std::unique_ptr<TableFlights> flights;
    std::vector<Seen> seen;
};

TEST_F(TableFlightsTest, PlayedCardsLeaveTheHandForTheirTablePlace) {
    // Seat 2's three cards lie side by side from x = 124 in steps of 74; the hand is
    // redrawn without the middle card before it flies from its old place.
    view->drawHand(2, hand({"7б", "9к", "Тп"}), 3, true);
    view->drawHand(2, hand({"7б", "Тп"}), 2, true);
    flights->Fly(Flight{Flight::Path::HandToTable, 2, C("9к"), {Row::Attack, 2}});
    // Seat 1's card leaves from the middle of its hand box: 140 + (470 - 71) / 2.
    flights->Fly(Flight{Flight::Path::HandToTable, 1, C("Дп"), {Row::Defence, 2}});
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].from, (std::vector<Point>{{140 + 198, 394}}));
    EXPECT_EQ(seen[0].to, (std::vector<Point>{{175 + 60, 170 + 30}}));
    EXPECT_EQ(seen[0].pictures[0], face(C("9к").code1251()));
    EXPECT_EQ(seen[1].from, (std::vector<Point>{{339, 10}}));
    EXPECT_EQ(seen[1].to, (std::vector<Point>{{175 + 90, 170}}));
    EXPECT_EQ(seen[0].speed, 4);
}

TEST_F(TableFlightsTest, ATakenCardLeavesAnAlreadyRedrawnTable) {
    view->drawTableCard({Row::Attack, 1}, C("7б"));
    view->drawTableCard({Row::Defence, 1}, C("9б"));
    const Box& stol = view->renderer().box(BoxId::Stol);
    // A point of the attack card that the defence does not cover.
    const QRgb tableBehind = art.background.pixel(stol.left + 10, stol.top + 115);
    ASSERT_FALSE(test::SameRgb(view->renderer().picture(BoxId::Stol).pixel(10, 115), tableBehind));

    settings.flySpeed = 9;  // an out-of-range setting flies at the fastest speed
    flights->Fly(Flight{Flight::Path::TableToHand, 1, C("7б"), {}});
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].tableCardsAtStart, 1u);  // only the defence is still drawn
    EXPECT_TRUE(test::SameRgb(view->renderer().picture(BoxId::Stol).pixel(10, 115), tableBehind));
    EXPECT_EQ(seen[0].from, (std::vector<Point>{{175, 200}}));
    EXPECT_EQ(seen[0].to, (std::vector<Point>{{339, 10}}));
    EXPECT_EQ(seen[0].speed, 6);
}

TEST_F(TableFlightsTest, ADrawnCardFliesFaceDownFromTheTrumpPlace) {
    flights->Fly(Flight{Flight::Path::DeckToHand, 2, C("Кч"), {}});
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].from, (std::vector<Point>{{633 + 12, 128 + 70}}));
    EXPECT_EQ(seen[0].to, (std::vector<Point>{{339, 394}}));
    EXPECT_EQ(seen[0].pictures[0], face("00"));
    EXPECT_NE(seen[0].pictures[0], face(C("Кч").code1251()));
}

TEST_F(TableFlightsTest, TheBeatenTableFliesOffTheLeftEdgeTogether) {
    view->drawTableCard({Row::Attack, 1}, C("7б"));
    view->drawTableCard({Row::Defence, 1}, C("9б"));
    view->drawTableCard({Row::Attack, 2}, C("7к"));
    flights->Fly(Flight{Flight::Path::TableToDiscard, 0, kNoCard, {}});
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].tableCardsAtStart, 0u);  // the table was redrawn empty first
    EXPECT_EQ(seen[0].from, (std::vector<Point>{{175, 200}, {205, 170}, {235, 200}}));
    EXPECT_EQ(seen[0].to, (std::vector<Point>(3, Point{-71, 200})));
    EXPECT_TRUE(view->tableCards().empty());
}

TEST_F(TableFlightsTest, ARealFlightDrawsOverTheFrozenWindowAndIsErasedOnArrival) {
    SetFlightsInstant(false);
    view->show();
    QApplication::processEvents();
    const QImage before = view->grab().toImage();
    const auto childrenBefore = view->findChildren<QWidget*>().size();

    QImage red(display.cardWidth, display.cardHeight, QImage::Format_ARGB32_Premultiplied);
    red.fill(QColor(255, 0, 0));
    std::vector<QImage> frames;
    flights->flights().onFrame = [&](int) {
        EXPECT_TRUE(flights->flights().running());
        frames.push_back(view->grab().toImage());
    };
    flights->flights().FlyCards({{red, {200, 300}, {210, 300}}}, 6);

    ASSERT_EQ(frames.size(), 5u);  // 10 pixels, two a frame
    // Mid-flight (x = 206): the card covers its place, and the window behind its start
    // shows the frozen copy again.
    EXPECT_TRUE(test::SameRgb(frames[2].pixel(240, 340), qRgb(255, 0, 0)));
    EXPECT_TRUE(test::SameRgb(frames[2].pixel(203, 340), before.pixel(203, 340)));
    EXPECT_FALSE(flights->flights().running());
    EXPECT_EQ(view->findChildren<QWidget*>().size(), childrenBefore);
    const QImage after = view->grab().toImage();
    EXPECT_TRUE(test::SameRgb(after.pixel(240, 340), before.pixel(240, 340)));
    test::SaveRender(frames[2], "flight_mid_frame");
}

}  // namespace
}  // namespace tavik::ui
