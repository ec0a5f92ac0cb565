// The move rules: checks, limits, what a move does, and the ends of a bout and a kon.
#include "core/rules/bout.h"
#include "core/rules/moves.h"
#include "core/tests/test_support.h"

namespace tavik {
namespace {
using test::C;
using test::handCodes;
using test::setHand;
using test::setTable;
using test::TableFixture;

TEST(CheckMove, TableOfCases) {
    struct Case {
        MoveKind kind;
        std::vector<std::string> table;
        const char* karta;
        const char* card;
        int result;
    } cases[] = {
        {MoveKind::Lead, {}, "##", "7ч", kMoveOk},
        // Adding needs the rank of any table card, attack or defence.
        {MoveKind::Add, {"7ч", "9ч"}, "7ч", "9б", kMoveOk},
        {MoveKind::Add, {"7ч", "9ч"}, "7ч", "7п", kMoveOk},
        {MoveKind::Add, {"7ч", "9ч"}, "7ч", "8п", kNoSuchRank},
        {MoveKind::AddToTaker, {"7ч"}, "7ч", "7б", kMoveOk},
        {MoveKind::AddToTaker, {"7ч"}, "7ч", "Тб", kNoSuchRank},
        // Defence, trump spades.
        {MoveKind::Defend, {"9ч"}, "9ч", "Вч", kMoveOk},
        {MoveKind::Defend, {"9ч"}, "9ч", "7ч", kTooLow},
        {MoveKind::Defend, {"9ч"}, "9ч", "Тб", kWrongSuit},
        {MoveKind::Defend, {"9ч"}, "9ч", "6п", kMoveOk},  // any trump on a plain card
        {MoveKind::Defend, {"Вп"}, "Вп", "7п", kTooLow},  // a lower trump on a higher trump
        {MoveKind::Defend, {"Вп"}, "Вп", "Дп", kMoveOk},
    };
    for (const Case& c : cases) {
        GameState g;
        g.Koz = kSpades;
        setTable(g, c.table);
        g.KartaHod = C(c.karta);
        setHand(g, 2, {c.card});
        EXPECT_EQ(CheckMove(g, 1, c.kind), c.result) << static_cast<int>(c.kind) << " " << c.card;
    }
}

TEST(MayAttack, LimitsTheBout) {
    struct Case {
        int kolHods, kolFree, defenderCards;
        bool may;
    } cases[] = {
        {0, 0, 6, true},
        {1, 1, 1, false},  // a defender with one card facing one attack gets no more
        {1, 1, 2, true},
        {3, 3, 3, false},  // never more unbeaten cards than the defender holds
        {5, 0, 4, true},
        {6, 0, 4, false},  // a seventh attack card is refused
        {2, 0, 0, false},  // the defender holds nothing
    };
    for (const Case& c : cases) {
        GameState g;
        g.Attacker = 2;
        g.KolHods = c.kolHods;
        g.KolFree = c.kolFree;
        g.KolCards1 = c.defenderCards;
        EXPECT_EQ(MayAttack(g), c.may) << c.kolHods << "/" << c.kolFree << "/" << c.defenderCards;
    }
}

// ApplyMove's Step and action-button table, seat by seat.
TEST(ApplyMove, SetsStepButtonAndSounds) {
    struct Case {
        int seat;
        MoveKind kind;
        bool card;
        BoutStep step;
        std::vector<std::string> lastEvents;  // the events after the card was drawn
    } cases[] = {
        {1, MoveKind::Lead, true, BoutStep::Defend, {"button7 I Take on"}},
        {1,
         MoveKind::Add,
         false,
         BoutStep::ConfirmBeaten,
         {"button7 Beaten on", "sound WHodOtb wait"}},
        {1, MoveKind::Add, true, BoutStep::Defend, {"button7 That`s all on"}},
        {1, MoveKind::Defend, true, BoutStep::Add, {"button7 That`s all on"}},
        {1,
         MoveKind::Defend,
         false,
         BoutStep::AddToTaker,
         {"caption 1 b I Take", "button7 That`s all on", "sound WHodBer wait"}},
        {1, MoveKind::AddToTaker, true, BoutStep::AddToTaker, {}},
        {1, MoveKind::AddToTaker, false, BoutStep::AddToTaker, {}},
        {2, MoveKind::Lead, true, BoutStep::Defend, {}},
        {2, MoveKind::Defend, true, BoutStep::Add, {}},
        {2, MoveKind::AddToTaker, true, BoutStep::AddToTaker, {}},
    };
    for (const Case& c : cases) {
        TableFixture t;
        GameState& g = t.g;
        g.Koz = kSpades;
        g.Attacker = c.kind == MoveKind::Defend ? 3 - c.seat : c.seat;
        g.Step = StepOf(c.kind);
        g.Button7Caption = Word::ThatsAll;
        setHand(g, 1, {"7ч", "8ч", "Вч"});
        setHand(g, 2, {"7б", "8б", "Вб"});
        if (c.kind != MoveKind::Lead) {
            setTable(g, {"7п"});
            g.KartaHod = C("6ч");
            g.KolHods = 1;
            g.KolFree = 1;
        }
        t.recorder.clear();
        ApplyMove(g, t.world, c.seat, c.kind, c.card ? 3 : 0);
        EXPECT_EQ(g.Step, c.step) << c.seat << "/" << static_cast<int>(c.kind);
        std::vector<std::string> tail;
        bool afterCard = !c.card;
        for (const auto& e : t.recorder.events()) {
            if (afterCard) tail.push_back(e);
            if (e == "sound WHodsDo wait") afterCard = true;
        }
        EXPECT_EQ(tail, c.lastEvents) << c.seat << "/" << static_cast<int>(c.kind);
    }
}

TEST(ApplyMove, LaysTheCardInOrderOfEffects) {
    TableFixture t;
    GameState& g = t.g;
    g.Koz = kSpades;
    g.display.flyCardsOn = true;
    g.Attacker = 2;
    g.Step = BoutStep::Lead;
    g.ShownTrump = C("6п");
    setHand(g, 2, {"9ч", "7б", "Тп"});
    ApplyMove(g, t.world, 2, MoveKind::Lead, 1);
    EXPECT_EQ(t.recorder.events(),
              (std::vector<std::string>{"hand 2 up", "fly hand->table seat 2 7б attack 1",
                                        "table attack 1 7б", "sound WHodsDo wait"}));
    EXPECT_TRUE(g.ShownTrump.empty());
    EXPECT_EQ(handCodes(g, 2), (std::vector<std::string>{"9ч", "Тп"}));
    EXPECT_EQ(g.KartaHod, C("7б"));
    EXPECT_EQ((std::vector<int>{g.KolHods, g.KolFree, g.KolCardsStol, g.OchGame}),
              (std::vector<int>{1, 1, 1, 2}));

    // Seat 1 beats: the defence goes to the defence row of the same column.
    setHand(g, 1, {"8б", "Кб"});
    g.Step = BoutStep::Defend;
    t.recorder.clear();
    ApplyMove(g, t.world, 1, MoveKind::Defend, 1);
    EXPECT_EQ(t.recorder.events()[2], "table defence 1 8б");
    EXPECT_EQ(g.KolFree, 0);
    EXPECT_EQ(g.KartaHod, C("7б")) << "a defence leaves the attack card to beat";
}

TEST(ApplyMove, HintsOfSeat2) {
    struct Case {
        int attacker;
        BoutStep step;  // the situation after seat 1's move
        std::vector<std::string> hand2;
        const char* caption;
    } cases[] = {
        {1, BoutStep::Defend, {"7б"}, "caption 2 r (I Take)"},  // seat 1 led 9ч: nothing beats it
        {1, BoutStep::Defend, {"Тч"}, "caption 2 y Ivan"},
        {2, BoutStep::Add, {"Тб"}, "caption 2 r (Beaten)"},  // seat 1 beat: nothing to add
        {2, BoutStep::AddToTaker, {"Тб"}, "caption 2 r (That`s All...)"},
        {2, BoutStep::AddToTaker, {"9б"}, "caption 2 y Ivan"},
    };
    for (const Case& c : cases) {
        TableFixture t;
        GameState& g = t.g;
        g.rules.HintsRule = true;
        g.names[2] = "Ivan";
        g.Koz = kSpades;
        g.Attacker = c.attacker;
        setHand(g, 1, {"9ч", "Вч"});
        setHand(g, 2, c.hand2);
        if (c.attacker == 1) {
            g.Step = BoutStep::Lead;
            ApplyMove(g, t.world, 1, MoveKind::Lead, 1);
        } else {
            setTable(g, {"9к"});
            g.KartaHod = C("9к");
            g.KolHods = g.KolFree = 1;
            g.Step = BoutStep::Defend;
            ApplyMove(g, t.world, 1, MoveKind::Defend, c.step == BoutStep::Add ? 2 : 0);
        }
        ASSERT_EQ(g.Step, c.step);
        EXPECT_EQ(t.recorder.events().back(), c.caption);
    }
}

TEST(BoutEnd, TakeRefillAndDiscard) {
    TableFixture t;
    GameState& g = t.g;
    g.Koz = kSpades;
    for (int i = 1; i <= 36; ++i) g.KolodaI[i] = Card::fromNumber(i);
    g.Och = 34;  // three cards left: Тб, Тк, Тп
    setHand(g, 1, {"Тч"});
    setHand(g, 2, {"7б", "8б", "Вб", "Дб", "Кб"});
    setTable(g, {"6ч", "7ч", "6б"});
    Take(g, t.world, 1);
    EXPECT_EQ(handCodes(g, 1), (std::vector<std::string>{"6ч", "6б", "7ч", "Тч"}));
    // The attacker draws; when the deck runs out the defender draws nothing.
    Refill(g, t.world, 2);
    EXPECT_EQ(g.KolCards2, 6);
    EXPECT_EQ(g.Och, 35);
    Refill(g, t.world, 1);
    EXPECT_EQ(g.KolCards1, 6);
    EXPECT_TRUE(g.deckEmpty());
    Refill(g, t.world, 1);
    EXPECT_EQ(g.KolCards1, 6);

    setTable(g, {"9ч", "Вч"});
    g.BitoNext = 3;
    Discard(g, t.world);
    EXPECT_EQ(g.Bito[3], C("9ч"));
    EXPECT_EQ(g.Bito[4], C("Вч"));
    EXPECT_EQ(g.BitoNext, 5);
}

TEST(BoutEnd, TakeWithFlightsKeepsEveryCard) {
    TableFixture t;
    GameState& g = t.g;
    g.Koz = kSpades;
    g.display.flyCardsOn = true;
    setHand(g, 2, {"Тч", "Вб"});
    setTable(g, {"6ч", "7п", "6б", "Дп"});
    Take(g, t.world, 2);
    EXPECT_EQ(handCodes(g, 2), (std::vector<std::string>{"6ч", "6б", "Вб", "Тч", "7п", "Дп"}));
    EXPECT_EQ(t.recorder.eventsStartingWith("pause").size(), 4u);
}

// With flights, every card of a take, a refill and a discard lands before the next
// leaves: the hand (and for a refill the deck) is redrawn after each flight, then the
// table pauses 200 ms.
TEST(BoutEnd, FlightsLandInOrderOfEffects) {
    TableFixture t;
    GameState& g = t.g;
    g.Koz = kSpades;
    g.display.flyCardsOn = true;
    for (int i = 1; i <= 36; ++i) g.KolodaI[i] = Card::fromNumber(i);
    g.Och = 30;
    setHand(g, 1, {"Тч", "Вб", "9к", "8п"});
    Refill(g, t.world, 1);
    const std::vector<std::string> landing = {"fly deck->hand seat 1", "deck", "hand 1",
                                              "pause 200"};
    std::vector<std::string> expected;
    for (int card = 0; card < 2; ++card)
        expected.insert(expected.end(), landing.begin(), landing.end());
    expected.insert(expected.end(), {"deck", "hand 1"});
    std::vector<std::string> seen;
    for (const std::string& e : t.recorder.events())
        for (const std::string& start : {"fly deck->hand seat 1", "deck", "hand 1", "pause 200"})
            if (e.rfind(start, 0) == 0) seen.push_back(start);
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(g.KolCards1, 6);
    EXPECT_EQ(g.Och, 32);

    t.recorder.clear();
    setTable(g, {"6ч", "7ч"});
    Take(g, t.world, 2);
    std::vector<std::string> take;
    for (const std::string& e : t.recorder.events()) take.push_back(e.substr(0, e.find(' ')));
    EXPECT_EQ(take,
              (std::vector<std::string>{"fly", "hand", "pause", "fly", "hand", "pause", "hand"}));

    t.recorder.clear();
    setTable(g, {"6б", "7б"});
    Discard(g, t.world);
    EXPECT_EQ(t.recorder.events(), (std::vector<std::string>{"fly table->discard", "pause 200"}));
}

TEST(KonEnd, ResultsScoresAndTheDeckSound) {
    struct Case {
        int cards1, cards2;
        KonOutcome result;
        int wins1, wins2;
    } cases[] = {{0, 3, KonOutcome::Seat1Won, 1, 0},
                 {2, 0, KonOutcome::Seat2Won, 0, 1},
                 {0, 0, KonOutcome::Draw, 0, 0},
                 {1, 1, KonOutcome::None, 0, 0}};
    for (const Case& c : cases) {
        TableFixture t;
        GameState& g = t.g;
        g.Och = 37;
        g.BaseScore = 100;
        g.KolCards1 = c.cards1;
        g.KolCards2 = c.cards2;
        EXPECT_EQ(KonEndTest(g, t.world), c.result != KonOutcome::None);
        EXPECT_EQ(g.KonResult, c.result);
        EXPECT_EQ(g.Wins[1], c.wins1);
        EXPECT_EQ(g.Wins[2], c.wins2);
        if (c.result != KonOutcome::None) {
            EXPECT_EQ(g.Score, 100 + (c.wins2 - c.wins1) * 10);
        }
        EXPECT_EQ(t.recorder.eventsStartingWith("sound").size(), 1u) << "WKoloNo once";
        KonEndTest(g, t.world);
        EXPECT_EQ(t.recorder.eventsStartingWith("sound").size(), 1u) << "only the first time";
    }
}

TEST(SixesTest, TableOfRows) {
    struct Case {
        std::vector<std::string> table;
        int kolFree;
        int result;
    } cases[] = {
        {{"6ч"}, 1, 1},
        {{"6ч", "Тч"}, 0, 1},
        {{"6ч", "6б"}, 2, 2},  // two sixes added to a taker
        {{"6ч", "Тч", "6б"}, 1, 2},
        {{"6ч", "Тч", "6б", "Тб"}, 0, 2},
        {{"6ч", "6б", "6к"}, 3, 3},
        {{"6ч", "Тч", "6б", "6к"}, 2, 3},
        {{"6ч", "Тч", "6б", "Тб", "6к"}, 1, 3},
        {{"6ч", "Тч", "6б", "Тб", "6к", "Тк"}, 0, 3},
        {{"6п"}, 1, 0},              // a trump six never counts
        {{"7ч", "6б"}, 2, 0},        // the first card must be a six
        {{"6ч", "Тч", "7б"}, 1, 0},  // each row names every table position it needs
    };
    for (const Case& c : cases) {
        GameState g;
        g.Koz = kSpades;
        g.rules.SixesRule = true;
        setTable(g, c.table);
        g.KolFree = c.kolFree;
        EXPECT_EQ(SixesTest(g), c.result) << c.table.size() << "/" << c.kolFree;
        g.rules.SixesRule = false;
        EXPECT_EQ(SixesTest(g), 0);
    }
}

}  // namespace
}  // namespace tavik
