#include "ai/queries.h"

#include <bit>

namespace tavik::ai {
namespace {

bool isTrump(Card c, Suit trump) {
    return !c.empty() && c.suit() == trump;
}
bool isPlain(Card c, Suit trump) {
    return !c.empty() && c.suit() != trump;
}

// First slot in rank-then-slot order whose card passes the test, else 0.
template <typename Test>
int firstInScan(const Hand& hand, Test test) {
    for (int v = 1; v <= 9; ++v)
        for (int slot = 1; slot <= 36; ++slot)
            if (hand[slot].value() == v && test(hand[slot])) return slot;
    return 0;
}

}  // namespace

int lowestRank(RankSet s) {
    for (int v = 1; v <= 9; ++v)
        if (inSet(s, v)) return v;
    return 0;
}

int highestRank(RankSet s) {
    for (int v = 9; v >= 1; --v)
        if (inSet(s, v)) return v;
    return 0;
}

int rankCount(RankSet s) {
    return std::popcount(static_cast<unsigned>(s & 0x3FE));
}

int FindCard(const Hand& hand, Card card) {
    if (card.empty()) return 0;
    for (int slot = 1; slot <= 36; ++slot)
        if (hand[slot] == card) return slot;
    return 0;
}

bool HasCard(const Hand& cards, Card card) {
    return FindCard(cards, card) != 0;
}

int LowestNonTrump(const Hand& hand, Suit trump) {
    return firstInScan(hand, [&](Card c) { return isPlain(c, trump); });
}

int SecondLowestTrump(const Hand& hand, Suit trump) {
    const int lowest = LowestTrump(hand, trump);
    if (lowest == 0) return 0;
    Hand rest = hand;
    rest[lowest] = kNoCard;
    return LowestTrump(rest, trump);
}

bool HasNonTrump(const Hand& hand, Suit trump) {
    for (int slot = 1; slot <= 36; ++slot)
        if (isPlain(hand[slot], trump)) return true;
    return false;
}

int LowestNonTrumpOfRanks(const Hand& hand, Suit trump, RankSet set) {
    return firstInScan(hand, [&](Card c) { return isPlain(c, trump) && inSet(set, c.value()); });
}

int LowestTrumpOfRanks(const Hand& hand, Suit trump, RankSet set) {
    return firstInScan(hand, [&](Card c) { return isTrump(c, trump) && inSet(set, c.value()); });
}

int HighestOfRanks(const Hand& hand, Suit trump, RankSet set) {
    int lastPlain = 0, lastAny = 0;
    for (int v = 1; v <= 9; ++v)
        for (int slot = 1; slot <= 36; ++slot) {
            const Card c = hand[slot];
            if (c.value() != v || !inSet(set, v)) continue;
            lastAny = slot;
            if (isPlain(c, trump)) lastPlain = slot;
        }
    return lastPlain != 0 ? lastPlain : lastAny;
}

int CountNonTrumpOfRanks(const Hand& hand, Suit trump, RankSet set) {
    int n = 0;
    for (int slot = 1; slot <= 36; ++slot)
        if (isPlain(hand[slot], trump) && inSet(set, hand[slot].value())) ++n;
    return n;
}

int CountOfRanks(const Hand& hand, RankSet set) {
    int n = 0;
    for (int slot = 1; slot <= 36; ++slot)
        if (inSet(set, hand[slot].value())) ++n;
    return n;
}

RankSet HandRanks(const Hand& hand) {
    RankSet s = 0;
    for (int slot = 1; slot <= 36; ++slot)
        if (!hand[slot].empty()) s |= rankBit(hand[slot].value());
    return s;
}

RankSet HandSuitRanks(const Hand& hand, Suit suit) {
    RankSet s = 0;
    for (int slot = 1; slot <= 36; ++slot)
        if (!hand[slot].empty() && hand[slot].suit() == suit) s |= rankBit(hand[slot].value());
    return s;
}

RankSet TableRanks(const StatTavik2& s) {
    RankSet r = 0;
    for (int i = 1; i <= 12; ++i)
        if (!s.InGameI[i].empty()) r |= rankBit(s.InGameI[i].value());
    return r;
}

RankSet TableNonTrumpRanks(const StatTavik2& s) {
    RankSet r = 0;
    for (int i = 1; i <= 12; ++i)
        if (isPlain(s.InGameI[i], s.Koz)) r |= rankBit(s.InGameI[i].value());
    return r;
}

int CountTableNonTrumpOfRanks(const StatTavik2& s, RankSet set) {
    int n = 0;
    for (int i = 1; i <= 12; ++i)
        if (isPlain(s.InGameI[i], s.Koz) && inSet(set, s.InGameI[i].value())) ++n;
    return n;
}

bool TableHasNoLowNonTrump(const StatTavik2& s) {
    for (int i = 1; i <= 12; ++i) {
        const Card c = s.InGameI[i];
        if (c.empty() || c.suit() == s.Koz || c.value() >= 6) continue;
        return false;
    }
    return true;
}

LowestRanks ThreeLowestRanks(const Hand& hand, Suit trump, bool anySuit, int from, int to) {
    LowestRanks out;
    int taken = 0;
    for (int v = from; v <= to && taken < 3; ++v)
        for (int slot = 1; slot <= 36; ++slot) {
            const Card c = hand[slot];
            if (c.value() == v && (anySuit || isPlain(c, trump))) {
                out.r[taken++] = v;
                break;
            }
        }
    return out;
}

}  // namespace tavik::ai
