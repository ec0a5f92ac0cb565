#include "ui/game/background_seat.h"

#include <gtest/gtest.h>

#include <QTimer>
#include <chrono>
#include <stdexcept>
#include <thread>

#include "ui/testing/ui_test_support.h"

namespace tavik::ui {
namespace {

// Thinks for a while, reporting its progress three times.
class SlowOpponent : public Seat {
  public:
    SeatChoice choose(const GameState&, int, MoveKind kind, ThinkingPort& thinking) override {
        thread = std::this_thread::get_id();
        if (fail) throw std::runtime_error("no move");
        for (int i = 1; i <= 3; ++i) {
            thinking.thinking(ThinkingProgress{i, 3, 0});
            std::this_thread::sleep_for(std::chrono::milliseconds(40));
        }
        SeatChoice c;
        c.slot = static_cast<int>(kind);  // tells the caller which kind arrived
        return c;
    }
    std::thread::id thread;
    bool fail = false;
};

// Records the progress reports and the thread that received them.
class ProgressTable : public ThinkingPort {
  public:
    void thinking(const ThinkingProgress& p) override {
        shown.push_back(p);
        onMainThread = onMainThread && std::this_thread::get_id() == main;
    }
    std::vector<ThinkingProgress> shown;
    std::thread::id main = std::this_thread::get_id();
    bool onMainThread = true;
};

TEST(BackgroundSeat, ThinksOnAWorkerWhileTheWindowRuns) {
    test::App();
    SlowOpponent slow;
    BackgroundSeat opponent;
    opponent.setInner(slow);
    ProgressTable table;
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(5);

    const SeatChoice answer = opponent.choose(GameState{}, 1, MoveKind::Defend, table);
    EXPECT_EQ(answer.slot, 3);
    EXPECT_NE(slow.thread, std::this_thread::get_id());
    EXPECT_GT(ticks, 0) << "timers run while the computer thinks";
    // Every progress drawn on the window's thread, the last one before the answer.
    EXPECT_TRUE(table.onMainThread);
    ASSERT_FALSE(table.shown.empty());
    EXPECT_EQ(table.shown.back(), (ThinkingProgress{3, 3, 0}));

    slow.fail = true;
    EXPECT_THROW(opponent.choose(GameState{}, 1, MoveKind::Lead, table), std::runtime_error);
}

}  // namespace
}  // namespace tavik::ui
