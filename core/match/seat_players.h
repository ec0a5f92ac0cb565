#pragma once
// Simple players for either seat, used by tavik-cli and the tests: they choose only
// legal moves, so a match between them exercises every rule of the game.

#include <memory>
#include <string>

#include "core/match/seat.h"
#include "core/match/seeded_random.h"
#include "core/state/game_state.h"

namespace tavik {

// True when the card in the slot is a legal move of the kind for the seat, including
// the attack limit.
bool IsLegalMove(const GameState& g, int seat, int slot, MoveKind kind);

// A random legal move; passes at random where passing is allowed.
class RandomPlayer : public Seat {
  public:
    explicit RandomPlayer(std::uint64_t seed) : random_(seed) {}
    SeatChoice choose(const GameState& g, int seat, MoveKind kind, ThinkingPort&) override;

  private:
    SeededRandom random_;
};

// The first legal card in hand order: the lowest plain card, then the lowest trump.
// Beats whenever it can and never stops while a card fits.
class LowestPlayer : public Seat {
  public:
    SeatChoice choose(const GameState& g, int seat, MoveKind kind, ThinkingPort&) override;
};

// "random" or "lowest"; nullptr for an unknown name.
std::unique_ptr<Seat> makeSeatPlayer(const std::string& name, std::uint64_t seed);

}  // namespace tavik
