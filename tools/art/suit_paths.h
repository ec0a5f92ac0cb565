#pragma once
// The four suit symbols as vector outlines, drawn at any size.

#include <QColor>
#include <QPainterPath>
#include <QRectF>

class QPainter;

namespace tavik::art {

// The outline of suit 1..4 (hearts, diamonds, clubs, spades) in the square
// (-1, -1)-(1, 1), point of the heart and stems downwards.
QPainterPath suitPath(int suit);

// Fills the suit outline stretched into box; upside down turns it half round
// about the box's centre, as the pips of the lower half of a card are.
void drawSuit(QPainter& painter, int suit, const QRectF& box, const QColor& ink,
              bool upsideDown = false);

}  // namespace tavik::art
