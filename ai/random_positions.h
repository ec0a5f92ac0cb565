#pragma once
// Random decisions of seat 1 that can arise in play once the deck is empty: a number
// of cards in play, dealt at random between the hands, then a bout played by random
// legal moves up to a decision of the wanted mode — so tables hold beaten and
// unbeaten cards, and defenders who take. Hands are in the game's display order;
// a share of them is shuffled to put the search's slot-order tie-break to work.

#include <optional>

#include "ai/snapshot.h"
#include "core/match/seeded_random.h"

namespace tavik::ai {

struct RandomDecision {
    StatTavik2 snapshot;
    MoveKind mode = MoveKind::Lead;
};

// A decision with minCards..maxCards cards in play (2..36); without a mode the mode is
// picked at random.
RandomDecision RandomEndgameDecision(SeededRandom& random, int minCards, int maxCards,
                                     std::optional<MoveKind> mode = std::nullopt);

}  // namespace tavik::ai
