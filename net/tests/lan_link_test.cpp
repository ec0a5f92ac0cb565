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

}  // namespace
}  // namespace tavik::net::testing
