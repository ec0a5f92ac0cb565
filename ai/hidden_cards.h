#pragma once
// What one seat knows of the cards it cannot see, and deals of those cards that agree
// with everything it saw.
//
// A seat sees its own hand, the table, the discard pile, the face-up bottom card of
// the deck while it lies there, the number of cards in each place, and every card the
// other seat took from the table (until that card is played again). Everything else —
// the rest of the other hand and the order of the deck — is unseen, and any deal of
// the unseen cards between those places is as likely as another.

#include <vector>

#include "core/match/seeded_random.h"
#include "core/ports.h"
#include "core/state/game_state.h"

namespace tavik::ai {

// Follows a match from one seat: the cards the other seat took from the table and
// still holds. It reads nothing of a deal but the events everyone sees.
class SeenCards : public GameLog {
  public:
    explicit SeenCards(int seat) : seat_(seat) {}
    void onDeal(const GameState&) override;
    void onMove(int seat, MoveKind kind, Card card) override;
    void onBoutEnd(bool discard, int attacker) override;
    // The cards known to be in the other seat's hand, in the order they became known.
    const std::vector<Card>& otherHolds() const { return otherHolds_; }

  private:
    int seat_;
    std::vector<Card> table_;  // the cards laid in the current bout
    std::vector<Card> otherHolds_;
};

// The unseen cards of a decision and how many of them each place holds.
struct HiddenCards {
    std::vector<Card> unseen;      // by card number, so no hidden order shows through
    std::vector<Card> otherKnown;  // the other seat's cards that the seat knows
    int otherHidden = 0;           // the other seat's cards among the unseen
    Card bottom;                   // the face-up bottom card while the deck holds it
};

// What `seat` cannot see of g, given the cards it knows the other seat holds.
HiddenCards HiddenFrom(const GameState& g, int seat, const std::vector<Card>& otherKnown);

// A copy of g that agrees with everything `seat` sees, with the unseen cards dealt at
// random: the other hand is the known cards and otherHidden of the unseen (in display
// order), the deck the rest in random order above the face-up bottom card.
GameState SampleDeal(const GameState& g, int seat, const HiddenCards& hidden, SeededRandom& random);

// The other seat's hand once the deck is empty: every card the seat cannot see.
Hand OtherHandWhenDeckEmpty(const HiddenCards& hidden);

}  // namespace tavik::ai
