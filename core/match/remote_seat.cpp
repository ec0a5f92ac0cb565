#include "core/match/remote_seat.h"

namespace tavik {

SeatChoice RemoteSeat::choose(const GameState& g, int seat, MoveKind, ThinkingPort&) {
    SeatChoice choice;
    if (pending_.empty()) return choice;
    choice.slot = kNotHeld;
    const Hand& hand = g.hand(seat);
    for (int s = 1; s <= 36; ++s)
        if (hand[s] == pending_) choice.slot = s;
    return choice;
}

}  // namespace tavik
