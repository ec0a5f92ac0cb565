// tavik-cli lan host / lan join: LAN matches without a window, over a real TCP
// connection speaking the game's protocol, with a seat player for the local seat.
#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>

#include "ai/computer_opponent.h"
#include "app/cli/arguments.h"
#include "app/cli/commands.h"
#include "app/cli/json.h"
#include "app/cli/lan_socket.h"
#include "core/match/headless_play.h"
#include "core/match/recorder.h"
#include "core/match/remote_seat.h"
#include "core/match/seat_players.h"
#include "net/lan_link.h"

namespace tavik::cli {
namespace {

int usage(const std::string& message) {
    std::fprintf(stderr, "tavik-cli lan: %s\n", message.c_str());
    return 2;
}

int peerFailed(const std::string& message) {
    std::fprintf(stderr, "tavik-cli lan: %s\n", message.c_str());
    return 3;
}

// The kons one side has played, from its own seat.
struct Tally {
    int kons = 0, won = 0, lost = 0, draws = 0, scoreDelta = 0;
};

// Counts the kons; with a log file also writes each kon's result as one JSON line.
class TallyLog : public GameLog {
  public:
    TallyLog(Tally& t, std::FILE* log) : t_(t), log_(log) {}
    void onKonEnd(KonOutcome result, int) override {
        ++t_.kons;
        if (log_) {
            const char* r = result == KonOutcome::Seat2Won
                                ? "won"
                                : (result == KonOutcome::Seat1Won ? "lost" : "draw");
            std::fprintf(log_, "%s\n", jsonLine({{"kon", t_.kons}, {"result", r}}).c_str());
            std::fflush(log_);
        }
        if (result == KonOutcome::Seat2Won) ++t_.won;
        if (result == KonOutcome::Seat1Won) ++t_.lost;
        if (result == KonOutcome::Draw) ++t_.draws;
    }

  private:
    Tally& t_;
    std::FILE* log_;
};

// Writes each chat line the peer sends to the log file as one JSON line.
class ChatToLog : public net::LanLink::Listener {
  public:
    explicit ChatToLog(std::FILE* log) : log_(log) {}
    void chat(const std::string& text) override {
        if (!log_) return;
        std::fprintf(log_, "%s\n", jsonLine({{"chat", text}}).c_str());
        std::fflush(log_);
    }

  private:
    std::FILE* log_;
};

}  // namespace

int lanCommand(const std::vector<std::string>& args) {
    std::string error;
    auto parsed = Arguments::parse(
        args,
        {"port", "p", "kons", "seed", "host", "bind", "timeout", "name", "rules", "log", "chat"},
        {}, error);
    if (!parsed) return usage(error);
    const Arguments& a = *parsed;
    if (a.positional().size() != 1 ||
        (a.positional()[0] != "host" && a.positional()[0] != "join"))
        return usage("say 'lan host' or 'lan join'");
    const bool server = a.positional()[0] == "host";
    const int port = static_cast<int>(a.number("port", server ? 0 : -1, 0, 65535, error));
    const int kons = static_cast<int>(a.number("kons", 3, 3, 3000, error));
    const auto clockSeed = static_cast<std::uint64_t>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    const auto seed =
        static_cast<std::uint64_t>(a.number("seed", static_cast<long long>(clockSeed & 0xFFFFFFF),
                                            0, INT64_MAX, error));
    const int timeoutMs = static_cast<int>(a.number("timeout", 60, 1, 3600, error)) * 1000;
    if (!error.empty()) return usage(error);
    if (kons % 3 != 0) return usage("--kons must be a multiple of 3, the kons of a LAN match");
    if (!server && (!a.has("host") || !a.has("port")))
        return usage("lan join needs --host H and --port P");
    RuleOptions rules;
    if (!parseRules(a.get("rules"), rules, error)) return usage(error);
    const std::string playerName = a.get("p", "ai");
    std::unique_ptr<Seat> player;
    if (playerName == "ai")
        player = std::make_unique<ai::ComputerOpponent>(2);
    else
        player = makeSeatPlayer(playerName, seed ^ 0x1A4ULL);
    if (!player) return usage("unknown player '" + playerName + "' for --p (ai, lowest, random)");

    std::unique_ptr<std::FILE, int (*)(std::FILE*)> logFile(nullptr, std::fclose);
    if (a.has("log")) {
        logFile.reset(std::fopen(a.get("log").c_str(), "w"));
        if (!logFile) return usage("cannot write the log file " + a.get("log"));
    }
    ChatToLog chatLog(logFile.get());
    LanSocket socket;
    net::LanLink link(socket, server ? 1 : 2, a.get("name", server ? "Host" : "Guest"),
                      &chatLog);
    // --chat TEXT: one chat line, sent once the first deal is on the table.
    std::optional<std::string> chat;
    if (a.has("chat")) chat = a.get("chat");
    Tally tally;
    TallyLog tallyLog(tally, logFile.get());
    HeadlessWorld headless(seed, /*recording=*/false);
    const Ports h = headless.ports();
    RemoteSeat remote;
    MatchSession session({h.table, h.sound, h.pause, link, h.clock, h.random}, remote,
                         player.get(), &tallyLog);
    GameState& g = session.state();
    MatchController& c = session.controller();
    link.attach(session, remote);
    g.rules = rules;
    g.UserName = a.get("name", server ? "Host" : "Guest");

    link.start();
    if (server) {
        const int listening = socket.listen(a.get("bind", "0.0.0.0"), port, error);
        if (listening < 0) return usage(error);
        std::fprintf(stderr, "tavik-cli lan: listening on port %d\n", listening);
        std::fflush(stderr);
        if (!socket.accept(timeoutMs, error)) return peerFailed(error);
    } else {
        if (!socket.connect(a.get("host"), port, timeoutMs, error)) return peerFailed(error);
        link.connected();
    }

    bool matchOn = false;
    for (;;) {
        if (!matchOn && link.netLink() >= 2 && !link.failure()) {
            c.NewKon(false);  // the server deals; the client waits for the deal
            matchOn = true;
            link.pump();  // a deal that came before this side began the match
        }
        if (chat && matchOn && g.GameActive && !g.AwaitingDeal) {
            link.sendChat(*chat);
            chat.reset();
        }
        while (matchOn && !link.failure() && PlayStep(session)) {
            if (auto broken = g.isConsistent())
                return peerFailed("the game went wrong: " + *broken);
            link.pump();
        }
        if (link.failure()) return peerFailed(*link.failure());
        if (matchOn && g.Step == BoutStep::ResultShown && g.KonOver && c.lanMatchComplete()) {
            tally.scoreDelta += g.ScoreDelta;
            c.EndMatchButton();
            matchOn = false;
            if (tally.kons >= kons) break;
            if (!link.peerGone()) continue;
        }
        if (link.peerGone()) {
            if (link.interrupted() || matchOn)
                return peerFailed(std::string(server ? "the client" : "the server") +
                                  " has interrupted the game");
            break;
        }
        if (!socket.poll(link, timeoutMs) && !link.peerGone() && !link.failure())
            return peerFailed("the peer said nothing for " + std::to_string(timeoutMs / 1000) +
                              " s");
    }
    link.close();
    std::printf("%s\n", jsonLine({{"kons", tally.kons},
                                  {"won", tally.won},
                                  {"lost", tally.lost},
                                  {"draws", tally.draws},
                                  {"scoreDelta", tally.scoreDelta}})
                            .c_str());
    return 0;
}

}  // namespace tavik::cli
