#pragma once
// The jack, queen and king: a double-headed figure in a frame, as on real cards.

#include <QColor>
#include <QRectF>

class QPainter;

namespace tavik::art {

// Draws the court card of rankValue 6 (jack), 7 (queen) or 8 (king) of suit 1..4
// into frame. palette shifts the robe colours (face styles differ by it); ink
// is the suit's colour; unit is the face width divided by 69 (line widths).
void drawCourtFigure(QPainter& painter, const QRectF& frame, int rankValue, int suit, int palette,
                     const QColor& ink, double unit);

}  // namespace tavik::art
