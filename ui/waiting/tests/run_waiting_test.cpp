#include "ui/waiting/run_waiting.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>
#include <stdexcept>
#include <thread>

namespace tavik::ui {
namespace {

// The step runs off the window's thread while timers of the window keep running, and
// the caller gets the step's result (or its exception) only when it has finished.
TEST(RunWaiting, KeepsTimersAliveAndReturnsTheResult) {
    int argc = 0;
    QCoreApplication app(argc, nullptr);
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(10);

    const auto caller = std::this_thread::get_id();
    std::thread::id worker;
    bool finished = false;
    const int result = RunWaiting([&] {
        worker = std::this_thread::get_id();
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        finished = true;
        return 42;
    });
    EXPECT_EQ(result, 42);
    EXPECT_TRUE(finished);
    EXPECT_NE(worker, caller);
    EXPECT_GT(ticks, 0) << "the window's timers ran while the step ran";

    EXPECT_THROW(RunWaiting([]() -> int { throw std::runtime_error("failed"); }),
                 std::runtime_error);
    RunWaiting([] {});  // a step without a result
}

}  // namespace
}  // namespace tavik::ui
