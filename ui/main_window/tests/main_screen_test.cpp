// The main screen in the small and a large window: every control at its box, the
// fonts of the list, the clocks of the large windows, the title's colour variants and
// the candles' flame phases.
#include "ui/main_window/main_screen.h"

#include <QLabel>
#include <QTest>

#include "ui/main_window/balloon_hint.h"
#include "ui/main_window/candles.h"
#include "ui/main_window/caption_colour.h"
#include "ui/main_window/clock_faces.h"
#include "ui/main_window/picture_view.h"
#include "ui/main_window/tests/main_window_test_support.h"

namespace tavik::ui {
namespace {

Box boxOf(const QWidget& w) {
    const QRect g = w.geometry();
    return {g.x(), g.y(), g.width(), g.height()};
}

// Pixels of the picture inside the rectangle that are near the colour.
int countNear(const QImage& image, const QRect& r, QColor colour, int tolerance = 40) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            n += std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                             std::abs(c.blue() - colour.blue()) <=
                         tolerance
                     ? 1
                     : 0;
        }
    return n;
}

QRect rectOf(const Box& b) {
    return QRect(b.left, b.top, b.width, b.height);
}

TEST(MainScreen, ControlsStandAtTheirBoxesInTheSmallAndALargeWindow) {
    for (int windowSize : {1, 4}) {
        SCOPED_TRACE(windowSize);
        test::WindowFixture f;
        config::Settings s;
        s.windowSize = windowSize;
        MainWindow& w = f.startedWindow(s);
        ASSERT_TRUE(w.mainScreenShown());
        const Display& d = w.display();
        const MainScreenBoxes expected = MainScreenLayout(d, false);
        ASSERT_EQ(w.centralWidget()->size(), QSize(d.clientWidth, d.clientHeight));
        MainScreen& m = w.mainScreen();
        for (int k = 1; k <= 5; ++k) EXPECT_EQ(boxOf(m.listButton(k)), expected.button[k]) << k;
        EXPECT_EQ(boxOf(m.heading()), expected.panel4);
        EXPECT_EQ(boxOf(m.startButton()), expected.button6);
        EXPECT_EQ(boxOf(m.topTenButton()), expected.button9);
        EXPECT_EQ(boxOf(m.historyButton()), expected.bHistory);
        EXPECT_EQ(boxOf(m.optionsButton()), expected.button10);
        EXPECT_EQ(boxOf(m.modeButton()), expected.bMode);
        EXPECT_EQ(boxOf(m.exitButton()), expected.button11);
        EXPECT_EQ(boxOf(m.caption()), expected.imCaption);
        EXPECT_EQ(boxOf(m.banner()), expected.imElite);
        EXPECT_EQ(boxOf(m.figure(1)), expected.gif1);
        EXPECT_EQ(boxOf(m.figure(2)), expected.gif2);
        EXPECT_EQ(boxOf(m.candle(0)), expected.svLeft);
        EXPECT_EQ(boxOf(m.candle(1)), expected.svRight);
        // The clocks belong to the large windows only.
        EXPECT_EQ(!m.clock(1).isHidden(), windowSize == 4);
        EXPECT_EQ(!m.clock(2).isHidden(), windowSize == 4);
        if (windowSize == 4) {
            EXPECT_EQ(boxOf(m.clock(1)), expected.clock1);
        }
        // The list: the fixed font in the small window, bold Courier New in larger ones.
        const QFont list = m.listButton(1).font();
        EXPECT_EQ(list.bold(), windowSize != 1);
        EXPECT_EQ(list.family(),
                  windowSize == 1 ? QStringLiteral("FixedSys") : QStringLiteral("Courier New"));
        EXPECT_EQ(m.startButton().text(), QStringLiteral("New Player"));
        // The icon columns: 48 x 48, 53 apart, at the window's edges.
        EXPECT_EQ(m.icons()[1].view->geometry(), QRect(5, 58, 48, 48));
        EXPECT_EQ(m.icons()[6].view->geometry(), QRect(d.clientWidth - 53, 58, 48, 48));

        const QImage screen = test::Grab(w);
        test::SaveRender(screen, QStringLiteral("main-screen-size%1").arg(windowSize));
        // Pixel probes: the red title, the navy list buttons, the red exit button, and
        // in the large window the blue digits of the time clock.
        EXPECT_GT(countNear(screen, rectOf(expected.imCaption), QColor(200, 20, 20), 90), 200);
        EXPECT_GT(countNear(screen, rectOf(expected.button[3]), QColor(0, 0, 160), 120), 500);
        EXPECT_GT(countNear(screen, rectOf(expected.button11), QColor(200, 0, 0), 120), 200);
        EXPECT_EQ(countNear(screen, QRect(d.clientWidth / 2 - 40, 4, 80, 4), QColor(0, 0, 160), 60),
                  0);
        if (windowSize == 4) {
            const Box& c = expected.clock1;
            EXPECT_GT(countNear(screen, QRect(c.left + 34, c.top + 15, 64, 40),
                                QColor(60, 140, 255), 150),
                      40);
        }
    }
}

