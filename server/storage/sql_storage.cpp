#include "server/storage/sql_storage.h"

#include <cctype>
#include <charconv>
#include <cstdlib>

#include "server/storage/postgres_database.h"
#include "server/storage/sqlite_database.h"

namespace tavik::server {

long long SqlInt(const SqlValue& value) {
    if (const auto* n = std::get_if<long long>(&value)) return *n;
    if (const auto* r = std::get_if<double>(&value)) return static_cast<long long>(*r);
    if (const auto* s = std::get_if<std::string>(&value)) {
        long long n = 0;
        const auto [end, ec] = std::from_chars(s->data(), s->data() + s->size(), n);
        if (ec == std::errc() && end == s->data() + s->size()) return n;
    }
    throw StorageError("a column that should hold a whole number does not");
}

double SqlReal(const SqlValue& value) {
    if (const auto* r = std::get_if<double>(&value)) return *r;
    if (const auto* n = std::get_if<long long>(&value)) return static_cast<double>(*n);
    if (const auto* s = std::get_if<std::string>(&value)) {
        double r = 0;
        const auto [end, ec] = std::from_chars(s->data(), s->data() + s->size(), r);
        if (ec == std::errc() && end == s->data() + s->size()) return r;
    }
    throw StorageError("a column that should hold a number does not");
}

std::string SqlText(const SqlValue& value) {
    if (const auto* s = std::get_if<std::string>(&value)) return *s;
    if (std::holds_alternative<std::nullptr_t>(value)) return {};
    throw StorageError("a column that should hold a text does not");
}

namespace {

// Nicks are unique without regard to letter case (they are Latin only), so "Ann" and
// "ann" can never be two players; an account is found by its exact spelling, the one
// its photo file, its profile and the rating tables show. nick_key finds it by index.
std::string nickKey(const std::string& nick) {
    std::string key = nick;
    for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return key;
}

constexpr const char* kProfileColumns =
    "name1, name2, about, telephone, emailo, website, skype, ok, vk, telegram, facebook, "
    "twitter, instagramm, youtube";

class SqlStorage : public Storage {
  public:
    explicit SqlStorage(std::unique_ptr<SqlDatabase> db) : db_(std::move(db)) {}

    bool createAccount(const Account& a) override {
        const auto r = db_->exec(
            "INSERT INTO accounts (nick, nick_key, password_hash, city, country1, country2, "
            "sex, email, dater, r01, r02, r03, r04, r05, r06) VALUES ($1, $2, $3, $4, $5, $6, "
            "$7, $8, $9, $10, $11, $12, $13, $14, $15) ON CONFLICT (nick_key) DO NOTHING",
            {a.nick, nickKey(a.nick), a.passwordHash, a.city, a.country1, a.country2, a.sex,
             a.email, a.dateR, a.r01, a.r02, a.r03, static_cast<long long>(a.r04),
             static_cast<long long>(a.r05), static_cast<long long>(a.r06)});
        return r.affected == 1;
    }

    std::optional<Account> findAccount(const std::string& nick) override {
        const auto r = db_->exec(
            "SELECT nick, password_hash, city, country1, country2, sex, email, dater, r01, r02, "
            "r03, r04, r05, r06 FROM accounts WHERE nick_key = $1 AND nick = $2",
            {nickKey(nick), nick});
        if (r.rows.empty()) return std::nullopt;
        const auto& row = r.rows.front();
        Account a;
        std::string* texts[] = {&a.nick,     &a.passwordHash, &a.city,  &a.country1,
                                &a.country2, &a.sex,          &a.email, &a.dateR,
                                &a.r01,      &a.r02,          &a.r03};
        for (std::size_t i = 0; i < std::size(texts); ++i) *texts[i] = SqlText(row[i]);
        a.r04 = static_cast<int>(SqlInt(row[11]));
        a.r05 = static_cast<int>(SqlInt(row[12]));
        a.r06 = static_cast<int>(SqlInt(row[13]));
        return a;
    }

    long long memberCount() override {
        return SqlInt(db_->exec("SELECT COUNT(*) FROM accounts", {}).rows.at(0).at(0));
    }

    bool saveProfile(const std::string& nick, const Profile& p) override {
        const auto r = db_->exec(
            "UPDATE accounts SET name1 = $2, name2 = $3, about = $4, telephone = $5, "
            "emailo = $6, website = $7, skype = $8, ok = $9, vk = $10, telegram = $11, "
            "facebook = $12, twitter = $13, instagramm = $14, youtube = $15 WHERE nick_key = $1 "
            "AND nick = $16",
            {nickKey(nick), p.name1, p.name2, p.about, p.telephone, p.emailO, p.webSite, p.skype,
             p.ok, p.vk, p.telegram, p.faceBook, p.twitter, p.instagramm, p.youTube, nick});
        return r.affected == 1;
    }

