#pragma once
// Two LAN sides in one process, joined by a pipe that delivers the bytes of each
// side's messages to the other in a chosen way: as sent, one byte per read, or
// everything waiting joined in one read. Each side plays seat 2 with a seat player
// and drives its match as tavik-cli does.

#include <deque>
#include <memory>
#include <string>

#include "core/match/headless_play.h"
#include "core/match/recorder.h"
#include "core/match/remote_seat.h"
#include "core/match/seat_players.h"
#include "net/lan_link.h"

namespace tavik::net::testing {

enum class Delivery { AsSent, SingleBytes, Joined };

// One direction of the connection: the writes of one side waiting for the other.
// With `chatEvery` n > 0, a chat line ending in "o" is written before every n-th
// message after this side's first message of the game (the kon end "o" included), each
// in a write of its own. (A greeting's name, like a chat line, ends only where a message
// of fixed form begins: a chat line right behind it would be read as part of the name.)
class PipeEnd : public LanLink::Transport {
  public:
    void write(const std::string& bytes) override {
        if (closed) return;
        const bool greeting = bytes.rfind("qor", 0) == 0 || bytes.rfind("connect2", 0) == 0;
        if (chatEvery > 0 && !greeting && playing && ++written % chatEvery == 0) {
            chatsSent.push_back(std::to_string(written) + " hello");
            outbox.push_back("s" + chatsSent.back());
        }
        outbox.push_back(bytes);
        if (!greeting) playing = true;
    }
    void close() override { closed = true; }
    std::deque<std::string> outbox;
    bool closed = false;
    int chatEvery = 0;
    int written = 0;
    bool playing = false;  // the first message of the game has been written
    std::vector<std::string> chatsSent;
};

// The chat lines a side received.
struct ChatLog : LanLink::Listener {
    void chat(const std::string& text) override { lines.push_back(text); }
    std::vector<std::string> lines;
};

struct KonTally {
    int kons = 0, won = 0, lost = 0, draws = 0;
    std::vector<KonOutcome> results;
};

class TallyLog : public GameLog {
  public:
    explicit TallyLog(KonTally& t) : t_(t) {}
    void onKonEnd(KonOutcome r, int) override {
        ++t_.kons;
        t_.results.push_back(r);
        if (r == KonOutcome::Seat2Won) ++t_.won;
        if (r == KonOutcome::Seat1Won) ++t_.lost;
        if (r == KonOutcome::Draw) ++t_.draws;
    }

  private:
    KonTally& t_;
};

struct LanSide {
    // `listener` takes the chat lines in place of `chats`.
    LanSide(int role, std::uint64_t seed, const std::string& player, RuleOptions rules,
            LanLink::Listener* listener = nullptr)
        : headless(seed, /*recording=*/false),
          link(pipe, role, role == 1 ? "Server" : "Client", listener ? listener : &chats),
          seat(makeSeatPlayer(player, seed * 7 + static_cast<std::uint64_t>(role))),
          log(tally),
          session({headless.ports().table, headless.ports().sound, headless.ports().pause, link,
                   headless.ports().clock, headless.ports().random},
                  remote, seat.get(), &log) {
        link.attach(session, remote);
        session.state().rules = rules;
        session.state().UserName = role == 1 ? "Server" : "Client";
        link.start();
    }
    // Local actions until none is possible; true when any was made. Starts a match
    // after the greeting and ends each complete one, up to `kons` kons.
    bool act(int kons) {
        GameState& g = session.state();
        MatchController& c = session.controller();
        bool any = false;
        for (;;) {
            if (link.failure()) return any;
            if (!matchOn && link.netLink() >= 2 && tally.kons < kons) {
                c.NewKon(false);
                matchOn = true;
                link.pump();
                any = true;
            }
            if (matchOn && PlayStep(session)) {
                if (auto broken = g.isConsistent()) inconsistent = *broken;
                link.pump();
                any = true;
                continue;
            }
            if (matchOn && g.Step == BoutStep::ResultShown && g.KonOver && c.lanMatchComplete()) {
                scoreDelta += g.ScoreDelta;
                c.EndMatchButton();
                matchOn = false;
                matches += 1;
                link.pump();
                any = true;
                if (tally.kons >= kons) link.close();
                continue;
            }
            return any;
        }
    }
    bool done(int kons) const { return !matchOn && tally.kons >= kons; }

    HeadlessWorld headless;
    PipeEnd pipe;
    ChatLog chats;
    LanLink link;
    RemoteSeat remote;
    std::unique_ptr<Seat> seat;
    KonTally tally;
    TallyLog log;
    MatchSession session;
    bool matchOn = false;
    int matches = 0;
    int scoreDelta = 0;
    std::string inconsistent;
};

// Moves the bytes one side wrote to the other side; true when any moved. A closed
// writer's end is seen as the reader's disconnection once its bytes are read.
inline bool deliver(LanSide& from, LanSide& to, Delivery how) {
    bool any = false;
    if (how == Delivery::Joined && !from.pipe.outbox.empty()) {
        std::string all;
        for (const std::string& m : from.pipe.outbox) all += m;
        from.pipe.outbox.clear();
        to.link.received(all);
        any = true;
    }
    while (!from.pipe.outbox.empty()) {
        const std::string m = from.pipe.outbox.front();
        from.pipe.outbox.pop_front();
        if (how == Delivery::SingleBytes)
            for (const char ch : m) to.link.received(std::string_view(&ch, 1));
        else
            to.link.received(m);
        any = true;
    }
    if (any) to.link.endOfRead();
    if (from.pipe.closed && !to.link.peerGone() && !to.pipe.closed) {
        to.link.disconnected();
        any = true;
    }
    return any;
}

}  // namespace tavik::net::testing
