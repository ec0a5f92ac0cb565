#include "online/protocol/topten_requests.h"

#include "online/protocol/request_support.h"
#include "online/protocol/table_rows.h"

namespace tavik::online {

using detail::Guarded;
using detail::Num;
using detail::NumberReply;
using detail::Tokens;

namespace {

// The tokens of a world top-ten row: 1 Place, 3 Score, 4 Nick, 5 Country, 6 City,
// 7 R07 to 10 R10.
void FillWorldRow(const Tokens& t, TQorRecord& row) {
    t.whole(1, row.Place);
    t.whole(3, row.Score);
    t.text(4, row.Nick);
    t.text(5, row.Country);
    t.text(6, row.City);
    t.text(7, row.R07);
    t.text(8, row.R08);
    t.text(9, row.R09);
    t.text(10, row.R10);
}

void ReadWorldRows(const std::string& reply, RecordRows& rows) {
    int n = 1;
    for (auto& record : RecordList(reply, '*', ' ', 10))
        FillWorldRow(Tokens(std::move(record)), rows[n++]);
}

}  // namespace

void ResetRecordRows(RecordRows& rows, int gid) {
    TQorRecord reset;
    reset.GID = gid;
    rows.fill(reset);
}

bool ReadTableCount(ServiceClient& client, int gid, int& count) {
    const std::string text = "rgid=" + Num(gid);
    return NumberReply([&] { return client.web.postFieldList(client.addresses.topTen(), text); },
                       count);
}

bool ReadTable(ServiceClient& client, int gid, RecordRows& rows) {
    ResetRecordRows(rows, gid);
    client.web.setReadTimeout(kReadTimeoutMs);
    return Guarded([&] {
        ReadWorldRows(client.web.postFieldList(client.addresses.topTen(), "gid=" + Num(gid)), rows);
    });
}

bool ReadOwnResults(ServiceClient& client, int gid, const std::string& nick,
                    const std::string& city, RecordRows& rows) {
    ResetRecordRows(rows, gid);
    client.web.setReadTimeout(kReadTimeoutMs);
    const std::string body = "gid=" + Num(gid) + "&nick=" + nick + "&city=" + city;
    return Guarded(
        [&] { ReadWorldRows(client.web.postFormBody(client.addresses.topTen(), body), rows); });
}

bool WriteTableResult(ServiceClient& client, int gid, const std::string& nick,
                      const std::string& city, const std::string& country, int score,
                      const std::string& r7, const std::string& r9, const std::string& r10,
                      int& place) {
    const std::string body = "gid=" + Num(gid) + "&nick=" + nick + "&city=" + city +
                             "&country=" + country + "&score=" + Num(score) + "&R7=" + r7 +
                             "&R8=" + kProgramVersion + "&R9=" + r9 + "&R10=" + r10 + "*";
    return NumberReply([&] { return client.web.postFormBody(client.addresses.topTen(), body); },
                       place);
}

}  // namespace tavik::online
