#pragma once
// The records the services keep and the one interface every storage backend implements
// (SQLite for one machine, PostgreSQL for several processes sharing one database). A
// backend keeps no state that another process serving the same database would need:
// every answer comes from the database. Text is UTF-8 here; the services convert at
// the wire. Database failures are thrown as StorageError.

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tavik::server {

struct StorageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A club account as registered, with the password as a salted hash.
struct Account {
    std::string nick;
    std::string passwordHash;
    std::string city, country1, country2;
    std::string sex;
    std::string email, dateR;
    std::string r01, r02, r03;
    int r04 = 0, r05 = 0, r06 = 0;
};

// The public profile, the fourteen fields in their declared order.
struct Profile {
    std::string name1, name2, about, telephone, emailO, webSite, skype, ok, vk, telegram, faceBook,
        twitter, instagramm, youTube;
};

// One game's record of an account (the fields this game uses).
struct GameRecord {
    int kon = 0, best = 0, sessions = 0, konL = 0, score = 0, r1 = 0;
    double rating = 0;
    std::string r2 = "#";
};

// A row of the top ten by rating.
struct RatingRow {
    std::string nick, city, country1, country2, sex;
    double rating = 0;
};

class Storage {
  public:
    virtual ~Storage() = default;

    // Adds the account; false (and nothing changed) when the nick is taken, in any
    // letter case. Every other call finds an account by its nick spelled exactly.
    virtual bool createAccount(const Account& account) = 0;
    // The account of the nick, if any.
    virtual std::optional<Account> findAccount(const std::string& nick) = 0;
    virtual long long memberCount() = 0;

    // Replaces the profile; false when there is no such account.
    virtual bool saveProfile(const std::string& nick, const Profile& profile) = 0;
    // The profile (empty fields when never saved); nullopt when there is no such account.
    virtual std::optional<Profile> readProfile(const std::string& nick) = 0;

    // Replaces the account's record for game gid; false when there is no such account.
    virtual bool saveGame(const std::string& nick, int gid, const GameRecord& game) = 0;
    // The record, nullopt when the account never saved one for gid.
    virtual std::optional<GameRecord> readGame(const std::string& nick, int gid) = 0;
    // Accounts with a record for gid, best rating first (ties: more kons, then the
    // earlier registration), at most `limit` rows.
    virtual std::vector<RatingRow> ratingTop(int gid, int limit) = 0;
    // How many accounts with a record for gid have a rating above `rating`.
    virtual long long countRatedAbove(int gid, double rating) = 0;
};

// Opens the storage a --db argument names: a "postgresql://" (or "postgres://") address
// or a SQLite file path. The schema is created when missing. Throws StorageError.
std::unique_ptr<Storage> OpenStorage(const std::string& uri);

}  // namespace tavik::server
