#include "server/account/account_service.h"

#include <string>
#include <vector>

#include "server/account/account_rules.h"
#include "server/account/password_hash.h"
#include "server/http/form_fields.h"

namespace tavik::server {
namespace {

std::string prefixed(std::string_view name) {
    return std::string(kGamePrefix) + std::string(name);
}

// Fields joined by one separator, for a record of the reply.
std::string joined(const std::vector<std::string>& fields, char separator) {
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) out += separator;
        out += fields[i];
    }
    return out;
}

const std::vector<std::string>& profileFieldNames() {
    static const std::vector<std::string> names = {
        "nick",     "labelinfosave", "namei",      "name2",  "about", "telephone",
        "emailo",   "website",       "skype",      "ok",     "vk",    "telegram",
        "facebook", "twitter",       "instagramm", "youtube"};
    return names;
}

std::vector<std::string*> profileFields(Profile& p) {
    return {&p.name1, &p.name2, &p.about,    &p.telephone, &p.emailO,  &p.webSite,    &p.skype,
            &p.ok,    &p.vk,    &p.telegram, &p.faceBook,  &p.twitter, &p.instagramm, &p.youTube};
}

}  // namespace

Reply AccountService::handle(std::string_view body) {
    try {
        const Fields fields = SplitFields(body);
        const bool withNick = HasField(fields, "nick");
        if (HasField(fields, "label0")) return readUser(body);
        if (HasField(fields, "label1")) return readMemberCount();
        if (HasField(fields, "labelinforead")) return readInfo(body);
        if (HasField(fields, "labelinfosave")) return saveInfo(body);
        if (HasField(fields, "country1")) return registerUser(body);
        if (withNick && HasField(fields, prefixed("kon"))) return saveGame(body);
        if (withNick && HasField(fields, prefixed("best"))) return readGame(body);
        if (HasField(fields, prefixed("kon"))) return readRatingTop();
        if (HasField(fields, prefixed("rating"))) return readRatingPlace(body);
        return BadRequest("unknown account request");
    } catch (const StorageError& e) {
        return ServiceFailure(e.what());
    }
}

std::optional<Account> AccountService::signedIn(const std::string& nick,
                                                const std::string& password) {
    if (!IsValidAccountField(nick, AccountField::Nick)) return std::nullopt;
    auto account = storage_.findAccount(nick);
    if (!account || !VerifyPasswordCached(password, account->passwordHash)) return std::nullopt;
    return account;
}

Reply AccountService::registerUser(std::string_view body) {
    const auto v =
        ParseFormBody(body, {"nick", "pw", "city", "country1", "country2", "sex", "email", "dater",
                             "R01", "R02", "R03", "R04", "R05", "R06"});
    if (!v) return BadRequest("the fields of a new account are not as expected");
    const auto& f = *v;
    if (!IsValidAccountField(f[0], AccountField::Nick)) return BadRequest("bad nick");
    if (!IsValidAccountField(f[1], AccountField::Password)) return BadRequest("bad password");
    if (!IsValidAccountField(f[2], AccountField::City)) return BadRequest("bad city");
    if (!IsToken(f[3], 20)) return BadRequest("bad country name");
    if (!IsValidCountryCode(f[4])) return BadRequest("bad country code");
    if (f[5] != "M" && f[5] != "W") return BadRequest("bad sex");
    if (!IsValidAccountField(f[6], AccountField::EMail)) return BadRequest("bad e-mail");
    // The date must be there; R01..R03 may be empty (two blanks in a row keep the
    // record's token positions).
    if (!IsToken(f[7], 20) || f[7].empty()) return BadRequest("bad date");
    for (std::size_t i = 8; i <= 10; ++i) {
        if (!IsToken(f[i], 20)) return BadRequest("bad R01..R03");
    }
    const auto r04 = ParseWholeNumber(f[11]), r05 = ParseWholeNumber(f[12]),
               r06 = ParseWholeNumber(f[13]);
    if (!r04 || !r05 || !r06) return BadRequest("bad R04..R06");

    Account a{
        f[0], HashPassword(f[1]), f[2], f[3], f[4], f[5], f[6], f[7], f[8], f[9], f[10], *r04, *r05,
        *r06};
    return LineReply(storage_.createAccount(a) ? "ok" : "is");
}

