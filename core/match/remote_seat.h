#pragma once
// Seat 1 of a network game: the other copy's player. Its moves arrive as messages;
// the network link hands each one over with receive() and the controller asks for it
// at the step it belongs to, like any other seat's move.

#include "core/match/seat.h"

namespace tavik {

class RemoteSeat : public Seat {
  public:
    // Slot answered when the named card is not in the seat's hand.
    static constexpr int kNotHeld = -1;

    // The card the other copy played, or the empty card for its pass.
    void receive(Card card) { pending_ = card; }
    // The slot of the received card in the seat's hand (the last slot holding it, as
    // the game has always looked it up), 0 for a pass, kNotHeld when the hand lacks it.
    SeatChoice choose(const GameState& g, int seat, MoveKind kind, ThinkingPort&) override;

  private:
    Card pending_;
};

}  // namespace tavik
