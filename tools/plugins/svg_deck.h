#pragma once
// A card deck drawn in SVG, as Debian's card-game packages ship them, turned into face
// pictures: the cards are found by the element names of KDE's card decks ("king_heart",
// "1_spade") or of AisleRiot's ("heart_king", "spade_1").

#include <QImage>
#include <QSize>
#include <QString>
#include <memory>

class QSvgRenderer;

namespace tavik::plugins {

class SvgDeck {
  public:
    // Reads the deck (.svg or .svgz); isValid() says whether all 36 cards are there.
    explicit SvgDeck(const QString& file);
    ~SvgDeck();
    SvgDeck(const SvgDeck&) = delete;
    SvgDeck& operator=(const SvgDeck&) = delete;

    bool isValid() const { return valid_; }
    // The element of card number 1..36 (1 = six of hearts ... 36 = ace of spades).
    QString elementId(int card) const;
    // The card drawn into a picture of the given size: an opaque picture on white
    // stretched to the whole size (the small bitmaps), or a transparent one that the card
    // fills when its proportions are within 30 % of the size's, else centred at its own
    // proportions.
    QImage face(int card, QSize size, bool opaque) const;

  private:
    std::unique_ptr<QSvgRenderer> renderer_;
    bool aisleriotNames_ = false;
    bool valid_ = false;
};

}  // namespace tavik::plugins
