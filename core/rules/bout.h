#pragma once
// The operations that end a bout (discard, take, refill, clear) and a kon (the end
// test and the sixes test).

#include "core/ports.h"
#include "core/state/game_state.h"

namespace tavik {

// Appends the table to the discard pile in table order. The table itself is emptied by ClearTable.
void Discard(GameState& g, World& w);
// Appends the table to the seat's hand in table order and normalises the hand.
void Take(GameState& g, World& w, int seat);
// Draws from the deck until the seat holds six cards or the deck is empty.
void Refill(GameState& g, World& w, int seat);
// Empties the table, resets the bout's counters and redraws the empty table.
void ClearTable(GameState& g, World& w);
// After a bout: sets KonResult and scores the winner when a hand is empty; announces
// the empty deck once per kon. True when the kon is over.
bool KonEndTest(GameState& g, World& w);
// 0..3 plain sixes with which the winner finished, read from the final bout's table;
// 0 unless SixesRule is on.
int SixesTest(const GameState& g);
// ScoreDelta and Score from Wins.
void Rescore(GameState& g);

}  // namespace tavik
