#include "core/rules/deal.h"

#include <array>

namespace tavik {

void Shuffle(GameState& g, RandomPort& random) {
    random.reseed();
    std::array<bool, 37> placed{};
    for (int pos = 1; pos <= 36; ++pos) {
        int n = 0;
        do {
            n = random.random(36) + 1;
        } while (placed[static_cast<std::size_t>(n)]);
        placed[static_cast<std::size_t>(n)] = true;
        g.KolodaI[pos] = Card::fromNumber(n);
    }
}

void DealHands(GameState& g, bool receivedFromServer) {
    g.Koz = g.KolodaI[36].suit();
    g.Vskr = g.KolodaI[36].value();
    g.CardsI1.fill(kNoCard);
    g.CardsI2.fill(kNoCard);
    Hand& first = receivedFromServer ? g.CardsI2 : g.CardsI1;
    Hand& second = receivedFromServer ? g.CardsI1 : g.CardsI2;
    for (int i = 1; i <= 6; ++i) {
        first[i] = g.KolodaI[i];
        second[i] = g.KolodaI[6 + i];
    }
    g.KolCards1 = g.KolCards2 = 6;
}

void ChooseFirstAttacker(GameState& g, bool continuing, int defaultAttacker) {
    const int winner = WinnerSeat(g.KonResult);
    if (continuing && winner != 0) g.Attacker = winner;
    g.ShownTrump = kNoCard;
    if (winner != 0) return;
    g.Attacker = defaultAttacker;
    auto lowest = [&](int seat) {
        const int slot = LowestTrump(g.hand(seat), g.Koz);
        return slot == 0 ? 10 : g.hand(seat)[slot].value();
    };
    const int v1 = lowest(1), v2 = lowest(2);
    if (v1 < v2) {
        g.Attacker = 1;
        if (!g.OpenCards) g.ShownTrump = LowestTrumpCode(g.CardsI1, g.Koz);
    } else if (v2 < v1) {
        g.Attacker = 2;
    }
}

bool QualifiesForRedeal(const GameState& g, int seat) {
    for (Suit s = 1; s <= 4; ++s)
        if (s != g.Koz && CountOfSuit(g.hand(seat), s) >= 5) return true;
    return false;
}

}  // namespace tavik
