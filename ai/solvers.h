#pragma once
// Two small exact-enough solvers for a lead with an empty deck: two cards against
// two, and three cards against one. Each names the card to lead and two outcome
// codes (2 the computer loses, 4 draw, 6 the computer wins): the outcome the lead
// guarantees and the best it may reach.

#include "core/state/card.h"

namespace tavik::ai {

inline constexpr int kOutcomeLoss = 2, kOutcomeDraw = 4, kOutcomeWin = 6;

struct SolverAnswer {
    Card card;
    int guaranteed = 0;
    int secondary = 0;
    bool operator==(const SolverAnswer&) const = default;
};

// The computer leads with a1 or a2 against the human's h1 and h2.
SolverAnswer SolveTwoVsTwo(Card a1, Card a2, Card h1, Card h2, Suit trump);
// The computer leads with a1, a2 or a3 against the human's single card h.
SolverAnswer SolveThreeVsOne(Card a1, Card a2, Card a3, Card h, Suit trump);

}  // namespace tavik::ai
