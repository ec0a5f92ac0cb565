#pragma once
// Plays kons without a window: seat 1 through the controller's computer-move timer,
// seat 2 by the session's second seat, whose choices are made into card clicks and
// button presses as a person would make them. Checks the invariants after every step.

#include <optional>
#include <string>

#include "core/match/match_session.h"
#include "core/ports.h"

namespace tavik {

// Counts what a match produced; forwards every event to another log when given one.
class PlayStats : public GameLog {
  public:
    explicit PlayStats(GameLog* next = nullptr) : next_(next) {}
    void onDeal(const GameState& g) override;
    void onRedeal(int seat) override;
    void onMove(int seat, MoveKind kind, Card card) override;
    void onBoutEnd(bool discard, int attacker) override;
    void onKonEnd(KonOutcome result, int sixes) override;

    int kons = 0, wins1 = 0, wins2 = 0, draws = 0, sixes = 0, redeals = 0, moves = 0;

  private:
    GameLog* next_;
};

struct PlayOutcome {
    bool ok = true;
    std::string failure;  // the broken invariant and the position, when not ok
};

// One action of seat 2 as a person would take it (a card click or a button press),
// or of the timer for seat 1. The session must have a second seat. False when
// nothing can act: in a network game also while the other copy is to act, and at the
// end of a network match, which its driver ends.
bool PlayStep(MatchSession& session);

// Plays until `kons` kons have been decided (re-deals do not count). The session's
// log must be `stats` (or pass its events on to it). A cycle that completes ends the
// match through the end-of-match button and a new match begins.
PlayOutcome PlayKons(MatchSession& session, const PlayStats& stats, int kons);

}  // namespace tavik
