#pragma once
// How the computer attacks: the card that opens a bout (mode 1), the card it adds
// when every attack card is beaten (mode 2) and the cards it adds to a defender who
// takes (mode 4). While the deck has cards the rules look only at the computer's own
// hand, the table and the counts, and steer the plan memory Zarp; with an empty deck
// and more than MaxSuper cards in play the simpler endgame rules apply.
//
// Each rule returns a hand slot 1..36 of CardsI1, or 0 for no card; the rules of
// modes 2 and 4 also say whether the computer stops.

#include "ai/snapshot.h"

namespace tavik::ai {

// Mode 1 with cards in the deck: the pair plan, the single plan, else the standard
// lead. The caller has already set Zarp to 0; the plans set it to 2 or 1.
int LeadWithDeck(StatTavik2& s);
// The lowest plain rank up to the queen (the second lowest when it is held more
// often), else the lowest plain king or ace, else the lowest trump.
int StandardLead(const StatTavik2& s);
// Mode 1 with an empty deck: a trump lead the human cannot beat when the computer's
// other ranks allow it, else the standard lead.
int LeadEndgame(const StatTavik2& s);

// Mode 2 with cards in the deck.
int ThrowInWithDeck(StatTavik2& s, bool& stop);
// Mode 2 with an empty deck: the lowest plain card of a rank on the table, else the
// lowest such trump.
int ThrowInEndgame(const StatTavik2& s, bool& stop);

// Mode 4 with cards in the deck: plain six to ten only (one card under the pair plan).
int AddToTakerWithDeck(StatTavik2& s, bool& stop);
// Mode 4 with an empty deck: every plain card of a rank on the table, lowest first.
int AddToTakerEndgame(const StatTavik2& s, bool& stop);

}  // namespace tavik::ai
