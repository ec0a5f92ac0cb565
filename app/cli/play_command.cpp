// tavik-cli play: kons between two seat players, with a move log and a summary line.
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>

#include "app/cli/ai_seats.h"
#include "app/cli/arguments.h"
#include "app/cli/commands.h"
#include "app/cli/json_writer.h"
#include "app/cli/play_files.h"
#include "core/match/headless_play.h"
#include "core/match/recorder.h"

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
        line(JsonObject()
                 .add("event", "deal")
                 .add("kon", g.KonCount)
                 .addRaw("deck", jsonStringArray(deck))
                 .add("attacker", g.Attacker));
    }
    void onRedeal(int seat) override {
        line(JsonObject().add("event", "redeal").add("seat", seat));
    }
    void onMove(int seat, MoveKind kind, Card card) override {
        JsonObject o;
        o.add("event", "move").add("seat", seat).add("kind", static_cast<int>(kind));
        if (card.empty())
            o.addNull("card");
        else
            o.add("card", card.utf8());
        line(o);
    }
    void onBoutEnd(bool discard, int attacker) override {
        line(JsonObject()
                 .add("event", "bout")
                 .add("end", discard ? "discard" : "take")
                 .add("attacker", attacker));
    }
    void onKonEnd(KonOutcome result, int sixes) override {
        line(JsonObject()
                 .add("event", "kon")
                 .add("result", static_cast<int>(result))
                 .add("sixes", sixes));
    }

  private:
    void line(const JsonObject& o) { out_ << o.str() << '\n'; }
    std::ostream& out_;
};

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

int fail(const std::string& message) {
    std::fprintf(stderr, "tavik-cli play: %s\n", message.c_str());
    return 2;
}

}  // namespace

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

    GameState g;
    if (!parseRules(a.get("rules"), g.rules, error)) return fail(error);
    const std::string p1Name = a.get("p1", "lowest"), p2Name = a.get("p2", "random");
    // Each seat gets its own stream, apart from the one that shuffles.
    auto p1 = p1Name == "ai" ? nullptr : makeSeatPlayer(p1Name, seed ^ 0x5EA71ULL);
    auto p2 = p2Name == "ai" ? nullptr : makeSeatPlayer(p2Name, seed ^ 0x5EA72ULL);
    if (!p1 && p1Name != "ai")
        return fail("unknown player '" + p1Name + "' for --p1 (random, lowest, ai)");
    if (!p2 && p2Name != "ai")
        return fail("unknown player '" + p2Name + "' for --p2 (random, lowest, ai)");

    std::ofstream logFile;
    std::unique_ptr<JsonMoveLog> moveLog;
    if (a.has("log")) {
        logFile.open(a.get("log"), std::ios::binary | std::ios::trunc);
        if (!logFile) return fail("cannot write the log file " + a.get("log"));
        moveLog = std::make_unique<JsonMoveLog>(logFile);
    }

    AiSeats aiSeats(p1Name == "ai", p2Name == "ai", moveLog.get());
    PlayStats stats(&aiSeats);
    HeadlessWorld headless(seed, /*recording=*/false, &stats);
    g.UserName = "Player";
    std::unique_ptr<SeatPlayerOpponent> plainOpponent;
    if (p1) plainOpponent = std::make_unique<SeatPlayerOpponent>(*p1);
    Opponent& opponent = p1 ? static_cast<Opponent&>(*plainOpponent) : *aiSeats.seat1();
    MatchHooks plainHooks;
    MatchHooks* hooks = &plainHooks;
    // With a data folder every match ends through the player list and the history.
    std::unique_ptr<PlayFiles> files;
    if (PlayFiles::wanted(a)) {
        int status = 0;
        files = PlayFiles::open(a, g, headless.world, error, status);
        if (!files) {
            std::fprintf(stderr, "tavik-cli play: %s\n", error.c_str());
            return status;
        }
        hooks = &files->hooks();
    }
    MatchController controller(g, headless.world, opponent, *hooks);

    const PlayOutcome outcome = PlayKons(g, controller, p2 ? *p2 : *aiSeats.seat2(), stats, kons);
    if (outcome.ok && files && g.KonOver && g.GameActive) controller.EndMatchButton();
    if (logFile) logFile.flush();
    if (!outcome.ok) {
        std::fprintf(stderr, "invariant broken: %s", outcome.failure.c_str());
        return 1;
    }
    JsonObject summary;
    summary.add("kons", stats.kons)
        .add("wins1", stats.wins1)
        .add("wins2", stats.wins2)
        .add("draws", stats.draws)
        .add("sixes", stats.sixes)
        .add("redeals", stats.redeals)
        .add("moves", stats.moves);
    if (files) summary.add("matches", files->matches()).add("slot", g.UserSlot);
    if (aiSeats.any()) {  // each seat's share of the decided kons
        const int decided = stats.wins1 + stats.wins2;
        summary.add("winRate1", decided ? static_cast<double>(stats.wins1) / decided : 0.0)
            .add("winRate2", decided ? static_cast<double>(stats.wins2) / decided : 0.0);
    }
    std::printf("%s\n", summary.str().c_str());
    return 0;
}

}  // namespace tavik::cli
