#pragma once
// The tables of the services, the same on every backend but for how an account's
// identity column counts itself.

#include <string>
#include <string_view>

namespace tavik::server {

// The statements that create the tables and indexes when missing. `idColumn` is the
// type of accounts.id: "INTEGER PRIMARY KEY" in SQLite, "BIGSERIAL PRIMARY KEY" in
// PostgreSQL.
inline std::string SchemaSql(std::string_view idColumn) {
    return "CREATE TABLE IF NOT EXISTS accounts (\n"
           "  id " +
           std::string(idColumn) + R"(,
  nick TEXT NOT NULL, nick_key TEXT NOT NULL UNIQUE, password_hash TEXT NOT NULL,
  city TEXT NOT NULL, country1 TEXT NOT NULL, country2 TEXT NOT NULL, sex TEXT NOT NULL,
  email TEXT NOT NULL, dater TEXT NOT NULL, r01 TEXT NOT NULL, r02 TEXT NOT NULL,
  r03 TEXT NOT NULL, r04 INTEGER NOT NULL, r05 INTEGER NOT NULL, r06 INTEGER NOT NULL,
  name1 TEXT NOT NULL DEFAULT '', name2 TEXT NOT NULL DEFAULT '', about TEXT NOT NULL DEFAULT '',
  telephone TEXT NOT NULL DEFAULT '', emailo TEXT NOT NULL DEFAULT '',
  website TEXT NOT NULL DEFAULT '', skype TEXT NOT NULL DEFAULT '', ok TEXT NOT NULL DEFAULT '',
  vk TEXT NOT NULL DEFAULT '', telegram TEXT NOT NULL DEFAULT '',
  facebook TEXT NOT NULL DEFAULT '', twitter TEXT NOT NULL DEFAULT '',
  instagramm TEXT NOT NULL DEFAULT '', youtube TEXT NOT NULL DEFAULT '');
CREATE TABLE IF NOT EXISTS games (
  account_id BIGINT NOT NULL REFERENCES accounts(id), gid INTEGER NOT NULL,
  kon INTEGER NOT NULL, best INTEGER NOT NULL, rating DOUBLE PRECISION NOT NULL,
  sessions INTEGER NOT NULL, konl INTEGER NOT NULL, score INTEGER NOT NULL,
  r1 INTEGER NOT NULL, r2 TEXT NOT NULL, PRIMARY KEY (account_id, gid));
CREATE INDEX IF NOT EXISTS games_by_rating ON games (gid, rating);
)";
}

}  // namespace tavik::server
