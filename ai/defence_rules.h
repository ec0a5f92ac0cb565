#pragma once
// How the computer defends (mode 3): which card beats the attack card KartaHod, and
// whether to beat at all or to take the table. While the deck has cards the decision
// saves trumps by how much of the deck remains; with an empty deck and more than
// MaxSuper cards in play the computer beats whenever it can.

#include "ai/snapshot.h"

namespace tavik::ai {

// The card of the hand that beats the attack card, preferring a rank that already
// lies on the table: slot 1..36, or 0 when nothing beats it.
int ChooseBeatingCard(const StatTavik2& s);

// What is left in the deck once both players have filled up to six cards, the
// computer counted as having already played one card, plus 12.
int Reserve(const StatTavik2& s);

// Mode 3 with cards in the deck: the slot to beat with, or stop (take).
int DefendWithDeck(const StatTavik2& s, bool& stop);
// Mode 3 with an empty deck and more than MaxSuper cards in play.
int DefendEndgame(const StatTavik2& s, bool& stop);

}  // namespace tavik::ai
