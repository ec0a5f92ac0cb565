#include "ui/flight/flight_steps.h"

#include <algorithm>
#include <cstdlib>

namespace tavik::ui::flight {

int RoundedQuotient(std::int64_t a, std::int64_t b) {
    const bool negative = (a < 0) != (b < 0);
    const std::int64_t n = std::llabs(a), d = std::llabs(b);
    const std::int64_t q = (2 * n + d) / (2 * d);
    return static_cast<int>(negative ? -q : q);
}

void Stepper::Step() {
    if (arrived()) return;
    const int dx = to_.x - from_.x;
    const int dy = to_.y - from_.y;
    if (std::abs(dx) >= std::abs(dy)) {
        at_.x += dx > 0 ? 1 : -1;
        at_.y = from_.y + RoundedQuotient(std::int64_t(dy) * (at_.x - from_.x), dx);
    } else {
        at_.y += dy > 0 ? 1 : -1;
        at_.x = from_.x + RoundedQuotient(std::int64_t(dx) * (at_.y - from_.y), dy);
    }
}

void Stepper::Frame(int speed) {
    Step();
    if (speed >= kFastest) Step();  // does nothing once the target is reached
}

std::vector<Point> CardFrames(Point from, Point to, int speed) {
    Stepper card(from, to);
    std::vector<Point> frames;
    do {
        card.Frame(speed);
        frames.push_back(card.at());
    } while (!card.arrived());
    return frames;
}

std::vector<std::vector<GroupCard>> GroupFrames(const std::vector<Point>& from,
                                                const std::vector<Point>& to, int speed) {
    std::vector<Stepper> cards;
    std::vector<bool> flying(from.size(), true);
    for (std::size_t i = 0; i < from.size() && i < to.size(); ++i)
        cards.emplace_back(from[i], to[i]);
    flying.resize(cards.size());
    std::vector<std::vector<GroupCard>> frames;
    while (std::find(flying.begin(), flying.end(), true) != flying.end()) {
        std::vector<GroupCard> drawn;
        for (std::size_t i = 0; i < cards.size(); ++i) {
            if (!flying[i]) continue;
            cards[i].Frame(speed);
            if (cards[i].arrived())
                flying[i] = false;
            else
                drawn.push_back({static_cast<int>(i), cards[i].at()});
        }
        frames.push_back(std::move(drawn));
    }
    return frames;
}

int PauseTable::AfterFrame(int speed) {
    switch (speed) {
        case 1:
            return 2;
        case 2:
            return 1;
        case 3:
            ++counter_;
            return counter_ % 2 == 0 ? 1 : 0;
        case 4:
            ++counter_;
            return counter_ % 3 == 0 ? 1 : 0;
        default:
            return 0;
    }
}

PauseTable& SharedPauseTable() {
    static PauseTable table;
    return table;
}

int FramePeriodUs(int speed, int tablePauseMs) {
    return std::max(kMinFramePeriodUs[static_cast<std::size_t>(ClampSpeed(speed))],
                    tablePauseMs * 1000);
}

FlightFigures MeasureCardFlight(Point from, Point to, int speed, PauseTable& pauses) {
    FlightFigures f;
    for (std::size_t i = 0, n = CardFrames(from, to, speed).size(); i < n; ++i) {
        ++f.frames;
        f.pauseMs += pauses.AfterFrame(speed);
    }
    return f;
}

int ClampSpeed(int speed) {
    return std::clamp(speed, kSlowest, kFastest);
}

}  // namespace tavik::ui::flight
