#pragma once
// The face inversion of plug-in card libraries.
//
// Plug-in face pictures are stored with the colours inside an ellipse replaced by
// their bitwise complement; the loader applies the same inversion to get the card
// back. The inversion is its own inverse, so the packer and the loader share this
// one routine and a picture survives the round trip bit for bit.

#include <QImage>
#include <QRect>

namespace tavik::art {

// The ellipse's bounding box, inclusive pixel bounds: (10, 10)-(59, 84) for a
// 69 x 94 face, (10, 10)-(136, 188) for a large face of a wide style and
// (10, 10)-(116, 188) for a large face of a narrow style.
QRect faceInversionBox(bool largeFace, bool wideStyle);

// True when pixel (x, y) lies inside the ellipse inscribed in box (inclusive
// bounds); a pixel counts when its centre is inside.
bool insideInversionEllipse(QRect box, int x, int y);

// Complements the red, green and blue of every pixel of image inside the ellipse
// of box; alpha is kept. Converts the image to 32-bit ARGB or RGB if needed.
void invertFaceEllipse(QImage& image, QRect box);

}  // namespace tavik::art
