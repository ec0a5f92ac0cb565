#pragma once
// Simple players for either seat, used by tavik-cli and the tests: they choose only
// legal moves, so a match between them exercises every rule of the game.

#include <memory>
#include <string>

#include "core/match/opponent.h"
#include "core/match/seeded_random.h"
#include "core/state/game_state.h"

namespace tavik {

class SeatPlayer {
  public:
    virtual ~SeatPlayer() = default;
    // The hand slot the seat plays as a move of the kind now, or 0 to pass (stop or
    // take). Never 0 for a lead.
    virtual int choose(const GameState& g, int seat, MoveKind kind) = 0;
};

// True when the card in the slot is a legal move of the kind for the seat, including
// the attack limit.
bool IsLegalMove(const GameState& g, int seat, int slot, MoveKind kind);

// A random legal move; passes at random where passing is allowed.
class RandomPlayer : public SeatPlayer {
  public:
    explicit RandomPlayer(std::uint64_t seed) : random_(seed) {}
    int choose(const GameState& g, int seat, MoveKind kind) override;

  private:
    SeededRandom random_;
};

// The first legal card in hand order: the lowest plain card, then the lowest trump.
// Beats whenever it can and never stops while a card fits.
class LowestPlayer : public SeatPlayer {
  public:
    int choose(const GameState& g, int seat, MoveKind kind) override;
};

// Lets a seat player sit in seat 1 through the computer opponent's port.
class SeatPlayerOpponent : public Opponent {
  public:
    explicit SeatPlayerOpponent(SeatPlayer& player) : player_(player) {}
    OpponentAnswer ChooseMove(const GameState& g, MoveKind mode, TablePort& table) override;

  private:
    SeatPlayer& player_;
};

// "random" or "lowest"; nullptr for an unknown name.
std::unique_ptr<SeatPlayer> makeSeatPlayer(const std::string& name, std::uint64_t seed);

}  // namespace tavik
