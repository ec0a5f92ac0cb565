// Two LAN connections of the window on 127.0.0.1 play a whole match through Qt's
// sockets and event loop.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>

#include "core/match/headless_play.h"
#include "core/match/recorder.h"
#include "core/match/remote_seat.h"
#include "core/match/seat_players.h"
#include "ui/lan/lan_connection.h"

namespace tavik::ui {
namespace {

struct Side {
    Side(int role, std::uint64_t seed)
        : headless(seed, false),
          link(connection.newLink(role, role == 1 ? "Host" : "Guest")),
          session({headless.ports().table, headless.ports().sound, headless.ports().pause, link,
                   headless.ports().clock, headless.ports().random},
                  remote, &player, &results) {
        link.attach(session, remote);
        session.state().UserName = role == 1 ? "Host" : "Guest";
        QObject::connect(&connection, &LanConnection::changed, [this] { act(); });
    }
    void act() {
        if (!started && link.netLink() >= 2) {
            session.controller().NewKon(false);
            started = true;
            link.pump();
        }
        while (started && PlayStep(session)) link.pump();
        const GameState& g = session.state();
        if (g.Step == BoutStep::ResultShown && g.KonOver && session.controller().lanMatchComplete())
            finished = true;
    }
    HeadlessWorld headless;
    LanConnection connection;
    net::LanLink& link;
    RemoteSeat remote;
    LowestPlayer player;
    PlayStats results;
    MatchSession session;
    bool started = false, finished = false;
};

TEST(LanConnection, TwoWindowsPlayAMatchOverTcp) {
    int argc = 0;
    QCoreApplication app(argc, nullptr);
    Side server(1, 21), client(2, 22);
    ASSERT_TRUE(server.connection.StartServer(0, QHostAddress::LocalHost));
    EXPECT_FALSE(server.connection.noGames());
    client.connection.StartClient("127.0.0.1", server.connection.serverPort());
    EXPECT_TRUE(client.connection.noGames());  // until the server answers
    QElapsedTimer t;
    t.start();
    while (!(server.finished && client.finished) && t.elapsed() < 20000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        // The local actions that need no message (confirming the last bout).
        server.act();
        client.act();
    }
    ASSERT_TRUE(server.finished && client.finished)
        << (server.link.failure() ? *server.link.failure() : "")
        << (client.link.failure() ? *client.link.failure() : "");
    EXPECT_EQ(server.link.opponentName(), "Guest");
    EXPECT_EQ(client.link.opponentName(), "Host");
    EXPECT_EQ(server.results.kons, 3);
    EXPECT_EQ(server.results.wins1, client.results.wins2);
    EXPECT_EQ(server.results.wins2, client.results.wins1);
    EXPECT_EQ(server.results.draws, client.results.draws);

    // The client leaving after the match interrupts nothing.
    client.connection.close();
    t.restart();
    while (!server.link.peerGone() && t.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_TRUE(server.link.peerGone());
    EXPECT_FALSE(server.link.interrupted());
}

}  // namespace
}  // namespace tavik::ui
