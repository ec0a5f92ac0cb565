#pragma once
// The plain exhaustive endgame search, SearchAttack and SearchDefence, written as
// directly as the game describes them: fixed arrays of card codes with slots from 1,
// every move examined, a move list stopped only at the first +2, -100 for moves not
// examined, -3 for a root without any legal card, the lowest slot winning ties. It is
// far too slow for play; the fast search is checked against it.

#include <cstdint>

#include "ai/search_position.h"

namespace tavik::ai {

// Searches the root. The time limit of play is replaced by a node budget (0 for none):
// once it is exceeded (checked where play reads the clock) the search counts every
// remaining branch as 0 and reports timedOut, so its answer is not exact.
SearchAnswer LiteralSearch(const SearchRoot& root, std::uint64_t nodeBudget = 0);

}  // namespace tavik::ai
