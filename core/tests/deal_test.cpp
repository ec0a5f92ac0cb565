// Shuffle, deal, first attacker and the re-deal test.
#include "core/rules/deal.h"

#include <set>

#include "core/match/seeded_random.h"
#include "core/tests/test_support.h"

namespace tavik {
namespace {
using test::C;
using test::setHand;

std::vector<std::string> shuffled(std::uint64_t seed) {
    GameState g;
    SeededRandom random(seed);
    Shuffle(g, random);
    std::vector<std::string> deck;
    for (int i = 1; i <= 36; ++i) deck.push_back(g.KolodaI[i].utf8());
    return deck;
}

TEST(Shuffle, IsAPermutationAndFixedForASeed) {
    for (std::uint64_t seed = 0; seed < 200; ++seed) {
        const auto deck = shuffled(seed);
        EXPECT_EQ(std::set<std::string>(deck.begin(), deck.end()).size(), 36u) << seed;
    }
    // A seed names the same deal on every machine.
    const std::vector<std::string> first = shuffled(7);
    EXPECT_EQ(first, shuffled(7));
    EXPECT_NE(first, shuffled(8));
    EXPECT_EQ(std::vector<std::string>(first.begin(), first.begin() + 6),
              (std::vector<std::string>{"Кк", "9к", "7к", "7ч", "Тч", "Кб"}));
}

TEST(Deal, HandsTrumpAndBottomCard) {
    GameState g;
    for (int i = 1; i <= 36; ++i) g.KolodaI[i] = Card::fromNumber(i);
    DealHands(g);
    EXPECT_EQ(g.Koz, kSpades);  // the bottom card, number 36, is the ace of spades
    EXPECT_EQ(g.Vskr, 9);
    EXPECT_EQ(g.CardsI1[1], Card::fromNumber(1));
    EXPECT_EQ(g.CardsI2[6], Card::fromNumber(12));
    EXPECT_EQ(g.KolCards1 + g.KolCards2, 12);
}

TEST(FirstAttacker, ByLowestTrumpOrByTheLastWinner) {
    struct Case {
        std::vector<std::string> hand1, hand2;
        bool continuing;
        KonOutcome konResult;
        int defaultAttacker;
        int attacker;
        const char* shown;
    } cases[] = {
        {{"7п", "9ч"}, {"Вп", "6ч"}, false, KonOutcome::None, 2, 1, "7п"},
        {{"Вп"}, {"6п", "Тп"}, false, KonOutcome::None, 2, 2, "##"},
        {{"7ч"}, {"8ч"}, false, KonOutcome::None, 2, 2, "##"},  // no trump anywhere: the local
                                                                // player leads
        {{"7ч"}, {"8ч"}, false, KonOutcome::None, 1, 1, "##"},  // at an online table's second seat,
                                                                // seat 1
        {{"7п"}, {"6п"}, true, KonOutcome::Draw, 2, 2, "##"},   // after a draw the trumps decide
                                                                // again
        {{"6п"}, {"7ч"}, true, KonOutcome::Seat2Won, 2, 2, "##"},  // after a won kon the winner
                                                                   // leads
        {{"6п"}, {"7ч"}, true, KonOutcome::Seat1Won, 2, 1, "##"},
    };
    for (const Case& c : cases) {
        GameState g;
        g.Koz = kSpades;
        g.KonResult = c.konResult;
        g.Attacker = 3 - c.attacker;
        setHand(g, 1, c.hand1);
        setHand(g, 2, c.hand2);
        ChooseFirstAttacker(g, c.continuing, c.defaultAttacker);
        EXPECT_EQ(g.Attacker, c.attacker) << c.hand1[0] << " " << c.hand2[0];
        EXPECT_EQ(g.ShownTrump.utf8(), c.shown);
    }
    // With the open-cards view on, the lowest trump is not shown separately.
    GameState g;
    g.Koz = kSpades;
    g.OpenCards = true;
    setHand(g, 1, {"7п"});
    setHand(g, 2, {"Вп"});
    ChooseFirstAttacker(g, false, 2);
    EXPECT_EQ(g.Attacker, 1);
    EXPECT_TRUE(g.ShownTrump.empty());
}

TEST(Redeal, FiveOfAPlainSuitQualifiesTheTrumpSuitNever) {
    struct Case {
        std::vector<std::string> hand;
        bool qualifies;
    } cases[] = {
        {{"6ч", "7ч", "8ч", "9ч", "Вч", "6б"}, true},
        {{"6ч", "7ч", "8ч", "9ч", "Вч", "Дч"}, true},
        {{"6п", "7п", "8п", "9п", "Вп", "6б"}, false},  // five trumps
        {{"6ч", "7ч", "8ч", "9ч", "6б", "7б"}, false},
    };
    for (const Case& c : cases) {
        GameState g;
        g.Koz = kSpades;
        setHand(g, 1, c.hand);
        EXPECT_EQ(QualifiesForRedeal(g, 1), c.qualifies) << c.hand[0];
    }
}

}  // namespace
}  // namespace tavik
