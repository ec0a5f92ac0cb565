#pragma once
// The arithmetic of the end of a match: the rating, the kind of game, the history
// entry and the general count (TCount) that the window shows during a match.

#include <string>

#include "core/files/history_file.h"
#include "core/state/game_state.h"

namespace tavik::files {

inline constexpr int kCycleKons = 30;
inline constexpr double kRatingLimit = 99.99;

// The player's average points per kon over all kons: (K0 x R0 + scoreDelta) / K,
// rounded to six decimals and kept within -99.99 .. 99.99. K0 and R0 are the kon
// count and rating read at the start of the match, K the kon count now.
double MatchRating(double R0, int K0, int scoreDelta, int K);

// 0 local, 1 account series (the logged-in account, slot 7), 2 online table, 3 LAN.
GameKind KindOfGame(const GameState& g);

// What the web service knows about the player in an account series or at an
// online table; the local kinds of game do not use it.
struct ServiceStanding {
    double accountRating = 0;   // the account's stored rating
    int accountCycleKons = 0;   // the account's kon counter in its cycle, before this series
    int clientScore = 0;        // the tournament client's score before the game
    double clientRating = 0;    // the tournament client's rating before the game
    int returnedScore = 0;      // the tournament's score after the game
    double returnedRating = 0;  // the tournament's rating after the game
};

// The history entry of a finished match with the given rating.
HisStr HistoryEntry(const GameState& g, int scoreDelta, int kons, double rating,
                    const ServiceStanding& service);

// The general count, seven texts.
struct TCount {
    std::string Count_KonAll, Count_KonCur, Count_ScoBeg, Count_ScoCur, Count_ScoAll, Count_ReiBeg,
        Count_ReiCur;
};
TCount GeneralCount(const GameState& g, const ServiceStanding& service);

}  // namespace tavik::files
