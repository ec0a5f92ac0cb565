#include "online/protocol/account_requests.h"

#include <gtest/gtest.h>

#include "online/protocol/tests/fake_transport.h"

namespace tavik::online {
namespace {

using test::FakeClient;

TQorUser Ann() {
    TQorUser u;
    u.Nick = "ann";
    u.Pw = "abcd";
    u.City = "Тверь";
    u.Country1 = "Russia";
    u.Country2 = "1-001";
    u.Sex = 'W';
    u.EMail = "a@b.c";
    u.DateR = "11.12.2026";
    u.R01 = u.R02 = u.R03 = "xxx";
    u.R04 = 1;
    u.R05 = -2;
    u.R06 = 3;
    return u;
}

TEST(RegisterUser, PostsTheFormBodyAndReadsTheMarks) {
    FakeClient c;
    c.reply("ok\r\n");
    EXPECT_EQ(RegisterUser(*c, Ann()), 0);
    const HttpRequest& r = c.last();
    EXPECT_EQ(r.url, "http://svc.test/account.php");
    EXPECT_TRUE(r.post);
    EXPECT_EQ(r.userAgent, "QorSpecAccess");
    EXPECT_EQ(r.body,
              "nick=ann&pw=abcd&city=\xD2\xE2\xE5\xF0\xFC&country1=Russia&country2=1-001&sex=W"
              "&email=a@b.c&dater=11.12.2026&R01=xxx&R02=xxx&R03=xxx&R04=1&R05=-2&R06=3");
    EXPECT_EQ(r.headers,
              (std::vector<std::string>{"Content-Type: application/x-www-form-urlencoded",
                                        "Accept: text/html, */*"}));

    struct Case {
        const char* reply;
        int status;
    } cases[] = {{"is\r\n", 1}, {"ok is\r\n", 1}, {"okis", 1}, {"error\r\n", 2}, {"", 2}};
    for (const Case& k : cases) {
        c.reply(k.reply);
        EXPECT_EQ(RegisterUser(*c, Ann()), k.status) << k.reply;
    }
    c.fail();
    EXPECT_EQ(RegisterUser(*c, Ann()), 2);
}

TEST(ReadUser, SendsAFieldListWithEmptyFieldsBetween) {
    FakeClient c;
    c.reply("$Tver Russia 1-001 M a@b.c 01.02.2020 r1 r2 r3 4 5 6$\r\n");
    TQorUser u;
    u.PwC = "kept";
    ASSERT_TRUE(ReadUser(*c, "ann", "p w", u));
    EXPECT_EQ(c.last().body, "nick=ann&&pw=p+w&&label0=0");
    TQorUser want;
    want.Nick = "ann";
    want.Pw = "p w";
    want.City = "Tver";
    want.Country1 = "Russia";
    want.Country2 = "1-001";
    want.Sex = 'M';
    want.EMail = "a@b.c";
    want.DateR = "01.02.2020";
    want.R01 = "r1";
    want.R02 = "r2";
    want.R03 = "r3";
    want.R04 = 4;
    want.R05 = 5;
    want.R06 = 6;
    want.PwC = "kept";
    EXPECT_EQ(u, want);
}

TEST(ReadUser, ResetsAndReportsEachFailure) {
    const auto reset = [](const TQorUser& u) {
        return u.City == "#" && u.Country1 == "#" && u.Country2 == "#" && u.EMail == "#" &&
               u.R01 == "#" && u.R03 == "#" && u.Sex == '#' && u.DateR == "00.00.0000" &&
               u.R04 == 0 && u.R06 == 0 && u.Nick == "bob" && u.Pw == "pw";
    };
    TQorUser u = [] {
        TQorUser full;
        full.City = "old";
        full.R04 = 9;
        return full;
    }();

    FakeClient c;
    c.reply("no\r\n").fail().reply("\r\n");
    EXPECT_FALSE(ReadUser(*c, "bob", "pw", u));
    EXPECT_TRUE(reset(u));
    EXPECT_FALSE(ReadUser(*c, "bob", "pw", u));
    EXPECT_TRUE(reset(u));
    EXPECT_TRUE(ReadUser(*c, "bob", "pw", u)) << "a reply without a record still succeeds";
    EXPECT_TRUE(reset(u));

    // A number token that does not convert: the fields before it stay.
    c.reply("$Tver Russia 1-001 M a@b.c 01.02.2020 r1 r2 r3 4x 5 6$\r\n");
    EXPECT_FALSE(ReadUser(*c, "bob", "pw", u));
    EXPECT_EQ(u.City, "Tver");
    EXPECT_EQ(u.R03, "r3");
    EXPECT_EQ(u.R04, 0);
}

TEST(ReadUser, ACityOrNickHoldingNoStillSignsIn) {
    FakeClient c;
    c.reply("$Genoa Italy 1-024 M snowman@x.it 01.02.2020 xxx xxx xxx 0 0 0$\r\n");
    TQorUser u;
    EXPECT_TRUE(ReadUser(*c, "Snowman", "pw", u));
    EXPECT_EQ(u.City, "Genoa");
    EXPECT_EQ(u.EMail, "snowman@x.it");
}

TEST(ReadInfo, FillsTheFourteenFieldsInWireOrderAndKeepsTheRest) {
    FakeClient c;
    // Replies are Windows-1251 text: "Анна" arrives as four bytes.
    c.reply("$\xC0\xED\xED\xE0~Ivanova~About me~123~e@x~site~skype~ok~vk~tg~fb~tw~ig~yt$\r\n");
    TInfo14 info;
    ReadInfo(*c, "ann", info);
    EXPECT_EQ(c.last().body, "nick=ann&&labelinforead=0");
    EXPECT_EQ(info.Name1, "Анна");
    EXPECT_EQ(info.About, "About me");
    EXPECT_EQ(info.WebSite, "site");  // token 6
    EXPECT_EQ(info.Skype, "skype");   // token 7
    EXPECT_EQ(info.YouTube, "yt");

    TInfo14 partial;
    partial.Skype = "mine";
    c.reply("$A~B$\r\n");
    ReadInfo(*c, "ann", partial);
    EXPECT_EQ(partial.Name2, "B");
    EXPECT_EQ(partial.Skype, "mine");
    c.reply("no\r\n");
    ReadInfo(*c, "ann", partial);
    EXPECT_EQ(partial.Name1, "A");
}

TEST(SaveInfo, SendsEveryFieldUnescaped) {
    FakeClient c;
    TInfo14 i;
    i.Name1 = "Ann";
    i.About = "a&b=c";
    i.WebSite = "w";
    i.Skype = "s";
    c.reply("ok\r\n");
    EXPECT_TRUE(SaveInfo(*c, "ann", i));
    EXPECT_EQ(c.last().body,
              "nick=ann&labelinfosave=0&namei=Ann&name2=&about=a&b=c&telephone=&emailo="
              "&website=w&skype=s&ok=&vk=&telegram=&facebook=&twitter=&instagramm=&youtube=");
    c.reply("error\r\n");
    EXPECT_FALSE(SaveInfo(*c, "ann", i));
}

TEST(Game, SavedWithThePrefixAndReadBack) {
    FakeClient c;
    TQorGame g;
    g.Kon = 12;
    g.Best = 40;
    g.Rating = 12.5;
    g.Sessions = 2;
    g.KonL = 3;
    g.Score = -4;
    g.R1 = 7;
    g.R2 = "r";
    c.reply("ok\r\n");
    EXPECT_TRUE(SaveGame(*c, "ann", "pw", g));
    EXPECT_EQ(c.last().body,
              "nick=ann&pw=pw&crdtv2kon=12&crdtv2best=40&crdtv2rating=12.5&crdtv2ses=2"
              "&crdtv2konl=3&crdtv2score=-4&crdtv2R1=7&crdtv2R2=r");

    c.reply("$12 40 12,5 2 3 -4 7 r$\r\n");
    TQorGame read;
    read.PlayNow = 'Y';
    EXPECT_TRUE(ReadGame(*c, "ann", "pw", read));
    EXPECT_EQ(c.last().body, "nick=ann&&pw=pw&&crdtv2best=0");
    read.PlayNow = 'Y';  // the reset sets 'N'
    g.PlayNow = 'Y';
    EXPECT_EQ(read, g);

    c.reply("\r\n");
    EXPECT_TRUE(ReadGame(*c, "ann", "pw", read));
    EXPECT_EQ(read.Kon, 0);
    EXPECT_EQ(read.R2, "#");
    EXPECT_EQ(read.PlayNow, 'N');
}

TEST(NumberReplies, CountAndPlaceOrMinusOne) {
    FakeClient c;
    int n = 0;
    c.reply("members $17\r\n");
    EXPECT_TRUE(ReadMemberCount(*c, n));
    EXPECT_EQ(c.last().body, "label1=0");
    EXPECT_EQ(n, 17);
    c.reply("$3\r\n");
    EXPECT_TRUE(ReadRatingPlace(*c, 0.000001, n));
    EXPECT_EQ(c.last().body, "crdtv2rating=0");
    EXPECT_EQ(n, 3);
    c.reply("$99999999999\r\n");  // more than a count can be
    EXPECT_FALSE(ReadMemberCount(*c, n));
    EXPECT_EQ(n, -1);
    c.reply("nothing\r\n").fail();
    EXPECT_FALSE(ReadMemberCount(*c, n));
    EXPECT_EQ(n, -1);
    n = 5;
    EXPECT_FALSE(ReadRatingPlace(*c, 1.5, n));
    EXPECT_EQ(n, -1);
}

TEST(ReadRatingTop, FillsTenRowsAndIgnoresTheRest) {
    std::string reply;
    for (int i = 1; i <= 12; ++i)
        reply += "$" + std::to_string(i) + " n" + std::to_string(i) + " City x 2-010 W " +
                 std::to_string(100 - i) + ",5*";
    reply += "\r\n";
    FakeClient c;
    c.reply(reply);
    TopTenRows rows;
    ASSERT_TRUE(ReadRatingTop(*c, rows));
    EXPECT_EQ(c.last().body, "crdtv2kon=0");
    EXPECT_EQ(rows[1], (TQorTop10{"n1", "City", "2-010", 'W', 99.5}));
    EXPECT_EQ(rows[10], (TQorTop10{"n10", "City", "2-010", 'W', 90.5}));

    c.reply("\r\n");
    ASSERT_TRUE(ReadRatingTop(*c, rows));
    for (const TQorTop10& row : rows) EXPECT_EQ(row, (TQorTop10{"", "", "", 'M', 0}));

    c.reply("$1 a b c d  7*\r\n");  // an empty sex token keeps 'M'
    ASSERT_TRUE(ReadRatingTop(*c, rows));
    EXPECT_EQ(rows[1], (TQorTop10{"a", "b", "d", 'M', 7}));
}

}  // namespace
}  // namespace tavik::online
