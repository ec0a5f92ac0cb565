// tavik-cli bench search: how fast the exact search decides on the fixed set of 12-card
// endgame positions (random ones and the hardest found), how it compares with the
// literal search there, and how long exact answers take with more cards in play.
// Prints figures; the last line is one JSON object. --make-set writes a new fixed set.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <numeric>
#include <sstream>
#include <string>
#include <vector>

#include "ai/choose_move.h"
#include "ai/computer_opponent.h"
#include "ai/expert_player.h"
#include "ai/literal_search.h"
#include "ai/random_positions.h"
#include "ai/search_set.h"
#include "app/cli/arguments.h"
#include "app/cli/commands.h"
#include "app/cli/json.h"
#include "core/files/atomic_file.h"
#include "core/match/headless_play.h"
#include "core/match/match_session.h"
#include "core/match/recorder.h"

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
    ai::SearchAnswer answer;
};

// One search from a cold table, as a decision of the computer starts.
Timed searchCold(const ai::SearchRoot& root, ai::EndgameSearch& search) {
    search.forget();
    const double start = nowUs();
    const ai::SearchAnswer a = search.run(root);
    return Timed{nowUs() - start, a.nodes, a};
}

ai::SearchRoot rootOf(const ai::RandomDecision& d) {
    return d.mode == MoveKind::Defend ? ai::DefenceRoot(d.snapshot)
                                      : ai::AttackRoot(d.snapshot, d.mode);
}

// Writes a new fixed set: `count` random 12-card decisions and the `hard` ones with the
// most nodes among a `pool` of others, each with the literal answer (positions the
// literal search does not finish within the budget are left out).
int makeSet(const std::string& path, std::uint64_t seed, std::size_t count, std::size_t pool,
            std::size_t hard, std::uint64_t budget) {
    ai::EndgameSearch search;
    SeededRandom random(seed);
    std::vector<std::pair<bool, ai::SearchRoot>> roots;
    for (std::size_t i = 0; i < count; ++i)
        roots.emplace_back(false, rootOf(ai::RandomEndgameDecision(random, 12, 12)));
    std::vector<std::pair<std::uint64_t, ai::SearchRoot>> candidates;
    for (std::size_t i = 0; i < pool; ++i) {
        const ai::SearchRoot r = rootOf(ai::RandomEndgameDecision(random, 12, 12));
        candidates.emplace_back(searchCold(r, search).nodes, r);
    }
    std::sort(candidates.begin(), candidates.end(),
              [](const auto& x, const auto& y) { return x.first > y.first; });
    for (std::size_t i = 0; i < hard && i < candidates.size(); ++i)
        roots.emplace_back(true, candidates[i].second);
    std::string text;
    std::size_t kept = 0, left = 0;
    for (const auto& [isHard, root] : roots) {
        const ai::SearchAnswer literal = ai::LiteralSearch(root, budget);
        if (literal.timedOut) {
            ++left;
            continue;
        }
        ++kept;
        text += ai::FormatSetLine(
                    ai::SetPosition{isHard, root, literal.card, literal.value, literal.nodes}) +
                "\n";
    }
    const files::Status written = files::writeFileAtomic(path, text);
    if (!written.ok()) return fail("cannot write " + path + ": " + written.error().message);
    std::printf(
        "wrote %zu positions to %s (%zu left out: the literal search needs more than "
        "%llu nodes)\n",
        kept, path.c_str(), left, static_cast<unsigned long long>(budget));
    return 0;
}

// Exact answers with `cards` cards in play: random decisions from the seed, each on a
// cold table of the size the exact answers use.
Json bigPositions(int cards, std::size_t count, std::uint64_t seed) {
    SeededRandom random(seed ^ (0xB16ULL * static_cast<std::uint64_t>(cards)));
    ai::EndgameSearch search(ai::ExactTableLog2(cards));
    search.setTimeLimitMs(ai::kExactTimeLimitMs);
    std::vector<double> ms;
    int timedOut = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const ai::RandomDecision d = ai::RandomEndgameDecision(random, cards, cards);
        ai::StatTavik2 s = d.snapshot;
        bool stop = false;
        ai::ChoiceDetails details;
        search.forget();
        const double start = nowUs();
        ai::ChooseExactly(d.mode, s, stop, search, &details);
        ms.push_back((nowUs() - start) / 1000);
        timedOut += details.timedOut;
    }
    const double tableMiB = static_cast<double>(search.tableBytes()) / (1024.0 * 1024.0);
    std::printf(
        "%d cards in play, %zu decisions: median %.2f ms, 99th percentile %.2f ms, max "
        "%.2f ms, %d hit the time limit; table %.0f MiB\n",
        cards, count, median(ms), percentile(ms, 0.99), *std::max_element(ms.begin(), ms.end()),
        timedOut, tableMiB);
    return Json{{"cards", cards},
                {"positions", static_cast<long long>(count)},
                {"median_ms", median(ms)},
                {"p99_ms", percentile(ms, 0.99)},
                {"max_ms", *std::max_element(ms.begin(), ms.end())},
                {"timed_out", timedOut},
                {"table_mib", tableMiB}};
}

