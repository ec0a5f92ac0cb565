#pragma once
// The port through which the controller asks the computer opponent (seat 1) for a
// move. The real opponent builds its own snapshot of the state; the command line's
// simple seat players implement the same port.

#include <cstdint>
#include <string>

#include "core/ports.h"
#include "core/state/game_state.h"

namespace tavik {

struct OpponentAnswer {
    int slot = 0;               // hand slot of seat 1, 0 for none
    bool pass = false;          // the stop (kinds 2, 4) or the take (kind 3)
    std::uint8_t Zarp = 0;      // plan memory, copied back into the game state
    std::uint8_t WasTakes = 0;  // copied back into the game state
    std::string forecast;       // the forecast text for the window title
};

class Opponent {
  public:
    virtual ~Opponent() = default;
    // The move of seat 1 of the given kind (the mode). The table port shows the
    // progress caption of a long search.
    virtual OpponentAnswer ChooseMove(const GameState& g, MoveKind mode, TablePort& table) = 0;
};

// What a match needs from the rest of the program: the stored standing of a player
// and the end-of-match bookkeeping. The defaults suit a new player without files.
struct Standing {
    std::string name;
    double rating = 0;  // average points per kon, six decimals
    int KonCount = 0;
    int BaseScore = 0;
};

class MatchHooks {
  public:
    virtual ~MatchHooks() = default;
    // The stored standing of the player in the given list slot 1..5.
    virtual Standing loadStanding(const GameState& g, int userSlot);
    // Ends the match: rating, player list, history. The default only leaves the table.
    virtual void EndMatch(GameState& g, int scoreDelta, int kons);
};

}  // namespace tavik