    std::optional<Profile> readProfile(const std::string& nick) override {
        const auto r = db_->exec(std::string("SELECT ") + kProfileColumns +
                                     " FROM accounts WHERE nick_key = $1 AND nick = $2",
                                 {nickKey(nick), nick});
        if (r.rows.empty()) return std::nullopt;
        Profile p;
        std::string* fields[] = {&p.name1,    &p.name2,   &p.about,      &p.telephone, &p.emailO,
                                 &p.webSite,  &p.skype,   &p.ok,         &p.vk,        &p.telegram,
                                 &p.faceBook, &p.twitter, &p.instagramm, &p.youTube};
        for (std::size_t i = 0; i < std::size(fields); ++i) *fields[i] = SqlText(r.rows[0][i]);
        return p;
    }

    bool saveGame(const std::string& nick, int gid, const GameRecord& g) override {
        const auto r = db_->exec(
            "INSERT INTO games (account_id, gid, kon, best, rating, sessions, konl, score, r1, "
            "r2) SELECT id, $2, $3, $4, $5, $6, $7, $8, $9, $10 FROM accounts WHERE nick_key = "
            "$1 AND nick = $11 ON CONFLICT (account_id, gid) DO UPDATE SET kon = excluded.kon, "
            "best = "
            "excluded.best, rating = excluded.rating, sessions = excluded.sessions, konl = "
            "excluded.konl, score = excluded.score, r1 = excluded.r1, r2 = excluded.r2",
            {nickKey(nick), static_cast<long long>(gid), static_cast<long long>(g.kon),
             static_cast<long long>(g.best), g.rating, static_cast<long long>(g.sessions),
             static_cast<long long>(g.konL), static_cast<long long>(g.score),
             static_cast<long long>(g.r1), g.r2, nick});
        return r.affected == 1;
    }

    std::optional<GameRecord> readGame(const std::string& nick, int gid) override {
        const auto r = db_->exec(
            "SELECT g.kon, g.best, g.rating, g.sessions, g.konl, g.score, g.r1, g.r2 FROM games "
            "g JOIN accounts a ON a.id = g.account_id WHERE a.nick_key = $1 AND a.nick = $3 AND "
            "g.gid = $2",
            {nickKey(nick), static_cast<long long>(gid), nick});
        if (r.rows.empty()) return std::nullopt;
        const auto& row = r.rows.front();
        GameRecord g;
        g.kon = static_cast<int>(SqlInt(row[0]));
        g.best = static_cast<int>(SqlInt(row[1]));
        g.rating = SqlReal(row[2]);
        g.sessions = static_cast<int>(SqlInt(row[3]));
        g.konL = static_cast<int>(SqlInt(row[4]));
        g.score = static_cast<int>(SqlInt(row[5]));
        g.r1 = static_cast<int>(SqlInt(row[6]));
        g.r2 = SqlText(row[7]);
        return g;
    }

    std::vector<RatingRow> ratingTop(int gid, int limit) override {
        const auto r = db_->exec(
            "SELECT a.nick, a.city, a.country1, a.country2, a.sex, g.rating FROM games g JOIN "
            "accounts a ON a.id = g.account_id WHERE g.gid = $1 ORDER BY g.rating DESC, g.kon "
            "DESC, a.id ASC LIMIT $2",
            {static_cast<long long>(gid), static_cast<long long>(limit)});
        std::vector<RatingRow> rows;
        for (const auto& row : r.rows) {
            rows.push_back({SqlText(row[0]), SqlText(row[1]), SqlText(row[2]), SqlText(row[3]),
                            SqlText(row[4]), SqlReal(row[5])});
        }
        return rows;
    }

    long long countRatedAbove(int gid, double rating) override {
        return SqlInt(db_->exec("SELECT COUNT(*) FROM games WHERE gid = $1 AND rating > $2",
                                {static_cast<long long>(gid), rating})
                          .rows.at(0)
                          .at(0));
    }

  private:
    std::unique_ptr<SqlDatabase> db_;
};

}  // namespace

std::unique_ptr<Storage> MakeSqlStorage(std::unique_ptr<SqlDatabase> database) {
    return std::make_unique<SqlStorage>(std::move(database));
}

std::unique_ptr<Storage> OpenStorage(const std::string& uri) {
    if (uri.rfind("postgresql://", 0) == 0 || uri.rfind("postgres://", 0) == 0) {
        return MakeSqlStorage(OpenPostgresDatabase(uri));
    }
    if (uri.empty()) throw StorageError("no database named");
    return MakeSqlStorage(OpenSqliteDatabase(uri));
}

}  // namespace tavik::server