int benchSearch(const Arguments& a) {
    std::string error;
    const auto seed = static_cast<std::uint64_t>(a.number("seed", 1, 0, INT64_MAX, error));
    const auto count = static_cast<std::size_t>(a.number("count", 2000, 1, 10000000, error));
    const auto pool = static_cast<std::size_t>(a.number("pool", 20000, 1, 100000000, error));
    const auto hard = static_cast<std::size_t>(a.number("hard", 40, 1, 10000, error));
    const auto budget =
        static_cast<std::uint64_t>(a.number("literal-budget", 80000000, 1000, INT64_MAX, error));
    const auto bigCount = static_cast<std::size_t>(a.number("big-count", 100, 0, 100000, error));
    if (!error.empty()) return fail(error);
    if (a.has("make-set")) return makeSet(a.get("make-set"), seed, count, pool, hard, budget);
    std::vector<int> sizes;
    {
        std::stringstream in(a.get("big", "18,24"));
        std::string item;
        while (std::getline(in, item, ','))
            if (!item.empty()) {
                const int n = std::atoi(item.c_str());
                if (n < 2 || n > 36) return fail("--big takes card counts from 2 to 36");
                sizes.push_back(n);
            }
    }

    // The fixed set: every position from a cold table, checked against its stored
    // literal answer.
    const std::vector<ai::SetPosition> set = ai::FixedSearchSet();
    if (set.empty()) return fail("the fixed set of positions is empty");
    ai::EndgameSearch search;
    std::vector<double> micros, hardMicros, nodeRatios, timeRatios;
    std::uint64_t nodes = 0;
    double totalUs = 0;
    std::size_t hardCount = 0, wrong = 0, timedLiteral = 0;
    for (const ai::SetPosition& p : set) {
        const Timed t = searchCold(p.root, search);
        micros.push_back(t.micros);
        nodes += t.nodes;
        totalUs += t.micros;
        wrong += t.answer.card != p.card || t.answer.value != p.value;
        if (!p.hard) continue;
        ++hardCount;
        hardMicros.push_back(t.micros);
        nodeRatios.push_back(static_cast<double>(p.literalNodes) /
                             static_cast<double>(std::max<std::uint64_t>(t.nodes, 1)));
        if (p.literalNodes > budget) continue;
        const double start = nowUs();
        ai::LiteralSearch(p.root, budget);
        timeRatios.push_back((nowUs() - start) / std::max(t.micros, 0.001));
        ++timedLiteral;
    }
    const double nodesPerS = totalUs > 0 ? static_cast<double>(nodes) / totalUs * 1e6 : 0;
    const double tableMiB = static_cast<double>(search.tableBytes()) / (1024.0 * 1024.0);
    if (hardMicros.empty()) hardMicros.push_back(0);
    std::printf(
        "fixed set: %zu random 12-card decisions + %zu hard ones; %zu answers differ "
        "from the stored literal ones\n",
        set.size() - hardCount, hardCount, wrong);
    std::printf("per decision: median %.1f us, 99th percentile %.1f us, max %.1f us\n",
                median(micros), percentile(micros, 0.99),
                *std::max_element(micros.begin(), micros.end()));
    std::printf("hard set: median %.1f us, max %.1f us\n", median(hardMicros),
                *std::max_element(hardMicros.begin(), hardMicros.end()));
    std::printf("nodes per second: %.0f\n", nodesPerS);
    std::printf(
        "against the literal search on the hard set: median node ratio %.0f, median "
        "time ratio %.0f (%zu timed, up to %llu nodes)\n",
        median(nodeRatios), median(timeRatios), timedLiteral,
        static_cast<unsigned long long>(budget));
    std::printf("transposition table: %.1f MiB\n", tableMiB);
    Json big = Json::array();
    for (int cards : sizes)
        if (bigCount > 0) big.push_back(bigPositions(cards, bigCount, seed));
    const Json summary = {{"positions", static_cast<long long>(micros.size())},
                          {"median_us", median(micros)},
                          {"p99_us", percentile(micros, 0.99)},
                          {"max_us", *std::max_element(micros.begin(), micros.end())},
                          {"nodes_per_s", nodesPerS},
                          {"node_ratio_vs_literal", median(nodeRatios)},
                          {"time_ratio_vs_literal", median(timeRatios)},
                          {"table_mib", tableMiB},
                          {"differences", static_cast<long long>(wrong)},
                          {"exact", big}};
    std::printf("%s\n", jsonLine(summary).c_str());
    return 0;
}

