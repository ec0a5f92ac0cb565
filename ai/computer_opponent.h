#pragma once
// The computer opponent in the controller's opponent port, and the same player for
// either seat of the command line's matches.

#include <cstdint>
#include <string>

#include "ai/endgame_search.h"
#include "core/match/opponent.h"
#include "core/match/seat_players.h"

namespace tavik::ai {

// The thinking word of the progress caption in English.
std::string englishThink();

// Seat 1 in a game against the computer: builds the snapshot from the game state,
// asks ChooseMove and hands back the move, the plan memory, WasTakes and the forecast
// text. A search draws its progress caption through the table port.
class ComputerOpponent : public Opponent {
  public:
    explicit ComputerOpponent(std::string think = englishThink()) : think_(std::move(think)) {}
    OpponentAnswer ChooseMove(const GameState& g, MoveKind mode, TablePort& table) override;
    EndgameSearch& search() { return search_; }

  private:
    EndgameSearch search_;
    std::string think_;
};

// The computer opponent playing a seat of a headless match (seat 2 as well as seat 1).
// It sees the game from its own seat: its hand is the snapshot's CardsI1. Its plan
// memory and its WasTakes live here, because the game state keeps them only for
// seat 1; WasTakes follows the bouts through the game log, so the player must receive
// the match's log events (onDeal, onBoutEnd). Like the controller it never adds a card
// that the attack limit forbids.
class AiSeatPlayer : public SeatPlayer, public GameLog {
  public:
    explicit AiSeatPlayer(int seat) : seat_(seat) {}
    int choose(const GameState& g, int seat, MoveKind kind) override;
    void onDeal(const GameState&) override { wasTakes_ = false; }
    void onBoutEnd(bool discard, int attacker) override;

  private:
    int seat_;
    EndgameSearch search_;
    std::uint8_t zarp_ = 0;
    bool wasTakes_ = false;
};

}  // namespace tavik::ai
