#include "ai/transposition_table.h"

#include <bit>

namespace tavik::ai {

TranspositionTable::TranspositionTable(int log2Entries)
    : entries_(std::size_t{1} << (log2Entries < 2 ? 2 : log2Entries)), buckets_(entries_ / 4) {}

std::size_t TranspositionTable::bucketOf(const TtKey& key) const {
    std::uint64_t h = key.k0 ^ (std::uint64_t{key.k1} * 0x9E3779B97F4A7C15ULL);
    h *= 0xD6E8FEB86659FD93ULL;
    h ^= h >> 32;
    return static_cast<std::size_t>(h) & (buckets_.size() - 1);
}

bool TranspositionTable::probe(const TtKey& key, int& lo, int& hi, int& move) const {
    const Bucket& b = buckets_[bucketOf(key)];
    for (const Entry& e : b.e) {
        if (e.generation != generation_ || e.k0 != key.k0 || e.k1 != key.k1) continue;
        lo = (e.bounds & 3) * 2 - 2;
        hi = ((e.bounds >> 2) & 3) * 2 - 2;
        move = e.move == 255 ? -1 : e.move;
        return true;
    }
    return false;
}

void TranspositionTable::store(const TtKey& key, int lo, int hi, int move, std::uint64_t work) {
    Bucket& b = buckets_[bucketOf(key)];
    const auto w = static_cast<std::uint8_t>(std::bit_width(work));
    // The same position, else an empty or stale entry, else the one with the least work.
    Entry* slot = nullptr;
    for (Entry& e : b.e)
        if (e.generation == generation_ && e.k0 == key.k0 && e.k1 == key.k1) slot = &e;
    if (!slot)
        for (Entry& e : b.e)
            if (e.generation != generation_) {
                slot = &e;
                break;
            }
    if (!slot) {
        slot = &b.e[0];
        for (Entry& e : b.e)
            if (e.work < slot->work) slot = &e;
    }
    slot->k0 = key.k0;
    slot->k1 = key.k1;
    slot->bounds = static_cast<std::uint8_t>((lo / 2 + 1) | ((hi / 2 + 1) << 2));
    slot->move = move < 0 ? 255 : static_cast<std::uint8_t>(move);
    slot->generation = generation_;
    slot->work = w;
}

void TranspositionTable::clear() {
    if (++generation_ == 0) {  // after 255 clears wipe the memory so no old entry comes back
        for (Bucket& b : buckets_) b = Bucket{};
        generation_ = 1;
    }
}

}  // namespace tavik::ai
