#include "ui/game/background_opponent.h"

#include <atomic>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>

#include "core/match/recorder.h"
#include "ui/game/qt_ports.h"

namespace tavik::ui {
namespace {

// The table port the worker sees: it only reports progress, which the window's
// thread picks up; the opponent draws nothing else.
class ProgressRelay : public HeadlessRecorder {
  public:
    ProgressRelay() : HeadlessRecorder(false) {}
    void progress(const std::string& text) override {
        const std::lock_guard lock(mutex_);
        pending_ = text;
    }
    // Draws the latest reported progress, if any, on the real table.
    void flush(TablePort& table) {
        std::optional<std::string> text;
        {
            const std::lock_guard lock(mutex_);
            text.swap(pending_);
        }
        if (text) table.progress(*text);
    }

  private:
    std::mutex mutex_;
    std::optional<std::string> pending_;
};

}  // namespace

OpponentAnswer BackgroundOpponent::ChooseMove(const GameState& g, MoveKind mode, TablePort& table) {
    const GameState position = g;  // the worker reads its own copy
    ProgressRelay relay;
    OpponentAnswer answer;
    std::exception_ptr failure;
    std::atomic<bool> finished{false};
    std::thread worker([&] {
        try {
            answer = inner_->ChooseMove(position, mode, relay);
        } catch (...) {
            failure = std::current_exception();
        }
        finished = true;
    });
    WaitExcludingInput([&] {
        relay.flush(table);
        return finished.load();
    });
    worker.join();
    relay.flush(table);
    if (failure) std::rethrow_exception(failure);
    return answer;
}

}  // namespace tavik::ui
