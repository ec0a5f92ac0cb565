#include "ai/attack_rules.h"

#include "ai/queries.h"

namespace tavik::ai {
namespace {

// Steps 2 and 3 of the pair and single plans: a plain rank among the three lowest
// held exactly `times` times, else a rank six to ten (any suit) held exactly
// `times` times. 0 when neither exists.
int plannedLead(const StatTavik2& s, int times) {
    const Hand& hand = s.CardsI1;
    for (int r : ThreeLowestRanks(hand, s.Koz, false, 1, 9).r)
        if (r != 0 && CountNonTrumpOfRanks(hand, s.Koz, rankBit(r)) == times)
            return LowestNonTrumpOfRanks(hand, s.Koz, rankBit(r));
    for (int r : ThreeLowestRanks(hand, s.Koz, true, 1, 5).r)
        if (r != 0 && CountOfRanks(hand, rankBit(r)) == times)
            return HighestOfRanks(hand, s.Koz, rankBit(r));
    return 0;
}

struct Counts {
    int k2, k1, och;
    bool operator==(const Counts&) const = default;
};

bool isPairPlan(Counts c) {
    for (Counts p : {Counts{6, 6, 31}, Counts{7, 6, 32}, Counts{6, 7, 32}, Counts{6, 8, 33},
                     Counts{8, 6, 33}, Counts{7, 7, 33}})
        if (c == p) return true;
    return false;
}

bool isSinglePlan(Counts c, std::uint8_t vskr) {
    const bool lowBottomCard = vskr < 6;  // the face-up card is not a jack, queen, king or ace
    return c == Counts{6, 6, 33} || (c == Counts{6, 6, 35} && lowBottomCard) ||
           c == Counts{7, 6, 34} || c == Counts{6, 7, 34};
}

int rankOf(const StatTavik2& s, int slot) {
    return slot == 0 ? 0 : s.CardsI1[slot].value();
}

}  // namespace

int StandardLead(const StatTavik2& s) {
    const Hand& hand = s.CardsI1;
    const LowestRanks low = ThreeLowestRanks(hand, s.Koz, false, 1, 7);
    const int r1 = low.r[0], r2 = low.r[1];
    const int c1 = r1 ? CountNonTrumpOfRanks(hand, s.Koz, rankBit(r1)) : 0;
    const int c2 = r2 ? CountNonTrumpOfRanks(hand, s.Koz, rankBit(r2)) : 0;
    const int r = c1 < c2 ? r2 : r1;
    if (r != 0) return LowestNonTrumpOfRanks(hand, s.Koz, rankBit(r));
    if (HasNonTrump(hand, s.Koz)) return LowestNonTrump(hand, s.Koz);
    return LowestTrump(hand, s.Koz);
}

int LeadWithDeck(StatTavik2& s) {
    const Counts counts{s.KolCards2, s.KolCards1, s.Och};
    if (isPairPlan(counts)) {
        s.Zarp = 2;
        if (const int slot = plannedLead(s, 2)) return slot;
    } else if (isSinglePlan(counts, s.Vskr)) {
        s.Zarp = 1;
        if (const int slot = plannedLead(s, 1)) return slot;
    }
    return StandardLead(s);
}

int LeadEndgame(const StatTavik2& s) {
    const Hand& hand = s.CardsI1;
    const RankSet trumps = HandSuitRanks(hand, s.Koz);
    const RankSet others = HandRanks(hand) & static_cast<RankSet>(~trumps);
    int m = 0, card = 0;
    if (others == 0) {
        const RankSet rest = trumps & static_cast<RankSet>(~rankBit(lowestRank(trumps)));
        m = lowestRank(rest);
        card = SecondLowestTrump(hand, s.Koz);
    } else if (rankCount(others) == 1) {
        m = lowestRank(trumps);
        card = LowestTrump(hand, s.Koz);
    }
    const int h = highestRank(HandSuitRanks(s.CardsI2, s.Koz));
    if (rankCount(others) <= 1 && m > h) return card;
    return StandardLead(s);
}

int ThrowInWithDeck(StatTavik2& s, bool& stop) {
    stop = false;
    if (s.Zarp == 1 || s.Zarp == 3) {
        stop = true;
        return 0;
    }
    const Hand& hand = s.CardsI1;
    const RankSet onTable = TableRanks(s);
    const RankSet plainOnTable = TableNonTrumpRanks(s);
    const int c = LowestNonTrumpOfRanks(hand, s.Koz, onTable);
    const int v = rankOf(s, c);
    const int lowPlainOnTable = CountTableNonTrumpOfRanks(s, ranks({1, 2, 3, 4}));
    int play = 0;
    if (s.Zarp == 2) {
        if (c != 0) {
            s.Zarp = 3;
            return c;
        }
        const int t = LowestTrumpOfRanks(hand, s.Koz, onTable);
        if (rankOf(s, t) >= 1 && rankOf(s, t) <= 4) play = t;
    } else if (c != 0) {
        if (v <= 5)
            play = c;
        else if ((v == 6 || v == 7) && (plainOnTable & ranks({6, 7, 8})) != 0)
            play = c;
        else if (v >= 8 && lowPlainOnTable >= 2)
            play = c;
    } else {
        const int t = LowestTrumpOfRanks(hand, s.Koz, onTable);
        if (rankOf(s, t) >= 1 && rankOf(s, t) <= 3 && lowPlainOnTable >= 4) play = t;
    }
    stop = play == 0;
    return play;
}

int ThrowInEndgame(const StatTavik2& s, bool& stop) {
    const RankSet onTable = TableRanks(s);
    int c = LowestNonTrumpOfRanks(s.CardsI1, s.Koz, onTable);
    if (c == 0) c = LowestTrumpOfRanks(s.CardsI1, s.Koz, onTable);
    stop = c == 0;
    return c;
}

int AddToTakerWithDeck(StatTavik2& s, bool& stop) {
    stop = true;
    if (s.Zarp == 1 || s.Zarp == 3) return 0;
    const int c = LowestNonTrumpOfRanks(s.CardsI1, s.Koz, TableRanks(s));
    const int v = rankOf(s, c);
    if (s.Zarp == 2) {
        if (c == 0 || v >= 7) return 0;  // never a queen, king or ace
        s.Zarp = 3;
    } else if (c == 0 || v > 5) {
        return 0;
    }
    stop = false;
    return c;
}

int AddToTakerEndgame(const StatTavik2& s, bool& stop) {
    const int c = LowestNonTrumpOfRanks(s.CardsI1, s.Koz, TableRanks(s));
    stop = c == 0;
    return c;
}

}  // namespace tavik::ai
