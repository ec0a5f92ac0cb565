// Two LAN sides playing whole matches through an in-process pipe, whatever way TCP
// cuts or joins their messages.
#include <gtest/gtest.h>

#include "net/tests/lan_pair.h"

namespace tavik::net::testing {
namespace {

KonOutcome mirrored(KonOutcome r) {
    if (r == KonOutcome::Seat1Won) return KonOutcome::Seat2Won;
    if (r == KonOutcome::Seat2Won) return KonOutcome::Seat1Won;
    return r;
}

// Runs both sides until neither can do anything more.
void run(LanSide& server, LanSide& client, Delivery how, int kons) {
    client.link.connected();
    for (int i = 0; i < 1000000; ++i) {
        bool any = server.act(kons);
        any = client.act(kons) || any;
        any = deliver(server, client, how) || any;
        any = deliver(client, server, how) || any;
        if (!any) break;
    }
}

RuleOptions allRules() {
    RuleOptions r;
    r.ReDealRule = r.SixesRule = r.HintsRule = true;
    return r;
}

TEST(LanLink, TwoSidesPlayWholeMatchesHoweverTheBytesArrive) {
    const struct {
        Delivery how;
        const char* name;
    } deliveries[] = {{Delivery::AsSent, "as sent"},
                      {Delivery::SingleBytes, "single bytes"},
                      {Delivery::Joined, "joined"}};
    for (const auto& d : deliveries) {
        for (std::uint64_t seed = 1; seed <= 12; ++seed) {
            SCOPED_TRACE(std::string(d.name) + " seed " + std::to_string(seed));
            LanSide server(1, seed, seed % 2 ? "lowest" : "random", allRules());
            LanSide client(2, seed + 100, "random", RuleOptions{});
            run(server, client, d.how, 6);
            ASSERT_FALSE(server.link.failure()) << *server.link.failure();
            ASSERT_FALSE(client.link.failure()) << *client.link.failure();
            EXPECT_EQ(server.inconsistent, "");
            EXPECT_EQ(client.inconsistent, "");
            EXPECT_TRUE(server.done(6));
            EXPECT_TRUE(client.done(6));
            EXPECT_EQ(server.matches, 2);
            EXPECT_EQ(client.matches, 2);
            // The client takes the server's rules from the deal.
            EXPECT_TRUE(client.session.state().rules.SixesRule);
            ASSERT_EQ(server.tally.results.size(), client.tally.results.size());
            for (std::size_t k = 0; k < server.tally.results.size(); ++k)
                EXPECT_EQ(server.tally.results[k], mirrored(client.tally.results[k])) << "kon " << k;
            EXPECT_EQ(server.scoreDelta, -client.scoreDelta);
            EXPECT_EQ(server.session.state().names[1], "Client");
            EXPECT_EQ(client.session.state().names[1], "Server");
        }
    }
}

// Chat lines ending in "o" between the moves of both sides, before the client's kon
// end "o" too: the matches are played out whole, and every chat line arrives in order.
// A line read together with the kon end behind it shows that "o" too; the match still
// takes it as the kon end.
TEST(LanLink, ChatLinesBetweenMovesNeitherSwallowAKonEndNorGetLost) {
    const struct {
        Delivery how;
        const char* name;
    } deliveries[] = {{Delivery::AsSent, "as sent"},
                      {Delivery::SingleBytes, "single bytes"},
                      {Delivery::Joined, "joined"}};
    int total = 0;
    for (const auto& d : deliveries) {
        for (int every = 1; every <= 3; ++every) {
            for (std::uint64_t seed = 1; seed <= 6; ++seed) {
                SCOPED_TRACE(std::string(d.name) + " every " + std::to_string(every) + " seed " +
                             std::to_string(seed));
                LanSide server(1, seed, "random", RuleOptions{});
                LanSide client(2, seed + 50, "random", RuleOptions{});
                server.pipe.chatEvery = every;
                client.pipe.chatEvery = every;
                run(server, client, d.how, 6);
                ASSERT_FALSE(server.link.failure()) << *server.link.failure();
                ASSERT_FALSE(client.link.failure()) << *client.link.failure();
                EXPECT_TRUE(server.done(6));
                EXPECT_TRUE(client.done(6));
                // The client never waits for an "o": what the server says arrives whole.
                EXPECT_EQ(client.chats.lines, server.pipe.chatsSent);
                const auto& sent = client.pipe.chatsSent;
                const auto& got = server.chats.lines;
                ASSERT_EQ(got.size(), sent.size());
                int swallowed = 0;
                for (std::size_t i = 0; i < sent.size(); ++i) {
                    if (got[i] == sent[i]) continue;
                    EXPECT_EQ(got[i], sent[i] + "o") << "line " << i;
                    ++swallowed;
                }
                // At most the kon ends of the client (four of six kons send one).
                EXPECT_LE(swallowed, 4);
                if (every == 1) total += swallowed;
            }
        }
    }
    EXPECT_GT(total, 0);  // the case the rule is for did occur
}

TEST(LanLink, AChatLineAndTheKonEndInOneReadAreBothTaken) {
    // The pair plays until the server's kon is decided and it waits for the client's
    // "o"; the client's "o" then arrives behind a chat line, split and joined.
    // Each case: the reads, and the chat line the server shows.
    const struct {
        std::vector<std::string> reads;
        std::vector<std::string> lines;
    } cases[] = {
        {{"sbravoo"}, {"bravoo"}},     // joined: the line and the "o"
        {{"sbravo", "o"}, {"bravo"}},  // the line alone: its "o" is taken, the late one passed over
        {{"so"}, {"o"}},               // an empty line and the "o"
        {{"sbravo", "o", "o"}, {"bravo"}},  // one late "o" is passed over, a second breaks
        {{"shi", "sbye"}, {"hi", "bye"}},   // no line ends in "o": the server waits on
    };
    for (const auto& t : cases) {
        SCOPED_TRACE(t.reads.front() + " in " + std::to_string(t.reads.size()) + " reads");
        LanSide server(1, 5, "lowest", {});
        LanSide client(2, 6, "lowest", {});
        client.link.connected();
        bool waiting = false;
        for (int i = 0; i < 100000 && !waiting; ++i) {
            bool any = server.act(6);
            any = client.act(6) || any;
            any = deliver(server, client, Delivery::AsSent) || any;
            const GameState& g = server.session.state();
            // The client's "o" is held back: the server is left waiting for it.
            if (g.Step == BoutStep::ResultShown && !g.Button7Enabled && g.KonCount == 1 &&
                !client.pipe.outbox.empty() && client.pipe.outbox.back() == "o") {
                client.pipe.outbox.pop_back();
                deliver(client, server, Delivery::AsSent);
                waiting = true;
                break;
            }
            any = deliver(client, server, Delivery::AsSent) || any;
            ASSERT_TRUE(any);
        }
        ASSERT_TRUE(waiting);
        ASSERT_FALSE(server.session.state().Button7Enabled);
        for (const std::string& read : t.reads) {
            server.link.received(read);
            server.link.endOfRead();
        }
        // More "o" than a chat line can owe: the protocol is broken.
        const bool tooMany = t.reads.size() == 3;
        EXPECT_EQ(bool(server.link.failure()), tooMany);
        if (tooMany) continue;
        const bool taken = t.lines.back().back() == 'o';
        EXPECT_EQ(server.session.state().Button7Enabled, taken);
        EXPECT_EQ(server.chats.lines, t.lines);
    }
}

}  // namespace
}  // namespace tavik::net::testing

