#pragma once
// The game's ports on the Qt event loop: pauses that keep the window alive, the
// 200 ms computer-move timer, and the sound and peer ports of a local game, which
// do nothing yet (the sound comes later; a local game has no peer).

#include <QObject>
#include <QTimer>
#include <functional>

#include "core/ports.h"

namespace tavik::ui {

// Runs a local event loop for the time of the pause: the window repaints and the
// timers run, while mouse and keyboard input waits until the game goes on.
class QtPause : public PausePort {
  public:
    void pause(int milliseconds) override;
};

// Waits in a local event loop without user input until `done` returns true.
void WaitExcludingInput(const std::function<bool()>& done);

// The wall clock, and the computer-move timer whose ticks call `tick`.
class QtClock : public QObject, public ClockPort {
  public:
    explicit QtClock(std::function<void()> tick, QObject* parent = nullptr);
    std::int64_t nowMs() override;
    void moveTimer(bool running, int intervalMs) override;
    bool timerRunning() const { return timer_.isActive(); }
    int timerInterval() const { return timer_.interval(); }

  private:
    QTimer timer_;
};

class SilentSound : public SoundPort {
  public:
    void PlayResourceSound(std::string_view, bool) override {}
};

class NoPeer : public PeerPort {
  public:
    void send(const PeerMessage&) override {}
};

}  // namespace tavik::ui
