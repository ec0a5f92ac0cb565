#pragma once
// Small picture operations shared by the art loader and the table drawing.

#include <QImage>
#include <QRgb>
#include <QSize>

namespace tavik::ui {

// The picture resized to the size with bilinear filtering.
QImage ResizeSmooth(const QImage& picture, QSize size);
// The picture as it is when it has the size, else resized smoothly.
QImage FitPicture(const QImage& picture, QSize size);
// Makes every pixel of exactly this colour transparent (a key colour).
void MakeColourTransparent(QImage& picture, QRgb key);
// Makes the area of the colour reached from (x, y) through its four neighbours transparent.
void FloodTransparent(QImage& picture, int x, int y, QRgb colour);

// A large picture fitted to a w x h cell: rendered onto black at its own size,
// resampled smoothly, and with the corners outside a rounded rectangle (corner
// ellipses corner x corner) cut away (transparent).
QImage CutCornersResized(const QImage& picture, int w, int h, int corner);

// True when (x, y) lies outside the rounded rectangle (0, 0) - (w, h) whose corners
// are quarters of a corner x corner ellipse.
bool OutsideRoundedRect(int x, int y, int w, int h, int corner);

}  // namespace tavik::ui
