// The holiday calendar on the main screen: the two pictures at their places in the
// small and the large window with the candles moved outwards, the right picture
// cycling through the day's slots, the hints, a new day at midnight, and a main
// screen without the calendar library.
#include "ui/main_window/calendar_view.h"

#include <QEnterEvent>
#include <QFile>

#include "ui/main_window/balloon_hint.h"
#include "ui/main_window/candles.h"
#include "ui/main_window/main_screen.h"
#include "ui/main_window/picture_view.h"
#include "ui/main_window/tests/main_window_test_support.h"

namespace tavik::ui {
namespace {

// A window on a data folder that holds the calendar library when `withLibrary`, whose
// calendar reads the time from `now`.
class CalendarFixture : public test::WindowFixture {
  public:
    CalendarFixture(bool withLibrary, int windowSize = 1) {
        if (withLibrary)
            EXPECT_TRUE(QFile::copy(TAVIK_CALENDAR_PLUGIN,
                                    QString::fromStdString(folder.program) + "/QorCalendar01.rcc"));
        config::Settings s;
        s.windowSize = windowSize;
        writeSettings(s);
    }

    MainWindow& start(QDateTime at) {
        now = at;
        MainWindow& w = makeWindow();
        w.calendar().setClock([this] { return now; });
        EXPECT_TRUE(w.runStartup());
        w.finishIntro();
        QCoreApplication::processEvents();
        return w;
    }

