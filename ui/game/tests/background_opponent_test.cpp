#include "ui/game/background_opponent.h"

#include <gtest/gtest.h>

#include <QTimer>
#include <chrono>
#include <stdexcept>
#include <thread>

#include "core/match/recorder.h"
#include "ui/testing/ui_test_support.h"

namespace tavik::ui {
namespace {

// Thinks for a while, reporting its progress three times.
class SlowOpponent : public Opponent {
  public:
    OpponentAnswer ChooseMove(const GameState&, MoveKind mode, TablePort& table) override {
        thread = std::this_thread::get_id();
        if (fail) throw std::runtime_error("no move");
        for (int i = 1; i <= 3; ++i) {
            table.progress("step " + std::to_string(i));
            std::this_thread::sleep_for(std::chrono::milliseconds(40));
        }
        OpponentAnswer a;
        a.slot = static_cast<int>(mode);  // tells the caller which mode arrived
        return a;
    }
    std::thread::id thread;
    bool fail = false;
};

// Records the progress texts and the thread that drew them.
class ProgressTable : public HeadlessRecorder {
  public:
    ProgressTable() : HeadlessRecorder(false) {}
    void progress(const std::string& text) override {
        shown.push_back(text);
        onMainThread = onMainThread && std::this_thread::get_id() == main;
    }
    std::vector<std::string> shown;
    std::thread::id main = std::this_thread::get_id();
    bool onMainThread = true;
};

TEST(BackgroundOpponent, ThinksOnAWorkerWhileTheWindowRuns) {
    test::App();
    SlowOpponent slow;
    BackgroundOpponent opponent;
    opponent.setInner(slow);
    ProgressTable table;
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(5);

    const OpponentAnswer answer = opponent.ChooseMove(GameState{}, MoveKind::Defend, table);
    EXPECT_EQ(answer.slot, 3);
    EXPECT_NE(slow.thread, std::this_thread::get_id());
    EXPECT_GT(ticks, 0) << "timers run while the computer thinks";
    // Every progress drawn on the window's thread, the last one before the answer.
    EXPECT_TRUE(table.onMainThread);
    ASSERT_FALSE(table.shown.empty());
    EXPECT_EQ(table.shown.back(), "step 3");

    slow.fail = true;
    EXPECT_THROW(opponent.ChooseMove(GameState{}, MoveKind::Lead, table), std::runtime_error);
}

}  // namespace
}  // namespace tavik::ui
