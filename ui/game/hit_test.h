#pragma once
// Which card of a hand lies under the pointer, from the positions the hand was last
// drawn at. The hand is a row of overlapping cards: card i covers its own left edge
// up to one pixel before the left edge of card i+1, the last card its whole width.

#include "ui/layout/layout.h"
#include "core/state/game_state.h"

namespace tavik::ui {

// The slot 1..count under x (in the hand box's coordinates), or 0. Only x is used;
// slots holding no card never hit.
int HitTest(const HandPositions& positions, int count, int cardWidth, const Hand& hand, int x);

}  // namespace tavik::ui
