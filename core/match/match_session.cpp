#include "core/match/match_session.h"

namespace tavik {

MatchSession::MatchSession(Ports ports, Seat& seat1, Seat* seat2, GameLog* log)
    : seat1_(seat1),
      seat2_(seat2),
      observers_(seat1, seat2, log),
      world_{ports, observers_},
      controller_(g_, world_, seat1, hooks_) {}

void MatchSession::setSeat2(Seat* seat) {
    seat2_ = seat;
    observers_.setSeat2(seat);
}

template <class F>
void MatchSession::Observers::each(F f) {
    f(static_cast<GameLog&>(seat1_));
    if (seat2_) f(static_cast<GameLog&>(*seat2_));
    if (log_) f(*log_);
}

void MatchSession::Observers::onDeal(const GameState& g) {
    each([&](GameLog& o) { o.onDeal(g); });
}
void MatchSession::Observers::onRedeal(int seat) {
    each([&](GameLog& o) { o.onRedeal(seat); });
}
void MatchSession::Observers::onMove(int seat, MoveKind kind, Card card) {
    each([&](GameLog& o) { o.onMove(seat, kind, card); });
}
void MatchSession::Observers::onBoutEnd(bool discard, int attacker) {
    each([&](GameLog& o) { o.onBoutEnd(discard, attacker); });
}
void MatchSession::Observers::onKonEnd(KonOutcome result, int sixes) {
    each([&](GameLog& o) { o.onKonEnd(result, sixes); });
}

Standing MatchSession::HooksSlot::loadStanding(const GameState& g, int userSlot) {
    return target ? target->loadStanding(g, userSlot) : MatchHooks::loadStanding(g, userSlot);
}

void MatchSession::HooksSlot::EndMatch(GameState& g, int scoreDelta, int kons) {
    if (target)
        target->EndMatch(g, scoreDelta, kons);
    else
        MatchHooks::EndMatch(g, scoreDelta, kons);
}

}  // namespace tavik
