#include "tools/art/art_sets.h"

#include <QPainter>

#include "resources/art_common/face_inversion.h"
#include "tools/art/art_output.h"
#include "tools/art/card_back.h"
#include "tools/art/card_face.h"
#include "tools/art/contact_sheet.h"
#include "tools/art/suit_paths.h"

namespace tavik::art {
namespace {

const char* const kSuitNames[] = {"Cher", "Bubi", "Kres", "Piki"};

// A suit symbol on a transparent square of side size.
QImage suitSymbol(int suit, int size, const QColor& ink) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double margin = size / 20.0;
    drawSuit(p, suit, QRectF(margin, margin, size - 2 * margin, size - 2 * margin), ink);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

// Faces of one look under code + styleCode (+ "B" for the large ones); inverted
// as plug-in libraries store them when invert is set.
void addFaces(ArtOutput& out, ContactSheet& sheet, const FaceLook& look, const QString& styleCode,
              bool invert) {
    QList<QImage> smallRow, largeRow;
    for (int card = 1; card <= 36; ++card) {
        QImage small = drawSmallFace(card, look);
        QImage large = drawLargeFace(card, look);
        smallRow << small;
        if (card % 4 == 1 || card > 20) largeRow << large;
        if (invert) {
            invertFaceEllipse(small, faceInversionBox(false, true));
            invertFaceEllipse(large, faceInversionBox(true, true));
        }
        const QString name = cardResourceCode(card) + styleCode;
        out.addPng(name, small);
        out.addPng(name + QStringLiteral("B"), large);
    }
    sheet.addRow(smallRow.mid(0, 20), true);
    sheet.addRow(smallRow.mid(20), true);
    sheet.addRow(largeRow.mid(0, 9), false);
    sheet.addRow(largeRow.mid(9), false);
}

void addSuitSymbols(ArtOutput& out, const FaceLook& look, const QString& styleCode) {
    for (int suit = 1; suit <= 4; ++suit) {
        const QColor ink = look.ink(suit);
        const QString name = QString::fromLatin1(kSuitNames[suit - 1]) + styleCode;
        out.addPng(name, suitSymbol(suit, 20, ink));
        out.addPng(name + QStringLiteral("B"), suitSymbol(suit, 40, ink));
    }
}

}  // namespace

void addCardArt(ArtOutput& out, ContactSheet& sheet) {
    addFaces(out, sheet, builtinFaceLook(), QString(), false);
    addSuitSymbols(out, builtinFaceLook(), QString());

    QList<QImage> smallRow, largeRow;
    for (int day = 1; day <= 7; ++day) {
        const QString stem = backResourceStem(day);
        const QImage small = drawSmallBack(day);
        const QImage large = drawLargeBack(day);
        out.addPng(stem, small);
        out.addPng(stem + QStringLiteral("R"), turnAcross(small));
        out.addPng(stem + QStringLiteral("B"), large);
        out.addPng(stem + QStringLiteral("RB"), turnAcross(large));
        smallRow << small;
        largeRow << large;
    }
    smallRow << turnAcross(drawSmallBack(1));
    sheet.addRow(smallRow, true);
    sheet.addRow(largeRow, false);
}

void addTestPluginArt(ArtOutput& out, ContactSheet& sheet) {
    const QString code = QStringLiteral("Med");
    addFaces(out, sheet, medFaceLook(), code, true);
    addSuitSymbols(out, medFaceLook(), code);
}

}  // namespace tavik::art
