#pragma once
// The display state of the main window and the rule that maps the 760 x 500 base
// design to the window: five window sizes, three scale factors, the card cell and
// the spread of a hand. Plain C++: the geometry is tested without a window.

#include <array>

#include "ui/layout/rounding.h"

namespace tavik::ui {

inline constexpr int kBaseWidth = 760;
inline constexpr int kBaseHeight = 500;

// A rectangle in window pixels.
struct Box {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    constexpr int right() const { return left + width; }  // first column past the box
    constexpr int bottom() const { return top + height; }
    constexpr bool operator==(const Box&) const = default;
};

struct Display {
    int windowSize = 1;  // 1 small, 2 full screen, 3 medium 1, 4 medium 2, 5 large
    int clientWidth = kBaseWidth;
    int clientHeight = kBaseHeight;
    Ratio scaleX{1}, scaleY{1}, scale{1};
    int cardWidth = 71;
    int cardHeight = 96;
    int cardMode = 1;  // 1 small pictures, 0 large pictures resized, 2 large pictures as they are
    bool wideCards = true;
    int cardShift = 0;

    // nearest(n x scale).
    int Scaled(int n) const { return nearest(Ratio(n) * scale); }
    // nearest(n x scaleX), nearest(n x scaleY).
    int StretchedX(int n) const { return nearest(Ratio(n) * scaleX); }
    int StretchedY(int n) const { return nearest(Ratio(n) * scaleY); }
    // The screen x of a base box: grows by scale, centred where the stretched design puts it.
    int PlaceX(int left, int width) const {
        return StretchedX(left) + nearest((scaleX - scale) * Ratio(width, 2));
    }
    int PlaceY(int top, int height) const {
        return StretchedY(top) + nearest((scaleY - scale) * Ratio(height, 2));
    }
    // A base box placed on the window: position by PlaceX/PlaceY, size by Scaled.
    Box Place(int left, int top, int width, int height) const {
        return {PlaceX(left, width), PlaceY(top, height), Scaled(width), Scaled(height)};
    }
    // The row unit: the height of a menu button and of a line of the main-screen menu.
    int R() const { return Scaled(30); }
    bool smallWindow() const { return windowSize == 1; }
};

// The fixed client area of a window size (sizes 1, 3, 4, 5); size 2 has none.
struct ClientSize {
    int width = 0;
    int height = 0;
};
ClientSize FixedClientSize(int windowSize);

// True for the face styles whose cards are full width: 0..27, 40 and 45.
bool WideCardStyle(int deckStyle);

// The display of a window size. For size 2 the client area of the maximised window
// is given; the other sizes ignore it. Out-of-range sizes count as 1. The card cell
// and cardShift follow from the face style.
Display MakeDisplay(int windowSize, int fullScreenWidth, int fullScreenHeight, int deckStyle);

// Recomputes wideCards, the card cell and cardShift after a change of face style.
void ApplyCardCell(Display& d, int deckStyle);

// x of the cards 1..count of a hand inside its box (index 0 unused); 36 entries as
// the game keeps them, positions past count are 0.
using HandPositions = std::array<int, 37>;
HandPositions SpreadHand(const Display& d, int count);

}  // namespace tavik::ui
