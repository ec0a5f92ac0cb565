#pragma once
// The colours of the card-style button: the bars are drawn in red, and every other
// colour is a transform of the red pictures and gradients. Plain C++.

#include <cstdint>
#include <span>

#include "resources/art_common/button_gradients.h"

namespace tavik::ui {

enum class TColorSB { DRed, DGreen, DBlue, DNavy, DYellow, DViolet, DOrang, DCards };
enum class THeightSB { D30, D45, D60 };

// A colour as the button's pictures and gradient rows give it.
using Rgb = art::Rgb;

// What a colour is being transformed for: the gradient of the middle, a pixel of the
// "R" pictures, or a pixel of the "Q" pictures (which only change near pure red).
enum class PieceKind { Gradient, PictureR, PictureQ };

// The colour of the bar for a red colour, lightened towards white by kLight percent.
Rgb TransformColour(Rgb c, TColorSB colour, int kLight, PieceKind kind);

// The focus outline colour of shape "R" and the focus dot colour of shape "Q".
Rgb FocusOutlineColour(TColorSB colour);
Rgb FocusDotColour(TColorSB colour);

}  // namespace tavik::ui
