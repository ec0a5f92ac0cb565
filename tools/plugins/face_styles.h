#pragma once
// Where each plug-in face style comes from: a card deck that a Debian package ships in
// SVG, or a look of the game's own face drawing (paper, inks, index lettering, pips,
// court colours, a rule round the middle).

#include <QString>
#include <optional>

#include "tools/art/card_face.h"

namespace tavik::plugins {

// A deck of a Debian package.
struct DeckFile {
    QString file;           // the installed SVG, under the deck root
    QString package;        // "kdegames-card-data-kf5"
    QString copyrightPath;  // the file's path in the package's copyright file
    QString name;           // the deck's own name ("Dondorf")
};

// The deck face style 1..47 is drawn from; none for the styles of our own drawing.
// The styles other styles borrow pip cards or aces from are always our own, so a
// missing deck never leaves another style half drawn.
std::optional<DeckFile> StyleDeck(int deckStyle);

// The look of a style of our own drawing.
art::FaceLook StyleLook(int deckStyle);

}  // namespace tavik::plugins
