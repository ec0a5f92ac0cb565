#pragma once
// Card backs: one pattern for each day of the week.

#include <QImage>
#include <QString>

namespace tavik::art {

// Weekday 1..7 (Monday .. Sunday). The small back is an opaque 69 x 94 bitmap;
// the large one is 146 x 198 with transparent rounded corners.
QImage drawSmallBack(int weekday);
QImage drawLargeBack(int weekday);
// Back design 1..7 (the weekday's pattern) at any size: opaque with plain corners, or
// large with transparent rounded corners. The plug-in libraries draw their back styles
// and the narrow backs (126 x 198) from it.
QImage drawBackDesign(int design, QSize size, bool large);

// A back turned by a quarter turn, as it lies across the deck.
QImage turnAcross(const QImage& back);

// The day part of a back's resource name: "Ob01Mo", "Ob02Tu", ..., "Ob07Su".
QString backResourceStem(int weekday);

}  // namespace tavik::art
