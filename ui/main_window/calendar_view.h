#pragma once
// The holiday calendar on the main screen: two 60 x 100 pictures beside the title, the
// left one with today's date, month and sign of the zodiac, the right one cycling the
// Chinese year and today's holidays every ten seconds, each with its balloon hint.
// The pictures come from the calendar library QorCalendar01; without it the calendar
// is hidden. The same ten-second tick drives the news and chat checks.

#include <QDateTime>
#include <QImage>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <vector>

#include "config/settings.h"
#include "ui/layout/layout.h"
#include "ui/pictures/plugin_library.h"

namespace tavik::ui {

class MainScreen;
class PictureView;

// One picture of the calendar with its hint.
struct CalendarSlot {
    QImage picture;  // 60 x 100
    QString hint;
};

class CalendarView : public QObject {
    Q_OBJECT
  public:
    static constexpr int kTickMs = 10000;

    // The pictures stand on the main screen; the library is looked for in folders.
    CalendarView(MainScreen& screen, const Display& display, const config::Settings& settings,
                 PluginFolders folders);

    // Fills the slots for today in the font and language; false when the calendar
    // library cannot be loaded (the slots are then empty).
    bool BuildCalendar(const std::string& fontName, int language);
    // Places the two pictures, builds the calendar and shows them with their hints and
    // starts the timer, or hides them and stops the timer when the library is missing.
    // The main screen's candles move outwards while the calendar shows.
    void ShowCalendar();
    // One tick of the timer: a new day right after midnight while the main screen is
    // shown, then the right picture shows the next slot (2, 3, ..., count, 2, ...).
    void Tick();

    // Today's date and time; the system clock unless set.
    void setClock(std::function<QDateTime()> clock) { clock_ = std::move(clock); }
    // Whether the main screen is up (the timer hides the pictures when it is not).
    void setMainScreenShown(std::function<bool()> shown) { mainScreenShown_ = std::move(shown); }
    // The news and chat checks of the shared tick: every third tick while the main
    // screen is shown, and every 90th tick. Nothing until the web service sets them.
    std::function<void()> checkNews;
    std::function<void()> checkChat;

    const std::vector<CalendarSlot>& calendarSlots() const { return slots_; }
    int slotCount() const { return static_cast<int>(slots_.size()); }
    bool shown() const { return shown_; }
    // The slot (1-based) the right picture shows now.
    int rightSlot() const { return rightSlot_; }
    PictureView& picture(int k) { return *(k == 1 ? left_ : right_); }
    const QTimer& timer() const { return timer_; }

  private:
    void showSlot(PictureView& view, int slot);
    void showHint(PictureView& view);

    MainScreen& screen_;
    const Display& display_;
    const config::Settings& settings_;
    PluginFolders folders_;
    PictureView* left_;
    PictureView* right_;
    QTimer timer_;
    std::vector<CalendarSlot> slots_;
    QString leftHint_, rightHint_;
    std::function<QDateTime()> clock_;
    std::function<bool()> mainScreenShown_;
    bool shown_ = false;
    int rightSlot_ = 2;
    int nextSlot_ = 3;
    long long ticks_ = 0;
};

}  // namespace tavik::ui
