#include "core/match/headless_play.h"

#include "core/rules/moves.h"

namespace tavik {

void PlayStats::onDeal(const GameState& g) {
    if (next_) next_->onDeal(g);
}
void PlayStats::onRedeal(int seat) {
    ++redeals;
    if (next_) next_->onRedeal(seat);
}
void PlayStats::onMove(int seat, MoveKind kind, Card card) {
    ++moves;
    if (next_) next_->onMove(seat, kind, card);
}
void PlayStats::onBoutEnd(bool discard, int attacker) {
    if (next_) next_->onBoutEnd(discard, attacker);
}
void PlayStats::onKonEnd(KonOutcome result, int bonus) {
    ++kons;
    if (result == KonOutcome::Seat1Won) ++wins1;
    if (result == KonOutcome::Seat2Won) ++wins2;
    if (result == KonOutcome::Draw) ++draws;
    if (bonus > 0) ++sixes;
    if (next_) next_->onKonEnd(result, bonus);
}

bool PlayStep(MatchSession& session) {
    GameState& g = session.state();
    MatchController& c = session.controller();
    NoThinking quiet;
    if (g.Phase == GamePhase::Dealt || g.Phase == GamePhase::RedealAnnounced) {
        c.ActionButton();
        return true;
    }
    if (g.Step == BoutStep::ResultShown) {
        if (g.Button7Enabled) {
            c.ActionButton();
        } else {
            c.EndMatchButton();
            c.NewKon(false);
        }
        return true;
    }
    if (c.ComputersTurn()) {
        c.TimerTick();
        return true;
    }
    if (const std::optional<MoveKind> kind = c.HumanMoveKind()) {
        const int slot = session.seat2()->choose(g, 2, *kind, quiet).slot;
        if (slot != 0) return c.HandClick(slot) == ClickResult::Played;
        if (!g.Button7Enabled) return false;
        c.ActionButton();
        return true;
    }
    if ((g.Step == BoutStep::ConfirmBeaten || g.Step == BoutStep::ConfirmAdded) &&
        g.Button7Enabled) {
        c.ActionButton();
        return true;
    }
    return false;
}

PlayOutcome PlayKons(MatchSession& session, const PlayStats& stats, int kons) {
    GameState& g = session.state();
    session.controller().NewKon(false);
    int lastOch = g.Och;
    int lastKon = g.KonCount;
    while (!(stats.kons >= kons && g.Step == BoutStep::ResultShown)) {
        if (!PlayStep(session)) {
            return {false, "no one can act\n" + describePosition(g)};
        }
        if (auto broken = g.isConsistent()) return {false, *broken + "\n" + describePosition(g)};
        const bool newDeal = g.Phase == GamePhase::Dealt || g.KonCount != lastKon;
        if (!newDeal && g.Och < lastOch) return {false, "Och fell\n" + describePosition(g)};
        lastOch = g.Och;
        lastKon = g.KonCount;
    }
    return {};
}

}  // namespace tavik
