#include "ai/hidden_cards.h"

#include <algorithm>
#include <array>

namespace tavik::ai {

void SeenCards::onDeal(const GameState&) {
    table_.clear();
    otherHolds_.clear();
}

void SeenCards::onMove(int seat, MoveKind, Card card) {
    if (card.empty()) return;
    table_.push_back(card);
    if (seat != seat_) std::erase(otherHolds_, card);
}

void SeenCards::onBoutEnd(bool discard, int attacker) {
    // A take moves the whole table into the defender's hand, in sight of both seats.
    if (!discard && attacker == seat_)
        otherHolds_.insert(otherHolds_.end(), table_.begin(), table_.end());
    table_.clear();
}

HiddenCards HiddenFrom(const GameState& g, int seat, const std::vector<Card>& otherKnown) {
    std::array<bool, 37> seen{};  // by card number
    auto see = [&](Card c) {
        if (!c.empty()) seen[static_cast<std::size_t>(c.number())] = true;
    };
    const Hand& own = g.hand(seat);
    for (int i = 1; i <= g.kolCards(seat); ++i) see(own[i]);
    for (int i = 1; i < g.OchGame && i <= 12; ++i) see(g.InGameI[i]);
    for (int i = 1; i < g.BitoNext && i <= 36; ++i) see(g.Bito[i]);
    HiddenCards h;
    if (!g.deckEmpty()) {
        h.bottom = g.KolodaI[36];
        see(h.bottom);
    }
    // A known card can only be in the other hand if it is nowhere in sight.
    const int otherCount = g.kolCards(3 - seat);
    for (Card c : otherKnown)
        if (!c.empty() && !seen[static_cast<std::size_t>(c.number())] &&
            static_cast<int>(h.otherKnown.size()) < otherCount) {
            h.otherKnown.push_back(c);
            see(c);
        }
    for (int n = 1; n <= 36; ++n)
        if (!seen[static_cast<std::size_t>(n)]) h.unseen.push_back(Card::fromNumber(n));
    h.otherHidden = std::min(otherCount - static_cast<int>(h.otherKnown.size()),
                             static_cast<int>(h.unseen.size()));
    return h;
}

GameState SampleDeal(const GameState& g, int seat, const HiddenCards& hidden,
                     SeededRandom& random) {
    GameState s = g;
    std::vector<Card> cards = hidden.unseen;
    for (int i = static_cast<int>(cards.size()) - 1; i > 0; --i)
        std::swap(cards[static_cast<std::size_t>(i)],
                  cards[static_cast<std::size_t>(random.random(i + 1))]);
    const int other = 3 - seat;
    Hand& hand = s.hand(other);
    hand.fill(kNoCard);
    int slot = 1;
    for (Card c : hidden.otherKnown) hand[slot++] = c;
    std::size_t next = 0;
    for (int i = 0; i < hidden.otherHidden; ++i) hand[slot++] = cards[next++];
    NormaliseHand(s, other);
    if (!s.deckEmpty()) {
        for (int i = s.Och; i <= 35; ++i)
            s.KolodaI[i] = next < cards.size() ? cards[next++] : kNoCard;
        s.KolodaI[36] = hidden.bottom;
    }
    return s;
}

Hand OtherHandWhenDeckEmpty(const HiddenCards& hidden) {
    Hand hand;
    int slot = 1;
    for (Card c : hidden.otherKnown) hand[slot++] = c;
    for (Card c : hidden.unseen)
        if (slot <= 36) hand[slot++] = c;
    return hand;
}

}  // namespace tavik::ai