// The hue the title's reddest pixel takes in each caption colour.
TEST(MainScreen, CaptionColoursRecolourTheTitle) {
    const struct {
        int captionColour;
        std::function<bool(QColor)> hue;
    } cases[] = {
        {1, [](QColor c) { return c.red() > 150 && c.green() < 80 && c.blue() < 80; }},
        {2, [](QColor c) { return c.red() > c.green() && c.green() > c.blue() + 30; }},
        {3, [](QColor c) { return c.red() == c.green() && c.blue() < 80; }},
        {4, [](QColor c) { return c.green() > 150 && c.red() < 80 && c.blue() < 80; }},
        {5, [](QColor c) { return c.green() == c.blue() && c.green() > 150 && c.red() < 80; }},
        {6, [](QColor c) { return c.blue() > 150 && c.red() < 80 && c.green() < 80; }},
        {7, [](QColor c) { return c.red() == c.blue() && c.red() > 150 && c.green() < 80; }},
        {8, [](QColor c) { return c.red() == c.green() && c.green() == c.blue(); }},
    };
    test::WindowFixture f;
    MainWindow& w = f.startedWindow();
    MainScreen& m = w.mainScreen();
    // The reddest pixel of the title in its own colour.
    w.settings().captionColour = 1;
    m.DrawCaptions();
    const QImage red = m.caption().picture();
    QPoint at;
    int best = -1;
    for (int y = 0; y < red.height(); ++y)
        for (int x = 0; x < red.width(); ++x) {
            const QColor c = red.pixelColor(x, y);
            const int score = c.alpha() == 255 ? c.red() - c.green() - c.blue() : -1;
            if (score > best) best = score, at = QPoint(x, y);
        }
    ASSERT_GT(best, 100);
    for (const auto& c : cases) {
        w.settings().captionColour = c.captionColour;
        m.DrawCaptions();
        const QColor shown = m.caption().picture().pixelColor(at);
        EXPECT_TRUE(c.hue(shown)) << c.captionColour << ": " << shown.red() << "," << shown.green()
                                  << "," << shown.blue();
        test::SaveRender(m.caption().picture(),
                         QStringLiteral("caption-colour%1").arg(c.captionColour));
    }
    // The exact rule on single pixels.
    EXPECT_EQ(RecolourPixel(qRgba(200, 40, 10, 128), 2), qRgba(200, 7 + 77, 7, 128));
    EXPECT_EQ(RecolourPixel(qRgb(10, 200, 40), 2), qRgb(10, 200, 40));  // red does not lead
    EXPECT_EQ(RecolourPixel(qRgb(200, 40, 10), 5), qRgb(10, 200, 200));
    EXPECT_EQ(RecolourPixel(qRgb(200, 40, 10), 8), qRgb(85, 85, 85));
}

TEST(MainScreen, AClickOnTheTitleCyclesItsColour) {
    test::WindowFixture f;
    config::Settings s;
    s.captionColour = 7;
    MainWindow& w = f.startedWindow(s);
    const QImage violet = w.mainScreen().caption().picture();
    QTest::mouseClick(&w.mainScreen().caption(), Qt::LeftButton);
    EXPECT_EQ(w.settings().captionColour, 1);
    EXPECT_NE(w.mainScreen().caption().picture(), violet);
    QTest::mouseClick(&w.mainScreen().caption(), Qt::LeftButton);
    EXPECT_EQ(w.settings().captionColour, 2);
}

TEST(MainScreen, FlamePhasesFollowTheTable) {
    const int table[6][6] = {{0, 1, 2, 2, 0, 3}, {1, 2, 3, 1, 5, 0}, {2, 3, 4, 0, 1, 4},
                             {3, 4, 5, 5, 4, 1}, {4, 5, 0, 4, 2, 5}, {5, 0, 1, 3, 3, 2}};
    for (int phase = 0; phase < 6; ++phase)
        for (int flame = 1; flame <= 6; ++flame)
            EXPECT_EQ(FlameFrame(phase, flame), table[phase][flame - 1]) << phase << "," << flame;

    // The main screen shows phase 0 on its first tick, then one phase further a tick,
    // wrapping after 5; the candles draw the frames they show.
    test::WindowFixture f;
    MainWindow& w = f.startedWindow();
    MainScreen& m = w.mainScreen();
    std::vector<QImage> looks;
    for (int tick = 0; tick < 8; ++tick) {
        m.AnimateMainScreen(QTime(12, 0, 30));
        const int phase = tick % 6;
        for (int side : {0, 1})
            for (int f3 = 1; f3 <= 3; ++f3)
                EXPECT_EQ(m.candle(side).frameOf(f3), table[phase][side * 3 + f3 - 1]);
        looks.push_back(m.candle(0).grab().toImage());
    }
    EXPECT_NE(looks[0], looks[1]);
    EXPECT_EQ(looks[0], looks[6]);
}

