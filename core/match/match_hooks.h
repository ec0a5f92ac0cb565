#pragma once
// What a match needs from the rest of the program: the stored standing of a player
// and the end-of-match bookkeeping. The defaults suit a new player without files.

#include <string>

#include "core/state/game_state.h"

namespace tavik {

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
