#pragma once
// The Expert: a stronger computer for either seat. It sees what the classic computer
// sees and nothing more (its hand, the table, the discard pile, the face-up bottom
// card, the counts, and the cards the other seat took from the table).
//  - With an empty deck every card is known and it plays exactly, whatever the number
//    of cards in play (the exact search, never the endgame rules).
//  - While the deck holds cards it deals the unseen cards at random a number of times
//    (the same deals for every candidate move), plays each candidate on every deal to
//    the empty deck with the classic rules in both seats, finishes each play-out with
//    the exact search, and plays the candidate with the best total; ties go to the
//    classic computer's own choice, then to the lower slot.
// The deals are drawn from a generator seeded by what the seat sees, so a decision
// does not change when the hidden cards are dealt differently among the unseen places.

#include <cstdint>

#include "ai/endgame_search.h"
#include "ai/hidden_cards.h"
#include "ai/playout.h"
#include "core/match/seat.h"

namespace tavik::ai {

struct ExpertOptions {
    int deals = 24;                    // sampled deals per decision while the deck holds cards
    std::int64_t playoutLimitMs = 40;  // time limit of each play-out's exact search
    // No further deal is begun once the play-outs' searches of a decision have visited
    // this many nodes (at least four deals are played); 0 for no limit. It bounds the
    // rare decisions whose play-outs end in large positions, the same on every machine.
    std::uint64_t decisionNodes = 3000000;
};

class ExpertPlayer : public Seat {
  public:
    explicit ExpertPlayer(int seat = 1, ExpertOptions options = {});
    SeatChoice choose(const GameState& g, int seat, MoveKind kind, ThinkingPort& thinking) override;
    void onDeal(const GameState& g) override;
    void onMove(int seat, MoveKind kind, Card card) override { seen_.onMove(seat, kind, card); }
    void onBoutEnd(bool discard, int attacker) override;

    // What the last decision involved, for the benchmark and the tests.
    struct Details {
        bool exact = false;  // decided by the exact search (empty deck)
        int value = 0;       // its root value, or the best total of the play-outs
        int candidates = 0;
        int deals = 0;
    };
    const Details& lastDetails() const { return details_; }

  private:
    int exactly(const GameState& g, int seat, MoveKind kind, const HiddenCards& hidden,
                ThinkingPort& thinking);
    int bySampling(const GameState& g, int seat, MoveKind kind, const HiddenCards& hidden);
    // The classic computer's choice from what the seat sees (slot, 0 for a pass).
    int classicChoice(const GameState& g, int seat, MoveKind kind);

    ExpertOptions options_;
    SeenCards seen_;
    ClassicMemory memory_;      // the classic rules' memory of both seats, for the play-outs
    EndgameSearch exact_;       // empty-deck decisions
    EndgameSearch playoutEnd_;  // the ends of the play-outs
    Playout playout_;
    Details details_;
};

}  // namespace tavik::ai
