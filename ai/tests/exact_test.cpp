// Exact answers for any number of cards in play: the fixed set of positions against
// the literal answers stored with it (including those the differential test skips),
// the exact choice against the classic search where both apply, and positions with
// more than 12 cards whose values follow from a short argument.
#include <gtest/gtest.h>

#include "ai/choose_move.h"
#include "ai/random_positions.h"
#include "ai/search_set.h"
#include "ai/tests/snapshot_builder.h"

namespace tavik::ai {
namespace {

using testing::root;
using testing::RootCase;

TEST(FixedSet, FastSearchGivesTheStoredLiteralAnswers) {
    const std::vector<SetPosition> set = FixedSearchSet();
    ASSERT_GT(set.size(), 1000u);
    EndgameSearch warm, cold;
    int hard = 0, beyondTheDifferentialBudget = 0, differences = 0;
    for (const SetPosition& p : set) {
        hard += p.hard;
        beyondTheDifferentialBudget += p.literalNodes > 300000;
        cold.forget();
        const SearchAnswer a = cold.run(p.root), b = warm.run(p.root);
        const bool same = a.card == p.card && a.value == p.value && b.card == p.card &&
                          b.value == p.value && !a.timedOut && !b.timedOut;
        if (!same && ++differences <= 5)
            ADD_FAILURE() << FormatSetLine(p) << ": cold " << a.card.utf8() << " " << a.value
                          << ", warm " << b.card.utf8() << " " << b.value;
    }
    EXPECT_EQ(differences, 0);
    EXPECT_GE(hard, 20);
    EXPECT_GE(beyondTheDifferentialBudget, 10);
}

TEST(FixedSet, LinesReadBackAsWritten) {
    const std::vector<SetPosition> set = FixedSearchSet();
    ASSERT_FALSE(set.empty());
    for (std::size_t i = 0; i < set.size(); i += 97) {
        const std::string line = FormatSetLine(set[i]);
        const auto again = ParseSetLine(line);
        ASSERT_TRUE(again) << line;
        EXPECT_EQ(FormatSetLine(*again), line);
    }
    for (const char* bad : {"", "random\t6б\t7б", "odd\t6б\t7б\t\tч\t0\t0\tattack\t6б\t2\t2\t10",
                            "random\t6б\t7б\t\tx\t0\t0\tattack\t6б\t2\t2\t10",
                            "random\t6б\t7б\t\tч\t9\t0\tattack\t6б\t2\t2\t10",
                            "random\t6б\t7б\t\tч\t0\t0\tattack\tZZ\t2\t2\t10"})
        EXPECT_FALSE(ParseSetLine(bad)) << bad;
}

// Where the classic computer searches (an empty deck, at most 12 cards in play, not a
// lead of two against two or three against one), the exact choice is its choice.
TEST(ExactChoice, EqualsTheClassicSearchUpToTwelveCards) {
    SeededRandom random(77);
    EndgameSearch classic, exact(20);
    int compared = 0;
    for (int i = 0; i < 3000; ++i) {
        const RandomDecision d = RandomEndgameDecision(random, 2, 12);
        StatTavik2 a = d.snapshot, b = d.snapshot;
        bool stopA = false, stopB = false;
        ChoiceDetails da, db;
        const int slotA = ChooseMove(d.mode, a, stopA, classic, &da);
        if (!da.searched) continue;
        const int slotB = ChooseExactly(d.mode, b, stopB, exact, &db);
        ++compared;
        ASSERT_EQ(slotA, slotB) << i;
        ASSERT_EQ(stopA, stopB) << i;
        ASSERT_EQ(da.value, db.value) << i;
        ASSERT_EQ(a.Prognoz, b.Prognoz) << i;
    }
    EXPECT_GT(compared, 2000);
}

TEST(ExactChoice, PositionsWithMoreThanTwelveCards) {
    const RootCase cases[] = {
        // No trump of the defender: every lead is taken, the attacker keeps the lead and
        // is out after its seventh; ties go to the first slot.
        {"seven top trumps against six plain cards (13)",
         root("8ч 9ч 1ч Вч Дч Кч Тч", "6б 7б 8б 9б 1б Вб", "", false), "8ч", kValueWin},
        // Whatever is led, the ace of trumps beats it and the defender is out first.
        {"twelve plain cards against the ace of trumps (13)",
         root("6б 7б 8б 9б 6к 7к 8к 9к 6п 7п 8п 9п", "Тч", "", false), "6б", kValueLoss},
        // The defender's only card beats the attack: its hand is empty first.
        {"a defender's last card beats (14)",
         root("Тч", "7б 8б 9б 1б Вб Дб 7к 8к 9к 1к Вк Дк", "6б", true, 1, 1), "Тч", kValueWin},
        // Adding both sixes to the taker empties the attacker's hand.
        {"an attacker adds its last two cards to a taker (13)",
         root("6к 6п", "7б 8б 9б 1б Вб Дб 7к 8к 9к 1к", "6б", false, 1, 1, true), "6к", kValueWin},
        // The defender holds neither a trump nor a diamond: it beats nothing, takes each
        // lead, and the attacker is out after two leads; the first slot wins.
        {"a defender that can beat nothing (16)",
         root("Тч 6б", "7к 8к 9к 1к Вк Дк Кк Тк 7п 8п 9п 1п Вп Дп", "", false), "Тч", kValueWin},
    };
    for (const RootCase& c : cases) {
        EndgameSearch search(20);
        const SearchAnswer a = search.run(c.root);
        EXPECT_EQ(a.card.utf8(), c.card) << c.name;
        EXPECT_EQ(a.value, c.value) << c.name;
        EXPECT_EQ(search.value(c.root), c.value) << c.name;
        EXPECT_FALSE(a.timedOut) << c.name;
    }
}

}  // namespace
}  // namespace tavik::ai
