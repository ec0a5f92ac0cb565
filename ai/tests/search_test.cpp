// The endgame search: the conventions of the root (ties, "##", -3), the time limit,
// the progress caption, and a warm table answering as a cold one. Each position is
// put to the literal search and to the fast one alike.
#include <gtest/gtest.h>

#include "ai/endgame_search.h"
#include "ai/literal_search.h"
#include "ai/random_positions.h"
#include "ai/tests/snapshot_builder.h"
#include "core/match/recorder.h"

namespace tavik::ai {
namespace {

using testing::cards;
using testing::root;
using testing::RootCase;

TEST(Search, RootConventions) {
    const RootCase cases[] = {
        {"no card beats: take with -3 as the only value", root("6б 7к", "8п 9п", "Тп", true, 1, 1),
         "##", kValueNoMove},
        {"nothing may be added: -3", root("8к", "Тк", "6б 7б", false, 1, 0), "##", kValueNoMove},
        // Both leads win (the ace cannot beat either six and the other six follows): the lower
        // slot.
        {"equal values: the lower slot", root("6б 6к", "Тп", "", false), "6б", kValueWin},
        {"equal values, the other order", root("6к 6б", "Тп", "", false), "6к", kValueWin},
        // Adding the eight and ending the attack both lose: the card is played.
        {"a card ties with ending the attack", root("8п Дб", "9п", "Вк 8ч", false, 1, 0), "8п",
         kValueLoss},
        {"a defender beats with its last card", root("Тп", "6б 7б", "Кп", true, 1, 1), "Тп",
         kValueWin},
        {"a taker gets the last card: the attacker wins",
         root("7б", "Тк Тп", "7п", false, 1, 1, true), "7б", kValueWin},
        {"a taker that owes an answer for each card gets no more",
         root("7б", "Тк", "7п", false, 1, 1, true), "##", kValueNoMove},
    };
    for (const RootCase& c : cases) {
        EndgameSearch fast;
        const SearchAnswer a = fast.run(c.root);
        EXPECT_EQ(a.card.utf8(), c.card) << c.name;
        EXPECT_EQ(a.value, c.value) << c.name;
        const SearchAnswer literal = LiteralSearch(c.root);
        EXPECT_EQ(literal.card.utf8(), c.card) << c.name;
        EXPECT_EQ(literal.value, c.value) << c.name;
    }
}

// The hardest of a few hundred random 12-card decisions, for the time limit.
SearchRoot hardRoot() {
    SeededRandom random(11);
    EndgameSearch search;
    SearchRoot hardest;
    std::uint64_t most = 0;
    for (int i = 0; i < 300; ++i) {
        const RandomDecision d = RandomEndgameDecision(random, 12, 12, MoveKind::Lead);
        const SearchRoot r = AttackRoot(d.snapshot, MoveKind::Lead);
        search.forget();
        const std::uint64_t nodes = search.run(r).nodes;
        if (nodes > most) {
            most = nodes;
            hardest = r;
        }
    }
    return hardest;
}

TEST(Search, AnswersWhenTheTimeLimitEndsIt) {
    const SearchRoot r = hardRoot();
    EndgameSearch search;
    std::int64_t now = 0;
    search.setClock([&] { return now += 20; });  // every reading of the clock is 20 ms later
    search.setTimeLimitMs(100);
    const SearchAnswer a = search.run(r);
    ASSERT_TRUE(a.timedOut);
    EXPECT_FALSE(a.card.empty());  // a card of the lead, the best found
    EXPECT_NE(std::find(r.mover.begin(), r.mover.end(), a.card), r.mover.end());

    // The interrupted search taught the table nothing false: the next search is exact.
    search.setClock([] { return std::int64_t{0}; });
    const SearchAnswer exact = search.run(r);
    EXPECT_FALSE(exact.timedOut);
    EndgameSearch cold;
    const SearchAnswer fresh = cold.run(r);
    EXPECT_EQ(exact.card, fresh.card);
    EXPECT_EQ(exact.value, fresh.value);
}

// Shows the progress the way the headless front end does.
struct ProgressToRecorder : ThinkingPort {
    explicit ProgressToRecorder(HeadlessRecorder& r) : recorder(r) {}
    void thinking(const ThinkingProgress& p) override { recorder.progress(p); }
    HeadlessRecorder& recorder;
};

TEST(Search, ReportsItsProgress) {
    HeadlessRecorder recorder;
    ProgressToRecorder progress{recorder};
    EndgameSearch search;
    search.run(root("6б 7к 9п", "8п 1п", "", false), SearchProgress{&progress});
    const std::vector<std::string> shown = recorder.eventsStartingWith("progress ");
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.front(), "progress I think... 1/3 (0 sec.)");
    // A defence counts the take as one more move.
    recorder.clear();
    search.run(root("7п 9ч", "8п", "6п", true, 1, 1), SearchProgress{&progress});
    EXPECT_EQ(recorder.eventsStartingWith("progress ").front(), "progress I think... 1/3 (0 sec.)");
}

}  // namespace
}  // namespace tavik::ai
