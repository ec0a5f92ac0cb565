// tavik-cli bench search: how fast the computer decides with the exact search, on
// random 12-card endgame decisions and on the hardest of them, and how it compares
// with the literal search. Prints figures; the last line is one JSON object.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <numeric>
#include <string>
#include <vector>

#include "ai/choose_move.h"
#include "ai/literal_search.h"
#include "ai/random_positions.h"
#include "app/cli/arguments.h"
#include "app/cli/commands.h"
#include "app/cli/json.h"

namespace tavik::cli {
namespace {

int fail(const std::string& message) {
    std::fprintf(stderr, "tavik-cli bench: %s\n", message.c_str());
    return 2;
}

double nowUs() {
    using namespace std::chrono;
    return duration<double, std::micro>(steady_clock::now().time_since_epoch()).count();
}

// The value below which the given share of the sorted values lies (nearest rank).
double percentile(std::vector<double> v, double share) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const auto rank = static_cast<std::size_t>(share * static_cast<double>(v.size()) + 0.999999);
    return v[std::min(v.size(), std::max<std::size_t>(rank, 1)) - 1];
}

double median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

struct Timed {
    double micros = 0;
    std::uint64_t nodes = 0;
};

// One decision on a cold table, as the computer makes it.
Timed decide(const ai::RandomDecision& d, ai::EndgameSearch& search) {
    search.forget();
    ai::StatTavik2 s = d.snapshot;
    bool stop = false;
    ai::ChoiceDetails details;
    const double start = nowUs();
    ai::ChooseMove(d.mode, s, stop, search, &details);
    return Timed{nowUs() - start, details.nodes};
}

int benchSearch(const Arguments& a) {
    std::string error;
    const auto seed = static_cast<std::uint64_t>(a.number("seed", 1, 0, INT64_MAX, error));
    const auto count = static_cast<std::size_t>(a.number("count", 10000, 1, 10000000, error));
    const auto pool = static_cast<std::size_t>(a.number("pool", 10000, 1, 100000000, error));
    const auto hard = static_cast<std::size_t>(a.number("hard", 12, 1, 10000, error));
    const auto budget =
        static_cast<std::uint64_t>(a.number("literal-budget", 80000000, 1000, INT64_MAX, error));
    if (!error.empty()) return fail(error);

    ai::EndgameSearch search;
    SeededRandom random(seed);
    // The timed set: random 12-card decisions of every mode.
    std::vector<ai::RandomDecision> timedSet;
    for (std::size_t i = 0; i < count; ++i)
        timedSet.push_back(ai::RandomEndgameDecision(random, 12, 12));
    // The hard set: the decisions that take the most nodes among a larger pool.
    std::vector<std::pair<std::uint64_t, ai::RandomDecision>> candidates;
    for (std::size_t i = 0; i < pool; ++i) {
        ai::RandomDecision d = ai::RandomEndgameDecision(random, 12, 12);
        const Timed t = decide(d, search);
        candidates.emplace_back(t.nodes, std::move(d));
        std::push_heap(candidates.begin(), candidates.end(),
                       [](const auto& x, const auto& y) { return x.first > y.first; });
        if (candidates.size() > hard) {
            std::pop_heap(candidates.begin(), candidates.end(),
                          [](const auto& x, const auto& y) { return x.first > y.first; });
            candidates.pop_back();
        }
    }
    std::vector<ai::RandomDecision> hardSet;
    for (auto& c : candidates) hardSet.push_back(c.second);

    std::vector<double> micros, hardMicros;
    std::uint64_t nodes = 0;
    double totalUs = 0;
    for (const auto& d : timedSet) {
        const Timed t = decide(d, search);
        micros.push_back(t.micros);
        nodes += t.nodes;
        totalUs += t.micros;
    }
    std::vector<double> nodeRatios, timeRatios;
    std::size_t finished = 0;
    for (const auto& d : hardSet) {
        const Timed t = decide(d, search);
        micros.push_back(t.micros);
        hardMicros.push_back(t.micros);
        nodes += t.nodes;
        totalUs += t.micros;
        const ai::SearchRoot root = d.mode == MoveKind::Defend ? ai::DefenceRoot(d.snapshot)
                                                               : ai::AttackRoot(d.snapshot, d.mode);
        const double start = nowUs();
        const ai::SearchAnswer literal = ai::LiteralSearch(root, budget);
        const double literalUs = nowUs() - start;
        if (literal.timedOut) continue;
        ++finished;
        nodeRatios.push_back(static_cast<double>(literal.nodes) /
                             static_cast<double>(std::max<std::uint64_t>(t.nodes, 1)));
        timeRatios.push_back(literalUs / std::max(t.micros, 0.001));
    }

    const double nodesPerS = totalUs > 0 ? static_cast<double>(nodes) / totalUs * 1e6 : 0;
    const double tableMiB = static_cast<double>(search.tableBytes()) / (1024.0 * 1024.0);
    std::printf("decisions: %zu random 12-card + %zu hard (the most nodes among %zu)\n", count,
                hardSet.size(), pool);
    std::printf("per decision: median %.1f us, 99th percentile %.1f us, max %.1f us\n",
                median(micros), percentile(micros, 0.99),
                *std::max_element(micros.begin(), micros.end()));
    std::printf("hard set: median %.1f us, max %.1f us\n", median(hardMicros),
                *std::max_element(hardMicros.begin(), hardMicros.end()));
    std::printf("nodes per second: %.0f\n", nodesPerS);
    std::printf(
        "literal search finished %zu of %zu hard decisions (budget %llu nodes): median node ratio "
        "%.0f, "
        "median time ratio %.0f\n",
        finished, hardSet.size(), static_cast<unsigned long long>(budget), median(nodeRatios),
        median(timeRatios));
    std::printf("transposition table: %.1f MiB\n", tableMiB);
    const Json summary = {{"positions", static_cast<long long>(micros.size())},
                          {"median_us", median(micros)},
                          {"p99_us", percentile(micros, 0.99)},
                          {"max_us", *std::max_element(micros.begin(), micros.end())},
                          {"nodes_per_s", nodesPerS},
                          {"node_ratio_vs_literal", median(nodeRatios)},
                          {"time_ratio_vs_literal", median(timeRatios)},
                          {"table_mib", tableMiB}};
    std::printf("%s\n", jsonLine(summary).c_str());
    return 0;
}

}  // namespace

int benchCommand(const std::vector<std::string>& args) {
    std::string error;
    auto parsed =
        Arguments::parse(args, {"seed", "count", "pool", "hard", "literal-budget"}, {}, error);
    if (!parsed) return fail(error);
    if (parsed->positional().size() != 1 || parsed->positional()[0] != "search")
        return fail("what to measure: bench search");
    return benchSearch(*parsed);
}

}  // namespace tavik::cli
