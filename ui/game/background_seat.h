#pragma once
// A seat whose thinking runs on a worker thread. The exact search near the end of a
// kon may think for seconds; meanwhile the window keeps repainting and its timers
// run, while the game waits for the answer exactly as if the call had blocked: user
// input is held back and the progress is reported on the window's thread in the
// order the seat reports it.

#include "core/match/seat.h"

namespace tavik::ui {

class BackgroundSeat : public Seat {
  public:
    // The seat that chooses; it must be set before the first move.
    void setInner(Seat& inner) { inner_ = &inner; }
    SeatChoice choose(const GameState& g, int seat, MoveKind kind, ThinkingPort& thinking) override;

    // The course of the game reaches the inner seat on the window's thread, between
    // its decisions.
    void onDeal(const GameState& g) override;
    void onRedeal(int seat) override;
    void onMove(int seat, MoveKind kind, Card card) override;
    void onBoutEnd(bool discard, int attacker) override;
    void onKonEnd(KonOutcome result, int sixes) override;

  private:
    Seat* inner_ = nullptr;
};

}  // namespace tavik::ui
