#pragma once
// The colour variants of the main screen's title picture and mode banner. Both are
// drawn in red; the setting captionColour turns them orange, yellow, green, cyan,
// blue, violet or grey by a per-pixel rule applied before they are resized.

#include <QImage>
#include <QRgb>

namespace tavik::ui {

// The pixel (alpha untouched) as captionColour 1..8 makes it; 1 and unknown
// variants leave it as it is.
QRgb RecolourPixel(QRgb pixel, int captionColour);
// Recolours every pixel of the picture in place.
void RecolourCaption(QImage& picture, int captionColour);
// The variant after a click on the title: 1 -> 2 -> ... -> 7 -> 1 (8 also goes to 1).
int NextCaptionColour(int captionColour);

}  // namespace tavik::ui
