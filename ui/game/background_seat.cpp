#include "ui/game/background_seat.h"

#include <atomic>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>

#include "ui/game/qt_ports.h"

namespace tavik::ui {
namespace {

// The thinking port the worker sees: it keeps the latest progress, which the
// window's thread picks up.
class ProgressRelay : public ThinkingPort {
  public:
    void thinking(const ThinkingProgress& p) override {
        const std::lock_guard lock(mutex_);
        pending_ = p;
    }
    // Reports the latest progress, if any, on the calling (window's) thread.
    void flush(ThinkingPort& to) {
        std::optional<ThinkingProgress> p;
        {
            const std::lock_guard lock(mutex_);
            p.swap(pending_);
        }
        if (p) to.thinking(*p);
    }

  private:
    std::mutex mutex_;
    std::optional<ThinkingProgress> pending_;
};

}  // namespace

SeatChoice BackgroundSeat::choose(const GameState& g, int seat, MoveKind kind,
                                  ThinkingPort& thinking) {
    const GameState position = g;  // the worker reads its own copy
    ProgressRelay relay;
    SeatChoice choice;
    std::exception_ptr failure;
    std::atomic<bool> finished{false};
    std::thread worker([&] {
        try {
            choice = inner_->choose(position, seat, kind, relay);
        } catch (...) {
            failure = std::current_exception();
        }
        finished = true;
    });
    WaitExcludingInput([&] {
        relay.flush(thinking);
        return finished.load();
    });
    worker.join();
    relay.flush(thinking);
    if (failure) std::rethrow_exception(failure);
    return choice;
}

void BackgroundSeat::onDeal(const GameState& g) {
    if (inner_) inner_->onDeal(g);
}
void BackgroundSeat::onRedeal(int seat) {
    if (inner_) inner_->onRedeal(seat);
}
void BackgroundSeat::onMove(int seat, MoveKind kind, Card card) {
    if (inner_) inner_->onMove(seat, kind, card);
}
void BackgroundSeat::onBoutEnd(bool discard, int attacker) {
    if (inner_) inner_->onBoutEnd(discard, attacker);
}
void BackgroundSeat::onKonEnd(KonOutcome result, int sixes) {
    if (inner_) inner_->onKonEnd(result, sixes);
}

}  // namespace tavik::ui
