// The road of a LAN server's messages: the match emits typed messages, and the codec
// turns them into the bytes a client of the game expects.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/match/match_session.h"
#include "core/match/recorder.h"
#include "core/match/seat_players.h"
#include "core/rules/moves.h"
#include "net/peer_codec.h"

namespace tavik::net {
namespace {

// Keeps the bytes of every message the match sends.
class WirePeer : public PeerPort {
  public:
    void send(const PeerMessage& m) override { wire.push_back(encodeMessage(m)); }
    std::vector<std::string> wire;
};

// A LAN server's table dealt from the seed.
struct ServerTable {
    explicit ServerTable(std::uint64_t seed) : headless(seed, /*recording=*/false) {
        g.NetGame = true;
        g.NetRole = 1;
        g.rules.SixesRule = true;
        g.UserName = "Server";
        session.controller().NewKon(false);
    }
    HeadlessWorld headless;
    WirePeer peer;
    LowestPlayer remote;  // stands for the other copy; a network seat 1 never moves by timer
    Ports ports = headless.ports();
    MatchSession session{{ports.table, ports.sound, ports.pause, peer, ports.clock, ports.random},
                         remote};
    GameState& g = session.state();
};

TEST(MatchMessages, ServerSendsTheDealTheStartAndItsMoves) {
    // A deal in which the server's own seat 2 leads.
    std::unique_ptr<ServerTable> table;
    for (std::uint64_t seed = 1; seed < 50 && !table; ++seed) {
        table = std::make_unique<ServerTable>(seed);
        if (table->g.Attacker != 2) table.reset();
    }
    ASSERT_TRUE(table);
    MatchSession& session = table->session;
    GameState& g = table->g;
    const std::vector<std::string>& wire = table->peer.wire;

    ASSERT_EQ(wire.size(), 1u);
    const std::string& deal = wire[0];
    ASSERT_EQ(deal.size(), kDealLength);
    EXPECT_EQ(deal[0], 'b');
    for (int i = 1; i <= 36; ++i) {
        EXPECT_EQ(deal.substr(static_cast<std::size_t>(2 * i - 1), 2), g.KolodaI[i].code1251());
        EXPECT_EQ(deal[static_cast<std::size_t>(72 + i)], '0' + g.KolodaI[i].value());
    }
    EXPECT_EQ(deal[109], '0' + g.Attacker);
    EXPECT_EQ(deal.substr(110), "\xCB\xC8\xCB");  // re-deal off, sixes on, hints off

    session.controller().ActionButton();  // "To Begin": no re-deal rule, the kon starts
    ASSERT_EQ(wire.size(), 2u);
    EXPECT_EQ(wire[1], "hsitkon2");

    // The local player's first legal card goes out as "hhod" + code + rank value.
    const std::optional<MoveKind> kind = session.controller().HumanMoveKind();
    ASSERT_TRUE(kind);
    int slot = 0;
    for (int s = 1; s <= g.KolCards2 && slot == 0; ++s)
        if (CheckMove(g, s, *kind) == kMoveOk) slot = s;
    ASSERT_NE(slot, 0);
    const Card card = g.CardsI2[slot];
    ASSERT_EQ(session.controller().HandClick(slot), ClickResult::Played);
    ASSERT_EQ(wire.size(), 3u);
    EXPECT_EQ(wire[2], "hhod" + card.code1251() + std::to_string(card.value()));
    const Decoded back = decodeMessage(wire[2]);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back.message, PeerMessage(msg::Move{card}));
}

}  // namespace
}  // namespace tavik::net
