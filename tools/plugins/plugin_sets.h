#pragma once
// The picture sets of the plug-in libraries, each written under its resource names.

#include <QImage>
#include <QString>
#include <QStringList>

#include "ui/pictures/art_names.h"

namespace tavik::art {
class ArtOutput;
}

namespace tavik::plugins {

class LicenceRecord;

// The faces and suit symbols of every face style of a card library (A, B or C), stored
// with the face ellipse inverted. Styles drawn from a Debian deck read it from
// deckRoot + its installed path; a style whose deck is missing is left out (the game
// then falls back to the built-in faces) and named in `missing`.
void addFaceStyles(art::ArtOutput& out, ui::ArtLibrary lib, const QString& deckRoot,
                   LicenceRecord& licence, QStringList& missing);
// The backs of back styles 1..12 in all their forms, and the narrow large backs of the
// built-in back style ("Ob01MoU" ...): library B.
void addBackStyles(art::ArtOutput& out);
// The table backgrounds "Fon01Gr" .. "Fon10Fi" (760 x 500) and their large variants
// (1920 x 922, suffix "B"); pattern 2 with tint 0 stays the program's own "FonG".
void addBackgrounds(art::ArtOutput& out);
// The pictures of the "Purple" designs: dialog backgrounds, title overlays per
// language, animated icon strips, "GifA".."GifG", the click effect "GTouch" and the
// table background "BGLilu".
void addGraphics(art::ArtOutput& out);

// The decorated theme's table background "BGLilu" at a size.
QImage themeBackground(QSize size);

}  // namespace tavik::plugins