Reply AccountService::readUser(std::string_view body) {
    const auto fields = DecodeFieldList(body);
    if (!fields) return BadRequest("badly encoded fields");
    const auto account =
        signedIn(FieldValue(*fields, "nick").value_or(""), FieldValue(*fields, "pw").value_or(""));
    if (!account) return LineReply("no");
    const Account& a = *account;
    return LineReply(
        "$" +
        joined({a.city, a.country1, a.country2, a.sex, a.email, a.dateR, a.r01, a.r02, a.r03,
                std::to_string(a.r04), std::to_string(a.r05), std::to_string(a.r06)},
               ' ') +
        "$");
}

Reply AccountService::saveInfo(std::string_view body) {
    const auto v = ParseFormBody(body, profileFieldNames());
    if (!v) return BadRequest("the profile fields are not as expected");
    Profile profile;
    const auto targets = profileFields(profile);
    for (std::size_t i = 0; i < targets.size(); ++i) *targets[i] = CleanProfileField((*v)[i + 2]);
    return LineReply(storage_.saveProfile((*v)[0], profile) ? "ok" : "no");
}

Reply AccountService::readInfo(std::string_view body) {
    const auto fields = DecodeFieldList(body);
    if (!fields) return BadRequest("badly encoded fields");
    auto profile = storage_.readProfile(FieldValue(*fields, "nick").value_or(""));
    if (!profile) return LineReply("no");
    std::vector<std::string> texts;
    for (const std::string* field : profileFields(*profile)) texts.push_back(*field);
    return LineReply("$" + joined(texts, '~') + "$");
}

Reply AccountService::saveGame(std::string_view body) {
    const auto v = ParseFormBody(
        body, {"nick", "pw", prefixed("kon"), prefixed("best"), prefixed("rating"), prefixed("ses"),
               prefixed("konl"), prefixed("score"), prefixed("R1"), prefixed("R2")});
    if (!v) return BadRequest("the game fields are not as expected");
    const auto& f = *v;
    GameRecord g;
    int* numbers[] = {&g.kon, &g.best, nullptr, &g.sessions, &g.konL, &g.score, &g.r1};
    for (std::size_t i = 0; i < std::size(numbers); ++i) {
        if (!numbers[i]) continue;
        const auto n = ParseWholeNumber(f[i + 2]);
        if (!n) return BadRequest("bad number in the game record");
        *numbers[i] = *n;
    }
    const auto rating = ParseRealNumber(f[4]);
    if (!rating) return BadRequest("bad rating");
    g.rating = *rating;
    if (!IsToken(f[9], 30)) return BadRequest("bad R2");
    g.r2 = f[9].empty() ? "#" : f[9];
    if (!signedIn(f[0], f[1])) return LineReply("no");
    return LineReply(storage_.saveGame(f[0], kGameId, g) ? "ok" : "no");
}

Reply AccountService::readGame(std::string_view body) {
    const auto fields = DecodeFieldList(body);
    if (!fields) return BadRequest("badly encoded fields");
    const std::string nick = FieldValue(*fields, "nick").value_or("");
    if (!signedIn(nick, FieldValue(*fields, "pw").value_or(""))) return LineReply("no");
    const GameRecord g = storage_.readGame(nick, kGameId).value_or(GameRecord{});
    return LineReply("$" +
                     joined({std::to_string(g.kon), std::to_string(g.best), FormatReal(g.rating),
                             std::to_string(g.sessions), std::to_string(g.konL),
                             std::to_string(g.score), std::to_string(g.r1), g.r2},
                            ' ') +
                     "$");
}

Reply AccountService::readMemberCount() {
    return LineReply("$" + std::to_string(storage_.memberCount()));
}

Reply AccountService::readRatingTop() {
    std::string records;
    int place = 0;
    for (const RatingRow& row : storage_.ratingTop(kGameId, 10)) {
        records += "$" +
                   joined({std::to_string(++place), row.nick, row.city, row.country1, row.country2,
                           row.sex, FormatReal(row.rating)},
                          ' ') +
                   "*";
    }
    return LineReply(records);
}

Reply AccountService::readRatingPlace(std::string_view body) {
    const auto v = ParseFormBody(body, {prefixed("rating")});
    const auto rating = v ? ParseRealNumber((*v)[0]) : std::nullopt;
    if (!rating) return BadRequest("bad rating");
    return LineReply("$" + std::to_string(storage_.countRatedAbove(kGameId, *rating) + 1));
}

}  // namespace tavik::server
