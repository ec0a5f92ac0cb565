#pragma once
// ChooseMove: one decision of the computer opponent from its snapshot.
//
// Modes are the move kinds: lead, add when every attack card is beaten, beat the
// attack card KartaHod or take, add to a defender who takes.
// While the deck has cards the heuristic rules decide; with an empty deck a lead of
// two cards against two or three against one goes to the solvers, more than MaxSuper
// cards in play to the endgame rules, and otherwise the exact search decides.

#include <cstdint>

#include "ai/endgame_search.h"
#include "ai/snapshot.h"

namespace tavik::ai {

// What the decision involved, for the command line and the tests.
struct ChoiceDetails {
    bool searched = false;  // the exact search decided
    int value = 0;          // its root value (-2, 0, +2, or -3 when no card could be played)
    std::uint64_t nodes = 0;
    bool timedOut = false;
};

// Returns the slot 1..36 of CardsI1 to play, or 0 for no card. stop: when attacking
// "add nothing and end the attack", when defending "take the table" (a slot returned
// with stop is not played). Writes Prognoz and may write Zarp; reads nothing else of
// the game than the snapshot.
int ChooseMove(MoveKind mode, StatTavik2& s, bool& stop, EndgameSearch& search,
               ChoiceDetails* details = nullptr);

// The exact answer to a decision with an empty deck, whatever the number of cards in
// play: always the search (never the solvers or the endgame rules), so its card and
// value are those of ChooseMove wherever ChooseMove searches. Writes Prognoz; stop
// as above.
int ChooseExactly(MoveKind mode, StatTavik2& s, bool& stop, EndgameSearch& search,
                  ChoiceDetails* details = nullptr);

}  // namespace tavik::ai
