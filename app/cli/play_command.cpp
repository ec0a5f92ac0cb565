// tavik-cli play: kons between two seat players, with a move log and a summary line.
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>

#include "ai/computer_opponent.h"
#include "ai/expert_player.h"
#include "app/cli/arguments.h"
#include "app/cli/commands.h"
#include "app/cli/json.h"
#include "app/cli/play_files.h"
#include "core/match/headless_play.h"
#include "core/match/recorder.h"
#include "core/match/seat_players.h"

namespace tavik::cli {
namespace {

// Writes the course of the match as one JSON object per line, so that anyone can
// replay and referee it.
class JsonMoveLog : public GameLog {
  public:
    explicit JsonMoveLog(std::ostream& out) : out_(out) {}
    void onDeal(const GameState& g) override {
        std::vector<std::string> deck;
        for (int i = 1; i <= 36; ++i) deck.push_back(g.KolodaI[i].utf8());
        line({{"event", "deal"}, {"kon", g.KonCount}, {"deck", deck}, {"attacker", g.Attacker}});
    }
    void onRedeal(int seat) override { line({{"event", "redeal"}, {"seat", seat}}); }
    void onMove(int seat, MoveKind kind, Card card) override {
        line({{"event", "move"},
              {"seat", seat},
              {"kind", static_cast<int>(kind)},
              {"card", card.empty() ? Json(nullptr) : Json(card.utf8())}});
    }
    void onBoutEnd(bool discard, int attacker) override {
        line({{"event", "bout"}, {"end", discard ? "discard" : "take"}, {"attacker", attacker}});
    }
    void onKonEnd(KonOutcome result, int sixes) override {
        line({{"event", "kon"}, {"result", static_cast<int>(result)}, {"sixes", sixes}});
    }

  private:
    void line(const Json& o) { out_ << jsonLine(o) << '\n'; }
    std::ostream& out_;
};

int fail(const std::string& message) {
    std::fprintf(stderr, "tavik-cli play: %s\n", message.c_str());
    return 2;
}

}  // namespace

bool parseRules(const std::string& list, RuleOptions& rules, std::string& error) {
    std::stringstream in(list);
    std::string item;
    while (std::getline(in, item, ',')) {
        if (item == "redeal")
            rules.ReDealRule = true;
        else if (item == "sixes")
            rules.SixesRule = true;
        else if (item == "hints")
            rules.HintsRule = true;
        else if (!item.empty()) {
            error = "unknown rule '" + item + "' (redeal, sixes, hints)";
            return false;
        }
    }
    return true;
}

int playCommand(const std::vector<std::string>& args) {
    std::string error;
    auto parsed = Arguments::parse(
        args,
        {"seed", "kons", "p1", "p2", "rules", "log", "data-dir", "player", "name", "password"}, {},
        error);
    if (!parsed) return fail(error);
    const Arguments& a = *parsed;
    const auto seed = static_cast<std::uint64_t>(a.number("seed", 1, 0, INT64_MAX, error));
    const int kons = static_cast<int>(a.number("kons", 30, 1, 100000000, error));
    if (!error.empty()) return fail(error);

    RuleOptions rules;
    if (!parseRules(a.get("rules"), rules, error)) return fail(error);
    const std::string p1Name = a.get("p1", "lowest"), p2Name = a.get("p2", "random");
    // Each seat gets its own stream, apart from the one that shuffles. The computer
    // sees the game from its own seat.
    auto makeSeat = [&](const std::string& name, int seat) -> std::unique_ptr<Seat> {
        if (name == "ai") return std::make_unique<ai::ComputerOpponent>(seat);
        if (name == "expert") return std::make_unique<ai::ExpertPlayer>(seat);
        return makeSeatPlayer(name, seed ^ (seat == 1 ? 0x5EA71ULL : 0x5EA72ULL));
    };
    const std::unique_ptr<Seat> p1 = makeSeat(p1Name, 1), p2 = makeSeat(p2Name, 2);
    if (!p1) return fail("unknown player '" + p1Name + "' for --p1 (random, lowest, ai, expert)");
    if (!p2) return fail("unknown player '" + p2Name + "' for --p2 (random, lowest, ai, expert)");

    std::ofstream logFile;
    std::unique_ptr<JsonMoveLog> moveLog;
    if (a.has("log")) {
        logFile.open(a.get("log"), std::ios::binary | std::ios::trunc);
        if (!logFile) return fail("cannot write the log file " + a.get("log"));
        moveLog = std::make_unique<JsonMoveLog>(logFile);
    }

    PlayStats stats(moveLog.get());
    HeadlessWorld headless(seed, /*recording=*/false);
    MatchSession session(headless.ports(), *p1, p2.get(), &stats);
    GameState& g = session.state();
    g.rules = rules;
    g.UserName = "Player";
    // With a data folder every match ends through the player list and the history.
    std::unique_ptr<PlayFiles> files;
    if (PlayFiles::wanted(a)) {
        int status = 0;
        files = PlayFiles::open(a, g, session.world(), error, status);
        if (!files) {
            std::fprintf(stderr, "tavik-cli play: %s\n", error.c_str());
            return status;
        }
        session.setHooks(files->hooks());
    }

    const PlayOutcome outcome = PlayKons(session, stats, kons);
    if (outcome.ok && files && g.KonOver && g.GameActive) session.controller().EndMatchButton();
    if (logFile) logFile.flush();
    if (!outcome.ok) {
        std::fprintf(stderr, "invariant broken: %s", outcome.failure.c_str());
        return 1;
    }
    Json summary = {{"kons", stats.kons},   {"wins1", stats.wins1}, {"wins2", stats.wins2},
                    {"draws", stats.draws}, {"sixes", stats.sixes}, {"redeals", stats.redeals},
                    {"moves", stats.moves}};
    if (files) {
        summary["matches"] = files->matches();
        summary["slot"] = g.UserSlot;
    }
    auto computer = [](const std::string& name) { return name == "ai" || name == "expert"; };
    if (computer(p1Name) || computer(p2Name)) {  // each seat's share of the decided kons
        const int decided = stats.wins1 + stats.wins2;
        summary["winRate1"] = decided ? static_cast<double>(stats.wins1) / decided : 0.0;
        summary["winRate2"] = decided ? static_cast<double>(stats.wins2) / decided : 0.0;
    }
    std::printf("%s\n", jsonLine(summary).c_str());
    return 0;
}

}  // namespace tavik::cli
