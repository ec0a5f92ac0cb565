#include "ui/game/shown_card_at.h"

#include "ui/game/hit_test.h"

namespace tavik::ui {
namespace {

bool inside(QPoint p, int left, int top, int right, int bottom) {
    return p.x() >= left && p.x() < right && p.y() >= top && p.y() < bottom;
}

// The point in a box's own coordinates, when it lies inside the box.
std::optional<QPoint> inBox(const Box& b, QPoint pos) {
    if (!inside(pos, b.left, b.top, b.right(), b.bottom())) return std::nullopt;
    return pos - QPoint(b.left, b.top);
}

}  // namespace

Card ShownCardAt(const TableRenderer& r, QPoint pos) {
    const ShownCards& shown = r.shown();
    const Display& d = r.display();
    if (const auto p = inBox(r.box(BoxId::Stol), pos)) {
        for (auto it = shown.table.rbegin(); it != shown.table.rend(); ++it)
            if (inside(*p, it->x, it->y, it->x + d.cardWidth, it->y + d.cardHeight))
                return it->card;
    }
    if (const auto p = inBox(r.box(BoxId::Koloda), pos); p && !shown.deckTrump.empty()) {
        // The part of the trump card that the backs across it leave uncovered.
        const int left = d.Scaled(12) + d.Scaled(d.cardShift);
        if (inside(*p, left, d.Scaled(45) + d.cardWidth, left + d.cardWidth,
                   d.Scaled(70) + d.cardHeight))
            return shown.deckTrump;
    }
    if (const auto p = inBox(r.box(BoxId::Hand1), pos)) {
        const HandPositions& x = r.handPositions(1);
        if (!shown.hand1Trump.empty() && inside(*p, x[6], 0, x[6] + d.cardWidth, d.cardHeight))
            return shown.hand1Trump;
        if (shown.hand1FaceUp && p->y() < d.cardHeight) {
            const int slot = HitTest(x, shown.hand1Count, d.cardWidth, shown.hand1, p->x());
            if (slot > 0) return shown.hand1[slot];
        }
    }
    return Card();
}

}  // namespace tavik::ui
