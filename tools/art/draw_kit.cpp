#include "tools/art/draw_kit.h"

#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <cmath>

namespace tavik::art {

QImage blankCanvas(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage finishedPicture(const QImage& image) {
    return image.convertToFormat(QImage::Format_ARGB32);
}

QLinearGradient verticalGradient(const QRectF& r, const QColor& top, const QColor& bottom) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

QLinearGradient metalAcross(double left, double right, const QColor& dark, const QColor& light,
                            const QColor& base) {
    QLinearGradient g(QPointF(left, 0), QPointF(right, 0));
    g.setColorAt(0, dark);
    g.setColorAt(0.33, light);
    g.setColorAt(0.6, base);
    g.setColorAt(1, dark);
    return g;
}

QPainterPath textOutline(const QString& text, const QString& family, bool bold, double capHeight,
                         double maxWidth) {
    QFont font(family);
    font.setPixelSize(200);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferOutline);
    QPainterPath reference;
    reference.addText(0, 0, font, QStringLiteral("H"));
    QPainterPath path;
    path.addText(0, 0, font, text);
    const double scale = capHeight / reference.boundingRect().height();
    const QRectF box = path.boundingRect();
    const double sx = box.width() * scale > maxWidth ? maxWidth / box.width() : scale;
    QTransform t;
    t.scale(sx, scale);
    t.translate(-box.center().x(), 0);
    return t.map(path);
}

QImage frameStrip(const QList<QImage>& frames) {
    if (frames.isEmpty()) return {};
    const QSize one = frames.front().size();
    QImage strip = blankCanvas(QSize(one.width() * int(frames.size()), one.height()));
    QPainter p(&strip);
    for (int i = 0; i < frames.size(); ++i) p.drawImage(i * one.width(), 0, frames[i]);
    p.end();
    return finishedPicture(strip);
}

QPainterPath starPath(QPointF c, double r, double innerRatio, double turnDegrees) {
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const double a = (turnDegrees + i * 36) * kPi / 180;
        const double radius = i % 2 ? r * innerRatio : r;
        const QPointF q(c.x() + radius * std::sin(a), c.y() - radius * std::cos(a));
        if (i == 0)
            path.moveTo(q);
        else
            path.lineTo(q);
    }
    path.closeSubpath();
    return path;
}

double Dice::unit() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return (state_ >> 8) / double(1u << 24);
}

std::uint32_t hash(std::uint32_t x, std::uint32_t y, std::uint32_t seed) {
    std::uint32_t h = x * 0x8da6b343u ^ y * 0xd8163841u ^ seed * 0xcb1ab31fu;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return h;
}

double valueNoise(double x, double y, double cell, std::uint32_t seed) {
    const double gx = x / cell, gy = y / cell;
    const auto ix = static_cast<std::uint32_t>(std::floor(gx));
    const auto iy = static_cast<std::uint32_t>(std::floor(gy));
    double fx = gx - std::floor(gx), fy = gy - std::floor(gy);
    fx = fx * fx * (3 - 2 * fx);
    fy = fy * fy * (3 - 2 * fy);
    auto at = [&](std::uint32_t i, std::uint32_t j) {
        return (hash(i, j, seed) & 0xffff) / 65535.0;
    };
    const double top = at(ix, iy) + (at(ix + 1, iy) - at(ix, iy)) * fx;
    const double bottom = at(ix, iy + 1) + (at(ix + 1, iy + 1) - at(ix, iy + 1)) * fx;
    return top + (bottom - top) * fy;
}

}  // namespace tavik::art
