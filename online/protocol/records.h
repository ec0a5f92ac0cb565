#pragma once
// The plain records that the web-service requests send and fill, shared by every
// online feature. Fields keep their declared names and order. Text is UTF-8 in memory;
// the request layer converts at the wire (Windows-1251 bodies and replies, UTF-8
// field lists). Arrays of rows and StatX count from 1.

#include <string>

#include "core/state/one_based.h"

namespace tavik::online {

// The public profile of a club member.
struct TInfo14 {
    std::string Name1, Name2, About, Telephone, EMailO, Skype, WebSite, OK, VK, Telegram, FaceBook,
        Twitter, Instagramm, YouTube;
    bool operator==(const TInfo14&) const = default;
};

// A club account.
struct TQorUser {
    std::string Nick;
    std::string Pw;
    std::string City;
    std::string Country1;  // the country's short name
    std::string Country2;  // the country code "C-NNN"
    char Sex = 'M';        // 'M' man, 'W' woman
    std::string EMail;
    std::string DateR;  // registration date
    std::string R01, R02, R03;
    int R04 = 0, R05 = 0, R06 = 0;
    std::string PwC;  // the password in enciphered form
    TInfo14 Info;
    bool operator==(const TQorUser&) const = default;
};

// The account's record for this game; the fields of other games stay zero here.
struct TQorGame {
    int Kon = 0;
    int Score = 0;
    int Sessions = 0;
    double Rating = 0;
    char PlayNow = 'N';
    int R1 = 0;
    std::string R2 = "#";
    int Place = 0;
    int Best = 0;
    int Best5 = 0, Best6 = 0, Best7 = 0, Best8 = 0;
    int KonL = 0;
    char WindA = 0, WindB = 0;
    unsigned char WhoL = 0, SkL = 0;
    int Bank = 0;
    unsigned char DoBank = 0;
    int Win = 0, WinL = 0, Won = 0, WonL = 0, Nih = 0, NihL = 0, Sco = 0, ScoL = 0;
    bool operator==(const TQorGame&) const = default;
};

// A row of the top ten by rating.
struct TQorTop10 {
    std::string Nick;
    std::string City;
    std::string Country;  // a country code
    char Sex = 'M';
    double Rating = 0;
    bool operator==(const TQorTop10&) const = default;
};

// A row of a world or tournament top-ten table.
struct TQorRecord {
    int RID = 0;
    int GID = 0;
    int Score = 0;
    std::string Nick = "#";
    std::string Country = "#";
    std::string City = "#";
    std::string R07 = "#", R08 = "#", R09 = "#", R10 = "#*";
    int Place = 0;
    // A row whose Nick is still "#" holds no result.
    bool empty() const { return Nick == "#"; }
    bool operator==(const TQorRecord&) const = default;
};

// A tournament table with two seats.
struct TQorTable {
    std::string IP = "0.0.0.0";
    int Port = 0;
    std::string Free = "X";
    int R1 = 0;
    std::string R2 = "X";
    std::string Nick1 = "X";
    int Score1 = 0, Kon1 = 0, Rating1 = 0;
    std::string Country1 = "X", City1 = "X", Sex1 = "M", IP1 = "X";
    std::string Nick2 = "X";
    int Score2 = 0, Kon2 = 0, Rating2 = 0;
    std::string Country2 = "X", City2 = "X", Sex2 = "M", IP2 = "X";
    bool operator==(const TQorTable&) const = default;
};

// A player at a tournament seat.
struct TQorClient {
    std::string Nick;
    int Score = 0;
    int Kon = 0;
    int Rating = 0;
    std::string Country;
    std::string City;
    char Sex = 'M';
    std::string IP;
    bool operator==(const TQorClient&) const = default;
};

// The statistics of a game.
struct TQorStat {
    int GID = 0;
    int Stat1 = 0, Stat2 = 0, Stat3 = 0;
    std::string Stat4;
    OneBased<int, 12> StatX;  // LongInt12, [1]..[12]
    int StatY = 0;
    std::string StatZ;
    bool operator==(const TQorStat&) const = default;
};

// Ten rows of a table, [1]..[10].
using TopTenRows = OneBased<TQorTop10, 10>;
using RecordRows = OneBased<TQorRecord, 10>;
using TourTables = OneBased<TQorTable, 10>;

// This game's gid and the prefix of its own fields in the account service.
inline constexpr int kGameId = 10;
inline constexpr const char* kGamePrefix = "crdtv2";
// The program version that WriteTableResult sends.
inline constexpr const char* kProgramVersion = "5.7f";

}  // namespace tavik::online
