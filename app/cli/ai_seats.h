#pragma once
// The computer opponent in the seats of `tavik-cli play` ("--p1 ai", "--p2 ai").
// Seat 1 plays through the controller's opponent port, exactly as in the game;
// seat 2 plays as an AiSeatPlayer that sees the game from seat 2 and keeps its own
// plan memory and WasTakes, which it follows through the match's log.

#include <memory>

#include "ai/computer_opponent.h"
#include "core/ports.h"

namespace tavik::cli {

class AiSeats : public GameLog {
  public:
    // next receives every log event as well (the move log), when given.
    AiSeats(bool seat1, bool seat2, GameLog* next);

    bool any() const { return seat1_ || seat2_; }
    Opponent* seat1() { return seat1_.get(); }
    SeatPlayer* seat2() { return seat2_.get(); }

    void onDeal(const GameState& g) override;
    void onRedeal(int seat) override;
    void onMove(int seat, MoveKind kind, Card card) override;
    void onBoutEnd(bool discard, int attacker) override;
    void onKonEnd(KonOutcome result, int sixes) override;

  private:
    std::unique_ptr<ai::ComputerOpponent> seat1_;
    std::unique_ptr<ai::AiSeatPlayer> seat2_;
    GameLog* next_;
};

}  // namespace tavik::cli
