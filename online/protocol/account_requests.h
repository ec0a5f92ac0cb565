#pragma once
// The requests of the account service. Each is synchronous, catches every failure and
// reports it through its result; outputs are reset first and keep what was parsed
// before a failure.

#include <string>

#include "online/protocol/records.h"
#include "online/protocol/service_client.h"

namespace tavik::online {

// 0 created, 1 the nick is taken, 2 failed.
int RegisterUser(ServiceClient& client, const TQorUser& user);
// Reads the account of nick and pw into user; false when the service says "no" or on
// a failure. user.Nick and user.Pw are the arguments; Info and PwC are left as they were.
bool ReadUser(ServiceClient& client, const std::string& nick, const std::string& pw,
              TQorUser& user);
// Fills the fields of info that the reply holds; the others keep their values.
void ReadInfo(ServiceClient& client, const std::string& nick, TInfo14& info);
bool SaveInfo(ServiceClient& client, const std::string& nick, const TInfo14& info);
bool ReadGame(ServiceClient& client, const std::string& nick, const std::string& pw,
              TQorGame& game);
bool SaveGame(ServiceClient& client, const std::string& nick, const std::string& pw,
              const TQorGame& game);
// count is -1 on failure.
bool ReadMemberCount(ServiceClient& client, int& count);
bool ReadRatingTop(ServiceClient& client, TopTenRows& rows);
// place is -1 on failure.
bool ReadRatingPlace(ServiceClient& client, double rating, int& place);

}  // namespace tavik::online
