#include "tools/plugins/svg_deck.h"

#include <QPainter>
#include <QSvgRenderer>

namespace tavik::plugins {
namespace {

const char* const kSuitWords[] = {"heart", "diamond", "club", "spade"};
const char* const kRankWords[] = {"6", "7", "8", "9", "10", "jack", "queen", "king", "1"};

QString kdeId(int card) {
    return QString::fromLatin1(kRankWords[(card - 1) / 4]) + QLatin1Char('_') +
           QString::fromLatin1(kSuitWords[(card - 1) % 4]);
}

QString aisleriotId(int card) {
    return QString::fromLatin1(kSuitWords[(card - 1) % 4]) + QLatin1Char('_') +
           QString::fromLatin1(kRankWords[(card - 1) / 4]);
}

}  // namespace

SvgDeck::SvgDeck(const QString& file) : renderer_(std::make_unique<QSvgRenderer>(file)) {
    if (!renderer_->isValid()) return;
    auto complete = [this](QString (*id)(int)) {
        for (int card = 1; card <= 36; ++card)
            if (!renderer_->elementExists(id(card))) return false;
        return true;
    };
    if (complete(kdeId)) {
        valid_ = true;
    } else if (complete(aisleriotId)) {
        aisleriotNames_ = true;
        valid_ = true;
    }
}

SvgDeck::~SvgDeck() = default;

QString SvgDeck::elementId(int card) const {
    return aisleriotNames_ ? aisleriotId(card) : kdeId(card);
}

QImage SvgDeck::face(int card, QSize size, bool opaque) const {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(opaque ? QColor(Qt::white) : QColor(Qt::transparent));
    if (!valid_) return image;
    const QString id = elementId(card);
    const QRectF bounds =
        renderer_->transformForElement(id).mapRect(renderer_->boundsOnElement(id));
    QRectF target(QPointF(0, 0), QSizeF(size));
    // A card close to the cell's proportions fills it, as the table shows a face over its
    // whole cell; only a card of quite other proportions keeps them, centred.
    const double stretch = bounds.height() > 0 ? (bounds.width() / bounds.height()) /
                                                     (double(size.width()) / size.height())
                                               : 1.0;
    if (!opaque && (stretch < 0.7 || stretch > 1.3)) {
        const QSizeF fitted = bounds.size().scaled(QSizeF(size), Qt::KeepAspectRatio);
        target = QRectF(
            QPointF((size.width() - fitted.width()) / 2, (size.height() - fitted.height()) / 2),
            fitted);
    }
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    renderer_->render(&p, id, target);
    p.end();
    return image.convertToFormat(opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32);
}

}  // namespace tavik::plugins
