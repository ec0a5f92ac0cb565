#include "online/protocol/stat_requests.h"

#include "online/protocol/request_support.h"

namespace tavik::online {

using detail::Guarded;
using detail::Num;
using detail::Tokens;

namespace {

bool PostForOk(ServiceClient& client, const std::string& body) {
    bool ok = false;
    Guarded([&] { ok = HasMark(client.web.postFormBody(client.addresses.stat(), body), "ok"); });
    return ok;
}

}  // namespace

bool ReadStat(ServiceClient& client, int gid, TQorStat& stat) {
    stat = TQorStat{};
    stat.GID = gid;
    client.web.setReadTimeout(kReadTimeoutMs);
    return Guarded([&] {
        const Tokens t(FirstRecord(
            client.web.postFieldList(client.addresses.stat(), "gid=" + Num(gid)), '*', ' '));
        t.whole(1, stat.Stat1);
        t.whole(2, stat.Stat2);
        t.whole(3, stat.Stat3);
        t.text(4, stat.Stat4);
        for (int i = 1; i <= 12; ++i) t.whole(4 + i, stat.StatX[i]);
        t.whole(17, stat.StatY);
        t.text(18, stat.StatZ);
    });
}

bool SendStat12(ServiceClient& client, int gid, int a, int b) {
    return PostForOk(client, "gid=" + Num(gid) + "&stat1=" + Num(a) + "&stat2=" + Num(b));
}

bool SendStat34(ServiceClient& client, int gid, int a, const std::string& b) {
    return PostForOk(client, "gid=" + Num(gid) + "&stat3=" + Num(a) + "&stat4=" + b);
}

bool SendStatR(ServiceClient& client, int gid, const OneBased<int, 12>& r) {
    std::string body = "gid=" + Num(gid);
    for (int i = 1; i <= 12; ++i) body += "&R" + Num(i) + "=" + Num(r[i]);
    return PostForOk(client, body);
}

}  // namespace tavik::online
