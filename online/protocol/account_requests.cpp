#include "online/protocol/account_requests.h"

#include "online/protocol/request_support.h"

namespace tavik::online {

using detail::Guarded;
using detail::Num;
using detail::NumberReply;
using detail::Tokens;

namespace {

const std::string kPrefix = kGamePrefix;

std::string Sex(char c) {
    return std::string(1, c);
}

}  // namespace

int RegisterUser(ServiceClient& client, const TQorUser& u) {
    int status = 2;
    const std::string body = "nick=" + u.Nick + "&pw=" + u.Pw + "&city=" + u.City +
                             "&country1=" + u.Country1 + "&country2=" + u.Country2 +
                             "&sex=" + Sex(u.Sex) + "&email=" + u.EMail + "&dater=" + u.DateR +
                             "&R01=" + u.R01 + "&R02=" + u.R02 + "&R03=" + u.R03 +
                             "&R04=" + Num(u.R04) + "&R05=" + Num(u.R05) + "&R06=" + Num(u.R06);
    const bool ok = Guarded([&] {
        const std::string reply = client.web.postFormBody(client.addresses.account(), body);
        if (HasMark(reply, "ok")) status = 0;
        if (HasMark(reply, "is")) status = 1;
    });
    return ok ? status : 2;
}

bool ReadUser(ServiceClient& client, const std::string& nick, const std::string& pw,
              TQorUser& user) {
    user.Nick = nick;
    user.Pw = pw;
    user.City = user.Country1 = user.Country2 = user.EMail = "#";
    user.R01 = user.R02 = user.R03 = "#";
    user.Sex = '#';
    user.DateR = "00.00.0000";
    user.R04 = user.R05 = user.R06 = 0;
    bool found = true;
    const bool ok = Guarded([&] {
        const std::string reply = client.web.postFieldList(
            client.addresses.account(), FieldListText({"nick=" + nick, "pw=" + pw, "label0=0"}));
        if (HasMark(reply, "no")) {
            found = false;
            return;
        }
        const Tokens t(FirstRecord(reply, '$', ' '));
        t.text(1, user.City);
        t.text(2, user.Country1);
        t.text(3, user.Country2);
        t.first(4, user.Sex);
        t.text(5, user.EMail);
        t.text(6, user.DateR);
        t.text(7, user.R01);
        t.text(8, user.R02);
        t.text(9, user.R03);
        t.whole(10, user.R04);
        t.whole(11, user.R05);
        t.whole(12, user.R06);
    });
    return ok && found;
}

void ReadInfo(ServiceClient& client, const std::string& nick, TInfo14& info) {
    Guarded([&] {
        const std::string reply = client.web.postFieldList(
            client.addresses.account(), FieldListText({"nick=" + nick, "labelinforead=0"}));
        if (HasMark(reply, "no")) return;
        const Tokens t(FirstRecord(reply, '$', '~'));
        std::string* fields[] = {&info.Name1,      &info.Name2,    &info.About,    &info.Telephone,
                                 &info.EMailO,     &info.WebSite,  &info.Skype,    &info.OK,
                                 &info.VK,         &info.Telegram, &info.FaceBook, &info.Twitter,
                                 &info.Instagramm, &info.YouTube};
        for (int n = 1; n <= 14; ++n) t.text(n, *fields[n - 1]);
    });
}

bool SaveInfo(ServiceClient& client, const std::string& nick, const TInfo14& i) {
    const std::string body =
        "nick=" + nick + "&labelinfosave=0" + "&namei=" + i.Name1 + "&name2=" + i.Name2 +
        "&about=" + i.About + "&telephone=" + i.Telephone + "&emailo=" + i.EMailO +
        "&website=" + i.WebSite + "&skype=" + i.Skype + "&ok=" + i.OK + "&vk=" + i.VK +
        "&telegram=" + i.Telegram + "&facebook=" + i.FaceBook + "&twitter=" + i.Twitter +
        "&instagramm=" + i.Instagramm + "&youtube=" + i.YouTube;
    bool saved = false;
    Guarded(
        [&] { saved = HasMark(client.web.postFormBody(client.addresses.account(), body), "ok"); });
    return saved;
}

bool ReadGame(ServiceClient& client, const std::string& nick, const std::string& pw,
              TQorGame& game) {
    game.Kon = game.Score = game.Sessions = game.R1 = 0;
    game.Rating = 0;
    game.PlayNow = 'N';
    game.R2 = "#";
    return Guarded([&] {
        const std::string reply = client.web.postFieldList(
            client.addresses.account(),
            FieldListText({"nick=" + nick, "pw=" + pw, kPrefix + "best=0"}));
        const Tokens t(FirstRecord(reply, '$', ' '));
        t.whole(1, game.Kon);
        t.whole(2, game.Best);
        t.real(3, game.Rating);
        t.whole(4, game.Sessions);
        t.whole(5, game.KonL);
        t.whole(6, game.Score);
        t.whole(7, game.R1);
        t.text(8, game.R2);
    });
}

bool SaveGame(ServiceClient& client, const std::string& nick, const std::string& pw,
              const TQorGame& g) {
    const std::string body =
        "nick=" + nick + "&pw=" + pw + "&" + kPrefix + "kon=" + Num(g.Kon) + "&" + kPrefix +
        "best=" + Num(g.Best) + "&" + kPrefix + "rating=" + FormatReal(g.Rating) + "&" + kPrefix +
        "ses=" + Num(g.Sessions) + "&" + kPrefix + "konl=" + Num(g.KonL) + "&" + kPrefix +
        "score=" + Num(g.Score) + "&" + kPrefix + "R1=" + Num(g.R1) + "&" + kPrefix + "R2=" + g.R2;
    bool saved = false;
    Guarded(
        [&] { saved = HasMark(client.web.postFormBody(client.addresses.account(), body), "ok"); });
    return saved;
}

bool ReadMemberCount(ServiceClient& client, int& count) {
    return NumberReply(
        [&] { return client.web.postFormBody(client.addresses.account(), "label1=0"); }, count);
}

bool ReadRatingPlace(ServiceClient& client, double rating, int& place) {
    const std::string body = kPrefix + "rating=" + FormatReal(rating);
    return NumberReply([&] { return client.web.postFormBody(client.addresses.account(), body); },
                       place);
}

bool ReadRatingTop(ServiceClient& client, TopTenRows& rows) {
    rows.fill(TQorTop10{});
    return Guarded([&] {
        const std::string reply =
            client.web.postFieldList(client.addresses.account(), kPrefix + "kon=0");
        int n = 1;
        for (auto& record : RecordList(reply, '*', ' ', 10)) {
            const Tokens t(std::move(record));
            TQorTop10& row = rows[n++];
            t.text(2, row.Nick);
            t.text(3, row.City);
            t.text(5, row.Country);
            t.first(6, row.Sex);
            t.real(7, row.Rating);
        }
    });
}

}  // namespace tavik::online
