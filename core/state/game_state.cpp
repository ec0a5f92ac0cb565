#include "core/state/game_state.h"

#include <sstream>

namespace tavik {

void NormaliseHand(GameState& g, int seat) {
    Hand& hand = g.hand(seat);
    Hand sorted;
    int next = 1;
    // Plain cards first, then trumps; within each, rank 1..9 and slot order.
    for (int trumps = 0; trumps <= 1; ++trumps)
        for (std::uint8_t v = 1; v <= 9; ++v)
            for (int slot = 1; slot <= 36; ++slot) {
                const Card c = hand[slot];
                if (!c.empty() && c.value() == v && (c.suit() == g.Koz) == (trumps == 1))
                    sorted[next++] = c;
            }
    hand = sorted;
    g.kolCards(seat) = next - 1;
}

int CountOfSuit(const Hand& hand, Suit suit) {
    int n = 0;
    for (const Card& c : hand)
        if (!c.empty() && c.suit() == suit) ++n;
    return n;
}

int LowestTrump(const Hand& hand, Suit trump) {
    for (std::uint8_t v = 1; v <= 9; ++v)
        for (int slot = 1; slot <= 36; ++slot)
            if (hand[slot].value() == v && hand[slot].suit() == trump) return slot;
    return 0;
}

Card LowestTrumpCode(const Hand& hand, Suit trump) {
    const int slot = LowestTrump(hand, trump);
    return slot == 0 ? kNoCard : hand[slot];
}

bool CardBeats(Card attack, Card defence, Suit trump) {
    if (attack.empty() || defence.empty()) return false;
    if (defence.suit() == attack.suit()) return defence.value() > attack.value();
    return defence.suit() == trump;
}

std::optional<std::string> GameState::isConsistent() const {
    std::array<int, 37> seen{};
    auto mark = [&](Card c) {
        if (!c.empty()) ++seen[static_cast<std::size_t>(c.number())];
    };
    if (Och < 1 || Och > 37) return "Och out of range";
    for (int i = Och; i <= 36; ++i) mark(KolodaI[i]);
    for (int seat = 1; seat <= 2; ++seat) {
        const Hand& h = hand(seat);
        const int count = kolCards(seat);
        for (int slot = 1; slot <= 36; ++slot) {
            if (h[slot].empty() != (slot > count))
                return "hand of seat " + std::to_string(seat) + " not normalised at slot " +
                       std::to_string(slot);
            mark(h[slot]);
        }
    }
    if (OchGame < 1 || OchGame > 13) return "OchGame out of range";
    for (int i = 1; i <= 12; ++i) {
        if (InGameI[i].empty() != (i >= OchGame)) return "table position " + std::to_string(i);
        mark(InGameI[i]);
    }
    if (BitoNext < 1 || BitoNext > 37) return "BitoNext out of range";
    for (int i = 1; i <= 36; ++i) {
        if (Bito[i].empty() != (i >= BitoNext)) return "discard position " + std::to_string(i);
        mark(Bito[i]);
    }
    for (int n = 1; n <= 36; ++n)
        if (seen[static_cast<std::size_t>(n)] != 1)
            return "card " + Card::fromNumber(n).utf8() + " is in " +
                   std::to_string(seen[static_cast<std::size_t>(n)]) + " places";
    if (KolCardsStol != OchGame - 1) return "KolCardsStol differs from OchGame - 1";
    if (KolHods < 0 || KolHods > 6) return "KolHods above 6";
    if (KolFree < 0 || KolFree > KolHods) return "KolFree out of range";
    return std::nullopt;
}

std::string describePosition(const GameState& g) {
    std::ostringstream out;
    auto cards = [&](auto const& arr, int from, int to) {
        for (int i = from; i <= to; ++i) out << ' ' << arr[i].utf8();
    };
    out << "kon " << g.KonCount << " phase " << static_cast<int>(g.Phase) << " step "
        << static_cast<int>(g.Step) << " attacker " << g.Attacker << " trump " << suitUtf8(g.Koz)
        << " och " << g.Och << "\n";
    out << "hand1(" << g.KolCards1 << "):";
    cards(g.CardsI1, 1, 36);
    out << "\nhand2(" << g.KolCards2 << "):";
    cards(g.CardsI2, 1, 36);
    out << "\ntable(" << g.KolCardsStol << ", hods " << g.KolHods << ", free " << g.KolFree
        << ", karta " << g.KartaHod.utf8() << "):";
    cards(g.InGameI, 1, 12);
    out << "\ndeck:";
    cards(g.KolodaI, 1, 36);
    out << "\nbito(" << g.BitoNext - 1 << "):";
    cards(g.Bito, 1, 36);
    out << "\n";
    return out.str();
}

std::string WithoutTrailingBlanks(std::string name) {
    while (!name.empty() && name.back() == ' ') name.pop_back();
    return name;
}

}  // namespace tavik
