#pragma once
// One interface for every source of a seat's moves: the computer opponent, the
// simple players of tavik-cli, and the remote seats of network games. A seat also
// follows the match through the same interface: the session passes every event of
// the course of the game (the deal, moves, the end of bouts and kons) to both seats
// before anyone else sees it.

#include <cstdint>
#include <optional>

#include "core/match/thinking.h"
#include "core/ports.h"
#include "core/state/game_state.h"

namespace tavik {

// A seat's answer to "your move of this kind".
struct SeatChoice {
    int slot = 0;  // the hand slot to play, or 0 to pass (stop or take)
    // The plan memory and WasTakes of the computer in seat 1, which the game state
    // keeps for it between moves; unset for seats that keep their own.
    std::optional<std::uint8_t> Zarp;
    std::optional<std::uint8_t> WasTakes;
    int forecast = kForecastNone;  // the computer's forecast code for the window title
};

class Seat : public GameLog {
  public:
    // The move of the given kind (1 lead, 2 add, 3 defend, 4 add to a taker) for
    // `seat`, whose hand is g.hand(seat). A lead is never a pass.
    virtual SeatChoice choose(const GameState& g, int seat, MoveKind kind,
                              ThinkingPort& thinking) = 0;
};

}  // namespace tavik
