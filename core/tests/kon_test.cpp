// Whole kons through the controller: fixed decks played to every ending, the re-deal,
// the human's clicks, the computer adding to a taker and the 30-kon cycle.
#include <algorithm>

#include "core/rules/moves.h"
#include "core/tests/test_support.h"

namespace tavik {
namespace {
using test::C;
using test::setHand;
using test::setTable;
using test::TableFixture;

bool contains(const std::vector<std::string>& events, const std::vector<std::string>& run) {
    return std::search(events.begin(), events.end(), run.begin(), run.end()) != events.end();
}

struct Ending {
    const char* name;
    std::vector<std::string> deck;
    KonOutcome result;
    int bonus;
    std::vector<std::string> finalEvents;  // in this order, somewhere in the kon
};

class FixedDeckKon : public ::testing::TestWithParam<Ending> {};

// Both seats play the lowest legal card; each deck was chosen for the ending it reaches.
TEST_P(FixedDeckKon, ReachesItsEnding) {
    const Ending& e = GetParam();
    TableFixture t(e.deck);
    t.g.rules.SixesRule = true;
    LowestPlayer seat2;
    const PlayOutcome out = t.play(seat2, 1);
    ASSERT_TRUE(out.ok) << out.failure;
    EXPECT_EQ(t.g.KonResult, e.result);
    EXPECT_EQ(t.g.Step, BoutStep::ResultShown);
    const int winner = WinnerSeat(e.result);
    const int wins = winner ? 1 + e.bonus : 0;
    EXPECT_EQ(t.g.Wins[1], winner == 1 ? wins : 0);
    EXPECT_EQ(t.g.Wins[2], winner == 2 ? wins : 0);
    EXPECT_EQ(t.g.ScoreDelta, (t.g.Wins[2] - t.g.Wins[1]) * 10);
    if (e.bonus == 0) {
        EXPECT_TRUE(t.recorder.eventsStartingWith("pause 2000").empty()) << "no sixes announced";
    }
    EXPECT_TRUE(contains(t.recorder.events(), e.finalEvents))
        << "missing run starting with " << e.finalEvents.front() << "\n"
        << [&] {
               std::string all;
               const auto& ev = t.recorder.events();
               for (std::size_t i = ev.size() > 40 ? ev.size() - 40 : 0; i < ev.size(); ++i)
                   all += ev[i] + "\n";
               return all;
           }();
    // After the kon: seat 1 face up, the next kon offered, the match may end.
    EXPECT_EQ(t.g.Button7Caption, Word::WePlayStill);
    EXPECT_TRUE(t.g.Button7Enabled);
    EXPECT_TRUE(t.g.Button8Enabled);
    EXPECT_TRUE(t.g.KonOver);
}

INSTANTIATE_TEST_SUITE_P(
    Endings, FixedDeckKon,
    ::testing::Values(
        Ending{"seat1wins",
               {"1б", "1ч", "Дб", "8к", "8п", "Кп", "Тч", "Кб", "8б", "7п", "6ч", "9п",
                "1к", "Тп", "Дч", "7ч", "Тб", "Дк", "Вб", "Вч", "Тк", "6к", "Кк", "9к",
                "9ч", "9б", "Дп", "Вп", "8ч", "6п", "7к", "1п", "Вк", "6б", "7б", "Кч"},
               KonOutcome::Seat1Won,
               0,
               {"result 1 GKonBads", "sound WKoBads", "hand 1 up", "button7 We play still! on",
                "button8 shown on"}},
        Ending{"seat2wins",
               {"7ч", "7к", "1б", "6ч", "Тч", "Дп", "8б", "Тп", "Дк", "9п", "Кб", "Тк",
                "Вк", "Дч", "6п", "8к", "6к", "1ч", "Кк", "Вч", "9к", "6б", "8п", "Кп",
                "1п", "9б", "Дб", "Вб", "7п", "Вп", "Тб", "9ч", "Кч", "8ч", "7б", "1к"},
               KonOutcome::Seat2Won,
               0,
               {"frame 2 Prizes: 1", "result 2 GKonGood", "sound WKoGood", "hand 1 up"}},
        Ending{"draw",
               {"Кк", "Кч", "Вб", "1б", "8к", "Дп", "Вч", "Дб", "7ч", "1к", "7б", "8ч",
                "6б", "Дк", "Тб", "Вп", "Кп", "9к", "9б", "Тч", "8п", "Кб", "9ч", "9п",
                "7п", "Тп", "6п", "6к", "6ч", "Тк", "1п", "Вк", "8б", "1ч", "Дч", "7к"},
               KonOutcome::Draw,
               0,
               {"result 3 GKonNich", "sound WNichya"}},
        Ending{"seat2GoesOutBeatingASixWithoutBonus",
               {"Дп", "Кп", "8п", "Тп", "8к", "Тк", "Кк", "1ч", "Дч", "7к", "Дк", "7п",
                "8б", "Вк", "9б", "1к", "Вч", "Кб", "1б", "6ч", "Вб", "8ч", "Тб", "9ч",
                "7ч", "9п", "Вп", "6п", "7б", "9к", "Тч", "Дб", "1п", "6б", "Кч", "6к"},
               KonOutcome::Seat2Won,
               0,
               {"table attack 1 6п", "sound WHodsDo wait"}},
        Ending{"seat1SixOnTheForehead",
               {"Кк", "1к", "6ч", "Дч", "6к", "Дк", "Вч", "8ч", "7п", "6б", "8б", "9к",
                "Вб", "8к", "Тч", "7б", "1б", "1п", "8п", "7ч", "Тб", "Вп", "9ч", "Кб",
                "Дп", "Кч", "9п", "Вк", "9б", "1ч", "Тк", "6п", "Кп", "Дб", "Тп", "7к"},
               KonOutcome::Seat1Won,
               1,
               {"caption 1 b Six on the forehead!!!", "sound WPlMore wait", "pause 2000"}},
        Ending{"seat1SixsOnTheShoulders",
               {"Кк", "8к", "Вп", "9п", "Кп", "Кч", "9б", "8ч", "Тч", "1ч", "Дч", "6п",
                "1п", "7п", "Дп", "Тп", "Вч", "8п", "1б", "Дк", "Вб", "9к", "7ч", "7к",
                "Тк", "6б", "1к", "Кб", "6к", "Дб", "6ч", "Тб", "Вк", "7б", "8б", "9ч"},
               KonOutcome::Seat1Won,
               2,
               {"caption 1 b Sixs on the shoulders!", "sound WPlMore wait", "pause 2000"}},
        Ending{"seat2SixOnTheForehead",
               {"7б", "1п", "8к", "9к", "Вк", "9ч", "1ч", "6к", "Кб", "Дч", "8б", "9б",
                "Тч", "Тб", "Кч", "1б", "1к", "7ч", "6б", "6п", "Кк", "Вп", "Кп", "Дп",
                "8ч", "7к", "Вб", "8п", "6ч", "Тк", "9п", "7п", "Вч", "Дб", "Тп", "Дк"},
               KonOutcome::Seat2Won,
               1,
               {"caption 2 b Six on the forehead!!!", "sound WPlMore wait", "pause 2000"}},
        Ending{"seat2SixsOnTheShoulders",
               {"7к", "9ч", "Вк", "9п", "8б", "8п", "7б", "6к", "Тч", "Дк", "1к", "Вп",
                "Тп", "7ч", "Дб", "Кп", "1ч", "Вч", "Тк", "9б", "7п", "Кб", "Кк", "Кч",
                "1б", "Тб", "9к", "Вб", "8ч", "1п", "Дч", "Дп", "6ч", "6б", "8к", "6п"},
               KonOutcome::Seat2Won,
               2,
               {"caption 2 b Sixs on the shoulders!", "sound WPlMore wait", "pause 2000"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Kon, DealShowsEverythingInOrder) {
    // Seat 1 holds the lowest trump (7п against 9п), so it leads and shows it.
    TableFixture t({"7п", "8ч", "Кп", "8б", "Тч", "1ч", "Кб", "Дч", "Тк", "7к", "9б", "9п",
                    "6п", "1к", "Вк", "Тб", "7ч", "Вб", "8к", "Кч", "6ч", "Дп", "Вп", "Дк",
                    "6к", "9к", "1б", "6б", "Кк", "Тп", "8п", "Дб", "Вч", "1п", "9ч", "7б"});
    t.controller.NewKon(false);
    const GameState& g = t.g;
    EXPECT_EQ(g.Koz, kDiamonds);
    EXPECT_EQ(g.Attacker, 1);
    EXPECT_EQ(g.ShownTrump, C("8б"));
    EXPECT_EQ(g.KonCount, 1);
    EXPECT_EQ(g.names[2], "Ivan") << "trailing blanks removed";
    EXPECT_EQ(t.recorder.events(),
              (std::vector<std::string>{
                  "clear boxes", "caption 1 n ", "caption 2 n ", "table clear",
                  "button7 To Begin on", "button8 shown off", "scores 0 0 0:0", "hand 1 down",
                  "hand 2 up", "shown trump 8б", "caption 1 y PC", "caption 2 y Ivan", "deck 24 7б",
                  "sound WTasoKo", "timer stop", "kon 1 / 30"}));
    t.recorder.clear();
    t.controller.ActionButton();
    EXPECT_EQ(t.recorder.events(),
              (std::vector<std::string>{"button7 I Take off", "timer start 200"}));
    EXPECT_EQ(g.Phase, GamePhase::Play);
    // The human cannot move out of turn; the computer leads on the next tick.
    EXPECT_EQ(t.controller.HandClick(1), ClickResult::Ignored);
    t.controller.TimerTick();
    EXPECT_EQ(g.Step, BoutStep::Defend);
    EXPECT_TRUE(g.ShownTrump.empty());
    EXPECT_TRUE(g.Button7Enabled);
}

TEST(Kon, RedealIsAnnouncedAndNotCounted) {
    // Seat 2 holds five hearts; diamonds are trump.
    const std::vector<std::string> first = {"7п", "8ч", "Кп", "8б", "Тб", "1п", "6ч", "7ч", "9ч",
                                            "1ч", "Вч", "9п", "6п", "1к", "Вк", "Тч", "Дч", "Вб",
                                            "8к", "Кч", "6к", "Дп", "Вп", "Дк", "7к", "9к", "1б",
                                            "6б", "Кк", "Тп", "8п", "Дб", "Тк", "Кб", "9б", "7б"};
    TableFixture t(first);
    t.g.rules.ReDealRule = true;
    t.controller.NewKon(false);
    t.recorder.clear();
    t.controller.ActionButton();
    EXPECT_EQ(t.recorder.events(),
              (std::vector<std::string>{"caption 2 b New game", "sound WPlMore wait", "hand 1 up",
                                        "button7 New game on"}));
    EXPECT_EQ(t.g.Phase, GamePhase::RedealAnnounced);
    EXPECT_EQ(t.log.redeals, 1);
    t.controller.ActionButton();  // deal again: not counted
    EXPECT_EQ(t.g.Phase, GamePhase::Dealt);
    EXPECT_EQ(t.g.KonCount, 1);
    EXPECT_FALSE(t.g.Seat1Revealed);
}

TEST(Kon, HumanClicksAreCheckedBeforeAnythingChanges) {
    TableFixture t;
    GameState& g = t.g;
    g.GameActive = true;
    g.Phase = GamePhase::Play;
    g.Koz = kSpades;
    g.Attacker = 1;
    g.Step = BoutStep::Defend;
    g.names[2] = "Ivan";
    setHand(g, 1, {"8ч", "Тб"});
    setHand(g, 2, {"7ч", "9б", "Вч", "7п"});
    setTable(g, {"9ч"});
    g.KartaHod = C("9ч");
    g.KolHods = g.KolFree = 1;
    const GameState before = g;

    EXPECT_EQ(t.controller.HandClick(1), ClickResult::Refused);  // 7ч is lower
    EXPECT_EQ(t.controller.HandClick(2), ClickResult::Refused);  // 9б is another suit
    EXPECT_EQ(t.recorder.events(), (std::vector<std::string>{"sound WWrongs", "sound WWrongs"}));
    EXPECT_EQ(g.CardsI2, before.CardsI2);
    EXPECT_EQ(g.InGameI, before.InGameI);
    EXPECT_EQ(g.Step, BoutStep::Defend);
    EXPECT_EQ(t.controller.HandClick(7), ClickResult::Ignored) << "no card in that slot";

    EXPECT_EQ(t.controller.HandClick(3), ClickResult::Played);  // Вч beats 9ч
    EXPECT_EQ(g.Step, BoutStep::Add);
    EXPECT_EQ(g.InGameI[2], C("Вч"));
    EXPECT_EQ(g.KartaHod, C("Вч")) << "a defence click remembers the clicked card";

    // Seat 2 attacks a defender with one card: the second card is ignored silently.
    g.Attacker = 2;
    g.Step = BoutStep::Add;
    setHand(g, 1, {"Тб"});
    g.KolHods = 1;
    g.KolFree = 1;
    t.recorder.clear();
    EXPECT_EQ(t.controller.HandClick(2), ClickResult::Ignored);  // 9б shares the nine
    EXPECT_TRUE(t.recorder.events().empty());
}

TEST(Kon, TheComputerAddsToATakerInOneTick) {
    TableFixture t;
    GameState& g = t.g;
    g.GameActive = true;
    g.MoveTimerOn = true;
    g.Phase = GamePhase::Play;
    g.Koz = kSpades;
    g.Attacker = 1;
    g.Step = BoutStep::AddToTaker;  // the human pressed "I Take"
    g.names[1] = "PC";
    g.Button7Caption = Word::ITake;
    setHand(g, 1, {"9б", "9к", "Тч"});
    setHand(g, 2, {"7ч", "8ч", "Вч", "Дч"});
    setTable(g, {"9ч"});
    g.KartaHod = C("9ч");
    g.KolHods = g.KolFree = 1;
    t.opponent.answers = {1, 1, 0};  // 9б, then 9к (now in slot 1), then stop
    t.controller.TimerTick();
    EXPECT_EQ(g.Step, BoutStep::ConfirmAdded);
    EXPECT_EQ(g.KolHods, 3);
    EXPECT_EQ(g.KolFree, 3);
    const auto& ev = t.recorder.events();
    EXPECT_EQ(std::vector<std::string>(ev.end() - 3, ev.end()),
              (std::vector<std::string>{"button7 I Take on", "caption 1 b That`s All...",
                                        "sound WDing_1 wait"}));
    // Accepting takes the table; the attacker draws nothing from an empty deck and leads again.
    t.controller.ActionButton();
    EXPECT_EQ(g.KolCards2, 7);
    EXPECT_EQ(g.Attacker, 1);
    EXPECT_EQ(g.Step, BoutStep::Lead);
}

TEST(Match, TheThirtiethKonClosesTheCycle) {
    TableFixture t;
    RandomPlayer seat2(5);
    const PlayOutcome out = t.play(seat2, 30);
    ASSERT_TRUE(out.ok) << out.failure;
    EXPECT_EQ(t.g.KonCount, 30);
    EXPECT_FALSE(t.g.Button7Enabled) << "only the end-of-match button works now";
    EXPECT_TRUE(t.g.Button8Enabled);
    t.controller.ActionButton();
    EXPECT_EQ(t.g.Step, BoutStep::ResultShown);
    t.controller.EndMatchButton();
    EXPECT_FALSE(t.g.GameActive);

    // The 29th kon still offers the next one.
    TableFixture u;
    u.play(seat2, 29);
    EXPECT_TRUE(u.g.Button7Enabled);
}

}  // namespace
}  // namespace tavik
