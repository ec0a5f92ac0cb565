#include "ui/flight/card_flight.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <chrono>
#include <thread>

namespace tavik::ui {
namespace {

bool instantFlights = false;

// The frozen window with the flying cards drawn over it. It covers the whole window, so
// a repaint of the window during the flight shows the copy and the cards where they are.
class FlightLayer : public QWidget {
  public:
    FlightLayer(QWidget& window, QPixmap frozen) : QWidget(&window), frozen_(std::move(frozen)) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(window.rect());
        raise();
        show();
    }

    struct Shown {
        const QImage* picture;
        QPoint at;
    };
    // Shows the cards at their new places, repainting only where they were and are.
    void ShowCards(std::vector<Shown> cards) {
        QRegion dirty = bounds();
        cards_ = std::move(cards);
        dirty += bounds();
        update(dirty);
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter p(this);
        for (const QRect& r : event->region()) p.drawPixmap(r, frozen_, r);
        for (const Shown& c : cards_) p.drawImage(c.at, *c.picture);
    }

  private:
    // The rectangle of the cards with two pixels around them.
    QRect bounds() const {
        QRect r;
        for (const Shown& c : cards_) r |= QRect(c.at, c.picture->size()).adjusted(-2, -2, 2, 2);
        return r;
    }

    QPixmap frozen_;
    std::vector<Shown> cards_;
};

// Runs the window's events, without user input, until the steady clock reaches the
// deadline; between rounds the thread sleeps at most a millisecond.
void waitUntil(const QElapsedTimer& clock, qint64 deadlineUs) {
    for (;;) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        const qint64 left = deadlineUs - clock.nsecsElapsed() / 1000;
        if (left <= 0) return;
        std::this_thread::sleep_for(std::chrono::microseconds(std::min<qint64>(left, 1000)));
    }
}

}  // namespace

void SetFlightsInstant(bool instant) {
    instantFlights = instant;
}

bool FlightsInstant() {
    return instantFlights;
}

void CardFlights::FlyCards(const std::vector<FlyingCard>& cards, int speed) {
    if (cards.empty() || !window_) return;
    speed = flight::ClampSpeed(speed);
    if (observer) observer(cards, speed);
    if (instantFlights || !window_->isVisible()) return;

    std::vector<flight::Point> from, to;
    for (const FlyingCard& c : cards) {
        from.push_back(c.from);
        to.push_back(c.to);
    }
    // A single card is drawn in every frame up to its target (FlyCard); the cards of a
    // group vanish in the frame they arrive (FlyCardGroup).
    std::vector<std::vector<flight::GroupCard>> frames;
    if (cards.size() == 1) {
        for (flight::Point p : flight::CardFrames(from[0], to[0], speed))
            frames.push_back({{0, p}});
    } else {
        frames = flight::GroupFrames(from, to, speed);
    }

    running_ = true;
    QPointer<FlightLayer> layer = new FlightLayer(*window_, window_->grab());
    flight::PauseTable& pauses = flight::SharedPauseTable();
    QElapsedTimer clock;
    clock.start();
    auto show = [&](const std::vector<flight::GroupCard>& drawn) {
        std::vector<FlightLayer::Shown> shown;
        for (const flight::GroupCard& c : drawn)
            shown.push_back(
                {&cards[static_cast<std::size_t>(c.index)].picture, QPoint(c.at.x, c.at.y)});
        if (layer) layer->ShowCards(std::move(shown));
    };
    if (cards.size() == 1) show({{0, from[0]}});  // the sprite at its start
    qint64 deadline = 0;
    for (std::size_t f = 0; f < frames.size() && window_; ++f) {
        show(frames[f]);
        const qint64 now = clock.nsecsElapsed() / 1000;
        // Frames keep their rhythm on the steady clock; a late frame does not make the
        // following ones rush.
        deadline =
            std::max(deadline, now - 1000) + flight::FramePeriodUs(speed, pauses.AfterFrame(speed));
        waitUntil(clock, deadline);
        if (onFrame) onFrame(static_cast<int>(f));
    }
    // EraseSprite: the live window shows again, as the copy was.
    delete layer.data();
    running_ = false;
}

}  // namespace tavik::ui
