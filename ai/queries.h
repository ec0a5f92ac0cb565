#pragma once
// The hand and table queries that the attack, defence and endgame rules share.
//
// Every "lowest" or "first" scan runs over rank values 1..9 in the outer loop and
// hand slots 1..36 in the inner loop, so that among cards of equal rank the lowest
// slot wins. Empty slots (rank value 99) never match a rank.

#include <cstdint>
#include <initializer_list>

#include "ai/snapshot.h"
#include "core/state/card.h"
#include "core/state/game_state.h"

namespace tavik::ai {

// A set of rank values 1..9, bit v standing for rank value v.
using RankSet = std::uint16_t;
constexpr RankSet rankBit(int v) {
    return static_cast<RankSet>(1u << v);
}
constexpr RankSet ranks(std::initializer_list<int> values) {
    RankSet s = 0;
    for (int v : values) s |= rankBit(v);
    return s;
}
constexpr bool inSet(RankSet s, int v) {
    return v >= 1 && v <= 9 && (s & rankBit(v)) != 0;
}
// The lowest and highest rank value of a set; 0 for an empty set.
int lowestRank(RankSet s);
int highestRank(RankSet s);
int rankCount(RankSet s);

// First slot holding the card, else 0.
int FindCard(const Hand& hand, Card card);
bool HasCard(const Hand& cards, Card card);
int LowestNonTrump(const Hand& hand, Suit trump);
// (The lowest trump is the core's LowestTrump.)
// The lowest trump once the lowest one is set aside, else 0.
int SecondLowestTrump(const Hand& hand, Suit trump);
bool HasNonTrump(const Hand& hand, Suit trump);
int LowestNonTrumpOfRanks(const Hand& hand, Suit trump, RankSet set);
int LowestTrumpOfRanks(const Hand& hand, Suit trump, RankSet set);
// The last non-trump card of the rank-then-slot scan with a rank in set (the highest
// rank, and at equal rank the highest slot); failing that the last card of any suit
// so found; else 0.
int HighestOfRanks(const Hand& hand, Suit trump, RankSet set);
int CountNonTrumpOfRanks(const Hand& hand, Suit trump, RankSet set);
int CountOfRanks(const Hand& hand, RankSet set);
RankSet HandRanks(const Hand& hand);
RankSet HandSuitRanks(const Hand& hand, Suit suit);

RankSet TableRanks(const StatTavik2& s);
RankSet TableNonTrumpRanks(const StatTavik2& s);
int CountTableNonTrumpOfRanks(const StatTavik2& s, RankSet set);
// Each of the 12 table places is empty, a trump, or a jack, queen, king or ace.
bool TableHasNoLowNonTrump(const StatTavik2& s);

// The three lowest distinct rank values within [from, to] held by the hand's
// non-trump cards (or by any of its cards when anySuit); 0 for those missing.
struct LowestRanks {
    int r[3] = {0, 0, 0};
};
LowestRanks ThreeLowestRanks(const Hand& hand, Suit trump, bool anySuit, int from, int to);

}  // namespace tavik::ai
