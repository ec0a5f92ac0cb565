// The world top-ten, tournament and statistics requests, and the read time-out rule.
#include <gtest/gtest.h>

#include "online/protocol/account_requests.h"
#include "online/protocol/stat_requests.h"
#include "online/protocol/tests/fake_transport.h"
#include "online/protocol/topten_requests.h"
#include "online/protocol/tour_requests.h"

namespace tavik::online {
namespace {

using test::FakeClient;

TEST(ReadTimeOut, SetByTheFourReadersAndKeptForEveryLaterPost) {
    FakeClient c;
    int n = 0;
    c.reply("$1\r\n");
    ReadMemberCount(*c, n);
    EXPECT_EQ(c.last().connectTimeoutMs, kConnectTimeoutMs);
    EXPECT_EQ(c.last().readTimeoutMs, kStallTimeoutMs) << "before any reader set it";

    RecordRows rows;
    c.reply("\r\n");
    ReadTable(*c, 10, rows);
    EXPECT_EQ(c.last().readTimeoutMs, 3000);
    c.reply("$1\r\n");
    ReadMemberCount(*c, n);
    EXPECT_EQ(c.last().readTimeoutMs, 3000) << "sticky";

    // Each of the four sets it on a fresh client.
    const std::function<void(ServiceClient&)> readers[] = {
        [](ServiceClient& s) {
            RecordRows r;
            ReadTable(s, 10, r);
        },
        [](ServiceClient& s) {
            RecordRows r;
            ReadOwnResults(s, 10, "a", "b", r);
        },
        [](ServiceClient& s) {
            TQorStat st;
            ReadStat(s, 10, st);
        },
        [](ServiceClient& s) {
            TourTables t;
            ReadTourTables(s, 10, t);
        },
    };
    for (const auto& read : readers) {
        FakeClient fresh;
        fresh.reply("\r\n");
        read(*fresh);
        EXPECT_EQ(fresh.last().readTimeoutMs, 3000);
    }
}

TEST(WorldTopTen, BodiesAndRows) {
    FakeClient c;
    RecordRows rows;
    c.reply("$1 x 250 ann 1-001 Tver a b c d*$2 x 100 bob 2-003 Baku e f g h*\r\n");
    ASSERT_TRUE(ReadTable(*c, 12, rows));
    EXPECT_EQ(c.last().url, "http://svc.test/topten.php");
    EXPECT_EQ(c.last().body, "gid=12");
    TQorRecord first;
    first.GID = 12;
    first.Place = 1;
    first.Score = 250;
    first.Nick = "ann";
    first.Country = "1-001";
    first.City = "Tver";
    first.R07 = "a";
    first.R08 = "b";
    first.R09 = "c";
    first.R10 = "d";
    EXPECT_EQ(rows[1], first);
    EXPECT_EQ(rows[2].Nick, "bob");
    EXPECT_TRUE(rows[3].empty());
    EXPECT_EQ(rows[3].R10, "#*");
    EXPECT_EQ(rows[3].GID, 12);

    c.reply("$1 x 5*\r\n");
    ASSERT_TRUE(ReadOwnResults(*c, 10, "ann", "Tver", rows));
    EXPECT_EQ(c.last().body, "gid=10&nick=ann&city=Tver");
    EXPECT_EQ(rows[1].Score, 5);
    EXPECT_TRUE(rows[1].empty()) << "a row without a nick token stays empty";

    int n = 0;
    c.reply("$42\r\n");
    ASSERT_TRUE(ReadTableCount(*c, 10, n));
    EXPECT_EQ(c.last().body, "rgid=10");
    EXPECT_EQ(n, 42);
    c.reply("$3\r\n");
    ASSERT_TRUE(WriteTableResult(*c, 11, "ann", "Tver", "1-001", 250, "r7", "r9", "r10", n));
    EXPECT_EQ(c.last().body,
              "gid=11&nick=ann&city=Tver&country=1-001&score=250&R7=r7&R8=5.7f&R9=r9&R10=r10*");
    EXPECT_EQ(n, 3);
    c.fail();
    EXPECT_FALSE(WriteTableResult(*c, 11, "ann", "Tver", "1-001", 250, "", "", "", n));
    EXPECT_EQ(n, -1);
}

TEST(Tournament, ThreeTableRecordsFillTablesTenNineAndEight) {
    std::string reply;
    for (int i = 1; i <= 3; ++i)
        reply += "$x 10.0.0." + std::to_string(i) + " 2566" + std::to_string(i) +
                 " F 1 r ann 5 6 7 1-001 Tver M 1.1.1.1 bob 8 9 10 2-002 Baku W 2.2.2.2*";
    reply += "\r\n";
    FakeClient c;
    c.reply(reply);
    TourTables tables;
    ASSERT_TRUE(ReadTourTables(*c, 10, tables));
    EXPECT_EQ(c.last().url, "http://svc.test/tour.php");
    EXPECT_EQ(c.last().body, "readtable10=10&&gid=10");
    EXPECT_EQ(tables[10].IP, "10.0.0.1");
    EXPECT_EQ(tables[9].IP, "10.0.0.2");
    EXPECT_EQ(tables[8].IP, "10.0.0.3");
    EXPECT_EQ(tables[8].Port, 25663);
    const TQorTable& t = tables[10];
    EXPECT_EQ(t.Free, "F");
    EXPECT_EQ(t.R1, 1);
    EXPECT_EQ(t.R2, "r");
    EXPECT_EQ(t.Nick1, "ann");
    EXPECT_EQ(t.Rating1, 7);
    EXPECT_EQ(t.IP1, "1.1.1.1");
    EXPECT_EQ(t.Nick2, "bob");
    EXPECT_EQ(t.Score2, 8);
    EXPECT_EQ(t.Sex2, "W");
    EXPECT_EQ(t.IP2, "2.2.2.2");
    for (int i = 1; i <= 7; ++i) EXPECT_EQ(tables[i], TQorTable{}) << i;
    EXPECT_EQ(tables[1].Free, "X");
    EXPECT_EQ(tables[1].IP, "0.0.0.0");
}

TEST(Tournament, SeatsRatingAndTopTen) {
    FakeClient c;
    TQorClient me{"ann", 5, 6, 7, "1-001", "Tver", 'W', "1.2.3.4"};
    int status = -9;
    struct Case {
        const char* reply;
        int status;
        bool flag;
    } cases[] = {
        {"ok\r\n", 0, true}, {"is\r\n", 2, true}, {"ok is", 2, true}, {"full\r\n", 1, false}};
    for (const Case& k : cases) {
        c.reply(k.reply);
        EXPECT_EQ(TakeSeat(*c, 10, 3, 1, "1", me, status), k.flag) << k.reply;
        EXPECT_EQ(status, k.status) << k.reply;
    }
    EXPECT_EQ(c.last().body,
              "clienton1=0&gid=10&num=3&can=1&nick1=ann&score1=5&kon1=6&rating1=7"
              "&country1=1-001&city1=Tver&sex1=W&ip1=1.2.3.4");
    c.fail();
    EXPECT_FALSE(TakeSeat(*c, 10, 3, 1, "1", me, status));
    EXPECT_EQ(status, 1);

    TQorClient seat;
    c.reply("$bob 1 2 3 2-002 Baku W 5.6.7.8$\r\n");
    ASSERT_TRUE(ReadSeat(*c, 10, 3, 2, seat));
    EXPECT_EQ(c.last().body, "readclient2=0&&gid=10&&num=3");
    EXPECT_EQ(seat, (TQorClient{"bob", 1, 2, 3, "2-002", "Baku", 'W', "5.6.7.8"}));

    char state = 0;
    std::string text;
    c.reply("$Open running$\r\n");
    ASSERT_TRUE(ReadTourServerInfo(*c, 10, state, text));
    EXPECT_EQ(c.last().body, "serverinforead=0&&gid=10");
    EXPECT_EQ(state, 'O');
    EXPECT_EQ(text, "running");
    c.reply("\r\n");
    ASSERT_TRUE(ReadTourServerInfo(*c, 10, state, text));
    EXPECT_EQ(state, 'X');

    int score = 0, kons = 0, rating = 0;
    c.reply("$50 10 1500$\r\n");
    ASSERT_TRUE(ReadTourRating(*c, 10, "ann", score, kons, rating));
    EXPECT_EQ(c.last().body, "readrating10=0&nick=ann");
    EXPECT_EQ(score, 50);
    EXPECT_EQ(kons, 10);
    EXPECT_EQ(rating, 1500);
    c.reply("\r\n");
    ASSERT_TRUE(ReadTourRating(*c, 10, "ann", score, kons, rating));
    EXPECT_EQ(score, -1);

    RecordRows rows;
    c.reply("$1 ann Tver 1-001 r7 99*\r\n");
    ASSERT_TRUE(ReadTourTop10(*c, 10, 'r', rows));
    EXPECT_EQ(c.last().body, "top10r10=0&&nick=z");
    EXPECT_EQ(rows[1].Nick, "ann");
    EXPECT_EQ(rows[1].Score, 99);
    EXPECT_EQ(rows[1].R07, "r7");
    EXPECT_TRUE(rows[2].empty());

    int place = 0;
    const std::pair<char, const char*> kinds[] = {
        {'s', "places10=0&score1=7"}, {'r', "placer10=0&rating1=7"}, {'k', "placek10=0&kon1=7"}};
    for (const auto& [kind, body] : kinds) {
        c.reply("$4\r\n");
        ASSERT_TRUE(ReadTourPlace(*c, 10, kind, 7, place));
        EXPECT_EQ(c.last().body, body);
        EXPECT_EQ(place, 4);
    }
}

TEST(Statistics, ReadAndSend) {
    FakeClient c;
    TQorStat stat;
    stat.Stat4 = "old";
    c.reply("$1 2 3 four 5 6 7 8 9 10 11 12 13 14 15 16 17 zed*\r\n");
    ASSERT_TRUE(ReadStat(*c, 10, stat));
    EXPECT_EQ(c.last().url, "http://svc.test/stat.php");
    EXPECT_EQ(c.last().body, "gid=10");
    EXPECT_EQ(stat.GID, 10);
    EXPECT_EQ(stat.Stat3, 3);
    EXPECT_EQ(stat.Stat4, "four");
    EXPECT_EQ(stat.StatX[1], 5);
    EXPECT_EQ(stat.StatX[12], 16);
    EXPECT_EQ(stat.StatY, 17);
    EXPECT_EQ(stat.StatZ, "zed");

    c.reply("garbage\r\n");
    ASSERT_TRUE(ReadStat(*c, 10, stat));
    TQorStat reset;
    reset.GID = 10;
    EXPECT_EQ(stat, reset);

    c.reply("ok\r\n");
    EXPECT_TRUE(SendStat12(*c, 10, 1, -2));
    EXPECT_EQ(c.last().body, "gid=10&stat1=1&stat2=-2");
    c.reply("ok\r\n");
    EXPECT_TRUE(SendStat34(*c, 10, 3, "Linux 6"));
    EXPECT_EQ(c.last().body, "gid=10&stat3=3&stat4=Linux 6");
    OneBased<int, 12> r;
    for (int i = 1; i <= 12; ++i) r[i] = i * 10;
    c.reply("no\r\n");
    EXPECT_FALSE(SendStatR(*c, 10, r));
    EXPECT_EQ(
        c.last().body,
        "gid=10&R1=10&R2=20&R3=30&R4=40&R5=50&R6=60&R7=70&R8=80&R9=90&R10=100&R11=110&R12=120");
}

}  // namespace
}  // namespace tavik::online
