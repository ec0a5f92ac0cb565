#pragma once
// The history files: one fixed-width line per finished match, a game line and a
// totals line, in the folder "History" beside the player lists, named
// Tavik2_I0001.hst, Tavik2_I0002.hst, ... with at most 840 matches each.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavik::files {

inline constexpr std::size_t kHistoryLineWidth = 114;
inline constexpr std::size_t kHistorySummedWidth = 99;  // the part the checksum covers
inline constexpr int kHistoryFileCapacity = 840;
inline constexpr int kHistoryLastFile = 9999;
// The local player list's name without its extension: the start of every file name in
// the history folder.
inline constexpr std::string_view kHistoryBaseName = "Tavik2";

// Kind of game, the Ac of a history entry.
enum class GameKind : std::uint8_t { Local = 0, Account = 1, Online = 2, Lan = 3 };

// One finished match (HisStr).
struct HisStr {
    std::string HName;  // the player, or "seat 2/seat 1"; UTF-8
    int HKon = 0;       // kons of the match
    int HRes = 0;       // the result in points
    double HRei = 0;    // the rating after the match
    GameKind Ac = GameKind::Local;
};

// The local time a line is written at.
struct LocalTime {
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
    static LocalTime now();
};

// The 15-character checksum of the first 99 bytes of a line.
std::string HistoryLineChecksum(std::string_view line);
// The 114-byte record line of an entry written at `when`.
std::string HistoryRecordLine(const HisStr& entry, const LocalTime& when);
// The 114-byte game line "$n}###...#" with its checksum.
std::string HistoryGameLine();
// The rating as the history writes it: two decimals, a comma, right-aligned in 10.
inline constexpr std::size_t kHistoryRatingWidth = 10;

// ReadHistoryFile on bytes: valid only when a game line is followed by a totals
// line that equals the sums over the record lines and the game line.
struct HistoryCheck {
    bool valid = false;
    int records = 0;     // record lines before the game line
    std::string reason;  // why not valid
};
HistoryCheck CheckHistory(std::string_view bytes);

// The bytes of a history file after appending the entries: to the records of a
// valid file that holds fewer than 840, or as a new file otherwise (an invalid
// file is replaced). The totals are summed from the lines themselves.
std::string AppendHistory(std::string_view oldBytes, const std::vector<HisStr>& entries,
                          const LocalTime& when);

// One row of the viewer's grid, cut from a record line (UTF-8, blanks trimmed).
struct HistoryRow {
    std::string time, date, player, games, result, rating;
    char type = ' ';  // 'L' local, 'A' account, 'T' tournament, 'N' LAN
};
// The rows of the record lines up to the game line.
std::vector<HistoryRow> HistoryRows(std::string_view bytes);
// "Local", "Account", "Tourney" or "Net" for the type letter; empty otherwise.
std::string_view HistoryTypeName(char type);

// "Tavik2_I0001.hst" for base name "Tavik2" and number 1.
std::string HistoryFileName(std::string_view baseName, int number);

}  // namespace tavik::files
