#pragma once
// What a move is, when a card may be played and what playing it does.
// A move is (seat, MoveKind, slot). Slot 0 means no card: the attacker stops, the
// defender takes.

#include "core/ports.h"
#include "core/state/game_state.h"

namespace tavik {

// Check results of CheckMove.
inline constexpr int kMoveOk = 0;
inline constexpr int kNoSuchRank = 1;  // kinds 2, 4: no card on the table has this rank
inline constexpr int kWrongSuit = 2;   // kind 3: neither the attack's suit nor a trump
inline constexpr int kTooLow = 3;      // kind 3: same suit, lower rank

// Whether the card in the given slot of the seat's hand may be played as a move of
// the kind. The game checks the human (seat 2) with it; the seat players of the
// command line use it for either seat.
int CheckMove(const GameState& g, int seat, int slot, MoveKind kind);
inline int CheckMove(const GameState& g, int slot, MoveKind kind) {
    return CheckMove(g, 2, slot, kind);
}

// An attack card (kinds 1, 2, 4) may go on the table: fewer than six attack cards,
// the defender holds a card, and not every card of the defender is already owed.
bool MayAttack(const GameState& g);

// The seat that defends the current bout.
inline int Defender(const GameState& g) {
    return 3 - g.Attacker;
}

// No card of seat 2 shares a rank value with a card on the table.
bool NothingToAdd(const GameState& g);
// No card of seat 2 beats KartaHod.
bool CannotBeat(const GameState& g);

// Plays the seat's card (or, with slot 0, its stop or take) as a move of the kind:
// updates the table, draws it, sets the next Step, the action button and the hints.
void ApplyMove(GameState& g, World& w, int seat, MoveKind kind, int slot);

}  // namespace tavik
