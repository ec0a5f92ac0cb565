#pragma once
// The licence record "licence.txt" that every built plug-in library carries: which face
// styles come from which card deck, its Debian package, its makers and its licence (the
// about window lists them).

#include <QString>
#include <optional>
#include <vector>

#include "ui/pictures/plugin_library.h"

namespace tavik::ui {

// One face style drawn from a card deck of a Debian package.
struct DeckCredit {
    int style = 0;      // the face style 1..47
    QString code;       // its style code ("Eng")
    QString deck;       // the deck's name ("Standard")
    QString package;    // "kdegames-card-data-kf5"
    QString source;     // the SVG file it was drawn from
    QString copyright;  // the holders, one a line
    QString licence;    // the licence's short name ("GPL-2+")
};

struct LibraryLicence {
    QString text;                   // the whole record, as written
    std::vector<DeckCredit> decks;  // its deck blocks, in order
};

// The deck blocks of a record's text.
std::vector<DeckCredit> ParseDeckCredits(const QString& text);

// The record of a library found in the folders; none when the library is missing or
// carries no record.
std::optional<LibraryLicence> ReadLibraryLicence(const PluginFolders& folders, ArtLibrary lib);

}  // namespace tavik::ui
