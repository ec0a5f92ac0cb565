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

    // --- a LAN game: what the other copy's messages do. Each returns an empty text
    // when the message was applied, otherwise why it cannot be (a move out of turn, a
    // card the seat does not hold, a message of the wrong phase); then nothing changed.

    // Seat 1's move of the current step, as the remote seat (seat 1) received it.
    std::string RemoteMove();
    // The other copy has taken the table ("hgo").
    std::string RemoteGo();
    // Client: the server's deal of a kon or a re-deal.
    std::string ReceiveDeal(const msg::Deal& deal);
    // Client: the kon starts without a re-deal ("hsitkon2").
    std::string ReceiveKonStart();
    // Client: the server announces a re-deal for a seat as the server numbers them.
    std::string ReceiveRedeal(int serverSeat);
    // Server: the client has seen the kon's result ("o"); the next kon may be dealt.
    std::string RemoteKonOver();
    // The kons of this match played so far.
    int matchKons() const { return g_.KonCount - g_.KonCountStart; }
    // True when every kon of the LAN match has been dealt.
    bool lanMatchComplete() const { return matchKons() % cycleLength() == 0; }
    // True when the other copy leaving now interrupts the match: a match is on the
    // table and either a kon of it is still to be dealt, or its last kon cannot end
    // without the other copy.
    bool PeerLeavingInterrupts() const;

  private:
    void loadStanding();
    void startKon();
    void beginPlay();
    void announceRedeal(int seat, bool buttonEnabled);
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
