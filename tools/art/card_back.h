#pragma once
// Card backs: one pattern for each day of the week.

#include <QImage>
#include <QString>

namespace tavik::art {

// Weekday 1..7 (Monday .. Sunday). The small back is an opaque 69 x 94 bitmap;
// the large one is 146 x 198 with transparent rounded corners.
QImage drawSmallBack(int weekday);
QImage drawLargeBack(int weekday);

// A back turned by a quarter turn, as it lies across the deck.
QImage turnAcross(const QImage& back);

// The day part of a back's resource name: "Ob01Mo", "Ob02Tu", ..., "Ob07Su".
QString backResourceStem(int weekday);

}  // namespace tavik::art
