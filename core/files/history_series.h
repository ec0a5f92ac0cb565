#pragma once
// The curves of the history viewer's chart: for each player of the history files, the
// running score and the rating after each of the player's matches, in the order the
// matches were written (file 1 first). Plain C++, no Qt.

#include <string>
#include <string_view>
#include <vector>

namespace tavik::files {

// One match of a player.
struct MatchPoint {
    int match = 0;      // 1, 2, 3, ... among the player's matches
    std::string date;   // as the history line holds it
    int kons = 0;       // kons of the match
    int result = 0;     // its points
    int score = 0;      // the running sum of the results up to and with this match
    double rating = 0;  // the player's rating after the match
    char type = ' ';    // 'L' local, 'A' account, 'T' tournament, 'N' LAN
};

struct PlayerSeries {
    std::string player;  // the local player: a LAN line "Me/Other" counts for "Me"
    std::vector<MatchPoint> points;
};

struct HistoryCurves {
    std::vector<PlayerSeries> players;  // in the order of their first match
    std::size_t latest = 0;             // the player of the latest match
};

// The series of every player in the history files given (their bytes, oldest file
// first). Record lines whose numbers do not read are left out.
HistoryCurves HistorySeries(const std::vector<std::string>& fileBytes);

// The same from the valid files of the history folder (ListHistoryFiles).
HistoryCurves ReadHistorySeries(const std::string& folder, std::string_view baseName);

}  // namespace tavik::files
