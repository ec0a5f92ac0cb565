#pragma once
// The pure rules of a card flight, without Qt: where a flying card is in each frame, how
// long the table pauses after a frame, and how the frames are paced on today's machines.
//
// A card moves along a straight line one pixel at a time on the longer axis; the other
// coordinate is computed from the line and rounded to the nearest pixel, halves away from
// zero. At speed 6 two such steps make one frame (the second only while the target is
// still ahead); at the other speeds one step is one frame. The frames of a flight are the
// frames drawn until the card stands on its target: a flight whose start is its target
// still draws one frame.

#include <array>
#include <cstdint>
#include <vector>

namespace tavik::ui::flight {

inline constexpr int kSlowest = 1;
inline constexpr int kFastest = 6;

struct Point {
    int x = 0;
    int y = 0;
    constexpr bool operator==(const Point&) const = default;
};

// a / b rounded to the nearest whole number, halves away from zero (b != 0).
int RoundedQuotient(std::int64_t a, std::int64_t b);

// One card on its line from `from` to `to`.
class Stepper {
  public:
    Stepper(Point from, Point to) : from_(from), to_(to), at_(from) {}
    Point at() const { return at_; }
    bool arrived() const { return at_ == to_; }
    // One pixel along the longer axis toward the target; nothing once arrived.
    void Step();
    // The steps of one frame at the speed: two at speed 6, one otherwise.
    void Frame(int speed);

  private:
    Point from_, to_, at_;
};

// The positions of the frames a single card draws, in order; the last is the target.
std::vector<Point> CardFrames(Point from, Point to, int speed);

// A group flying together: the frames last while any card still moves. In each frame a
// card that has not yet arrived is advanced; a card that reaches its target in that frame
// is no longer drawn. frames[f] holds the cards drawn in frame f (index, position).
struct GroupCard {
    int index = 0;
    Point at;
    constexpr bool operator==(const GroupCard&) const = default;
};
std::vector<std::vector<GroupCard>> GroupFrames(const std::vector<Point>& from,
                                                const std::vector<Point>& to, int speed);

// The pause after each frame at speeds 1..4 (milliseconds): 1: 2 ms after every frame,
// 2: 1 ms after every frame, 3: 1 ms after every second frame, 4: after every third,
// 5 and 6: none. Speeds 3 and 4 count their frames in one byte that lives as long as the
// program (it is never reset between flights and wraps after 255).
class PauseTable {
  public:
    // The pause after the frame just drawn; advances the frame counter at speeds 3 and 4.
    int AfterFrame(int speed);
    std::uint8_t counter() const { return counter_; }
    void setCounter(std::uint8_t value) { counter_ = value; }

  private:
    std::uint8_t counter_ = 0;
};

// The program's one frame counter, shared by every flight.
PauseTable& SharedPauseTable();

// Pacing. A frame draws in microseconds today, so the pauses of the table alone would
// make speeds 5 and 6 look like a jump and speed 1 hardly slower than 4. Each frame
// therefore lasts at least the minimum period of its speed, measured on a steady clock
// from the end of the frame before; a longer pause of the table still wins. The periods
// keep the six speeds in order with the same frame counts: a 300-pixel flight takes
// about 1.2 s at speed 1 (300 frames x 4 ms), 0.9 s at 2, 0.6 s at 3, 0.45 s at 4,
// 0.3 s at 5 (300 x 1 ms) and 0.15 s at 6 (150 x 1 ms).
inline constexpr std::array<int, 7> kMinFramePeriodUs = {0, 4000, 3000, 2000, 1500, 1000, 1000};

// The time one frame stands on the screen: the longer of the speed's minimum period and
// the pause of the table (both in microseconds).
int FramePeriodUs(int speed, int tablePauseMs);

// The figures of one flight without drawing it: frames drawn and the sum of the pauses of
// the table, with the counter given (it is advanced as the flight would advance it).
struct FlightFigures {
    int frames = 0;
    int pauseMs = 0;
};
FlightFigures MeasureCardFlight(Point from, Point to, int speed, PauseTable& pauses);

// A speed inside 1..6 (out-of-range settings fly at the nearest speed).
int ClampSpeed(int speed);

}  // namespace tavik::ui::flight
