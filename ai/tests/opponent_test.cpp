// The computer opponent at the table: in seat 1 through the controller's
// computer-move timer, and in seat 2, over whole matches and single moves.
#include <gtest/gtest.h>

#include "ai/computer_opponent.h"
#include "ai/tests/snapshot_builder.h"
#include "core/match/controller.h"
#include "core/match/headless_play.h"
#include "core/match/match_session.h"
#include "core/match/recorder.h"
#include "core/match/seat_players.h"

namespace tavik::ai {
namespace {

using testing::cards;

TEST(ComputerOpponent, PlaysAMatchAgainstLowestWithoutBreakingARule) {
    PlayStats stats;
    HeadlessWorld headless(7, /*recording=*/true);
    ComputerOpponent opponent;
    LowestPlayer lowest;
    MatchSession session(headless.ports(), opponent, &lowest, &stats);
    session.state().UserName = "Player";
    session.state().display.forecastOn = true;
    const PlayOutcome outcome = PlayKons(session, stats, 60);
    ASSERT_TRUE(outcome.ok) << outcome.failure;
    EXPECT_EQ(stats.kons, 60);
    EXPECT_GT(stats.wins1, stats.wins2);  // the computer is the stronger player

    // Every search drew its caption, and the title only ever showed forecast texts.
    const auto progress = headless.recorder.eventsStartingWith("progress I think... ");
    EXPECT_FALSE(progress.empty());
    const std::set<std::string> titles = {"title  Компьютер проигрывает", "title  Намечается ничья",
                                          "title  Компьютер выигрывает", "title  Прогноз..."};
    std::set<std::string> shown;
    for (const std::string& t : headless.recorder.eventsStartingWith("title ")) {
        EXPECT_TRUE(titles.count(t)) << t;
        shown.insert(t);
    }
    EXPECT_GE(shown.size(), 3u);
}

TEST(ComputerOpponent, PlaysSeatTwoFromItsOwnSide) {
    ComputerOpponent seat2(2);  // it follows the bouts to keep its WasTakes
    LowestPlayer seat1;
    PlayStats stats;
    HeadlessWorld headless(8, /*recording=*/false);
    MatchSession session(headless.ports(), seat1, &seat2, &stats);
    session.state().UserName = "Player";
    const PlayOutcome outcome = PlayKons(session, stats, 60);
    ASSERT_TRUE(outcome.ok) << outcome.failure;
    EXPECT_GT(stats.wins2, stats.wins1);
}

// Seat 1 adds to the human, who takes, with cards still in the deck.
struct AddingTable {
    HeadlessWorld headless{1};
    ComputerOpponent opponent;
    MatchSession session{headless.ports(), opponent};
    GameState& g = session.state();
    MatchController& controller = session.controller();

    AddingTable(const std::string& hand1, const std::string& hand2, const std::string& table,
                int zarp) {
        for (int n = 1; n <= 36; ++n) g.KolodaI[n] = Card::fromNumber(n);
        g.Koz = suitFromUtf8("ч");
        g.Och = 20;
        auto place = [](Hand& hand, int& count, const std::string& codes) {
            count = 0;
            for (Card c : cards(codes)) hand[++count] = c;
        };
        place(g.CardsI1, g.KolCards1, hand1);
        place(g.CardsI2, g.KolCards2, hand2);
        int laid = 0;
        for (Card c : cards(table)) g.InGameI[++laid] = c;
        g.OchGame = laid + 1;
        g.KolCardsStol = laid;
        g.KolHods = 1;
        g.KolFree = 1;
        g.KartaHod = g.InGameI[laid];
        g.Attacker = 1;
        g.Step = BoutStep::AddToTaker;
        g.Phase = GamePhase::Play;
        g.GameActive = true;
        g.Zarp = static_cast<std::uint8_t>(zarp);
    }
};

TEST(ComputerMove, PairPlanAddsOneCardAndKeepsTheMemory) {
    AddingTable t("9п 9к 1б", "6к 7к 8к", "9б", 2);
    t.controller.ComputerMove(MoveKind::AddToTaker);
    EXPECT_EQ(t.g.KolCardsStol, 2);
    EXPECT_EQ(t.g.InGameI[2], cards("9п")[0]);
    EXPECT_EQ(t.g.Zarp, 3);  // copied back from the snapshot
}

TEST(ComputerMove, AddsUntilItStopsOrTheHumanCannotAnswerMore) {
    AddingTable plenty("9п 9к 1б", "6к 7к 8к 6п", "9б", 0);
    plenty.controller.ComputerMove(MoveKind::AddToTaker);
    EXPECT_EQ(plenty.g.KolCardsStol, 3);  // both nines; the ten's rank is not on the table
    EXPECT_EQ(plenty.g.KolFree, 3);
    AddingTable owed("9п 9к 1б", "6к 7к", "9б", 0);
    owed.controller.ComputerMove(MoveKind::AddToTaker);
    EXPECT_EQ(owed.g.KolCardsStol, 2);  // two cards in the human's hand, two to answer
}

}  // namespace
}  // namespace tavik::ai
