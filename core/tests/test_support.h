#pragma once
// Shared pieces of the core tests: cards from their codes, a generator that deals a
// chosen deck, a scripted computer opponent, and a table that wires them together.

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "core/match/controller.h"
#include "core/match/headless_play.h"
#include "core/match/recorder.h"
#include "core/match/seat_players.h"
#include "core/state/game_state.h"

namespace tavik::test {

inline Card C(std::string_view utf8) {
    const auto c = Card::fromUtf8(utf8);
    EXPECT_TRUE(c.has_value()) << utf8;
    return c.value_or(kNoCard);
}

// Puts the cards into the seat's hand from slot 1 on and normalises it.
inline void setHand(GameState& g, int seat, const std::vector<std::string>& codes) {
    g.hand(seat).fill(kNoCard);
    for (std::size_t i = 0; i < codes.size(); ++i)
        g.hand(seat)[static_cast<int>(i) + 1] = C(codes[i]);
    NormaliseHand(g, seat);
}

// Lays cards on the table in order, counting attack cards at odd positions.
inline void setTable(GameState& g, const std::vector<std::string>& codes) {
    g.InGameI.fill(kNoCard);
    for (std::size_t i = 0; i < codes.size(); ++i) g.InGameI[static_cast<int>(i) + 1] = C(codes[i]);
    g.OchGame = static_cast<int>(codes.size()) + 1;
    g.KolCardsStol = static_cast<int>(codes.size());
}

// The hand as UTF-8 codes, slots 1..count.
inline std::vector<std::string> handCodes(const GameState& g, int seat) {
    std::vector<std::string> out;
    for (int i = 1; i <= g.kolCards(seat); ++i) out.push_back(g.hand(seat)[i].utf8());
    return out;
}

// A generator whose shuffle produces exactly the given deck order (KolodaI[1..36]).
class DeckRandom : public RandomPort {
  public:
    explicit DeckRandom(std::vector<std::string> deck) { push(deck); }
    void push(const std::vector<std::string>& deck) {
        for (const auto& code : deck) numbers_.push_back(C(code).number() - 1);
    }
    void reseed() override {}
    int random(int n) override {
        if (numbers_.empty()) return fallback_.random(n);  // further deals are random
        const int next = numbers_.front();
        numbers_.pop_front();
        return next;
    }

  private:
    std::deque<int> numbers_;
    SeededRandom fallback_{1};
};

// A computer opponent that plays the lowest legal card, or the answers queued for it.
class ScriptedOpponent : public Seat {
  public:
    std::deque<int> answers;  // slots to play; 0 passes
    SeatChoice choose(const GameState& g, int seat, MoveKind kind, ThinkingPort& thinking) override {
        if (answers.empty()) return lowest_.choose(g, seat, kind, thinking);
        SeatChoice c;
        c.slot = answers.front();
        answers.pop_front();
        return c;
    }

  private:
    LowestPlayer lowest_;
};

// A whole table: a match session with the recorder, a dealt deck and the scripted
// opponent in seat 1.
struct TableFixture {
    explicit TableFixture(std::vector<std::string> deck = {})
        : random(std::move(deck)),
          session({recorder, recorder, recorder, recorder, recorder, random}, opponent, nullptr,
                  &log),
          g(session.state()),
          world(session.world()),
          controller(session.controller()) {
        g.UserName = "Ivan  ";
    }
    // Plays kons with the given player in seat 2.
    PlayOutcome play(Seat& seat2, int kons) {
        session.setSeat2(&seat2);
        return PlayKons(session, log, kons);
    }
    HeadlessRecorder recorder;
    DeckRandom random;
    PlayStats log;
    ScriptedOpponent opponent;
    MatchSession session;
    GameState& g;
    World& world;
    MatchController& controller;
};

}  // namespace tavik::test
