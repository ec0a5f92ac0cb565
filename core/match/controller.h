#pragma once
// The match flow controller: runs a kon from the deal to its result and a match
// from its first kon to its end. It is driven by the action button, the
// end-of-match button, the computer-move timer and the human's card clicks.

#include <optional>
#include <string>

#include "core/match/match_hooks.h"
#include "core/match/seat.h"
#include "core/ports.h"
#include "core/state/game_state.h"

namespace tavik {

// What became of a click on a card of the human's hand.
enum class ClickResult {
    Ignored,  // not the human's turn, no card there, or the attack limit is reached
    Refused,  // the card breaks the rules: "WWrongs" sounds, nothing changes
    Played,
};

class MatchController {
  public:
    // Seat 1's moves come from `seat1` on the computer-move timer; seat 2's from the
    // clicks and buttons of the local player.
    MatchController(GameState& g, World& w, Seat& seat1, MatchHooks& hooks);

    // Starts a kon: a new match (continuing = false), the next kon or a re-deal.
    void NewKon(bool continuing);
    // A press of the action button (Button7); ignored while it is disabled.
    void ActionButton();
    // A press of the end-of-match button (Button8); acts only when the kon is over.
    void EndMatchButton();
    // One tick of the computer-move timer: the computer moves when it is its turn.
    void TimerTick();
    // Asks the computer for its move of kind k and applies it; adding to a taker it
    // keeps adding until it stops.
    void ComputerMove(MoveKind k);

    // The move kind a click of the human would make now, or nullopt when none.
    std::optional<MoveKind> HumanMoveKind() const;
    // The human clicks the card in slot 1..KolCards2 of its hand.
    ClickResult HandClick(int slot);
    // True when the computer-move timer would let seat 1 move now.
    bool ComputersTurn() const;
    // The number of kons in a cycle of this kind of game.
    int cycleLength() const;

  private:
    void loadStanding();
    void beginPlay();
    void endBout();
    int announceSixes();
    void konOver();
    void enableAfterKon();

    GameState& g_;
    World& w_;
    // Shows seat 1's thinking as its progress caption.
    class ProgressCaption : public ThinkingPort {
      public:
        explicit ProgressCaption(TablePort& table) : table_(table) {}
        void thinking(const ThinkingProgress& p) override { table_.progress(p); }

      private:
        TablePort& table_;
    };

    Seat& seat1_;
    ProgressCaption thinking_{w_.ports.table};
    MatchHooks& hooks_;
    int sixesSeat_ = 0;  // the attacker announced with sixes at the last press, or 0
};

}  // namespace tavik
