#include "ai/search_position.h"

namespace tavik::ai {
namespace {

SearchRoot commonRoot(const StatTavik2& s) {
    SearchRoot r;
    // Hands are kept without gaps; empty slots are skipped all the same.
    for (const Card c : s.CardsI1)
        if (!c.empty()) r.mover.push_back(c);
    for (const Card c : s.CardsI2)
        if (!c.empty()) r.other.push_back(c);
    for (int i = 1; i < s.OchGame && i <= 12; ++i) r.table.push_back(s.InGameI[i]);
    r.trump = s.Koz;
    r.hods = s.KolHods;
    r.free = s.KolFree;
    return r;
}

}  // namespace

SearchRoot AttackRoot(const StatTavik2& s, MoveKind mode) {
    SearchRoot r = commonRoot(s);
    if (mode == MoveKind::Lead) r.hods = 0;
    r.taking = mode == MoveKind::AddToTaker;
    return r;
}

SearchRoot DefenceRoot(const StatTavik2& s) {
    SearchRoot r = commonRoot(s);
    r.defence = true;
    return r;
}

}  // namespace tavik::ai
