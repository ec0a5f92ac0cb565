#include "ai/defence_rules.h"

#include "ai/queries.h"

namespace tavik::ai {
namespace {

// The run of rank values from r0 upward that the hand holds without a gap in the suit.
RankSet runFrom(const Hand& hand, Suit suit, int r0) {
    RankSet run = 0;
    for (int v = r0; v <= 9 && HasCard(hand, Card(static_cast<std::uint8_t>(v), suit)); ++v)
        run |= rankBit(v);
    return run;
}

// The lowest rank of the run that lies on the table, as a slot; 0 when none does.
int runCardOnTable(const Hand& hand, Suit suit, RankSet run, RankSet onTable) {
    for (int t = 1; t <= 9; ++t)
        if (inSet(run, t) && inSet(onTable, t))
            return FindCard(hand, Card(static_cast<std::uint8_t>(t), suit));
    return 0;
}

}  // namespace

int ChooseBeatingCard(const StatTavik2& s) {
    const Hand& hand = s.CardsI1;
    const Suit suit = s.KartaHod.suit();
    const RankSet onTable = TableRanks(s);

    // 1-3. A higher card of the attack's suit, preferring a run rank on the table.
    for (int v = s.DostHod() + 1; v <= 9; ++v)
        for (int slot = 1; slot <= 36; ++slot)
            if (hand[slot].value() == v && hand[slot].suit() == suit) {
                const int onTableSlot = runCardOnTable(hand, suit, runFrom(hand, suit, v), onTable);
                return onTableSlot != 0 ? onTableSlot : slot;
            }
    // 4. Nothing higher in a trump suit.
    if (suit == s.Koz) return 0;

    // 5. A trump, again preferring a run rank on the table.
    const int lowest = LowestTrump(hand, s.Koz);
    if (lowest == 0) return 0;
    const int r0 = hand[lowest].value();
    if (const int slot = runCardOnTable(hand, s.Koz, runFrom(hand, s.Koz, r0), onTable))
        return slot;

    // 6. A six or seven of trumps gives way to an eight or nine whose rank is on the table.
    auto trumpOf = [&](int v) { return Card(static_cast<std::uint8_t>(v), s.Koz); };
    auto held = [&](int v) { return HasCard(hand, trumpOf(v)); };
    if (r0 == 1) {
        if (held(3) && inSet(onTable, 3) && !inSet(onTable, 1)) return FindCard(hand, trumpOf(3));
        if (held(4) && inSet(onTable, 4) && !inSet(onTable, 1)) return FindCard(hand, trumpOf(4));
    } else if (r0 == 2) {
        if (held(4) && inSet(onTable, 4) && !inSet(onTable, 2)) return FindCard(hand, trumpOf(4));
    }
    return lowest;
}

int Reserve(const StatTavik2& s) {
    return (37 - s.Och) - (6 - s.KolCards2) - (7 - s.KolCards1) + 12;
}

int DefendWithDeck(const StatTavik2& s, bool& stop) {
    const int c = ChooseBeatingCard(s);
    stop = true;
    if (c == 0) return 0;
    const Card card = s.CardsI1[c];
    bool take = false;
    if (card.suit() == s.Koz) {
        const int reserve = Reserve(s);
        const int v = card.value();
        if (v <= 4) {
            take = reserve >= 20 && TableHasNoLowNonTrump(s);
        } else if (v <= 8) {
            const bool tookLastTime =
                s.WasTakes && CountTableNonTrumpOfRanks(s, ranks({1, 2, 3, 4})) >= 1;
            take = !(reserve <= 14 || tookLastTime);
        } else {
            take = s.KolCards1 > 3 || (37 - s.Och) + s.KolCards2 > 6;
        }
    }
    if (take) return 0;
    stop = false;
    return c;
}

int DefendEndgame(const StatTavik2& s, bool& stop) {
    const int c = ChooseBeatingCard(s);
    stop = c == 0;
    return c;
}

}  // namespace tavik::ai
