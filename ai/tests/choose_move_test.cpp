// Which rule decides (deck, endgame heuristics, solvers, search), the solvers' own
// cases, and the forecast that each leaves.
#include "ai/choose_move.h"

#include <gtest/gtest.h>

#include "ai/forecast.h"
#include "ai/solvers.h"
#include "ai/tests/snapshot_builder.h"

namespace tavik::ai {
namespace {

using testing::card;
using testing::slotCard;
using testing::Snap;

struct Decision {
    std::string card;
    bool stop = false;
    ChoiceDetails details;
    int prognoz = 0;
};

Decision decide(MoveKind mode, StatTavik2 s) {
    EndgameSearch search;
    Decision d;
    const int slot = ChooseMove(mode, s, d.stop, search, &d.details);
    d.card = slotCard(s, slot);
    d.prognoz = s.Prognoz;
    return d;
}

TEST(ChooseMove, TheDeckDecidesBetweenHeuristicsAndEndgame) {
    // With Och 36 the face-up card is still to be drawn: the deck rules apply.
    const Decision deck = decide(
        MoveKind::Lead, Snap().trump("ч").och(36).vskr("Т").hand1("6б 7б 8ч").hand2("Тб Тп 9ч"));
    EXPECT_FALSE(deck.details.searched);
    EXPECT_EQ(deck.prognoz, kForecastPending);
    const Decision empty =
        decide(MoveKind::Lead, Snap().trump("ч").och(37).hand1("6б 7б 8ч").hand2("Тб Тп 9ч"));
    EXPECT_TRUE(empty.details.searched);
    EXPECT_EQ(empty.prognoz, ForecastCode(empty.details.value));
}

TEST(ChooseMove, TwelveCardsInPlayAreSearchedThirteenAreNot) {
    const StatTavik2 twelve =
        Snap().trump("к").hand1("6б 7б 8б 9б 1б").hand2("6ч 7ч 8ч 9ч 1ч Вч").table("9п", 1);
    EXPECT_TRUE(decide(MoveKind::Defend, twelve).details.searched);
    const StatTavik2 thirteen = Snap(twelve).hand1("6б 7б 8б 9б 1б Тк").get();
    const Decision d = decide(MoveKind::Defend, thirteen);
    EXPECT_FALSE(d.details.searched);
    EXPECT_EQ(d.card, "Тк");
    EXPECT_EQ(ForecastText(d.prognoz), " Прогноз...");
}

TEST(ChooseMove, TwoAgainstTwoAlwaysGoesToTheSolver) {
    // Even with cards on the table, which a lead never has in play.
    const StatTavik2 s = Snap().trump("ч").hand1("7б 7п").hand2("8б 8п").table("6к Вк", 0);
    const Decision d = decide(MoveKind::Lead, s);
    EXPECT_FALSE(d.details.searched);
    EXPECT_EQ(d.card, "7б");
    EXPECT_FALSE(d.stop);
    EXPECT_EQ(ForecastText(d.prognoz), " Намечается ничья");
}

TEST(ChooseMove, SearchAnswersTakeOrStopAsSlotZero) {
    // Nothing beats the ace: the defence search answers "take" with -3, and the forecast stays
    // pending.
    const Decision take =
        decide(MoveKind::Defend, Snap().trump("ч").hand1("6б 7к").hand2("8п 9п").table("Тп", 1));
    EXPECT_TRUE(take.details.searched);
    EXPECT_EQ(take.details.value, kValueNoMove);
    EXPECT_EQ(take.card, "##");
    EXPECT_TRUE(take.stop);
    EXPECT_EQ(ForecastText(take.prognoz), " Прогноз...");
    // The taking human already owes an answer for each of its cards: nothing more is added.
    const Decision full = decide(MoveKind::AddToTaker,
                                 Snap().trump("ч").hand1("6п 7п").hand2("Тб Тк").table("6б 6к", 2));
    EXPECT_EQ(full.details.value, kValueNoMove);
    EXPECT_TRUE(full.stop);
}

TEST(ChooseMove, TheTieGoesToTheCardNotToTheOption) {
    // Adding the eight loses (the human's nine beats it with its last card), and so
    // does ending the attack (the human leads the nine and nothing beats it).
    const Decision d =
        decide(MoveKind::Add, Snap().trump("ч").hand1("8п Дб").hand2("9п").table("Вк 8ч", 0));
    EXPECT_EQ(d.details.value, kValueLoss);
    EXPECT_EQ(d.card, "8п");
    EXPECT_FALSE(d.stop);
    EXPECT_EQ(ForecastText(d.prognoz), " Компьютер проигрывает");
    // Here ending the attack wins and every card loses.
    const Decision end =
        decide(MoveKind::Add, Snap().trump("б").hand1("6ч 9б Тб").hand2("Дч Вб").table("6п 7п", 0));
    EXPECT_EQ(end.details.value, kValueWin);
    EXPECT_TRUE(end.stop);
    EXPECT_EQ(ForecastText(end.prognoz), " Компьютер выигрывает");
}

struct TwoCase {
    const char* name;
    const char *a1, *a2, *h1, *h2;
    SolverAnswer expected;
};

TEST(SolveTwoVsTwo, Cases) {
    const TwoCase cases[] = {
        {"a pair, each beaten by one human card: draw", "7б", "7п", "8б", "8п", {card("7б"), 4, 4}},
        {"a pair, beaten crosswise: draw", "7б", "7п", "8п", "8б", {card("7б"), 4, 4}},
        {"a pair the human cannot beat twice: win", "7б", "7п", "8б", "9к", {card("7б"), 6, 6}},
        {"the first card cannot be beaten", "Тб", "7п", "8б", "8п", {card("Тб"), 6, 6}},
        {"the second card cannot be beaten", "6п", "Тб", "8п", "8к", {card("Тб"), 6, 6}},
        {"the first lead may reach a draw", "6б", "8б", "7б", "9б", {card("6б"), 2, 4}},
        {"equal leads: the second", "6б", "Кп", "7б", "Тп", {card("Кп"), 2, 2}},
        {"the kept card is thrown in after the human beats the lead",
         "6б",
         "7п",
         "7б",
         "Тп",
         {card("6б"), 4, 4}},
    };
    for (const TwoCase& c : cases)
        EXPECT_EQ(SolveTwoVsTwo(card(c.a1), card(c.a2), card(c.h1), card(c.h2), suitFromUtf8("ч")),
                  c.expected)
            << c.name;
}

TEST(SolveThreeVsOne, Cases) {
    const Suit hearts = suitFromUtf8("ч");
    // The human beats everything: the first card, a certain loss.
    EXPECT_EQ(SolveThreeVsOne(card("6б"), card("7б"), card("8б"), card("Тб"), hearts),
              (SolverAnswer{card("6б"), 2, 2}));
    EXPECT_EQ(
        ForecastText(
            SolveThreeVsOne(card("6б"), card("7б"), card("8б"), card("Тб"), hearts).guaranteed),
        " Компьютер проигрывает");
    // One lead the human cannot beat: it is led, rated by the two against two that follows.
    EXPECT_EQ(SolveThreeVsOne(card("6б"), card("7б"), card("Кп"), card("Тб"), hearts),
              (SolverAnswer{card("Кп"), 2, 2}));
    // Three such leads, two rated above the third: the later of the two (no strictly better
    // secondary).
    EXPECT_EQ(SolveThreeVsOne(card("6п"), card("7п"), card("8п"), card("6б"), hearts),
              (SolverAnswer{card("7п"), 6, 6}));
    // All three rated alike: the last one with the best secondary outcome.
    EXPECT_EQ(SolveThreeVsOne(card("6п"), card("7п"), card("8к"), card("Тб"), hearts),
              (SolverAnswer{card("8к"), 6, 6}));
}

TEST(SolveThreeVsOne, IsUsedForALeadOfThreeAgainstOne) {
    const Decision d = decide(MoveKind::Lead, Snap().trump("ч").hand1("6б 7б 8б").hand2("Тб"));
    EXPECT_FALSE(d.details.searched);
    EXPECT_EQ(d.card, "6б");
    EXPECT_EQ(ForecastText(d.prognoz), " Компьютер проигрывает");
}

TEST(Forecast, CodesAndTexts) {
    EXPECT_EQ(ForecastCode(-2), 2);
    EXPECT_EQ(ForecastCode(0), 4);
    EXPECT_EQ(ForecastCode(2), 6);
    EXPECT_EQ(ForecastCode(-3), kForecastPending);
    EXPECT_EQ(ForecastText(2), " Компьютер проигрывает");
    EXPECT_EQ(ForecastText(4), " Намечается ничья");
    EXPECT_EQ(ForecastText(6), " Компьютер выигрывает");
    EXPECT_EQ(ForecastText(10), " Прогноз...");
    EXPECT_EQ(ForecastText(0), "");
    EXPECT_EQ(ForecastText(5), "");
}

}  // namespace
}  // namespace tavik::ai
