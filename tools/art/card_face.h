#pragma once
// Card faces: indices in two corners, pips in the classic layout, court figures
// and a large ace, drawn at the small (69 x 94) and large (146 x 198) sizes.

#include <QColor>
#include <QImage>
#include <QString>

namespace tavik::art {

// The look of one face style: paper, inks and the lettering of the indices.
struct FaceLook {
    QColor paper;
    QColor red;
    QColor black;
    QString indexFamily;  // font family of the rank letters
    bool condensed;       // use the family's condensed cut for "10"
    int courtPalette;     // shifts the robe colours of the court cards
    // Four-colour decks give diamonds and clubs inks of their own; invalid colours
    // leave them red and black.
    QColor diamonds{};
    QColor clubs{};
    QColor frame{};         // a rule round the middle of the card; invalid: none
    double pipScale = 1.0;  // the size of the pips and the ace against the classic one

    // Red for hearts and diamonds, black for clubs and spades, unless the deck has
    // four colours.
    QColor ink(int suit) const {
        if (suit == 2 && diamonds.isValid()) return diamonds;
        if (suit == 3 && clubs.isValid()) return clubs;
        return suit <= 2 ? red : black;
    }
};

FaceLook builtinFaceLook();
// The look of face style 1 "Med": cream paper, serif indices, deeper inks.
FaceLook medFaceLook();

// Card number 1..36 (1 = six of hearts ... 36 = ace of spades).
// The small face: an opaque 69 x 94 bitmap that sits inside a one-pixel frame.
QImage drawSmallFace(int card, const FaceLook& look);
// The large face: 146 x 198 with its own rounded border; outside the corners it
// is transparent.
QImage drawLargeFace(int card, const FaceLook& look);
// The large face of a narrow style: 126 x 198.
QImage drawNarrowFace(int card, const FaceLook& look);

// Resource name of a card: suit prefix ("Ch", "Bu", "Kr", "Pi") + rank part
// ("06" ... "10", "2J", "3Q", "4K", "5A"), e.g. "Ch06" or "Pi5A".
QString cardResourceCode(int card);

}  // namespace tavik::art
