#pragma once
// One match: it owns the game state, the match controller, and the two seats'
// places in the course of the game. Every event of the match (the deal, moves, the
// end of bouts and kons) reaches seat 1, then seat 2 when a seat plays it, then the
// log. Front ends (the window, tavik-cli) host a session and drive its controller;
// views read the state they are given and never change it.

#include "core/match/controller.h"
#include "core/match/match_hooks.h"
#include "core/match/seat.h"
#include "core/ports.h"
#include "core/state/game_state.h"

namespace tavik {

class MatchSession {
  public:
    // seat1 plays seat 1 through the controller's computer-move timer; seat2, when
    // given, is the player whose moves a headless driver makes in seat 2 (nullptr for
    // the local person at the window). log, when given, sees every event after the
    // seats.
    MatchSession(Ports ports, Seat& seat1, Seat* seat2 = nullptr, GameLog* log = nullptr);
    MatchSession(const MatchSession&) = delete;
    MatchSession& operator=(const MatchSession&) = delete;

    GameState& state() { return g_; }
    const GameState& state() const { return g_; }
    MatchController& controller() { return controller_; }
    World& world() { return world_; }
    Seat& seat1() { return seat1_; }
    Seat* seat2() { return seat2_; }
    // Puts a player in seat 2 (nullptr: the local person).
    void setSeat2(Seat* seat);

    // The end-of-match bookkeeping (player list, history); until set, a match ends
    // without files.
    void setHooks(MatchHooks& hooks) { hooks_.target = &hooks; }

  private:
    // Passes every event to the seats, then to the log.
    class Observers : public GameLog {
      public:
        Observers(Seat& seat1, Seat* seat2, GameLog* log)
            : seat1_(seat1), seat2_(seat2), log_(log) {}
        void onDeal(const GameState& g) override;
        void onRedeal(int seat) override;
        void onMove(int seat, MoveKind kind, Card card) override;
        void onBoutEnd(bool discard, int attacker) override;
        void onKonEnd(KonOutcome result, int sixes) override;
        void setSeat2(Seat* seat) { seat2_ = seat; }

      private:
        template <class F>
        void each(F f);
        Seat& seat1_;
        Seat* seat2_;
        GameLog* log_;
    };
    // Forwards to the hooks set, or to the plain defaults.
    class HooksSlot : public MatchHooks {
      public:
        Standing loadStanding(const GameState& g, int userSlot) override;
        void EndMatch(GameState& g, int scoreDelta, int kons) override;
        MatchHooks* target = nullptr;
    };

    GameState g_;
    Seat& seat1_;
    Seat* seat2_;
    Observers observers_;
    World world_;
    HooksSlot hooks_;
    MatchController controller_;
};

}  // namespace tavik
