#pragma once
// The requests of the statistics service.

#include <string>

#include "online/protocol/records.h"
#include "online/protocol/service_client.h"

namespace tavik::online {

// Sets the read time-out of 3000 ms.
bool ReadStat(ServiceClient& client, int gid, TQorStat& stat);
bool SendStat12(ServiceClient& client, int gid, int a, int b);
bool SendStat34(ServiceClient& client, int gid, int a, const std::string& b);
// r[1]..r[12].
bool SendStatR(ServiceClient& client, int gid, const OneBased<int, 12>& r);

}  // namespace tavik::online
