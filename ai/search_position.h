#pragma once
// The position that the endgame search starts from, and what a search answers.
//
// Values are seen from the side to move: +2 win, 0 draw, -2 loss; -3 marks a root
// at which no card may be played (no option is then considered).

#include <cstdint>
#include <vector>

#include "ai/snapshot.h"
#include "core/state/card.h"

namespace tavik::ai {

inline constexpr int kValueWin = 2, kValueDraw = 0, kValueLoss = -2, kValueNoMove = -3;

struct SearchRoot {
    std::vector<Card> mover;  // the side to move, in hand-slot order (ties go to the lower slot)
    std::vector<Card> other;  // the other side
    std::vector<Card> table;  // the table in the order laid; a defender beats the last card
    Suit trump = 0;
    int hods = 0;          // attack cards played in this bout
    int free = 0;          // attack cards not beaten (matters while the defender takes)
    bool taking = false;   // the attacker adds to a defender who takes
    bool defence = false;  // the side to move defends the last table card
};

struct SearchAnswer {
    Card card;      // the card to play; empty for "end the attack", "stop adding" or "take"
    int value = 0;  // the root value, or kValueNoMove
    std::uint64_t nodes = 0;
    bool timedOut = false;  // the time limit ended the search; unexamined branches counted 0
};

// The root of the attack search for a lead, an add or an add to a taker (a lead has an
// attack count of 0), and of the defence search.
SearchRoot AttackRoot(const StatTavik2& s, MoveKind mode);
SearchRoot DefenceRoot(const StatTavik2& s);

}  // namespace tavik::ai
