// tavik-cli online: runs one operation of the web-service catalogue and prints its
// outputs as one JSON line.
//
//   tavik-cli online OP [--server URL] [--json '{...}']
//
// URL is the service's base address (default: the one built in); every service
// address derives from it. The inputs are named as in the catalogue: record fields by
// their declared names ("Nick", "Pw", "City", ...), plain arguments by their argument
// names ("nick", "pw", "gid", ...). A request that fails is data: its outputs (reset
// values, flag false, status 2) are printed with exit 0. Bad input: one line on
// stderr, exit 2.
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <sstream>
#include <string>

#include "app/cli/arguments.h"
#include "app/cli/commands.h"
#include "app/cli/json.h"
#include "app/cli/online_records.h"
#include "config/service_address.h"
#include "core/files/atomic_file.h"
#include "online/protocol/account_requests.h"
#include "online/protocol/downloads.h"
#include "online/protocol/photo_upload.h"
#include "online/protocol/remote_config.h"
#include "online/protocol/stat_requests.h"
#include "online/protocol/topten_requests.h"
#include "online/protocol/tour_requests.h"

namespace tavik::cli {
namespace {

using namespace online;
using Operation = std::function<Json(Inputs&, ServiceClient&)>;

int fail(const std::string& message) {
    std::fprintf(stderr, "tavik-cli online: %s\n", message.c_str());
    return 2;
}

char tourKind(Inputs& in) {
    const char kind = in.character("kind");
    if (kind != 's' && kind != 'r' && kind != 'k') throw BadInput("\"kind\" must be s, r or k");
    return kind;
}

std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw BadInput("cannot read " + path);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

const std::map<std::string, Operation>& operations() {
    static const std::map<std::string, Operation> ops = {
        // Account service.
        {"RegisterUser",
         [](Inputs& in, ServiceClient& c) -> Json {
             TQorUser user;
             in.read(user);
             in.done();
             return {{"status", RegisterUser(c, user)}};
         }},
        {"ReadUser",
         [](Inputs& in, ServiceClient& c) -> Json {
             const std::string nick = in.text("nick"), pw = in.text("pw");
             in.done();
             TQorUser user;
             const bool flag = ReadUser(c, nick, pw, user);
             return {{"flag", flag}, {"user", toJson(user)}};
         }},
        {"ReadInfo",
         [](Inputs& in, ServiceClient& c) -> Json {
             const std::string nick = in.text("nick");
             in.done();
             TInfo14 info;
             ReadInfo(c, nick, info);
             return {{"info", toJson(info)}};
         }},
        {"SaveInfo",
         [](Inputs& in, ServiceClient& c) -> Json {
             const std::string nick = in.text("nick");
             TInfo14 info;
             in.read(info);
             in.done();
             return {{"flag", SaveInfo(c, nick, info)}};
         }},
        {"ReadGame",
         [](Inputs& in, ServiceClient& c) -> Json {
             const std::string nick = in.text("nick"), pw = in.text("pw");
             in.done();
             TQorGame game;
             const bool flag = ReadGame(c, nick, pw, game);
             return {{"flag", flag}, {"game", toJson(game)}};
         }},
        {"SaveGame",
         [](Inputs& in, ServiceClient& c) -> Json {
             const std::string nick = in.text("nick"), pw = in.text("pw");
             TQorGame game;
             in.read(game);
             in.done();
             return {{"flag", SaveGame(c, nick, pw, game)}};
         }},
        {"ReadMemberCount",
         [](Inputs& in, ServiceClient& c) -> Json {
             in.done();
             int count = -1;
             const bool flag = ReadMemberCount(c, count);
             return {{"flag", flag}, {"count", count}};
         }},
        {"ReadRatingTop",
         [](Inputs& in, ServiceClient& c) -> Json {
             in.done();
             TopTenRows rows;
             const bool flag = ReadRatingTop(c, rows);
             return {{"flag", flag}, {"rows", rowsJson(rows)}};
         }},
        {"ReadRatingPlace",
         [](Inputs& in, ServiceClient& c) -> Json {
             const auto rating = in.optionalReal("rating");
             if (!rating) throw BadInput("missing \"rating\"");
             in.done();
             int place = -1;
             const bool flag = ReadRatingPlace(c, *rating, place);
             return {{"flag", flag}, {"place", place}};
         }},
        // World top-ten service.
        {"ReadTableCount",
         [](Inputs& in, ServiceClient& c) -> Json {
             const int gid = in.whole("gid");
             in.done();
             int count = -1;
             const bool flag = ReadTableCount(c, gid, count);
             return {{"flag", flag}, {"count", count}};
         }},
        {"ReadTable",
         [](Inputs& in, ServiceClient& c) -> Json {
             const int gid = in.whole("gid");
             in.done();
             RecordRows rows;
             const bool flag = ReadTable(c, gid, rows);
             return {{"flag", flag}, {"rows", rowsJson(rows)}};
         }},
        {"ReadOwnResults",
         [](Inputs& in, ServiceClient& c) -> Json {
             const int gid = in.whole("gid");
             const std::string nick = in.text("nick"), city = in.text("city");
             in.done();
             RecordRows rows;
             const bool flag = ReadOwnResults(c, gid, nick, city, rows);
             return {{"flag", flag}, {"rows", rowsJson(rows)}};
         }},
        {"WriteTableResult",
         [](Inputs& in, ServiceClient& c) -> Json {
             const int gid = in.whole("gid");
             const std::string nick = in.text("nick"), city = in.text("city"),
                               country = in.text("country");
             const int score = in.whole("score");
             const std::string r7 = in.text("r7"), r9 = in.text("r9"), r10 = in.text("r10");
             in.done();
             int place = -1;
             const bool flag =
                 WriteTableResult(c, gid, nick, city, country, score, r7, r9, r10, place);
             return {{"flag", flag}, {"place", place}};
         }},
        // Tournament service.
        {"ReadTourTables",
         [](Inputs& in, ServiceClient& c) -> Json {
             const int gid = in.whole("gid");
             in.done();
             TourTables tables;
             const bool flag = ReadTourTables(c, gid, tables);
             return {{"flag", flag}, {"tables", rowsJson(tables)}};
         }},
        {"TakeSeat",
         [](Inputs& in, ServiceClient& c) -> Json {
             const int gid = in.whole("gid"), table = in.whole("table"), seat = in.whole("seat");
             const std::string can = in.text("can");
             TQorClient player;
             in.read(player);
             in.done();
             int status = 1;
             const bool flag = TakeSeat(c, gid, table, seat, can, player, status);
             return {{"flag", flag}, {"status", status}};
         }},
        {"ReadSeat",
         [](Inputs& in, ServiceClient& c) -> Json {
             const int gid = in.whole("gid"), table = in.whole("table"), seat = in.whole("seat");
             in.done();
             TQorClient player;
             const bool flag = ReadSeat(c, gid, table, seat, player);
             return {{"flag", flag}, {"client", toJson(player)}};
         }},
        {"ReadTourServerInfo",
         [](Inputs& in, ServiceClient& c) -> Json {
             const int gid = in.whole("gid");
             in.done();
             char state = 'X';
             std::string text;
             const bool flag = ReadTourServerInfo(c, gid, state, text);
             return {{"flag", flag}, {"state", std::string(1, state)}, {"text", text}};
         }},
        {"ReadTourRating",
         [](Inputs& in, ServiceClient& c) -> Json {
             const int gid = in.whole("gid");
             const std::string nick = in.text("nick");
             in.done();
             int score = -1, kons = 0, rating = 0;
             const bool flag = ReadTourRating(c, gid, nick, score, kons, rating);
             return {{"flag", flag}, {"score", score}, {"kons", kons}, {"rating", rating}};
         }},
        {"ReadTourTop10",
         [](Inputs& in, ServiceClient& c) -> Json {
             const int gid = in.whole("gid");
             const char kind = tourKind(in);
             in.done();
             RecordRows rows;
             const bool flag = ReadTourTop10(c, gid, kind, rows);
             return {{"flag", flag}, {"rows", rowsJson(rows)}};
         }},
        {"ReadTourPlace",
         [](Inputs& in, ServiceClient& c) -> Json {
             const int gid = in.whole("gid");
             const char kind = tourKind(in);
             const int value = in.whole("value");
             in.done();
             int place = -1;
             const bool flag = ReadTourPlace(c, gid, kind, value, place);
             return {{"flag", flag}, {"place", place}};
         }},
        // Statistics service.
        {"ReadStat",
         [](Inputs& in, ServiceClient& c) -> Json {
             const int gid = in.whole("gid");
             in.done();
             TQorStat stat;
             const bool flag = ReadStat(c, gid, stat);
             return {{"flag", flag}, {"stat", toJson(stat)}};
         }},
        {"SendStat12",
         [](Inputs& in, ServiceClient& c) -> Json {
             const int gid = in.whole("gid"), a = in.whole("a"), b = in.whole("b");
             in.done();
             return {{"flag", SendStat12(c, gid, a, b)}};
         }},
        {"SendStat34",
         [](Inputs& in, ServiceClient& c) -> Json {
             const int gid = in.whole("gid"), a = in.whole("a");
             const std::string b = in.text("b");
             in.done();
             return {{"flag", SendStat34(c, gid, a, b)}};
         }},
        {"SendStatR",
         [](Inputs& in, ServiceClient& c) -> Json {
             const int gid = in.whole("gid");
             OneBased<int, 12> r;
             for (int i = 1; i <= 12; ++i) r[i] = in.whole("r" + std::to_string(i));
             in.done();
             return {{"flag", SendStatR(c, gid, r)}};
         }},
        // Downloads.
        {"CheckNews",
         [](Inputs& in, ServiceClient& c) -> Json {
             const int seen = in.optionalWhole("seen").value_or(0);
             in.done();
             int latest = 0;
             const bool newer = CheckNews(c, seen, latest);
             return {{"newer", newer}, {"latest", latest}};
         }},
        {"FetchRemoteConfig",
         [](Inputs& in, ServiceClient& c) -> Json {
             in.done();
             const RemoteConfig r = FetchRemoteConfig(c);
             ApplyToAddresses(r, c.addresses);
             const auto optional = [](const std::optional<std::string>& v) -> Json {
                 return v ? Json(*v) : Json(nullptr);
             };
             return {{"TopTenOpen", r.TopTenOpen},
                     {"ChatOpen", r.ChatOpen},
                     {"TopTenAddress", optional(r.TopTenAddress)},
                     {"StatAddress", optional(r.StatAddress)},
                     {"AccountAddress", r.AccountAddress},
                     {"topTen", c.addresses.topTen()},
                     {"stat", c.addresses.stat()},
                     {"account", c.addresses.account()}};
         }},
        {"ReadOutsideAddress",
         [](Inputs& in, ServiceClient& c) -> Json {
             in.done();
             return {{"text", ReadOutsideAddress(c)}};
         }},
        {"LoadPhoto",
         [](Inputs& in, ServiceClient& c) -> Json {
             const std::string nick = in.text("nick");
             const auto out = in.optionalText("out");
             in.done();
             const auto bytes = LoadPhoto(c, nick);
             bool flag = bytes.has_value();
             if (flag && out) flag = files::writeFileAtomic(*out, *bytes).ok();
             return {{"flag", flag}, {"bytes", bytes ? bytes->size() : 0}};
         }},
        {"UploadPhoto",
         [](Inputs& in, ServiceClient& c) -> Json {
             const std::string nick = in.text("nick");
             const std::string jpeg = readFile(in.text("file"));
             PhotoStore store = c.addresses.photoStore();
             if (auto ftp = in.optionalText("ftp"))
                 store.FolderEnciphered = EncipherAccountAddress(*ftp);
             if (auto user = in.optionalText("user"))
                 store.UserEnciphered = EncipherAccountAddress(*user);
             if (auto pw = in.optionalText("password"))
                 store.PasswordEnciphered = EncipherAccountAddress(*pw);
             in.done();
             const UploadResult result = UploadPhoto(store, nick, jpeg);
             Json out = {{"flag", result.ok}};
             if (!result.ok) out["error"] = result.error;
             return out;
         }},
    };
    return ops;
}

}  // namespace

int onlineCommand(const std::vector<std::string>& args) {
    std::string error;
    const auto parsed = Arguments::parse(args, {"server", "json"}, {}, error);
    if (!parsed) return fail(error);
    if (parsed->positional().size() != 1) return fail("one operation is needed: online OP");
    const std::string name = parsed->positional()[0];
    const auto op = operations().find(name);
    if (op == operations().end()) return fail("unknown operation '" + name + "'");
    const std::string server = parsed->get("server", std::string(config::kServiceAddress));
    if (server.rfind("http://", 0) != 0 && server.rfind("https://", 0) != 0)
        return fail("--server must be an http:// or https:// address");
    const auto json = parseJson(parsed->get("json", "{}"), error);
    if (!json) return fail("--json: " + error);
    try {
        Inputs inputs(*json);
        ServiceClient client(ServiceAddresses::BuiltIn(server));
        const Json out = op->second(inputs, client);
        std::printf("%s\n", jsonLine(out).c_str());
        return 0;
    } catch (const BadInput& bad) {
        return fail(name + ": " + bad.what());
    }
}

}  // namespace tavik::cli
