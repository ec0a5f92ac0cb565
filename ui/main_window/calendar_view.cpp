#include "ui/main_window/calendar_view.h"

#include <QPainter>

#include "calendar/calendar_day.h"
#include "ui/fonts/fonts.h"
#include "ui/layout/main_boxes.h"
#include "ui/main_window/balloon_hint.h"
#include "ui/main_window/main_screen.h"
#include "ui/main_window/picture_view.h"

namespace tavik::ui {
namespace {

const QSize kSlotSize(60, 100);
const QPoint kPicturePlace(3, 27);
const QPoint kZodiacPlace(17, 65);
// The news check runs every third tick, the chat check every 90th.
constexpr int kNewsTicks = 3;
constexpr int kChatTicks = 90;
// A new day is noticed by the ticks in the first half minute after midnight.
constexpr int kMidnightSeconds = 30;

QImage libraryPicture(const PictureSource& source, const std::string& name) {
    return source.picture(name);
}

// A 60 x 100 slot: the calendar page with a picture on it.
QImage page(const QImage& base, const QImage& picture, QPoint at) {
    QImage slot(kSlotSize, QImage::Format_ARGB32_Premultiplied);
    slot.fill(Qt::transparent);
    QPainter p(&slot);
    p.drawImage(0, 0, base);
    if (!picture.isNull()) p.drawImage(at, picture);
    return slot;
}

// The text centred across the page with its top at y.
void centredText(QPainter& p, const QString& text, int y) {
    p.drawText(QRect(0, y, kSlotSize.width(), p.fontMetrics().height()),
               Qt::AlignHCenter | Qt::AlignTop, text);
}

}  // namespace

CalendarView::CalendarView(MainScreen& screen, const Display& display,
                           const config::Settings& settings, PluginFolders folders)
    : QObject(&screen),
      screen_(screen),
      display_(display),
      settings_(settings),
      folders_(std::move(folders)),
      left_(new PictureView(&screen)),
      right_(new PictureView(&screen)) {
    left_->hide();
    right_->hide();
    timer_.setInterval(kTickMs);
    connect(&timer_, &QTimer::timeout, this, &CalendarView::Tick);
    for (PictureView* view : {left_, right_}) {
        connect(view, &PictureView::entered, this, [this, view] { showHint(*view); });
        connect(view, &PictureView::left, this, [this] { screen_.balloon().hideHint(); });
    }
}

bool CalendarView::BuildCalendar(const std::string& fontName, int language) {
    slots_.clear();
    PictureSource source;
    if (!source.open(folders_, ArtLibrary::Calendar)) return false;
    const QImage base = libraryPicture(source, "R_BASE");
    if (base.isNull()) return false;

    const QDate today = (clock_ ? clock_() : QDateTime::currentDateTime()).date();
    const calendar::Date date{today.year(), today.month(), today.day()};
    const calendar::CalendarDay day =
        calendar::BuildCalendarDay(calendar::BuiltinRows(), date, language);

    // Slot 1: the day of the month (red on Sundays), the month and the sign of the zodiac.
    QImage first = page(base, libraryPicture(source, day.zodiacPicture), kZodiacPlace);
    {
        QPainter p(&first);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setPen(day.weekday == 1 ? QColor(Qt::red) : QColor(Qt::black));
        p.setFont(FontOfHeight(fontName, 21, true));  // size 12
        centredText(p, QString::number(day.date.day), 22);
        const QString month = QString::fromStdString(day.monthName);
        p.setFont(FontOfHeight(fontName, month.size() > 8 ? 12 : 14));  // size 8, or 7
        centredText(p, month, 42);
    }
    slots_.push_back({first, QString::fromStdString(day.zodiacName)});
    // Slot 2: the Chinese year; slots 3 on: today's holidays.
    slots_.push_back({page(base, libraryPicture(source, day.chinesePicture), kPicturePlace),
                      QString::fromStdString(day.chineseName)});
    for (const calendar::Holiday& h : day.holidays)
        slots_.push_back({page(base, libraryPicture(source, h.picture), kPicturePlace),
                          QString::fromStdString(h.hint)});
    return true;
}

void CalendarView::ShowCalendar() {
    const MainScreenBoxes boxes = MainScreenLayout(display_, true);
    left_->setGeometry(boxes.holiday1.left, boxes.holiday1.top, kSlotSize.width(),
                       kSlotSize.height());
    right_->setGeometry(boxes.holiday2.left, boxes.holiday2.top, kSlotSize.width(),
                        kSlotSize.height());
    shown_ = BuildCalendar(settings_.font(config::FontKind::Decor).name, settings_.language);
    screen_.setHolidayShown(shown_);
    if (!shown_) {
        left_->hide();
        right_->hide();
        timer_.stop();
        return;
    }
    showSlot(*left_, 1);
    showSlot(*right_, 2);
    nextSlot_ = 3;
    for (PictureView* view : {left_, right_}) {
        view->show();
        view->raise();
    }
    timer_.start();
}

void CalendarView::Tick() {
    ++ticks_;
    const bool onMainScreen = !mainScreenShown_ || mainScreenShown_();
    const QTime now = (clock_ ? clock_() : QDateTime::currentDateTime()).time();
    if (onMainScreen && now.hour() == 0 && now.minute() == 0 && now.second() <= kMidnightSeconds)
        ShowCalendar();
    if (!onMainScreen) {
        left_->hide();
        right_->hide();
    }
    if (shown_ && !slots_.empty()) {
        if (nextSlot_ > slotCount()) nextSlot_ = 2;
        showSlot(*right_, nextSlot_);
        ++nextSlot_;
    }
    if (onMainScreen && ticks_ % kNewsTicks == 0 && checkNews) checkNews();
    if (ticks_ % kChatTicks == 0 && checkChat) checkChat();
}

void CalendarView::showSlot(PictureView& view, int slot) {
    const CalendarSlot& s = slots_[static_cast<std::size_t>(slot - 1)];
    view.setPicture(s.picture);
    if (&view == right_) {
        rightSlot_ = slot;
        rightHint_ = s.hint;
    } else {
        leftHint_ = s.hint;
    }
}

void CalendarView::showHint(PictureView& view) {
    const QString& hint = &view == left_ ? leftHint_ : rightHint_;
    screen_.balloon().showHint(hint, QString(), view.geometry(),
                               settings_.font(config::FontKind::Decor).name);
}

}  // namespace tavik::ui
