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
class ScriptedOpponent : public Opponent {
  public:
    std::deque<int> answers;  // slots to play; 0 passes
    OpponentAnswer ChooseMove(const GameState& g, MoveKind mode, TablePort&) override {
        OpponentAnswer a;
        if (!answers.empty()) {
            a.slot = answers.front();
            answers.pop_front();
        } else {
            a.slot = lowest_.choose(g, 1, mode);
        }
        a.pass = a.slot == 0;
        a.Zarp = g.Zarp;
        a.WasTakes = g.WasTakes;
        return a;
    }

  private:
    LowestPlayer lowest_;
};

// A whole table: state, recorder, dealt deck, scripted opponent and controller.
struct TableFixture {
    explicit TableFixture(std::vector<std::string> deck = {})
        : random(std::move(deck)),
          world{{recorder, recorder, recorder, recorder, recorder, random}, log},
          controller(g, world, opponent, hooks) {
        g.UserName = "Ivan  ";
    }
    GameState g;
    HeadlessRecorder recorder;
    DeckRandom random;
    PlayStats log;
    World world;
    ScriptedOpponent opponent;
    MatchHooks hooks;
    MatchController controller;
};

}  // namespace tavik::test
