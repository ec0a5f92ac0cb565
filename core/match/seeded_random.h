#pragma once
// A small, fast generator with a fixed stream for a given seed on every platform
// (xoshiro256**, seeded through splitmix64), so that a seed names the same deals
// everywhere. reseed() keeps the stream: a seeded game stays reproducible even though
// the rules re-seed before every shuffle.

#include <cstdint>

#include "core/ports.h"

namespace tavik {

class SeededRandom : public RandomPort {
  public:
    explicit SeededRandom(std::uint64_t seed);
    void reseed() override {}
    int random(int n) override;
    std::uint64_t next();

  private:
    std::uint64_t s_[4];
};

// Re-seeds itself from the clock at every shuffle, as the game does in play.
class ClockSeededRandom : public RandomPort {
  public:
    explicit ClockSeededRandom(ClockPort& clock) : clock_(clock), inner_(0) {}
    void reseed() override;
    int random(int n) override { return inner_.random(n); }

  private:
    ClockPort& clock_;
    SeededRandom inner_;
    std::uint64_t reseeds_ = 0;
};

}  // namespace tavik
