#pragma once
// The computer opponent as a seat: the game's opponent in seat 1, and the same player
// in either seat of the command line's matches.

#include <cstdint>

#include "ai/endgame_search.h"
#include "core/match/seat.h"

namespace tavik::ai {

// Builds the snapshot from the game as its seat sees it (its hand is the snapshot's
// CardsI1), asks ChooseMove and answers with the move, the forecast code and, in
// seat 1, the plan memory and WasTakes, which the game state keeps for seat 1. In
// seat 2 it keeps them itself and follows WasTakes through the bouts it observes.
// Like the controller, it never adds a card that the attack limit forbids.
class ComputerOpponent : public Seat {
  public:
    explicit ComputerOpponent(int seat = 1) : seat_(seat) {}
    SeatChoice choose(const GameState& g, int seat, MoveKind kind, ThinkingPort& thinking) override;
    void onDeal(const GameState&) override { wasTakes_ = false; }
    void onBoutEnd(bool discard, int attacker) override;
    EndgameSearch& search() { return search_; }

  private:
    int seat_;
    EndgameSearch search_;
    std::uint8_t zarp_ = 0;  // seat 2's own plan memory
    bool wasTakes_ = false;  // seat 2's own WasTakes
};

}  // namespace tavik::ai
