// The attack and defence rules of the computer with cards in the deck and in long
// endgames, case by case as the game describes them.
#include <gtest/gtest.h>

#include "ai/attack_rules.h"
#include "ai/choose_move.h"
#include "ai/defence_rules.h"
#include "ai/tests/snapshot_builder.h"

namespace tavik::ai {
namespace {

using testing::card;
using testing::slotCard;
using testing::Snap;

struct Answer {
    std::string card;  // "##" for no card
    bool stop;
    int zarp;
};

Answer decide(MoveKind mode, StatTavik2 s) {
    EndgameSearch search;
    bool stop = false;
    const int slot = ChooseMove(mode, s, stop, search);
    return {slotCard(s, slot), stop, s.Zarp};
}

// The computer adds the card in the slot to the table, as the controller would.
void addToTable(StatTavik2& s, int slot, bool defenderTakes) {
    const Card c = s.CardsI1[slot];
    for (int i = slot; i < 36; ++i) s.CardsI1[i] = s.CardsI1[i + 1];
    s.CardsI1[36] = kNoCard;
    s.KolCards1 -= 1;
    s.InGameI[s.OchGame] = c;
    s.OchGame += 1;
    s.KolCardsStol += 1;
    s.KolHods += 1;
    s.KolFree = defenderTakes ? s.KolFree + 1 : 1;
    s.KartaHod = c;
}

struct LeadCase {
    const char* name;
    StatTavik2 snapshot;
    Answer expected;
};

TEST(LeadWithDeck, PlansAndStandardLead) {
    const LeadCase cases[] = {
        {"pair plan leads the lower-slot seven; the single six is skipped",
         Snap().trump("ч").och(31).hand1("6б 7б 7к 9п Вп Кк").hand2Count(6),
         {"7б", false, 2}},
        {"pair plan without a pair keeps the plan and leads as usual",
         Snap().trump("ч").och(31).hand1("6б 7к 9п 1б Вп Кк").hand2Count(6),
         {"6б", false, 2}},
        {"pair plan falls back to a pair of six to ten in any suit, the plain card of it",
         Snap().trump("ч").och(32).hand1("8ч 8к 9п Вп Кк Тб Дк").hand2Count(6),
         {"8к", false, 2}},
        {"single plan with a low face-up card",
         Snap().trump("ч").och(35).vskr("1").hand1("6б 6к 8п 9п 1к Вк").hand2Count(6),
         {"8п", false, 1}},
        {"no single plan under a face-up jack",
         Snap().trump("ч").och(35).vskr("В").hand1("6б 6к 8п 9п 1к Вк").hand2Count(6),
         {"6б", false, 0}},
        {"one six and two eights: an eight",
         Snap().trump("ч").och(13).hand1("6б 8к 8п Дп Кп Тч").hand2Count(6),
         {"8к", false, 0}},
        {"two sixes and two eights: a six",
         Snap().trump("ч").och(13).hand1("6б 6п 8к 8п Кп Тч").hand2Count(6),
         {"6б", false, 0}},
        {"kings, aces and trumps: the lowest king",
         Snap().trump("ч").och(13).hand1("Тп Кб Кп 7ч 9ч").hand2Count(6),
         {"Кб", false, 0}},
        {"only trumps: the lowest trump",
         Snap().trump("ч").och(13).hand1("9ч 7ч Тч").hand2Count(6),
         {"7ч", false, 0}},
    };
    for (const LeadCase& c : cases) {
        StatTavik2 s = c.snapshot;
        s.Zarp = 3;  // a lead with a deck always starts from no plan
        const Answer a = decide(MoveKind::Lead, s);
        EXPECT_EQ(a.card, c.expected.card) << c.name;
        EXPECT_FALSE(a.stop) << c.name;
        EXPECT_EQ(a.zarp, c.expected.zarp) << c.name;
    }
}

TEST(LeadWithDeck, PairPlanAddsExactlyOneCardThenStops) {
    StatTavik2 s = Snap().trump("ч").och(31).hand1("6б 7к 9п 1б Вп Кк").hand2("6ч 7ч 8ч 9ч 1ч Вч");
    ASSERT_EQ(decide(MoveKind::Lead, s).zarp, 2);
    s.Zarp = 2;
    s = Snap(s).hand1("7к 9п 1б Вп Кк").table("6б 9б", 0).zarp(2).get();
    Answer a = decide(MoveKind::Add, s);
    EXPECT_EQ(a.card, "9п");
    EXPECT_EQ(a.zarp, 3);
    s = Snap(s).hand1("7к 1б Вп Кк").table("6б 9б 9п Вб", 0).zarp(3).get();
    a = decide(MoveKind::Add, s);
    EXPECT_TRUE(a.stop);
    EXPECT_EQ(a.card, "##");
}

TEST(ThrowInWithDeck, Rules) {
    const LeadCase cases[] = {
        {"single plan never adds, even a low matching card",
         Snap().trump("ч").och(20).zarp(1).hand1("6б 7к").table("6п 8п", 0).hand2Count(2),
         {"##", true, 1}},
        {"six to ten is added",
         Snap().trump("ч").och(20).hand1("6б 7к").hand2("Тп").table("7п 8п", 0),
         {"7к", false, 0}},
        {"a jack needs a plain jack, queen or king on the table",
         Snap().trump("ч").och(20).hand1("Вб Тк").hand2("Тб").table("Вп Тп", 0),
         {"Вб", false, 0}},
        {"a jack is kept when only trumps lie on the table",
         Snap().trump("ч").och(20).hand1("Вб Тк").hand2("Тп").table("Вч Тч", 0),
         {"##", true, 0}},
        {"a king needs two plain six-to-nines on the table",
         Snap().trump("ч").och(20).hand1("Кб").hand2("Тк").table("6п Кп 7п Тп", 0),
         {"Кб", false, 0}},
        {"a king is kept with one",
         Snap().trump("ч").och(20).hand1("Кб").hand2("Тп").table("6п Кп", 0),
         {"##", true, 0}},
        {"a low trump needs four plain six-to-nines",
         Snap().trump("ч").och(20).hand1("7ч").hand2("Тп").table("6п 7п 8п 9п", 0),
         {"7ч", false, 0}},
        {"pair plan: a trump six to nine does not end the plan",
         Snap().trump("ч").och(20).zarp(2).hand1("9ч").hand2("Тк").table("9п Тп", 0),
         {"9ч", false, 2}},
        {"pair plan: a higher trump is kept",
         Snap().trump("ч").och(20).zarp(2).hand1("1ч").hand2("Тк").table("1п Тп", 0),
         {"##", true, 2}},
    };
    for (const LeadCase& c : cases) {
        const Answer a = decide(MoveKind::Add, c.snapshot);
        EXPECT_EQ(a.card, c.expected.card) << c.name;
        EXPECT_EQ(a.stop, c.expected.stop) << c.name;
        EXPECT_EQ(a.zarp, c.expected.zarp) << c.name;
    }
}

TEST(AddToTakerWithDeck, AddsPlainSixToTenLowestFirstUntilNoneLeft) {
    StatTavik2 s =
        Snap().trump("ч").och(20).hand1("9п 1б Вп 1ч").hand2("6к 7к").table("9к 1к 9б", 1);
    std::vector<std::string> added;
    for (int call = 0; call < 6; ++call) {
        bool stop = false;
        EndgameSearch search;
        const int slot = ChooseMove(MoveKind::AddToTaker, s, stop, search);
        if (stop) break;
        added.push_back(slotCard(s, slot));
        addToTable(s, slot, true);
    }
    EXPECT_EQ(added, (std::vector<std::string>{"9п", "1б"}));  // never the trump, nor the jack
}

TEST(AddToTakerWithDeck, PairPlanAddsOneCardBelowTheQueen) {
    StatTavik2 s =
        Snap().trump("ч").och(20).zarp(2).hand1("9п 1б").hand2("6к 7к").table("9к 1к 9б", 1);
    Answer a = decide(MoveKind::AddToTaker, s);
    EXPECT_EQ(a.card, "9п");
    EXPECT_EQ(a.zarp, 3);
    addToTable(s, 1, true);
    s.Zarp = 3;
    EXPECT_TRUE(decide(MoveKind::AddToTaker, s).stop);
    const Answer queen =
        decide(MoveKind::AddToTaker,
               Snap().trump("ч").och(20).zarp(2).hand1("Дп").hand2("6к 7к").table("Дк Кк Дб", 1));
    EXPECT_TRUE(queen.stop);
    EXPECT_EQ(queen.zarp, 2);
}

TEST(LeadEndgame, TrumpLeadOnlyAboveEveryHumanTrump) {
    // 14 cards in play and an empty deck: the heuristic endgame rules decide.
    const std::string human = "6б 7б 8б 9б 6к 7к 8к 9к";
    EXPECT_EQ(
        decide(MoveKind::Lead, Snap().trump("ч").hand1("7ч 9ч Вч Тч").hand2("6ч 8ч " + human)).card,
        "9ч");
    EXPECT_EQ(
        decide(MoveKind::Lead, Snap().trump("ч").hand1("7ч 9ч Вч Тч").hand2("6ч 1ч " + human)).card,
        "7ч");
    // One plain rank besides the trumps: the lowest trump when it tops the human's trumps.
    EXPECT_EQ(
        decide(MoveKind::Lead, Snap().trump("ч").hand1("Дп 9ч Вч Тч").hand2("6ч 8ч " + human)).card,
        "9ч");
    EXPECT_EQ(
        decide(MoveKind::Lead, Snap().trump("ч").hand1("Тп Дп 9ч Вч").hand2("6ч 8ч " + human)).card,
        "Дп");
}

TEST(EndgameAdding, LowestPlainThenLowestTrumpOfTheTableRanks) {
    const std::string human = "6б 7б 1б Вб 6к 7к 8к";
    EXPECT_EQ(
        decide(MoveKind::Add, Snap().trump("ч").hand1("Вп 9ч 8ч 8п").hand2(human).table("8б 9б", 0))
            .card,
        "8п");
    EXPECT_EQ(
        decide(MoveKind::Add, Snap().trump("ч").hand1("Вп 9ч 8ч Тп").hand2(human).table("8б 9б", 0))
            .card,
        "8ч");
    EXPECT_TRUE(
        decide(MoveKind::Add, Snap().trump("ч").hand1("Вп Дп 7ч Тп").hand2(human).table("8б 9б", 0))
            .stop);
    // Adding to a taker never gives a trump.
    EXPECT_TRUE(decide(MoveKind::AddToTaker,
                       Snap().trump("ч").hand1("Вп 9ч 8ч Тп").hand2(human).table("8б 9б 8п", 1))
                    .stop);
    EXPECT_EQ(decide(MoveKind::AddToTaker,
                     Snap().trump("ч").hand1("Вп 9ч Тп 9п").hand2(human).table("8б 9б 8п", 1))
                  .card,
              "9п");
}

struct BeatCase {
    const char* name;
    StatTavik2 snapshot;
    std::string beats;  // ChooseBeatingCard's card, "##" when none
};

TEST(ChooseBeatingCard, PrefersARankOnTheTable) {
    const BeatCase cases[] = {
        {"the run reaches the nine on the table",
         Snap().trump("к").hand1("6б 8ч 9ч Вч").table("7б 9б 7ч", 1), "9ч"},
        {"the run stops before the jack on the table",
         Snap().trump("к").hand1("6б 8ч 9ч Вч").table("7б Вб 7ч", 1), "8ч"},
        {"an ace of a plain suit is beaten by trumps at once",
         Snap().trump("к").hand1("6к 8к Кч").table("Тч", 1), "6к"},
        {"a trump attack and no higher trump",
         Snap().trump("к").hand1("6к 7к Тб Тп").table("9к", 1), "##"},
        {"six of trumps gives way to the eight whose rank is on the table",
         Snap().trump("к").hand1("7ч 6к 8к").table("8п Вп 8б", 1), "8к"},
        {"or to the nine", Snap().trump("к").hand1("7ч 6к 9к").table("9п Вп 8б", 1), "9к"},
        {"not while a six lies on the table",
         Snap().trump("к").hand1("7ч 6к 8к").table("8п 6п 8б", 1), "6к"},
        {"seven of trumps gives way to the nine",
         Snap().trump("к").hand1("7ч 7к 9к").table("9п Вп 8б", 1), "9к"},
        {"a run of trumps whose rank is on the table",
         Snap().trump("к").hand1("6к 7к 8к").table("7п Вп 8б", 1), "7к"},
        {"nothing beats", Snap().trump("к").hand1("6б 7ч").table("Тп", 1), "##"},
    };
    for (const BeatCase& c : cases)
        EXPECT_EQ(slotCard(c.snapshot, ChooseBeatingCard(c.snapshot)), c.beats) << c.name;
}

TEST(DefendWithDeck, SavesTrumpsByTheReserve) {
    const std::string plain = "6б 7б 8б 9б 1б ";
    const LeadCase cases[] = {
        {"a plain card always beats",
         Snap().trump("к").och(30).hand1("7п 9ч").hand2("6ч").table("6п", 1),
         {"7п", false, 0}},
        {"only a king of trumps, reserve 15: take",
         Snap().trump("к").och(33).hand1(plain + "Кк").hand2("6ч 7ч 8ч Дч Кч Тч").table("9п", 1),
         {"##", true, 0}},
        {"reserve 14: beat",
         Snap().trump("к").och(34).hand1(plain + "Кк").hand2("6ч 7ч 8ч Дч Кч Тч").table("9п", 1),
         {"Кк", false, 0}},
        {"reserve 15 after taking the human's last bout, a plain nine on the table: beat",
         Snap()
             .trump("к")
             .och(33)
             .wasTakes(true)
             .hand1(plain + "Кк")
             .hand2("6ч 7ч 8ч Дч Кч Тч")
             .table("9п", 1),
         {"Кк", false, 0}},
        {"the same with a jack on the table: take",
         Snap()
             .trump("к")
             .och(33)
             .wasTakes(true)
             .hand1(plain + "Кк")
             .hand2("6ч 7ч 8ч Дч Кч Тч")
             .table("Вп", 1),
         {"##", true, 0}},
        {"only the six of trumps, reserve 20, queens and a king on the table: take",
         Snap()
             .trump("к")
             .och(28)
             .hand1("7ч 8ч 9ч 1ч Вч 6к")
             .hand2("6п 7п 8п 9п 1п Вп")
             .table("Дп Кп Дб", 1),
         {"##", true, 0}},
        {"the same with a plain ten on the table: beat",
         Snap()
             .trump("к")
             .och(28)
             .hand1("7ч 8ч 9ч 1ч Вч 6к")
             .hand2("6п 7п 8п 9п 6б Вп")
             .table("1п Кп 1б", 1),
         {"6к", false, 0}},
        {"only the ace of trumps, four cards in hand: take",
         Snap().trump("к").och(35).hand1("6б 7б 8б Тк").hand2("6ч 7ч 8ч 9ч").table("9п", 1),
         {"##", true, 0}},
        {"three cards, two in the deck, four with the human: beat",
         Snap().trump("к").och(35).hand1("6б 7б Тк").hand2("6ч 7ч 8ч 9ч").table("9п", 1),
         {"Тк", false, 0}},
        {"nothing beats: take",
         Snap().trump("к").och(30).hand1("6б 7ч").hand2("6ч").table("Тп", 1),
         {"##", true, 0}},
    };
    for (const LeadCase& c : cases) {
        const Answer a = decide(MoveKind::Defend, c.snapshot);
        EXPECT_EQ(a.card, c.expected.card) << c.name;
        EXPECT_EQ(a.stop, c.expected.stop) << c.name;
    }
}

TEST(DefendEndgame, BeatsWheneverItCan) {
    // 13 cards in play: no trump is saved.
    const StatTavik2 s =
        Snap().trump("к").hand1("6б 7б 8б 9б 1б Тк").hand2("6ч 7ч 8ч 9ч 1ч Вч").table("9п", 1);
    const Answer a = decide(MoveKind::Defend, s);
    EXPECT_EQ(a.card, "Тк");
    EXPECT_FALSE(a.stop);
}

}  // namespace
}  // namespace tavik::ai
