#pragma once
// The game's ports on the Qt event loop: pauses that keep the window alive, the
// 200 ms computer-move timer, the sound port that hands the game's sounds to the
// window's audio, and the peer port of a local game, which does nothing.

#include <QObject>
#include <QTimer>
#include <functional>

#include "config/settings.h"
#include "core/ports.h"
#include "ui/sound/audio_port.h"
#include "ui/waiting/local_wait.h"

namespace tavik::ui {

// Runs a local event loop for the time of the pause: the window repaints and the
// timers run, while mouse and keyboard input waits until the game goes on.
class QtPause : public PausePort {
  public:
    void pause(int milliseconds) override;
};

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

// The game's sounds through the window's one audio object, silent while `soundOn` is
// off (read at each sound, so the switch applies at once).
class SessionSound : public SoundPort {
  public:
    SessionSound(AudioPort& audio, const config::Settings& settings)
        : audio_(audio), settings_(settings) {}
    void PlayResourceSound(std::string_view name, bool wait) override {
        audio_.PlayResourceSound(name, wait, settings_.soundOn);
    }

  private:
    AudioPort& audio_;
    const config::Settings& settings_;
};

class NoPeer : public PeerPort {
  public:
    void send(const PeerMessage&) override {}
};

}  // namespace tavik::ui
