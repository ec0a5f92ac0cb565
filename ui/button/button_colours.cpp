#include "ui/button/button_colours.h"

#include <cstdlib>

#include "ui/layout/rounding.h"

namespace tavik::ui {
namespace {

std::uint8_t byte(int v) {
    return static_cast<std::uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v));
}

// nearest(tenths / 10 x v)
int tenths(int t, int v) {
    return nearest(static_cast<long long>(t) * v, 10);
}

// Pixels of the "Q" pictures take part only when they are close to pure red.
bool nearRed(Rgb c) {
    const int dr = c.r - 255;
    return dr * dr + c.g * c.g + c.b * c.b < 180 * 180;
}

Rgb baseTransform(Rgb c, TColorSB colour, PieceKind kind) {
    switch (colour) {
        case TColorSB::DRed:
            return c;
        case TColorSB::DGreen:
            return {c.g, c.r, c.b};
        case TColorSB::DBlue:
            return {c.b, c.r, c.r};
        case TColorSB::DNavy:
            return {c.b, c.g, c.r};
        case TColorSB::DYellow:
            return {c.r, c.r, c.b};
        case TColorSB::DViolet:
            return {c.r, c.g, c.r};
        case TColorSB::DOrang: {
            if (!(c.g < c.r && c.b < c.r)) return c;
            const int b = tenths(7, c.b);
            return {c.r, byte(b + tenths(4, std::abs(c.r - b))), byte(b)};
        }
        case TColorSB::DCards:
            if (kind == PieceKind::PictureQ) {
                if (!nearRed(c)) return c;
                return {byte(tenths(6, c.r)), byte(tenths(7, c.g)), c.r};
            }
            return {byte(tenths(7, c.r)), 0, c.r};
    }
    return c;
}

std::uint8_t lighten(std::uint8_t v, int k) {
    return byte(v + nearest(static_cast<long long>(k) * (255 - v), 100));
}

}  // namespace

Rgb TransformColour(Rgb c, TColorSB colour, int kLight, PieceKind kind) {
    const bool lightens = kLight != 0 && (kind != PieceKind::PictureQ || nearRed(c));
    Rgb out = baseTransform(c, colour, kind);
    if (lightens) out = {lighten(out.r, kLight), lighten(out.g, kLight), lighten(out.b, kLight)};
    return out;
}

Rgb FocusOutlineColour(TColorSB colour) {
    switch (colour) {
        case TColorSB::DRed:
        case TColorSB::DYellow:
            return {255, 200, 200};
        case TColorSB::DGreen:
            return {200, 200, 255};
        case TColorSB::DBlue:
        case TColorSB::DNavy:
            return {200, 255, 200};
        case TColorSB::DViolet:
            return {255, 255, 200};
        case TColorSB::DOrang:
            return {255, 128, 64};
        case TColorSB::DCards:
            return {200, 175, 50};
    }
    return {255, 200, 200};
}

Rgb FocusDotColour(TColorSB colour) {
    switch (colour) {
        case TColorSB::DRed:
            return {255, 255, 0};
        case TColorSB::DYellow:
            return {255, 0, 0};
        case TColorSB::DGreen:
        case TColorSB::DBlue:
            return {0, 0, 255};
        case TColorSB::DNavy:
            return {0, 128, 0};
        case TColorSB::DViolet:
        case TColorSB::DOrang:
            return {255, 255, 255};
        case TColorSB::DCards:
            return {220, 180, 255};
    }
    return {255, 255, 0};
}

}  // namespace tavik::ui
