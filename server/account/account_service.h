#pragma once
// The account service: every operation of the club accounts posts to one address, and
// the service tells them apart by the fields posted (RegisterUser, ReadUser, SaveInfo,
// ReadInfo, SaveGame, ReadGame, ReadMemberCount, ReadRatingTop, ReadRatingPlace).
// Pure request-to-reply logic over a Storage, so it is tested without HTTP.

#include <string_view>

#include "server/http/reply.h"
#include "server/storage/storage.h"

namespace tavik::server {

// The prefix that puts this game's fields in front of their names ("crdtv2kon") and
// the game identifier its records are kept under.
inline constexpr std::string_view kGamePrefix = "crdtv2";
inline constexpr int kGameId = 10;

class AccountService {
  public:
    explicit AccountService(Storage& storage) : storage_(storage) {}

    // The reply to one posted body. Never throws: a storage failure is a 500 reply.
    Reply handle(std::string_view body);

  private:
    Reply registerUser(std::string_view body);
    Reply readUser(std::string_view body);
    Reply saveInfo(std::string_view body);
    Reply readInfo(std::string_view body);
    Reply saveGame(std::string_view body);
    Reply readGame(std::string_view body);
    Reply readMemberCount();
    Reply readRatingTop();
    Reply readRatingPlace(std::string_view body);
    // The account when the nick exists and the password matches it.
    std::optional<Account> signedIn(const std::string& nick, const std::string& password);

    Storage& storage_;
};

}  // namespace tavik::server
