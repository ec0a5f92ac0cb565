#pragma once
// Shuffling, dealing, the first attacker and the re-deal test.

#include "core/ports.h"
#include "core/state/game_state.h"

namespace tavik {

// Re-seeds the generator, then fills KolodaI by rejection sampling: for each position
// draw card numbers 1..36 until one not yet placed comes up.
void Shuffle(GameState& g, RandomPort& random);
// Sets the trump from the bottom card and gives KolodaI[1..6] to seat 1 and
// KolodaI[7..12] to seat 2. A LAN client, whose deck came from the server, holds the
// server's seat 1 hand: it takes KolodaI[1..6] into seat 2 and KolodaI[7..12] into seat 1.
void DealHands(GameState& g, bool receivedFromServer = false);
// The first attacker of a kon. After a won kon the winner leads; after a draw or at
// the start of a match the seat with the lower trump leads (seat 2, or seat 1 at an
// online table's second seat, when neither holds one). Sets ShownTrump when seat 1
// leads by its trump and the open-cards view is off.
void ChooseFirstAttacker(GameState& g, bool continuing, int defaultAttacker);
// A seat qualifies for a re-deal with five or more cards of one plain suit.
bool QualifiesForRedeal(const GameState& g, int seat);

}  // namespace tavik
