// The fast endgame search against the literal one on random positions that can arise
// in play: the same card or stop and the same root value, from a cold table and from
// a warm one.
#include <gtest/gtest.h>

#include "ai/endgame_search.h"
#include "ai/literal_search.h"
#include "ai/random_positions.h"

#ifndef TAVIK_DIFF_POSITIONS
#define TAVIK_DIFF_POSITIONS 20000
#endif

namespace tavik::ai {
namespace {

std::string describe(const SearchRoot& r) {
    std::string s = "mover";
    for (Card c : r.mover) s += " " + c.utf8();
    s += " | other";
    for (Card c : r.other) s += " " + c.utf8();
    s += " | table";
    for (Card c : r.table) s += " " + c.utf8();
    return s + " | trump " + std::string(suitUtf8(r.trump)) + " hods " + std::to_string(r.hods) +
           " free " + std::to_string(r.free) + (r.taking ? " taking" : "") +
           (r.defence ? " defence" : "");
}

TEST(SearchDifferential, FastEqualsLiteral) {
    constexpr int kPositions = TAVIK_DIFF_POSITIONS;
    // Positions the literal search cannot finish within this many nodes are skipped.
    constexpr std::uint64_t kLiteralBudget = 300000;
    SeededRandom random(20240611);
    EndgameSearch warm, cold;
    int compared = 0, differences = 0;
    int byMode[5] = {}, twelve = 0, mixedTable = 0;
    while (compared < kPositions) {
        const RandomDecision d = RandomEndgameDecision(random, 2, 12);
        const SearchRoot r =
            d.mode == MoveKind::Defend ? DefenceRoot(d.snapshot) : AttackRoot(d.snapshot, d.mode);
        const SearchAnswer literal = LiteralSearch(r, kLiteralBudget);
        if (literal.timedOut) continue;
        ++compared;
        ++byMode[static_cast<int>(d.mode)];
        twelve += d.snapshot.cardsInPlay() == 12;
        mixedTable += d.snapshot.KolFree > 0 &&
                      d.snapshot.KolHods > d.snapshot.KolFree;  // beaten and unbeaten
        cold.forget();
        const SearchAnswer fromCold = cold.run(r);
        const SearchAnswer fromWarm = warm.run(r);
        const bool same = fromCold.card == literal.card && fromCold.value == literal.value &&
                          fromWarm.card == literal.card && fromWarm.value == literal.value &&
                          !fromCold.timedOut && !fromWarm.timedOut;
        if (!same && ++differences <= 5)
            ADD_FAILURE() << describe(r) << ": literal " << literal.card.utf8() << " "
                          << literal.value << ", cold " << fromCold.card.utf8() << " "
                          << fromCold.value << ", warm " << fromWarm.card.utf8() << " "
                          << fromWarm.value;
    }
    EXPECT_EQ(differences, 0);
    // The positions cover what the search meets in play.
    for (int mode = 1; mode <= 4; ++mode)
        EXPECT_GT(byMode[mode], kPositions / 8) << "mode " << mode;
    EXPECT_GT(twelve, kPositions / 50);
    EXPECT_GT(mixedTable, kPositions / 50);
}

}  // namespace
}  // namespace tavik::ai
