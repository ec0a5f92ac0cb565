#pragma once
// The computer's choice on a worker thread. The exact search near the end of a kon
// may think for seconds; meanwhile the window keeps repainting and its timers run,
// while the game waits for the answer exactly as if the call had blocked: user
// input is held back and the progress caption is drawn on the window's thread in
// the order the search reports it.

#include "core/match/opponent.h"

namespace tavik::ui {

class BackgroundOpponent : public Opponent {
  public:
    // The opponent that chooses; it must be set before the first move.
    void setInner(Opponent& inner) { inner_ = &inner; }
    OpponentAnswer ChooseMove(const GameState& g, MoveKind mode, TablePort& table) override;

  private:
    Opponent* inner_ = nullptr;
};

}  // namespace tavik::ui
