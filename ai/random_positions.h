#pragma once
// Random decisions of seat 1 that can arise in play once the deck is empty: a number
// of cards in play, dealt at random between the hands, then a bout played by random
// legal moves up to a decision of the wanted mode — so tables hold beaten and
// unbeaten cards, and defenders who take. Hands are in the game's display order;
// a share of them is shuffled to put the search's slot-order tie-break to work.

#include "ai/snapshot.h"
#include "core/match/seeded_random.h"

namespace tavik::ai {

struct RandomDecision {
    StatTavik2 snapshot;
    int mode = 1;
};

// A decision with minCards..maxCards cards in play (2..36); mode 0 picks the mode at random.
RandomDecision RandomEndgameDecision(SeededRandom& random, int minCards, int maxCards,
                                     int mode = 0);

}  // namespace tavik::ai
