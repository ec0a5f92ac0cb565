// The stepping rule of a flying card, the pause table with its frame counter that
// outlives each flight, and the pacing that keeps the six speeds apart.
#include "ui/flight/flight_steps.h"

#include <gtest/gtest.h>

namespace tavik::ui::flight {
namespace {

TEST(FlightSteps, RoundingTakesHalvesAwayFromZero) {
    const struct {
        int a, b, q;
    } cases[] = {{1, 2, 1},   {-1, 2, -1}, {1, -2, -1}, {3, 2, 2},   {5, 2, 3},
                 {-5, 2, -3}, {4, 3, 1},   {5, 3, 2},   {-4, 3, -1}, {0, 7, 0}};
    for (const auto& c : cases) EXPECT_EQ(RoundedQuotient(c.a, c.b), c.q) << c.a << "/" << c.b;
}

TEST(FlightSteps, FramesOfASingleCard) {
    const struct {
        const char* what;
        Point from, to;
        int speed;
        std::vector<Point> frames;
    } cases[] = {
        {"start = target: one frame", {40, 50}, {40, 50}, 4, {{40, 50}}},
        {"start = target at speed 6", {40, 50}, {40, 50}, 6, {{40, 50}}},
        {"vertical: x stays", {7, 10}, {7, 6}, 3, {{7, 9}, {7, 8}, {7, 7}, {7, 6}}},
        {"diagonal |dx| = |dy|: x steps, y follows",
         {0, 0},
         {-3, 3},
         5,
         {{-1, 1}, {-2, 2}, {-3, 3}}},
        {"shallow: halves go away from zero", {0, 0}, {4, 2}, 1, {{1, 1}, {2, 1}, {3, 2}, {4, 2}}},
        {"shallow to the left and up",
         {0, 0},
         {-4, -2},
         2,
         {{-1, -1}, {-2, -1}, {-3, -2}, {-4, -2}}},
        {"steep: y steps, x computed", {0, 0}, {1, 4}, 1, {{0, 1}, {1, 2}, {1, 3}, {1, 4}}},
        {"speed 6: two steps a frame, the last one alone",
         {0, 0},
         {5, 0},
         6,
         {{2, 0}, {4, 0}, {5, 0}}},
    };
    for (const auto& c : cases) EXPECT_EQ(CardFrames(c.from, c.to, c.speed), c.frames) << c.what;
}

TEST(FlightSteps, SpeedSixHalvesTheFramesOfTheLongerAxis) {
    for (int speed = 1; speed <= 5; ++speed)
        EXPECT_EQ(CardFrames({0, 0}, {300, 0}, speed).size(), 300u) << speed;
    EXPECT_EQ(CardFrames({0, 0}, {300, 0}, 6).size(), 150u);
    EXPECT_EQ(CardFrames({600, 394}, {175, 200}, 5).size(), 425u);  // the longer axis counts
    EXPECT_EQ(CardFrames({600, 394}, {175, 200}, 6).size(), 213u);
    EXPECT_EQ(CardFrames({600, 394}, {175, 200}, 6).back(), (Point{175, 200}));
}

TEST(FlightSteps, AGroupCardOnAShortPathVanishesOnArrivalWhileTheOthersFly) {
    const auto frames = GroupFrames({{0, 0}, {100, 0}, {0, 50}}, {{10, 0}, {102, 0}, {0, 50}}, 5);
    ASSERT_EQ(frames.size(), 10u);  // as long as the longest path
    // Frame 1: the first two cards move one pixel; the third stood on its target and is gone.
    EXPECT_EQ(frames[0], (std::vector<GroupCard>{{0, {1, 0}}, {1, {101, 0}}}));
    // Frame 2: the second card arrives and is no longer drawn.
    EXPECT_EQ(frames[1], (std::vector<GroupCard>{{0, {2, 0}}}));
    EXPECT_EQ(frames[8], (std::vector<GroupCard>{{0, {9, 0}}}));
    EXPECT_TRUE(frames[9].empty());  // the last card arrives
    EXPECT_EQ(GroupFrames({{0, 0}, {0, 0}}, {{9, 0}, {4, 0}}, 6).size(), 5u);
}

TEST(FlightSteps, PauseTable) {
    const struct {
        int speed;
        std::vector<int> pauses;  // after frames 1..6 from a counter at 0
    } cases[] = {{1, {2, 2, 2, 2, 2, 2}}, {2, {1, 1, 1, 1, 1, 1}}, {3, {0, 1, 0, 1, 0, 1}},
                 {4, {0, 0, 1, 0, 0, 1}}, {5, {0, 0, 0, 0, 0, 0}}, {6, {0, 0, 0, 0, 0, 0}}};
    for (const auto& c : cases) {
        PauseTable table;
        std::vector<int> seen;
        for (int f = 0; f < 6; ++f) seen.push_back(table.AfterFrame(c.speed));
        EXPECT_EQ(seen, c.pauses) << c.speed;
    }
}

TEST(FlightSteps, TheFrameCounterCarriesOverFromOneFlightToTheNext) {
    PauseTable table;
    // Three frames at speed 3: the second pauses. The next flight goes on counting (4, 5, 6),
    // so its first and third frames pause; a fresh count would pause only once.
    EXPECT_EQ(MeasureCardFlight({0, 0}, {3, 0}, 3, table).pauseMs, 1);
    EXPECT_EQ(MeasureCardFlight({0, 0}, {3, 0}, 3, table).pauseMs, 2);
    EXPECT_EQ(table.counter(), 6);
    // Speeds 1, 2, 5 and 6 leave the counter alone.
    MeasureCardFlight({0, 0}, {9, 0}, 1, table);
    MeasureCardFlight({0, 0}, {9, 0}, 6, table);
    EXPECT_EQ(table.counter(), 6);
    // The counter is one byte: at speed 4 it pauses on 255 and again on 0 after the wrap.
    table.setCounter(254);
    EXPECT_EQ(table.AfterFrame(4), 1);  // 255
    EXPECT_EQ(table.AfterFrame(4), 1);  // 0
    EXPECT_EQ(table.AfterFrame(4), 0);  // 1
    PauseTable fresh;
    EXPECT_EQ(MeasureCardFlight({0, 0}, {300, 0}, 4, fresh).pauseMs, 100);  // 85 + 15
}

TEST(FlightSteps, PacingKeepsTheSixSpeedsInOrder) {
    // The time of a 300-pixel flight at each speed: frames x frame period.
    std::vector<long> micros;
    for (int speed = 1; speed <= 6; ++speed) {
        PauseTable table;
        long total = 0;
        for (std::size_t f = 0; f < CardFrames({0, 0}, {300, 0}, speed).size(); ++f)
            total += FramePeriodUs(speed, table.AfterFrame(speed));
        micros.push_back(total);
    }
    EXPECT_EQ(micros, (std::vector<long>{1'200'000, 900'000, 600'000, 450'000, 300'000, 150'000}));
    EXPECT_EQ(FramePeriodUs(4, 5), 5000);  // a longer pause of the table wins
    EXPECT_EQ(ClampSpeed(0), 1);
    EXPECT_EQ(ClampSpeed(9), 6);
}

}  // namespace
}  // namespace tavik::ui::flight
