// Drawing single cards: faces, backs, backs lying across, and large pictures fitted
// to the card cell.
#include <QPainter>

#include "ui/pictures/picture_tools.h"
#include "ui/pictures/program_pictures.h"
#include "ui/table/table_renderer.h"

namespace tavik::ui {
namespace {

// The rounded corners of a resized large picture: quarter ellipses of Scaled(8). Made
// once for each picture and cell and kept in the program's picture store.
QImage cachedCut(const QImage& picture, int w, int h, int corner) {
    const QString key =
        QStringLiteral("cut/%1/%2x%3/%4").arg(picture.cacheKey()).arg(w).arg(h).arg(corner);
    return CachedPicture(key, [&] { return CutCornersResized(picture, w, h, corner); });
}

}  // namespace

void TableRenderer::drawFrame(int x, int y, int w, int h, QImage& target) const {
    QPainter p(&target);
    // Each edge includes both end points; the corner pixels stay open.
    p.fillRect(QRect(x + 2, y, w - 4, 1), Qt::black);
    p.fillRect(QRect(x + 2, y + h - 1, w - 4, 1), Qt::black);
    p.fillRect(QRect(x, y + 2, 1, h - 4), Qt::black);
    p.fillRect(QRect(x + w - 1, y + 2, 1, h - 4), Qt::black);
}

void TableRenderer::DrawScaledPicture(int x, int y, const QImage& picture, int w, int h,
                                      QImage& target) const {
    if (picture.isNull() || w <= 0 || h <= 0) return;
    QPainter p(&target);
    if (picture.width() == w && picture.height() == h)
        p.drawImage(x, y, picture);
    else
        p.drawImage(x, y, cachedCut(picture, w, h, S(8)));
}

void TableRenderer::DrawCardFace(int x, int y, std::string_view code, QImage& target) const {
    if (code.size() != 2 || code == "##") return;
    if (code == "00") {
        DrawCardBack(x, y, target);
        return;
    }
    const std::optional<Card> card = Card::fromCode1251(code);
    const bool isCard = card && !card->empty();
    if (display_.cardMode != 1) {
        if (isCard)
            DrawScaledPicture(x, y, art_.largeFace(*card), display_.cardWidth, display_.cardHeight,
                              target);
        return;
    }
    drawFrame(x, y, 71, 96, target);
    if (code == "No") {
        for (QPoint corner : {QPoint(x + 1, y + 1), QPoint(x + 69, y + 1), QPoint(x + 1, y + 94),
                              QPoint(x + 69, y + 94)})
            if (target.rect().contains(corner)) target.setPixel(corner, qRgb(0, 0, 0));
    }
    if (isCard) {
        QPainter p(&target);
        p.drawImage(x + 1, y + 1, art_.smallFace(*card));
    }
}

void TableRenderer::DrawCardFace(int x, int y, Card card, QImage& target) const {
    DrawCardFace(x, y, card.code1251(), target);
}

void TableRenderer::DrawCardBack(int x, int y, QImage& target) const {
    if (display_.cardMode != 1) {
        DrawScaledPicture(x, y, art_.largeBack(), display_.cardWidth, display_.cardHeight, target);
        return;
    }
    drawFrame(x, y, 71, 96, target);
    QPainter p(&target);
    p.drawImage(x + 1, y + 1, art_.smallBack());
}

void TableRenderer::DrawCardBackAcross(int x, int y, QImage& target) const {
    if (display_.cardMode != 1) {
        DrawScaledPicture(x, y, art_.largeBackAcross(), display_.cardHeight, display_.cardWidth,
                          target);
        return;
    }
    drawFrame(x, y, 96, 71, target);
    QPainter p(&target);
    p.drawImage(x + 1, y + 1, art_.smallBackAcross());
}

}  // namespace tavik::ui
