// The face styles of the card libraries: our own drawing or a Debian deck, inverted
// inside the ellipse as plug-in faces are stored.
#include <QFile>
#include <QPainter>
#include <QSet>
#include <map>
#include <memory>

#include "resources/art_common/face_inversion.h"
#include "tools/art/art_output.h"
#include "tools/art/card_face.h"
#include "tools/art/suit_paths.h"
#include "tools/plugins/deck_licence.h"
#include "tools/plugins/licence_record.h"
#include "tools/plugins/plugin_sets.h"
#include "tools/plugins/svg_deck.h"
#include "ui/layout/layout.h"

namespace tavik::plugins {
namespace {

constexpr QSize kSmall(69, 94);
constexpr QSize kWide(146, 198);
constexpr QSize kNarrow(126, 198);

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

// The suit symbol of a plug-in: the small one opaque on the light-grey key colour the
// loader makes transparent, the large one on a transparent square.
QImage suitSymbol(int suit, bool large, const QColor& ink, QRgb key) {
    const int side = large ? 40 : 20;
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(large ? QColor(Qt::transparent) : QColor(key));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, large);
    const double margin = side / 20.0;
    art::drawSuit(p, suit, QRectF(margin, margin, side - 2 * margin, side - 2 * margin), ink);
    p.end();
    return image.convertToFormat(large ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}

QString readAll(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// The face of card `card` drawn by `style`: from its deck or our own drawing.
QImage drawFace(int style, const SvgDeck* deck, int card, bool large) {
    const bool wide = ui::WideCardStyle(style);
    if (deck != nullptr) return deck->face(card, large ? (wide ? kWide : kNarrow) : kSmall, !large);
    const art::FaceLook look = StyleLook(style);
    if (!large) return art::drawSmallFace(card, look);
    return wide ? art::drawLargeFace(card, look) : art::drawNarrowFace(card, look);
}

}  // namespace

void addFaceStyles(art::ArtOutput& out, ui::ArtLibrary lib, const QString& deckRoot,
                   LicenceRecord& licence, QStringList& missing) {
    std::vector<int> styles;
    for (int s = 1; s < ui::kFaceStyles; ++s)
        if (ui::FaceLibrary(s) == lib) styles.push_back(s);
    // The style that draws a style code of this library (40 "Fra" is library C's own).
    std::map<std::string, int> owner;
    for (int s : styles) owner.emplace(ui::FaceStyleCodes(s).own, s);

    std::map<int, std::unique_ptr<SvgDeck>> decks;
    for (int s : styles) {
        const auto deck = StyleDeck(s);
        const QString code = qs(ui::FaceStyleCodes(s).own);
        if (!deck) {
            licence.addOwnStyle(s, code);
            continue;
        }
        auto svg = std::make_unique<SvgDeck>(deckRoot + deck->file);
        if (!svg->isValid()) {
            missing << QStringLiteral("%1 \"%2\" (%3)").arg(s).arg(code, deck->file);
            continue;
        }
        const QString copyright =
            readAll(deckRoot + QStringLiteral("/usr/share/doc/%1/copyright").arg(deck->package));
        licence.addDeck(s, code, *deck, FindDeckLicence(copyright, deck->copyrightPath));
        decks[s] = std::move(svg);
    }

    QSet<QString> written;
    for (int s : styles) {
        const auto deck = StyleDeck(s);
        if (deck && !decks.count(s)) continue;  // its deck is missing: the style is left out
        const ui::FaceCodes codes = ui::FaceStyleCodes(s);
        for (int card = 1; card <= 36; ++card) {
            const int rank = (card - 1) / 4 + 1;
            const std::string& code = rank <= 5 ? codes.pip : rank == 9 ? codes.ace : codes.own;
            const int drawer = owner.at(code);
            const SvgDeck* svg = decks.count(drawer) ? decks.at(drawer).get() : nullptr;
            for (bool large : {false, true}) {
                const QString name = qs(ui::FaceName(s, card, large));
                if (written.contains(name)) continue;
                written << name;
                QImage face = drawFace(drawer, svg, card, large);
                art::invertFaceEllipse(face,
                                       art::faceInversionBox(large, ui::WideCardStyle(drawer)));
                out.addPng(name, face);
            }
        }
        const art::FaceLook look = StyleLook(owner.at(codes.pip));
        for (int suit = 1; suit <= 4; ++suit)
            for (bool large : {false, true}) {
                const QString name = qs(ui::SuitSymbolName(s, suit, large));
                if (written.contains(name)) continue;
                written << name;
                // Style 26 draws its small diamond on a slightly different grey, which the
                // loader fills away from the top-left corner.
                const QRgb key = s == 26 && suit == 2 ? qRgb(195, 195, 195) : qRgb(192, 192, 192);
                out.addPng(name, suitSymbol(suit, large, look.ink(suit), key));
            }
    }
}

}  // namespace tavik::plugins
