#pragma once
// The requests of the world top-ten service (gid 10 and the offsets of its tables).

#include <string>

#include "online/protocol/records.h"
#include "online/protocol/service_client.h"

namespace tavik::online {

// The number of results entered in the table so far; -1 on failure.
bool ReadTableCount(ServiceClient& client, int gid, int& count);
// Sets the read time-out of 3000 ms.
bool ReadTable(ServiceClient& client, int gid, RecordRows& rows);
// The results the player (nick and city) holds in the table. Sets the read time-out.
bool ReadOwnResults(ServiceClient& client, int gid, const std::string& nick,
                    const std::string& city, RecordRows& rows);
// The place the result took; -1 on failure.
bool WriteTableResult(ServiceClient& client, int gid, const std::string& nick,
                      const std::string& city, const std::string& country, int score,
                      const std::string& r7, const std::string& r9, const std::string& r10,
                      int& place);

}  // namespace tavik::online
