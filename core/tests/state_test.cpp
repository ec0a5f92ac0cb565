// Cards, codes and the hand queries.
#include "core/tests/test_support.h"

namespace tavik {
namespace {
using test::C;
using test::handCodes;
using test::setHand;

TEST(Card, EveryCardNumberHasItsCodeInBothEncodings) {
    for (int n = 1; n <= 36; ++n) {
        const Card c = Card::fromNumber(n);
        EXPECT_EQ(c.number(), n);
        EXPECT_EQ(Card::fromCode1251(c.code1251()), c);
        EXPECT_EQ(Card::fromUtf8(c.utf8()), c);
    }
    struct Case {
        int number;
        const char* utf8;
        const char* cp1251;
    } cases[] = {
        {1, "6ч", "6\xF7"},     {2, "6б", "6\xE1"},     {17, "1ч", "1\xF7"},
        {21, "Вч", "\xC2\xF7"}, {36, "Тп", "\xD2\xEF"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Card::fromNumber(c.number).utf8(), c.utf8);
        EXPECT_EQ(Card::fromNumber(c.number).code1251(), c.cp1251);
    }
    EXPECT_TRUE(Card::fromUtf8("##")->empty());
    EXPECT_EQ(Card::fromUtf8("##")->value(), 99);
    for (const char* bad : {"10ч", "6", "Xч", "6x", "", "ччч"})
        EXPECT_FALSE(Card::fromUtf8(bad)) << bad;
}

TEST(NormaliseHand, SortsPlainByRankThenTrumpsAndCounts) {
    struct Case {
        Suit trump;
        std::vector<std::string> hand, sorted;
    } cases[] = {
        // The ten ("1") sorts between the nine and the jack by its rank value.
        {kSpades, {"Вч", "1ч", "9ч", "6п"}, {"9ч", "1ч", "Вч", "6п"}},
        // Equal ranks keep their order; trumps stand at the right end.
        {kHearts, {"Тч", "7к", "7б", "6ч", "Дп"}, {"7к", "7б", "Дп", "6ч", "Тч"}},
        // Only trumps: sorted by rank alone.
        {kClubs, {"Тк", "6к", "Вк"}, {"6к", "Вк", "Тк"}},
    };
    for (const Case& c : cases) {
        GameState g;
        g.Koz = c.trump;
        // Cards with a gap before them, as a take leaves them, are gathered too.
        g.CardsI2[3] = C(c.hand[0]);
        for (std::size_t i = 1; i < c.hand.size(); ++i)
            g.CardsI2[static_cast<int>(i) + 5] = C(c.hand[i]);
        NormaliseHand(g, 2);
        EXPECT_EQ(handCodes(g, 2), c.sorted);
        EXPECT_EQ(g.KolCards2, static_cast<int>(c.sorted.size()));
        EXPECT_TRUE(g.CardsI2[g.KolCards2 + 1].empty());
    }
}

TEST(HandQueries, LowestTrumpCountOfSuitAndCardBeats) {
    GameState g;
    g.Koz = kClubs;
    setHand(g, 1, {"Тк", "6к", "Вк"});
    EXPECT_EQ(LowestTrump(g.CardsI1, kClubs), 1);
    EXPECT_EQ(LowestTrumpCode(g.CardsI1, kClubs), C("6к"));
    setHand(g, 2, {"Тч", "7б"});
    EXPECT_EQ(LowestTrump(g.CardsI2, kClubs), 0);
    EXPECT_TRUE(LowestTrumpCode(g.CardsI2, kClubs).empty());
    EXPECT_EQ(CountOfSuit(g.CardsI1, kClubs), 3);
    EXPECT_EQ(CountOfSuit(g.CardsI2, kClubs), 0);

    struct Case {
        const char *attack, *defence;
        bool beats;
    } cases[] = {
        {"7ч", "9ч", true}, {"9ч", "7ч", false}, {"7ч", "Тб", false},
        {"Тч", "6к", true}, {"7к", "6к", false}, {"7к", "Вк", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CardBeats(C(c.attack), C(c.defence), kClubs), c.beats) << c.attack << c.defence;
}

TEST(Consistency, FindsACardInTwoPlacesAndAMiscountedHand) {
    GameState g;
    for (int i = 1; i <= 36; ++i) g.KolodaI[i] = Card::fromNumber(i);
    g.Och = 1;
    EXPECT_EQ(g.isConsistent(), std::nullopt);
    g.Och = 2;
    g.CardsI1[1] = Card::fromNumber(1);
    g.KolCards1 = 1;
    EXPECT_EQ(g.isConsistent(), std::nullopt);
    g.CardsI2[1] = Card::fromNumber(1);
    g.KolCards2 = 1;
    EXPECT_NE(g.isConsistent(), std::nullopt);
    g.CardsI2[1] = kNoCard;
    EXPECT_NE(g.isConsistent(), std::nullopt) << "count 1 with an empty slot";
}

// The numbers of the controller's vocabulary are shared with the move log, `analyze`
// and the caption pictures, so they are fixed.
TEST(Vocabulary, NumbersAndLettersAreTheEstablishedOnes) {
    struct StepCase {
        BoutStep step;
        int number;
    } steps[] = {
        {BoutStep::Lead, 1},       {BoutStep::Add, 2},           {BoutStep::Defend, 3},
        {BoutStep::AddToTaker, 4}, {BoutStep::ConfirmBeaten, 5}, {BoutStep::ConfirmAdded, 6},
        {BoutStep::KonOver, 10},   {BoutStep::ResultShown, 11},  {BoutStep::AwaitingTake, 21}};
    for (const StepCase& c : steps) EXPECT_EQ(static_cast<int>(c.step), c.number);

    // A move of each kind is made at the step of its number, and back.
    for (MoveKind k : {MoveKind::Lead, MoveKind::Add, MoveKind::Defend, MoveKind::AddToTaker}) {
        EXPECT_EQ(static_cast<int>(StepOf(k)), static_cast<int>(k));
        EXPECT_EQ(MoveKindAt(StepOf(k)), k);
    }
    EXPECT_EQ(static_cast<int>(MoveKind::Lead), 1);
    EXPECT_EQ(static_cast<int>(MoveKind::AddToTaker), 4);

    EXPECT_EQ(static_cast<int>(GamePhase::Dealt), 1);
    EXPECT_EQ(static_cast<int>(GamePhase::Play), 2);
    EXPECT_EQ(static_cast<int>(GamePhase::RedealAnnounced), 3);

    struct ResultCase {
        KonOutcome result;
        int number, winner;
    } results[] = {{KonOutcome::None, 0, 0},
                   {KonOutcome::Seat1Won, 1, 1},
                   {KonOutcome::Seat2Won, 2, 2},
                   {KonOutcome::Draw, 3, 0}};
    for (const ResultCase& c : results) {
        EXPECT_EQ(static_cast<int>(c.result), c.number);
        EXPECT_EQ(WinnerSeat(c.result), c.winner);
        if (c.winner != 0) EXPECT_EQ(WonBy(c.winner), c.result);
    }

    EXPECT_EQ(static_cast<char>(CaptionColour::Yellow), 'y');
    EXPECT_EQ(static_cast<char>(CaptionColour::Blue), 'b');
    EXPECT_EQ(static_cast<char>(CaptionColour::Red), 'r');
    EXPECT_EQ(static_cast<char>(CaptionColour::None), 'n');
}

}  // namespace
}  // namespace tavik
