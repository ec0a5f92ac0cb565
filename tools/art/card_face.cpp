#include "tools/art/card_face.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/art/court_figure.h"
#include "tools/art/suit_paths.h"

namespace tavik::art {
namespace {

// Where the parts of a face go, in pixels of one face size.
struct FaceGeometry {
    QSize size;
    double indexX;        // centre of the corner index column
    double rankTop;       // top of the rank letters
    double rankBaseline;  // baseline of the rank letters
    double rankMaxWidth;  // wider ranks ("10") are squeezed to this width
    QSizeF indexPip;      // suit symbol under the rank
    double indexPipY;     // its centre
    QSizeF pip;           // pips of the number cards
    double colLeft, colRight;
    double rowTop, rowBottom;  // centres of the outer pip rows
    QRectF courtFrame;
    QSizeF acePip;
    double cornerRadius;  // large faces only: rounded border
    double borderWidth;
};

const FaceGeometry kSmall = {.size = QSize(69, 94),
                             .indexX = 7.5,
                             .rankTop = 3.0,
                             .rankBaseline = 14.0,
                             .rankMaxWidth = 12.5,
                             .indexPip = QSizeF(9, 9.5),
                             .indexPipY = 21.0,
                             .pip = QSizeF(12, 13),
                             .colLeft = 22.5,
                             .colRight = 46.5,
                             .rowTop = 15.5,
                             .rowBottom = 78.5,
                             .courtFrame = QRectF(16, 5, 37, 84),
                             .acePip = QSizeF(30, 32),
                             .cornerRadius = 0,
                             .borderWidth = 0};

const FaceGeometry kLarge = {.size = QSize(146, 198),
                             .indexX = 15.5,
                             .rankTop = 7.0,
                             .rankBaseline = 30.0,
                             .rankMaxWidth = 26.0,
                             .indexPip = QSizeF(18, 19),
                             .indexPipY = 44.0,
                             .pip = QSizeF(25, 27),
                             .colLeft = 48.0,
                             .colRight = 98.0,
                             .rowTop = 33.0,
                             .rowBottom = 165.0,
                             .courtFrame = QRectF(33, 11, 80, 176),
                             .acePip = QSizeF(64, 68),
                             .cornerRadius = 9.0,
                             .borderWidth = 1.4};

// A line of text as an outline whose capital height is capHeight, its baseline
// at y = 0 and centred on x = 0; squeezed sideways to at most maxWidth.
QPainterPath letteringPath(const QString& text, const QFont& font, double capHeight,
                           double maxWidth) {
    QPainterPath reference;
    reference.addText(0, 0, font, QStringLiteral("H"));
    QPainterPath path;
    path.addText(0, 0, font, text);
    const double scale = capHeight / reference.boundingRect().height();
    const QRectF box = path.boundingRect();
    const double sx = std::min(scale, maxWidth / box.width());
    QTransform t;
    t.scale(sx, scale);
    t.translate(-box.center().x(), 0);
    return t.map(path);
}

QString rankLabel(int rankValue) {
    static const char* const kLabels[] = {"6", "7", "8", "9", "10", "J", "Q", "K", "A"};
    return QString::fromLatin1(kLabels[rankValue - 1]);
}

// The rank and the small suit under it, in the top-left corner.
void drawIndex(QPainter& p, const FaceGeometry& g, const FaceLook& look, int rankValue, int suit) {
    const QString label = rankLabel(rankValue);
    QFont font(look.indexFamily);
    font.setPixelSize(100);
    font.setBold(true);
    if (look.condensed && label.size() > 1) font.setStretch(QFont::Condensed);
    const QPainterPath text =
        letteringPath(label, font, g.rankBaseline - g.rankTop, g.rankMaxWidth);
    const QColor ink = look.ink(suit);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    const QPainterPath placed = text.translated(g.indexX, g.rankBaseline);
    p.drawPath(placed);
    // A six and a nine look alike upside down (the trump lies turned under the deck), so
    // both are underlined, as printed decks do.
    if (label == QLatin1String("6") || label == QLatin1String("9")) {
        const QRectF letters = placed.boundingRect();
        const double pipTop = g.indexPipY - g.indexPip.height() / 2;
        const double gap = pipTop - g.rankBaseline;
        // Whole pixel rows, so the small faces show a crisp line rather than a blur.
        const double thickness = std::max(1.0, std::round(gap * 0.4));
        const double top = std::round(g.rankBaseline + (gap - thickness) / 2);
        p.drawRect(QRectF(letters.left(), top, letters.width(), thickness));
    }
    const QRectF pipBox(g.indexX - g.indexPip.width() / 2, g.indexPipY - g.indexPip.height() / 2,
                        g.indexPip.width(), g.indexPip.height());
    drawSuit(p, suit, pipBox, ink);
}

struct PipPlace {
    int column;  // 0 left, 1 centre, 2 right
    double row;  // 0 top row .. 1 bottom row
};

// The classic pip layouts of six to ten.
std::vector<PipPlace> pipLayout(int rankValue) {
    std::vector<PipPlace> pips;
    auto pair = [&](double row) {
        pips.push_back({0, row});
        pips.push_back({2, row});
    };
    if (rankValue <= 3) {  // six, seven, eight
        pair(0);
        pair(0.5);
        pair(1);
        if (rankValue >= 2) pips.push_back({1, 0.25});
        if (rankValue == 3) pips.push_back({1, 0.75});
    } else {  // nine, ten
        pair(0);
        pair(1.0 / 3);
        pair(2.0 / 3);
        pair(1);
        if (rankValue == 4) pips.push_back({1, 0.5});
        if (rankValue == 5) {
            pips.push_back({1, 1.0 / 6});
            pips.push_back({1, 5.0 / 6});
        }
    }
    return pips;
}

void drawPips(QPainter& p, const FaceGeometry& g, const FaceLook& look, int rankValue, int suit) {
    const QColor ink = look.ink(suit);
    const double cols[] = {g.colLeft, (g.colLeft + g.colRight) / 2, g.colRight};
    for (const PipPlace& pip : pipLayout(rankValue)) {
        const double cx = cols[pip.column];
        const double cy = g.rowTop + pip.row * (g.rowBottom - g.rowTop);
        const QSizeF size = g.pip * look.pipScale;
        const QRectF box(cx - size.width() / 2, cy - size.height() / 2, size.width(),
                         size.height());
        drawSuit(p, suit, box, ink, pip.row > 0.5);
    }
}

void drawAce(QPainter& p, const FaceGeometry& g, const FaceLook& look, int suit) {
    const QPointF centre(g.size.width() / 2.0, g.size.height() / 2.0);
    const QColor ink = look.ink(suit);
    QSizeF size = g.acePip * look.pipScale;
    if (suit == 4) {
        // The ace of spades carries the deck's ornament: a bigger spade inside a ring.
        const double unit = g.size.width() / 69.0;
        size *= 1.12;
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(ink, 0.9 * unit));
        const double r = size.height() * 0.66;
        p.drawEllipse(centre, r, r);
        p.setPen(QPen(ink, 0.5 * unit));
        p.drawEllipse(centre, r - 2.2 * unit, r - 2.2 * unit);
        for (int i = 0; i < 16; ++i) {
            QTransform t;
            t.translate(centre.x(), centre.y());
            t.rotate(i * 22.5);
            p.setPen(Qt::NoPen);
            p.setBrush(ink);
            p.drawEllipse(t.map(QPointF(0, -(r + 1.8 * unit))), 0.8 * unit, 0.8 * unit);
        }
        // The paper between the ring and the spade stays clear.
        p.setPen(Qt::NoPen);
        p.setBrush(look.paper);
        p.drawEllipse(centre, r - 2.9 * unit, r - 2.9 * unit);
    }
    drawSuit(p, suit,
             QRectF(centre.x() - size.width() / 2, centre.y() - size.height() / 2, size.width(),
                    size.height()),
             ink);
}

QImage drawFace(int card, const FaceLook& look, const FaceGeometry& g, bool large) {
    const int rankValue = (card - 1) / 4 + 1;
    const int suit = (card - 1) % 4 + 1;
    QImage image(g.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF paper = QRectF(QPointF(0, 0), QSizeF(g.size));
    if (large) {
        const double half = g.borderWidth / 2;
        p.setPen(QPen(QColor(70, 70, 70), g.borderWidth));
        p.setBrush(look.paper);
        p.drawRoundedRect(paper.adjusted(half, half, -half, -half), g.cornerRadius, g.cornerRadius);
    } else {
        p.fillRect(paper, look.paper);
    }
    if (look.frame.isValid()) {
        // The rule runs inside the indices' column, round the pips and figures.
        const double unit = g.size.width() / 69.0;
        p.setPen(QPen(look.frame, 0.8 * unit));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(paper.adjusted(14.5 * unit, 3.5 * unit, -14.5 * unit, -3.5 * unit),
                          2.5 * unit, 2.5 * unit);
    }

    drawIndex(p, g, look, rankValue, suit);
    p.save();
    p.translate(g.size.width(), g.size.height());
    p.rotate(180);
    drawIndex(p, g, look, rankValue, suit);
    p.restore();

    if (rankValue <= 5)
        drawPips(p, g, look, rankValue, suit);
    else if (rankValue <= 8)
        drawCourtFigure(p, g.courtFrame, rankValue, suit, look.courtPalette, look.ink(suit),
                        g.size.width() / 69.0);
    else
        drawAce(p, g, look, suit);
    p.end();

    if (large) return image.convertToFormat(QImage::Format_ARGB32);
    // The small face sits in a frame with open corners: soften its corner pixels
    // so that the card reads as rounded.
    QImage small = image.convertToFormat(QImage::Format_RGB32);
    const QRgb corner = qRgb(150, 150, 150);
    const int w = g.size.width() - 1, h = g.size.height() - 1;
    for (const QPoint pt : {QPoint(0, 0), QPoint(w, 0), QPoint(0, h), QPoint(w, h)})
        small.setPixel(pt, corner);
    return small;
}

}  // namespace

FaceLook builtinFaceLook() {
    return {.paper = QColor(255, 255, 255),
            .red = QColor(204, 0, 0),
            .black = QColor(0, 0, 0),
            .indexFamily = QStringLiteral("DejaVu Sans"),
            .condensed = true,
            .courtPalette = 0};
}

FaceLook medFaceLook() {
    return {.paper = QColor(250, 242, 222),
            .red = QColor(170, 20, 30),
            .black = QColor(30, 26, 46),
            .indexFamily = QStringLiteral("DejaVu Serif"),
            .condensed = true,
            .courtPalette = 2};
}

QImage drawSmallFace(int card, const FaceLook& look) {
    return drawFace(card, look, kSmall, false);
}

QImage drawLargeFace(int card, const FaceLook& look) {
    return drawFace(card, look, kLarge, true);
}

QImage drawNarrowFace(int card, const FaceLook& look) {
    return drawFace(card, look, kLarge, true)
        .scaled(126, 198, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QString cardResourceCode(int card) {
    static const char* const kSuits[] = {"Ch", "Bu", "Kr", "Pi"};
    static const char* const kRanks[] = {"06", "07", "08", "09", "10", "2J", "3Q", "4K", "5A"};
    return QString::fromLatin1(kSuits[(card - 1) % 4]) +
           QString::fromLatin1(kRanks[(card - 1) / 4]);
}

}  // namespace tavik::art
