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
void PlayStats::onMove(int seat, int kind, Card card) {
    ++moves;
    if (next_) next_->onMove(seat, kind, card);
}
void PlayStats::onBoutEnd(bool discard, int attacker) {
    if (next_) next_->onBoutEnd(discard, attacker);
}
void PlayStats::onKonEnd(int result, int bonus) {
    ++kons;
    if (result == 1) ++wins1;
    if (result == 2) ++wins2;
    if (result == 3) ++draws;
    if (bonus > 0) ++sixes;
    if (next_) next_->onKonEnd(result, bonus);
}

bool PlayStep(MatchSession& session) {
    GameState& g = session.state();
    MatchController& c = session.controller();
    NoThinking quiet;
    if (g.Phase == 1 || g.Phase == 3) {
        c.ActionButton();
        return true;
    }
    if (g.Step == 11) {
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
    if (const int kind = c.HumanMoveKind(); kind != 0) {
        const int slot = session.seat2()->choose(g, 2, kind, quiet).slot;
        if (slot != 0) return c.HandClick(slot) == ClickResult::Played;
        if (!g.Button7Enabled) return false;
        c.ActionButton();
        return true;
    }
    if ((g.Step == 5 || g.Step == 6) && g.Button7Enabled) {
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
    while (!(stats.kons >= kons && g.Step == 11)) {
        if (!PlayStep(session)) {
            return {false, "no one can act\n" + describePosition(g)};
        }
        if (auto broken = g.isConsistent()) return {false, *broken + "\n" + describePosition(g)};
        const bool newDeal = g.Phase == 1 || g.KonCount != lastKon;
        if (!newDeal && g.Och < lastOch) return {false, "Och fell\n" + describePosition(g)};
        lastOch = g.Och;
        lastKon = g.KonCount;
    }
    return {};
}

}  // namespace tavik