namespace tavik::net::testing {
namespace {

// Plays the pair until `steps` deliveries have happened (or the match is over), then
// the client goes away; returns the server after it has reacted.
struct LeavingClient {
    explicit LeavingClient(int steps) : server(1, 3, "lowest", {}), client(2, 4, "lowest", {}) {
        client.link.connected();
        int deliveries = 0;
        for (int i = 0; i < 100000 && deliveries < steps; ++i) {
            bool any = server.act(3);
            any = client.act(3) || any;
            if (deliver(server, client, Delivery::AsSent)) ++deliveries;
            if (deliveries < steps && deliver(client, server, Delivery::AsSent)) ++deliveries;
            if (!any && server.pipe.outbox.empty() && client.pipe.outbox.empty()) break;
        }
        konsWhenLeft = client.tally.kons;
        client.pipe.close();
        client.pipe.outbox.clear();
        for (int i = 0; i < 1000; ++i) {
            const bool any = server.act(3) || deliver(client, server, Delivery::AsSent);
            if (!any) break;
        }
    }
    LanSide server, client;
    int konsWhenLeft = 0;
};

TEST(LanLink, APeerLeavingBeforeTheLastKonIsDecidedInterruptsTheMatch) {
    int interrupted = 0, finished = 0;
    for (int steps = 0; steps < 400; ++steps) {
        SCOPED_TRACE("client leaves after " + std::to_string(steps) + " deliveries");
        LeavingClient run(steps);
        EXPECT_EQ(run.server.inconsistent, "");
        EXPECT_FALSE(run.server.link.failure());
        const bool complete = run.server.tally.kons == 3 && !run.server.matchOn;
        // The match ends without error exactly when the server could finish all three
        // kons alone; before the third kon ended on the client it never could.
        EXPECT_EQ(run.server.link.interrupted(), !complete);
        if (run.konsWhenLeft < 2) EXPECT_TRUE(run.server.link.interrupted());
        (run.server.link.interrupted() ? interrupted : finished) += 1;
    }
    EXPECT_GT(interrupted, 0);
    EXPECT_GT(finished, 0);  // the last steps: the whole match was played
}

// A server after the greeting and its first deal, with the bytes a client sent
// before; and a client that has the server's deal of a fixed deck.
struct Greeted {
    Greeted() : server(1, 9, "lowest", {}), client(2, 10, "lowest", {}) {
        client.link.connected();
        for (int i = 0; i < 4; ++i) {
            server.act(3);
            client.act(3);
            deliver(server, client, Delivery::AsSent);
            deliver(client, server, Delivery::AsSent);
        }
    }
    LanSide server, client;
};

TEST(LanLink, HostileInputBreaksTheLinkWithAReasonAndNeverTheGame) {
    const std::string fiveOfHearts = "hhod1\xF7" "5";
    const struct {
        const char* what;
        bool toServer;
        std::string bytes;
        bool breaks;  // false: the bytes wait for more and nothing is applied
    } cases[] = {
        {"garbage", true, "xyz", true},
        {"garbage after a good message", true, "hgo!!", true},
        {"a name longer than any", false, "connect2" + std::string(40, 'N'), true},
        {"a chat line longer than any", true, "s" + std::string(300, 'c'), true},
        {"a deal too long", false, "b" + std::string(113, '6'), true},
        {"a deal of unknown card codes", false, "b" + std::string(112, '#'), true},
        {"a deal cut short", false, "b6\xF7" "7", false},
        {"a deal sent to the server", true, "b" + std::string(112, '#'), true},
        {"a second greeting", true, "qor1025connect1Again", true},
        {"a greeting answer to the server", true, "connect2Who", true},
        {"a kon start sent to the server", true, "hsitkon2", true},
        {"a kon start twice", false, "hsitkon2", true},
        {"a re-deal for a hand that does not qualify", false, "peresdacha1", true},
        {"hgo while nothing is taken", true, "hgo", true},
        {"\"o\" to the client", false, "o", true},
        {"\"o\" while the kon runs", true, "o", true},
        {"a score change in a LAN kon end", true, "o010-10", true},
        {"a pass where a card must be led", true, "hhodpa", true},
        {"a move whose rank digit is wrong", true, "hhod1\xF7" "4", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Greeted table;
        LanSide& target = c.toServer ? table.server : table.client;
        // The server waits for the client's first move only when the client leads.
        const GameState before = target.session.state();
        target.link.received(c.bytes);
        target.link.endOfRead();
        EXPECT_EQ(bool(target.link.failure()), c.breaks);
        if (c.breaks) {
            EXPECT_TRUE(target.pipe.closed);
            EXPECT_TRUE(target.link.interrupted());
        }
        const GameState& after = target.session.state();
        EXPECT_FALSE(after.isConsistent());
        EXPECT_EQ(after.Step, before.Step);
        EXPECT_EQ(after.KolCards1, before.KolCards1);
        EXPECT_EQ(after.KolCards2, before.KolCards2);
        EXPECT_EQ(after.KonCount, before.KonCount);
    }
}

TEST(LanLink, AMoveOfACardTheRemoteSeatDoesNotHoldOrMayNotPlayBreaksTheLink) {
    // Find a table where the client (seat 1 on the server) is to lead.
    for (int seed = 1; seed < 40; ++seed) {
        LanSide server(1, static_cast<std::uint64_t>(seed), "lowest", {});
        LanSide client(2, 99, "lowest", {});
        client.link.connected();
        for (int i = 0; i < 3; ++i) {
            deliver(client, server, Delivery::AsSent);
            server.act(3);  // greeting, deal, "To Begin"
        }
        const GameState& g = server.session.state();
        if (!(g.Phase == GamePhase::Play && g.Attacker == 1 && g.Step == BoutStep::Lead)) continue;
        // A card in the server's own hand is one the client cannot hold.
        const Card own = g.CardsI2[1];
        server.link.received("hhod" + own.code1251() + std::to_string(own.value()));
        ASSERT_TRUE(server.link.failure());
        EXPECT_NE(server.link.failure()->find("does not hold"), std::string::npos);
        EXPECT_EQ(g.KolCards2, 6);
        EXPECT_EQ(g.Step, BoutStep::Lead);
        return;
    }
    FAIL() << "no deal where the client leads";
}

}  // namespace
}  // namespace tavik::net::testing
