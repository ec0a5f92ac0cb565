#pragma once
// Cards flying over a frozen copy of the window. The one entry point of every card
// animation of the table: FlyCards moves one card (FlyCard) or several together
// (FlyCardGroup) along the frames of flight_steps.h, draws each frame over the copy the
// window showed when the flight began, and waits out the frame's time in a local event
// loop that repaints and keeps the timers running but takes no mouse or keyboard input.
// On arrival the cards are erased and the live window shows again.
//
// SetFlightsInstant(true) makes every flight instant (no frames drawn, no waiting): the
// callers' order of effects stays the same, so tests run the real paths quickly.

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

#include "ui/flight/flight_steps.h"

namespace tavik::ui {

// One card of a flight: its picture and its path (top-left corners, window coordinates).
struct FlyingCard {
    QImage picture;
    flight::Point from;
    flight::Point to;
};

void SetFlightsInstant(bool instant);
bool FlightsInstant();

class CardFlights {
  public:
    // Flies over `window` (the table view, which fills the window's client area).
    explicit CardFlights(QWidget& window) : window_(&window) {}

    // Moves the cards to their targets at the speed (1..6) and returns when they have
    // arrived and are erased. One card flies by FlyCard's rule, several by FlyCardGroup's.
    void FlyCards(const std::vector<FlyingCard>& cards, int speed);
    // True while a flight runs (flightRunning).
    bool running() const { return running_; }

    // Sees every flight before it starts (tests and screenshots).
    std::function<void(const std::vector<FlyingCard>& cards, int speed)> observer;
    // Called after each frame is shown (screenshots of a flight in progress).
    std::function<void(int frame)> onFrame;

  private:
    QPointer<QWidget> window_;
    bool running_ = false;
};

}  // namespace tavik::ui
