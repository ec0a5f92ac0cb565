#pragma once
// The requests of the tournament service. Seats count from 1, tables 1 to 10.

#include <string>

#include "online/protocol/records.h"
#include "online/protocol/service_client.h"

namespace tavik::online {

// The first record of the reply fills table 10, the next table 9, and so on. Sets the
// read time-out of 3000 ms.
bool ReadTourTables(ServiceClient& client, int gid, TourTables& tables);
// status: 0 seated ("ok"), 2 the seat is taken ("is"), 1 otherwise. The flag is true
// when either mark was found.
bool TakeSeat(ServiceClient& client, int gid, int table, int seat, const std::string& can,
              const TQorClient& player, int& status);
bool ReadSeat(ServiceClient& client, int gid, int table, int seat, TQorClient& player);
// state is 'X' unless the reply names one.
bool ReadTourServerInfo(ServiceClient& client, int gid, char& state, std::string& text);
// score is -1 unless the reply gives one.
bool ReadTourRating(ServiceClient& client, int gid, const std::string& nick, int& score, int& kons,
                    int& rating);
// kind 's' score, 'r' rating, 'k' kons.
bool ReadTourTop10(ServiceClient& client, int gid, char kind, RecordRows& rows);
// place is -1 on failure.
bool ReadTourPlace(ServiceClient& client, int gid, char kind, int value, int& place);

}  // namespace tavik::online
