#pragma once
// The card pictures kept in memory and their loading from the program's resources or
// a plug-in library: faces, suit symbols, backs and the table background.

#include <QColor>
#include <QImage>
#include <QString>
#include <array>
#include <functional>

#include "ui/layout/layout.h"
#include "ui/pictures/plugin_library.h"
#include "config/settings.h"
#include "core/state/card.h"

namespace tavik::ui {

// The picture sets. Faces are indexed by card number 1..36, backs by 1..10, suit
// symbols by suit 1..4; index 0 is unused.
struct CardArt {
    std::array<QImage, 37> smallFaces, largeFaces;
    std::array<QImage, 11> smallBacks, smallBacksAcross, largeBacks, largeBacksAcross;
    std::array<QImage, 5> smallSuits, largeSuits;
    int backCount = 7;
    int backIndex = 1;               // the back in use, chosen at each deal
    QImage background;               // the window's client size; null for "no background"
    QColor windowColour{0, 128, 0};  // where no background picture covers the window

    const QImage& smallFace(Card c) const { return smallFaces[index(c.number())]; }
    const QImage& largeFace(Card c) const { return largeFaces[index(c.number())]; }
    const QImage& smallBack() const { return smallBacks[backSlot()]; }
    const QImage& smallBackAcross() const { return smallBacksAcross[backSlot()]; }
    const QImage& largeBack() const { return largeBacks[backSlot()]; }
    const QImage& largeBackAcross() const { return largeBacksAcross[backSlot()]; }
    const QImage& suitSymbol(Suit s, bool large) const {
        return (large ? largeSuits : smallSuits)[s >= 1 && s <= 4 ? s : 0];
    }

  private:
    static std::size_t index(int n) { return n >= 1 && n <= 36 ? static_cast<std::size_t>(n) : 0; }
    std::size_t backSlot() const {
        return static_cast<std::size_t>(backIndex >= 1 && backIndex <= backCount ? backIndex : 1);
    }
};

// The window's colour where no background picture covers it: the colour of the
// background tint, green without a pattern, purple in the decorated theme.
QColor WindowColour(const config::Settings& settings);

// Shows the missing-file notice for a library file name.
using MissingFileNotice = std::function<void(const QString& fileName)>;

// The modal "Attention" message box: the language table's missing-file text in the
// language of the settings, a space, and the file name.
MissingFileNotice AttentionNotice(const config::Settings& settings, QWidget* parent = nullptr);

class ArtLoader {
  public:
    // The loader reads the styles, background and designs from the settings and resets
    // them to the built-in art when a library is missing.
    ArtLoader(Display& display, config::Settings& settings, CardArt& art, PluginFolders folders,
              MissingFileNotice notice);

    // Loads the 36 faces and suit symbols of deckStyle for the current card mode, then
    // the backs. False when the style's library is missing (the built-in faces are used
    // and deckStyle becomes 0) or lacks a picture.
    bool LoadCardFaces();
    // Loads the backs of backStyle. False when library B is needed and missing.
    bool LoadCardBacks();
    // Loads the table background for the window size; themed takes the decorated
    // theme's picture. False when a needed library is missing.
    bool LoadTableBackground(bool themed);

  private:
    bool loadFaceSet(const PictureSource& source, int style);
    bool loadBackSet(const PictureSource& source, bool builtin);
    void missing(ArtLibrary lib);

    Display& display_;
    config::Settings& settings_;
    CardArt& art_;
    PluginFolders folders_;
    MissingFileNotice notice_;
};

}  // namespace tavik::ui