TEST(MainScreen, FiguresAndBalloonHints) {
    for (bool animated : {true, false}) {
        SCOPED_TRACE(animated);
        test::WindowFixture f;
        config::Settings s;
        s.gifAnimation = animated;
        MainWindow& w = f.startedWindow(s);
        // The figures run with animation on and stand still on a fixed frame without it.
        for (int k : {1, 2}) {
            QMovie* movie = w.mainScreen().figureMovie(k);
            ASSERT_NE(movie, nullptr);
            EXPECT_EQ(movie->state() == QMovie::Running, animated);
            if (!animated) {
                EXPECT_EQ(movie->currentFrameNumber(), 0);
            }
        }
    }
    test::WindowFixture f;
    MainWindow& w = f.startedWindow();
    MainScreen& m = w.mainScreen();
    PictureView* android = m.icons()[1].view;
    QEnterEvent enter(QPointF(10, 10), QPointF(10, 10), QPointF(10, 10));
    QCoreApplication::sendEvent(android, &enter);
    EXPECT_FALSE(m.balloon().isHidden());
    EXPECT_EQ(m.balloon().title(), QStringLiteral("Android"));
    EXPECT_EQ(m.balloon().text(), QStringLiteral("Tavik-Vel for your phone"));
    // Beside the icon, inside the window.
    EXPECT_GE(m.balloon().x(), android->geometry().right());
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(android, &leave);
    EXPECT_TRUE(m.balloon().isHidden());
}

TEST(MainScreen, ClocksOfTheLargeWindow) {
    test::App();
    // The colon blinks: shown only after the first half of the second.
    const QImage early = DrawClock(QTime(9, 5, 0, 400)), late = DrawClock(QTime(9, 5, 0, 600));
    EXPECT_NE(early.copy(55, 24, 3, 27), late.copy(55, 24, 3, 27));
    // The hour's leading zero is left out.
    EXPECT_EQ(DrawClock(QTime(9, 5, 0, 0)).copy(14, 15, 18, 40),
              DrawClock(QTime(8, 5, 0, 0)).copy(14, 15, 18, 40));
    EXPECT_NE(DrawClock(QTime(19, 5, 0, 0)).copy(14, 15, 18, 40),
              DrawClock(QTime(9, 5, 0, 0)).copy(14, 15, 18, 40));

    // Without the web service the information clock shows "00" and says so.
    EXPECT_EQ(DrawInfoClock(1, {}, 0).hint,
              QStringLiteral("Dynamic IQ for Windows (percent): NO CONNECT"));
    EXPECT_EQ(DrawInfoClock(3, {}, 0).hint, QStringLiteral("Best Windows Player: NO CONNECT"));
    EXPECT_EQ(DrawInfoClock(7, {}, 0).hint, QStringLiteral("Club members:  NO CONNECT"));
    EXPECT_EQ(DrawInfoClock(4, {true, "00", "", "#"}, 0).hint,
              QStringLiteral("Best Android Player: No"));
    EXPECT_EQ(DrawInfoClock(1, {}, 1).hint.right(9), QStringLiteral("НЕТ СВЯЗИ"));
    EXPECT_EQ(InfoClockMode(14), 1);
    EXPECT_EQ(InfoClockMode(20), 7);
    EXPECT_EQ(InfoDigitPlaces(4).x, (std::vector<int>{27, 42, 57, 72}));
    EXPECT_EQ(InfoDigitPlaces(6).width, 9);
    EXPECT_TRUE(InfoDigitPlaces(7).x.empty());

    // The main screen switches the information clock once, at second 01 of a minute.
    test::WindowFixture f;
    config::Settings s;
    s.windowSize = 5;
    MainWindow& w = f.startedWindow(s);
    MainScreen& m = w.mainScreen();
    m.AnimateMainScreen(QTime(10, 14, 0));
    m.AnimateMainScreen(QTime(10, 14, 1));
    EXPECT_EQ(m.infoClockMode(), 1);
    m.AnimateMainScreen(QTime(10, 15, 0));
    m.AnimateMainScreen(QTime(10, 15, 1));
    EXPECT_EQ(m.infoClockMode(), 2);
    EXPECT_EQ(m.clock(2).toolTip(), QStringLiteral("Games played with PC: NO CONNECT"));
}

}  // namespace
}  // namespace tavik::ui
