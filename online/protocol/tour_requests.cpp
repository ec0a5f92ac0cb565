#include "online/protocol/tour_requests.h"

#include "online/protocol/request_support.h"
#include "online/protocol/table_rows.h"

namespace tavik::online {

using detail::Guarded;
using detail::Num;
using detail::NumberReply;
using detail::Tokens;

bool ReadTourTables(ServiceClient& client, int gid, TourTables& tables) {
    tables.fill(TQorTable{});
    client.web.setReadTimeout(kReadTimeoutMs);
    return Guarded([&] {
        const std::string reply = client.web.postFieldList(
            client.addresses.tour(), FieldListText({"readtable10=" + Num(gid), "gid=" + Num(gid)}));
        int n = 10;  // the first record is table 10
        for (auto& record : RecordList(reply, '*', ' ', 10)) {
            const Tokens t(std::move(record));
            TQorTable& table = tables[n--];
            t.text(2, table.IP);
            t.whole(3, table.Port);
            t.text(4, table.Free);
            t.whole(5, table.R1);
            t.text(6, table.R2);
            t.text(7, table.Nick1);
            t.whole(8, table.Score1);
            t.whole(9, table.Kon1);
            t.whole(10, table.Rating1);
            t.text(11, table.Country1);
            t.text(12, table.City1);
            t.text(13, table.Sex1);
            t.text(14, table.IP1);
            t.text(15, table.Nick2);
            t.whole(16, table.Score2);
            t.whole(17, table.Kon2);
            t.whole(18, table.Rating2);
            t.text(19, table.Country2);
            t.text(20, table.City2);
            t.text(21, table.Sex2);
            t.text(22, table.IP2);
        }
    });
}

bool TakeSeat(ServiceClient& client, int gid, int table, int seat, const std::string& can,
              const TQorClient& p, int& status) {
    const std::string s = Num(seat);
    // Two-seat tables: no table size between "client" and "on".
    const std::string body =
        "client"
        "on" +
        s + "=0" + "&gid=" + Num(gid) + "&num=" + Num(table) + "&can=" + can + "&nick" + s + "=" +
        p.Nick + "&score" + s + "=" + Num(p.Score) + "&kon" + s + "=" + Num(p.Kon) + "&rating" + s +
        "=" + Num(p.Rating) + "&country" + s + "=" + p.Country + "&city" + s + "=" + p.City +
        "&sex" + s + "=" + std::string(1, p.Sex) + "&ip" + s + "=" + p.IP;
    status = 1;
    bool marked = false;
    const bool ok = Guarded([&] {
        const std::string reply = client.web.postFormBody(client.addresses.tour(), body);
        if (HasMark(reply, "ok")) status = 0, marked = true;
        if (HasMark(reply, "is")) status = 2, marked = true;
    });
    if (!ok) status = 1;
    return ok && marked;
}

bool ReadSeat(ServiceClient& client, int gid, int table, int seat, TQorClient& p) {
    p.Nick.clear();
    p.Country.clear();
    p.City.clear();
    p.Rating = 0;
    p.Sex = 'M';
    return Guarded([&] {
        const std::string reply = client.web.postFieldList(
            client.addresses.tour(), FieldListText({"readclient" + Num(seat) + "=0",
                                                    "gid=" + Num(gid), "num=" + Num(table)}));
        const Tokens t(FirstRecord(reply, '$', ' '));
        t.text(1, p.Nick);
        t.whole(2, p.Score);
        t.whole(3, p.Kon);
        t.whole(4, p.Rating);
        t.text(5, p.Country);
        t.text(6, p.City);
        t.first(7, p.Sex);
        t.text(8, p.IP);
    });
}

bool ReadTourServerInfo(ServiceClient& client, int gid, char& state, std::string& text) {
    state = 'X';
    return Guarded([&] {
        const std::string reply = client.web.postFieldList(
            client.addresses.tour(), FieldListText({"serverinforead=0", "gid=" + Num(gid)}));
        const Tokens t(FirstRecord(reply, '$', ' '));
        t.first(1, state);
        t.text(2, text);
    });
}

bool ReadTourRating(ServiceClient& client, int gid, const std::string& nick, int& score, int& kons,
                    int& rating) {
    score = -1;
    const std::string body = "readrating" + Num(gid) + "=0" + "&nick=" + nick;
    return Guarded([&] {
        const Tokens t(
            FirstRecord(client.web.postFormBody(client.addresses.tour(), body), '$', ' '));
        t.whole(1, score);
        t.whole(2, kons);
        t.whole(3, rating);
    });
}

bool ReadTourTop10(ServiceClient& client, int gid, char kind, RecordRows& rows) {
    ResetRecordRows(rows, gid);
    return Guarded([&] {
        const std::string reply = client.web.postFieldList(
            client.addresses.tour(),
            FieldListText({"top10" + std::string(1, kind) + Num(gid) + "=0", "nick=z"}));
        int n = 1;
        for (auto& record : RecordList(reply, '*', ' ', 10)) {
            const Tokens t(std::move(record));
            TQorRecord& row = rows[n++];
            t.whole(1, row.Place);
            t.text(2, row.Nick);
            t.text(3, row.City);
            t.text(4, row.Country);
            t.text(5, row.R07);
            t.whole(6, row.Score);
        }
    });
}

bool ReadTourPlace(ServiceClient& client, int gid, char kind, int value, int& place) {
    const char* field = kind == 's' ? "score1=" : kind == 'r' ? "rating1=" : "kon1=";
    const std::string body =
        "place" + std::string(1, kind) + Num(gid) + "=0" + "&" + field + Num(value);
    return NumberReply([&] { return client.web.postFormBody(client.addresses.tour(), body); },
                       place);
}

}  // namespace tavik::online