    QDateTime now;
};

QDateTime at(int y, int m, int d, int hour = 12, int minute = 0, int second = 0) {
    return QDateTime(QDate(y, m, d), QTime(hour, minute, second));
}

// Pixels whose colour is near `colour` in the rectangle.
int countNear(const QImage& image, const QRect& r, QColor colour, int tolerance = 60) {
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

TEST(CalendarView, ShowsTodayBesideTheTitleAndCyclesTheHolidays) {
    CalendarFixture f(true);
    MainWindow& w = f.start(at(2025, 5, 9));
    CalendarView& c = w.calendar();
    MainScreen& m = w.mainScreen();
    ASSERT_TRUE(c.shown());
    EXPECT_TRUE(c.timer().isActive());
    EXPECT_EQ(c.timer().interval(), 10000);
    // The small window: the pictures at (150, 95) and (550, 95), the candles 20 outwards.
    EXPECT_EQ(c.picture(1).geometry(), QRect(150, 95, 60, 100));
    EXPECT_EQ(c.picture(2).geometry(), QRect(550, 95, 60, 100));
    EXPECT_FALSE(c.picture(1).isHidden());
    EXPECT_FALSE(c.picture(2).isHidden());
    EXPECT_EQ(m.candle(0).x(), 40);
    EXPECT_EQ(m.candle(1).x(), 620);

    // The date, the Chinese year and the Victory day.
    ASSERT_EQ(c.slotCount(), 3);
    EXPECT_EQ(c.calendarSlots()[0].hint, QStringLiteral("Taurus"));
    EXPECT_EQ(c.calendarSlots()[1].hint, QStringLiteral("Year Of The Snake"));
    EXPECT_EQ(
        c.calendarSlots()[2].hint,
        QStringLiteral("Victory day in Great Patriotic war (80-th anniversary, Russian Festival)"));
    for (const CalendarSlot& s : c.calendarSlots()) EXPECT_EQ(s.picture.size(), QSize(60, 100));
    // Every slot stands on the calendar page: its red binding at the top.
    for (const CalendarSlot& s : c.calendarSlots())
        EXPECT_GT(countNear(s.picture, QRect(22, 6, 16, 10), QColor(190, 35, 35), 90), 60);
    // The day of the month in black (a Friday) on the paper under the binding.
    const QImage& first = c.calendarSlots()[0].picture;
    EXPECT_GT(countNear(first, QRect(15, 22, 30, 18), QColor(0, 0, 0), 150), 10);
    EXPECT_EQ(countNear(first, QRect(15, 22, 30, 18), QColor(255, 0, 0)), 0);
    // The Chinese year and the holiday show different pictures.
    EXPECT_NE(c.calendarSlots()[1].picture, c.calendarSlots()[2].picture);

    EXPECT_EQ(c.rightSlot(), 2);
    c.Tick();
    EXPECT_EQ(c.rightSlot(), 3);
    EXPECT_EQ(c.picture(2).picture(), c.calendarSlots()[2].picture);
    QEnterEvent enter(QPointF(10, 10), QPointF(10, 10), QPointF(10, 10));
    QCoreApplication::sendEvent(&c.picture(2), &enter);
    EXPECT_FALSE(m.balloon().isHidden());
    EXPECT_EQ(m.balloon().title(), c.calendarSlots()[2].hint);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&c.picture(2), &leave);
    EXPECT_TRUE(m.balloon().isHidden());
    test::SaveRender(test::Grab(w), QStringLiteral("calendar_main_screen"));
    c.Tick();
    EXPECT_EQ(c.rightSlot(), 2);
    QCoreApplication::sendEvent(&c.picture(1), &enter);
    EXPECT_EQ(m.balloon().title(), QStringLiteral("Taurus"));
}

TEST(CalendarView, SundaysInRedAndTheLargeWindow) {
    CalendarFixture f(true, 5);
    MainWindow& w = f.start(at(2025, 5, 11));  // a Sunday
    CalendarView& c = w.calendar();
    ASSERT_TRUE(c.shown());
    // nearest(2 x 150) + nearest(1 x 30), nearest(2 x 95) + nearest(1 x 50): the pictures
    // keep their size.
    EXPECT_EQ(c.picture(1).geometry(), QRect(330, 240, 60, 100));
    EXPECT_EQ(c.picture(2).geometry(), QRect(1130, 240, 60, 100));
    // The candles: nearest(2 x (60 - 20)) + nearest(1 x 50), nearest(2 x 620) + 50.
    EXPECT_EQ(w.mainScreen().candle(0).x(), 130);
    EXPECT_EQ(w.mainScreen().candle(1).x(), 1290);
    EXPECT_GT(countNear(c.calendarSlots()[0].picture, QRect(15, 22, 30, 18), QColor(255, 0, 0)),
              10);
    test::SaveRender(test::Grab(w), QStringLiteral("calendar_main_screen_large"));
}

TEST(CalendarView, ADayWithoutHolidaysDoesNotCycleAndMidnightBringsTheNextDay) {
    CalendarFixture f(true);
    MainWindow& w = f.start(at(2025, 3, 3, 23, 59, 55));
    CalendarView& c = w.calendar();
    ASSERT_EQ(c.slotCount(), 2);
    const QImage chinese = c.picture(2).picture();
    c.Tick();
    EXPECT_EQ(c.rightSlot(), 2);
    EXPECT_EQ(c.picture(2).picture(), chinese);
    // 8 March after midnight: International women's day.
    f.now = at(2025, 3, 8, 0, 0, 5);
    const QImage before = c.picture(1).picture();
    c.Tick();
    ASSERT_EQ(c.slotCount(), 3);
    EXPECT_EQ(c.calendarSlots()[2].hint, QStringLiteral("International women`s day"));
    EXPECT_NE(c.picture(1).picture(), before);
    EXPECT_EQ(c.rightSlot(), 3);
    // Later in the day the ticks only cycle.
    f.now = at(2025, 3, 8, 0, 1, 0);
    c.Tick();
    EXPECT_EQ(c.rightSlot(), 2);
    EXPECT_EQ(c.slotCount(), 3);
}

TEST(CalendarView, TheSharedTickCallsTheNewsAndChatChecks) {
    CalendarFixture f(true);
    MainWindow& w = f.start(at(2025, 5, 9));
    CalendarView& c = w.calendar();
    int news = 0, chat = 0;
    c.checkNews = [&] { ++news; };
    c.checkChat = [&] { ++chat; };
    for (int i = 0; i < 90; ++i) c.Tick();
    EXPECT_EQ(news, 30);
    EXPECT_EQ(chat, 1);
    // Off the main screen the pictures hide and the news waits; the chat does not.
    w.hideMainScreen();
    for (int i = 0; i < 90; ++i) c.Tick();
    EXPECT_EQ(news, 30);
    EXPECT_EQ(chat, 2);
    EXPECT_TRUE(c.picture(1).isHidden());
    EXPECT_TRUE(c.picture(2).isHidden());
    w.showMainScreen();
    EXPECT_FALSE(c.picture(1).isHidden());
}

TEST(CalendarView, WithoutTheLibraryTheCalendarIsHidden) {
    CalendarFixture f(false);
    MainWindow& w = f.start(at(2025, 5, 9));
    CalendarView& c = w.calendar();
    EXPECT_FALSE(c.shown());
    EXPECT_FALSE(c.timer().isActive());
    EXPECT_TRUE(c.picture(1).isHidden());
    EXPECT_TRUE(c.picture(2).isHidden());
    EXPECT_EQ(c.slotCount(), 0);
    // The candles stay at their places.
    EXPECT_EQ(w.mainScreen().candle(0).x(), 60);
    EXPECT_EQ(w.mainScreen().candle(1).x(), 600);
    test::SaveRender(test::Grab(w), QStringLiteral("calendar_main_screen_without_library"));
}

}  // namespace
}  // namespace tavik::ui
