#pragma once
// The transposition table of the endgame search. A position is stored under its
// whole description (both hands, the table, the last table card, the bout's counts,
// the taking flag, the kind of node and the trump), never under a hash alone, so a
// stored bound is a fact about the game that holds for every later search too.
// Values are only -2, 0 and +2, so an entry keeps a lower and an upper bound.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tavik::ai {

struct TtKey {
    std::uint64_t k0 = 0;
    std::uint32_t k1 = 0;
    bool operator==(const TtKey&) const = default;
};

class TranspositionTable {
  public:
    // 2^log2Entries entries of 16 bytes.
    explicit TranspositionTable(int log2Entries = 16);

    // The stored bounds and best move of the position, when it is stored.
    bool probe(const TtKey& key, int& lo, int& hi, int& move) const;
    // Stores bounds; work (a measure of the subtree's size) decides what is replaced.
    void store(const TtKey& key, int lo, int hi, int move, std::uint64_t work);
    // Starts loading the position's bucket into the cache ahead of probe().
    void prefetch(const TtKey& key) const { __builtin_prefetch(&buckets_[bucketOf(key)]); }
    // Forgets every entry at once (a cold table).
    void clear();
    std::size_t bytes() const { return entries_ << 4; }

  private:
    struct Entry {
        std::uint64_t k0;
        std::uint32_t k1;
        std::uint8_t bounds;      // lower bound (bits 0-1) and upper bound (bits 2-3), value/2 + 1
        std::uint8_t move;        // best move found, 255 for none
        std::uint8_t generation;  // 0 = empty
        std::uint8_t work;
    };
    static_assert(sizeof(Entry) == 16);
    struct alignas(64) Bucket {
        Entry e[4];
    };

    std::size_t bucketOf(const TtKey& key) const;

    std::size_t entries_;
    std::vector<Bucket> buckets_;
    std::uint8_t generation_ = 1;
};

}  // namespace tavik::ai
