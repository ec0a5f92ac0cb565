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
    // In a network game seat 1 is the other copy, and the server alone starts a kon,
    // deals it and decides when to deal again: this side then waits for a message.
    if (g.AwaitingDeal) return false;
    if (g.Phase == GamePhase::Dealt || g.Phase == GamePhase::RedealAnnounced) {
        if (g.NetGame && !g.Button7Enabled) return false;
        c.ActionButton();
        return true;
    }
    if (g.Step == BoutStep::ResultShown) {
        if (g.Button7Enabled) {
            c.ActionButton();
        } else if (g.NetGame) {
            return false;  // the end of a network match is the driver's
        } else {
            c.EndMatchButton();
            c.NewKon(false);
        }
        return true;
    }
    if (c.ComputersTurn()) {
        if (g.NetGame) return false;
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
