#include "core/match/seeded_random.h"

namespace tavik {
namespace {

std::uint64_t splitmix64(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::uint64_t rotl(std::uint64_t x, int k) {
    return (x << k) | (x >> (64 - k));
}

}  // namespace

SeededRandom::SeededRandom(std::uint64_t seed) {
    for (auto& s : s_) s = splitmix64(seed);
}

std::uint64_t SeededRandom::next() {
    const std::uint64_t result = rotl(s_[1] * 5, 7) * 9;
    const std::uint64_t t = s_[1] << 17;
    s_[2] ^= s_[0];
    s_[3] ^= s_[1];
    s_[1] ^= s_[2];
    s_[0] ^= s_[3];
    s_[2] ^= t;
    s_[3] = rotl(s_[3], 45);
    return result;
}

int SeededRandom::random(int n) {
    if (n <= 1) return 0;
    // Rejection keeps every value equally likely.
    const std::uint64_t bound = static_cast<std::uint64_t>(n);
    const std::uint64_t limit = UINT64_MAX - UINT64_MAX % bound;
    std::uint64_t x;
    do {
        x = next();
    } while (x >= limit);
    return static_cast<int>(x % bound);
}

void ClockSeededRandom::reseed() {
    // Two shuffles within the same millisecond must still differ.
    inner_ = SeededRandom(static_cast<std::uint64_t>(clock_.nowMs()) * 1000003ULL + ++reseeds_);
}

}  // namespace tavik