// Times every decision of the seat it wraps, by whether the deck held cards.
class TimedSeat : public Seat {
  public:
    explicit TimedSeat(Seat& inner) : inner_(inner) {}
    SeatChoice choose(const GameState& g, int seat, MoveKind kind,
                      ThinkingPort& thinking) override {
        const double start = nowUs();
        SeatChoice c = inner_.choose(g, seat, kind, thinking);
        (g.deckEmpty() ? emptyDeckMs : withDeckMs).push_back((nowUs() - start) / 1000);
        return c;
    }
    void onDeal(const GameState& g) override { inner_.onDeal(g); }
    void onRedeal(int seat) override { inner_.onRedeal(seat); }
    void onMove(int seat, MoveKind kind, Card card) override { inner_.onMove(seat, kind, card); }
    void onBoutEnd(bool discard, int attacker) override { inner_.onBoutEnd(discard, attacker); }
    void onKonEnd(KonOutcome result, int sixes) override { inner_.onKonEnd(result, sixes); }
    std::vector<double> withDeckMs, emptyDeckMs;

  private:
    Seat& inner_;
};

Json timesOf(const char* what, const std::vector<double>& ms) {
    const double max = ms.empty() ? 0 : *std::max_element(ms.begin(), ms.end());
    std::printf("%s: %zu decisions, median %.2f ms, 99th percentile %.2f ms, max %.2f ms\n", what,
                ms.size(), median(ms), percentile(ms, 0.99), max);
    return Json{{"decisions", static_cast<long long>(ms.size())},
                {"median_ms", median(ms)},
                {"p99_ms", percentile(ms, 0.99)},
                {"max_ms", max}};
}

// tavik-cli bench expert: the Expert's decision times over kons against the classic
// computer, the Expert in seat 1.
int benchExpert(const Arguments& a) {
    std::string error;
    const auto seed = static_cast<std::uint64_t>(a.number("seed", 1, 0, INT64_MAX, error));
    const int kons = static_cast<int>(a.number("kons", 20, 1, 100000, error));
    if (!error.empty()) return fail(error);
    ai::ExpertPlayer expert(1);
    ai::ComputerOpponent classic(2);
    TimedSeat timed(expert);
    PlayStats stats;
    HeadlessWorld headless(seed, /*recording=*/false);
    MatchSession session(headless.ports(), timed, &classic, &stats);
    session.state().UserName = "Player";
    const PlayOutcome outcome = PlayKons(session, stats, kons);
    if (!outcome.ok) return fail("invariant broken: " + outcome.failure);
    std::vector<double> all = timed.withDeckMs;
    all.insert(all.end(), timed.emptyDeckMs.begin(), timed.emptyDeckMs.end());
    const Json summary = {{"kons", stats.kons},
                          {"all", timesOf("every decision", all)},
                          {"with_deck", timesOf("with cards in the deck", timed.withDeckMs)},
                          {"empty_deck", timesOf("with an empty deck", timed.emptyDeckMs)}};
    std::printf("%s\n", jsonLine(summary).c_str());
    return 0;
}

}  // namespace

int benchCommand(const std::vector<std::string>& args) {
    std::string error;
    auto parsed = Arguments::parse(
        args,
        {"seed", "count", "pool", "hard", "literal-budget", "make-set", "big", "big-count", "kons"},
        {}, error);
    if (!parsed) return fail(error);
    const bool one = parsed->positional().size() == 1;
    if (one && parsed->positional()[0] == "expert") return benchExpert(*parsed);
    if (!one || parsed->positional()[0] != "search")
        return fail("what to measure: bench search, bench expert");
    return benchSearch(*parsed);
}

}  // namespace tavik::cli
