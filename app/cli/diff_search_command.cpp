// tavik-cli diff-search: the fast endgame search against the literal one on random
// endgame decisions; every difference is printed, the last line is a JSON summary.
#include <chrono>
#include <cstdio>
#include <string>

#include "ai/endgame_search.h"
#include "ai/literal_search.h"
#include "ai/random_positions.h"
#include "ai/search_position.h"
#include "app/cli/arguments.h"
#include "app/cli/commands.h"
#include "app/cli/json.h"

namespace tavik::cli {
namespace {

int fail(const std::string& message) {
    std::fprintf(stderr, "tavik-cli diff-search: %s\n", message.c_str());
    return 2;
}

std::string cards(const std::vector<Card>& list) {
    std::string out;
    for (Card c : list) out += (out.empty() ? "" : " ") + c.utf8();
    return out;
}

std::string describe(const ai::SearchRoot& r) {
    return "mover [" + cards(r.mover) + "] other [" + cards(r.other) + "] table [" +
           cards(r.table) + "] trump " + std::string(suitUtf8(r.trump)) + " hods " +
           std::to_string(r.hods) + " free " + std::to_string(r.free) +
           (r.taking ? " taking" : "") + (r.defence ? " defence" : " attack");
}

std::string answer(const ai::SearchAnswer& a) {
    return a.card.utf8() + " " + std::to_string(a.value);
}

}  // namespace

int diffSearchCommand(const std::vector<std::string>& args) {
    std::string error;
    auto parsed =
        Arguments::parse(args, {"seed", "count", "min-cards", "max-cards", "budget"}, {}, error);
    if (!parsed) return fail(error);
    const Arguments& a = *parsed;
    const auto seed = static_cast<std::uint64_t>(a.number("seed", 1, 0, INT64_MAX, error));
    const long long count = a.number("count", 20000, 1, 100000000, error);
    const int minCards = static_cast<int>(a.number("min-cards", 2, 2, 12, error));
    const int maxCards = static_cast<int>(a.number("max-cards", 12, 2, 12, error));
    const auto budget =
        static_cast<std::uint64_t>(a.number("budget", 2000000, 1000, INT64_MAX, error));
    if (!error.empty()) return fail(error);
    if (maxCards < minCards) return fail("--max-cards is below --min-cards");

    SeededRandom random(seed);
    ai::EndgameSearch warm, cold;
    long long finished = 0, unfinished = 0, differences = 0;
    std::uint64_t literalNodes = 0, fastNodes = 0;
    const auto start = std::chrono::steady_clock::now();
    // Positions the literal search does not finish within the budget are skipped; a
    // tenfold surplus of them ends the run.
    while (finished < count && unfinished < 10 * count) {
        const ai::RandomDecision d = ai::RandomEndgameDecision(random, minCards, maxCards);
        const ai::SearchRoot root = d.mode == MoveKind::Defend ? ai::DefenceRoot(d.snapshot)
                                                               : ai::AttackRoot(d.snapshot, d.mode);
        const ai::SearchAnswer literal = ai::LiteralSearch(root, budget);
        if (literal.timedOut) {
            ++unfinished;
            continue;
        }
        ++finished;
        cold.forget();
        const ai::SearchAnswer fromCold = cold.run(root);
        const ai::SearchAnswer fromWarm = warm.run(root);
        literalNodes += literal.nodes;
        fastNodes += fromCold.nodes;
        const bool same = fromCold.card == literal.card && fromCold.value == literal.value &&
                          fromWarm.card == literal.card && fromWarm.value == literal.value;
        if (!same) {
            ++differences;
            std::printf("difference: %s: literal %s, fast %s (warm %s)\n", describe(root).c_str(),
                        answer(literal).c_str(), answer(fromCold).c_str(),
                        answer(fromWarm).c_str());
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const Json summary = {{"positions", finished},
                          {"unfinished", unfinished},
                          {"differences", differences},
                          {"literal_nodes", static_cast<long long>(literalNodes)},
                          {"fast_nodes", static_cast<long long>(fastNodes)},
                          {"seconds", seconds}};
    std::printf("%s\n", jsonLine(summary).c_str());
    return differences == 0 ? 0 : 1;
}

}  // namespace tavik::cli
