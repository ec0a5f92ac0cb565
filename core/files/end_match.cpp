#include "core/files/end_match.h"

#include <cmath>

#include "core/files/columns.h"

namespace tavik::files {

double MatchRating(double R0, int K0, int scoreDelta, int K) {
    if (K <= 0) return R0;
    double rating = (static_cast<double>(K0) * R0 + scoreDelta) / K;
    rating = roundHalfEven(rating * 1e6) / 1e6;
    if (!(rating >= -kRatingLimit)) rating = -kRatingLimit;
    if (!(rating <= kRatingLimit)) rating = kRatingLimit;
    return rating == 0.0 ? 0.0 : rating;
}

GameKind KindOfGame(const GameState& g) {
    if (g.OnlineGame) return GameKind::Online;
    if (g.NetGame) return GameKind::Lan;
    if (g.UserSlot == 7) return GameKind::Account;
    return GameKind::Local;
}

HisStr HistoryEntry(const GameState& g, int scoreDelta, int kons, double rating,
                    const ServiceStanding& service) {
    HisStr e;
    e.Ac = KindOfGame(g);
    if (e.Ac == GameKind::Lan || e.Ac == GameKind::Online)
        e.HName = trimBlanks(g.names[2]) + "/" + trimBlanks(g.names[1]);
    else
        e.HName = g.UserName;
    e.HKon = kons;
    e.HRes = scoreDelta;
    e.HRei = rating;
    if (e.Ac == GameKind::Online) {
        e.HKon = 1;
        e.HRes = service.returnedScore - service.clientScore;
        e.HRei = service.returnedRating;
    }
    return e;
}

TCount GeneralCount(const GameState& g, const ServiceStanding& service) {
    const GameKind kind = KindOfGame(g);
    TCount c;
    c.Count_KonAll = std::to_string(g.KonCount);
    const int inCycle = g.KonCount % kCycleKons;
    c.Count_KonCur = std::to_string(inCycle == 0 ? kCycleKons : inCycle);
    c.Count_ScoBeg = std::to_string(g.BaseScore);
    c.Count_ScoCur = std::to_string(g.ScoreDelta);
    c.Count_ScoAll = std::to_string(g.BaseScore + g.ScoreDelta);
    c.Count_ReiBeg = twoDecimals(g.Rating, 6);
    c.Count_ReiCur =
        twoDecimals(MatchRating(g.Rating, g.KonCountStart, g.ScoreDelta, g.KonCount), 6);
    if (kind == GameKind::Account) {
        c.Count_KonCur = std::to_string(service.accountCycleKons + g.KonCount - g.KonCountStart);
        c.Count_ReiBeg = std::to_string(std::llrint(service.accountRating));
        c.Count_ReiCur = "?";
    } else if (kind == GameKind::Online) {
        c.Count_KonCur = "-";
        c.Count_ScoBeg = std::to_string(service.clientScore);
        c.Count_ScoAll = std::to_string(service.clientScore + g.ScoreDelta);
        c.Count_ReiBeg = std::to_string(std::llrint(service.clientRating));
        c.Count_ReiCur = "?";
    }
    return c;
}

}  // namespace tavik::files
