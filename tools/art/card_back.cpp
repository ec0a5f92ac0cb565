#include "tools/art/card_back.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <cmath>

namespace tavik::art {
namespace {

constexpr double kPi = 3.14159265358979;

// Patterns are drawn in units of one pixel of the small back, so both sizes
// show the same design.
void latticePattern(QPainter& p, const QRectF& r) {  // Monday
    p.fillRect(r, QColor(28, 64, 150));
    p.setPen(QPen(QColor(130, 170, 235), 0.7));
    const double step = 6;
    const QPointF c = r.center();
    for (double k = -20; k <= 20; ++k) {
        p.drawLine(QPointF(c.x() + k * step - 60, c.y() - 60),
                   QPointF(c.x() + k * step + 60, c.y() + 60));
        p.drawLine(QPointF(c.x() + k * step + 60, c.y() - 60),
                   QPointF(c.x() + k * step - 60, c.y() + 60));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(235, 240, 255));
    for (double i = -12; i <= 12; ++i)
        for (double j = -12; j <= 12; ++j)
            p.drawEllipse(QPointF(c.x() + i * step, c.y() + j * step + step / 2), 0.9, 0.9);
}

void medallionPattern(QPainter& p, const QRectF& r) {  // Tuesday
    p.fillRect(r, QColor(168, 22, 34));
    p.setPen(QPen(QColor(220, 100, 105), 0.45));
    const QPointF c = r.center();
    for (double k = -40; k <= 40; ++k) {
        p.drawLine(QPointF(c.x() + k * 3 - 60, c.y() - 60),
                   QPointF(c.x() + k * 3 + 60, c.y() + 60));
        p.drawLine(QPointF(c.x() + k * 3 + 60, c.y() - 60),
                   QPointF(c.x() + k * 3 - 60, c.y() + 60));
    }
    p.setBrush(QColor(168, 22, 34));
    p.setPen(QPen(QColor(250, 235, 235), 1.2));
    p.drawEllipse(c, 15, 20);
    p.setPen(QPen(QColor(250, 235, 235), 0.6));
    p.drawEllipse(c, 12.5, 17.5);
    // A four-petal rosette in the medallion.
    p.setBrush(QColor(250, 235, 235));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        QTransform t;
        t.translate(c.x(), c.y());
        t.rotate(45 + i * 90);
        QPainterPath petal;
        petal.moveTo(0, 0);
        petal.cubicTo(-4, -4, -3, -10, 0, -11);
        petal.cubicTo(3, -10, 4, -4, 0, 0);
        p.drawPath(t.map(petal));
    }
    p.setBrush(QColor(230, 180, 60));
    p.drawEllipse(c, 2.2, 2.2);
}

void ringsPattern(QPainter& p, const QRectF& r) {  // Wednesday
    p.fillRect(r, QColor(22, 108, 58));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(140, 210, 160), 0.6));
    const QPointF c = r.center();
    const double step = 6;
    for (double i = -10; i <= 10; ++i)
        for (double j = -10; j <= 10; ++j) {
            const double x = c.x() + i * step + (std::fmod(std::abs(j), 2.0) == 1 ? step / 2 : 0);
            p.drawEllipse(QPointF(x, c.y() + j * step * 0.866), step * 0.58, step * 0.58);
        }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 245, 230));
    for (double i = -10; i <= 10; ++i)
        for (double j = -10; j <= 10; ++j) {
            const double x = c.x() + i * step + (std::fmod(std::abs(j), 2.0) == 1 ? step / 2 : 0);
            p.drawEllipse(QPointF(x, c.y() + j * step * 0.866), 0.7, 0.7);
        }
}

void chevronPattern(QPainter& p, const QRectF& r) {  // Thursday
    p.fillRect(r, QColor(88, 38, 128));
    const QPointF c = r.center();
    for (int row = -12; row <= 12; ++row) {
        QPainterPath zig;
        const double y = c.y() + row * 5;
        zig.moveTo(c.x() - 60, y);
        for (int k = -20; k <= 20; ++k) zig.lineTo(c.x() + k * 3, y + ((k % 2 == 0) ? -1.8 : 1.8));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(row % 2 == 0 ? QColor(245, 205, 90) : QColor(190, 150, 230), 0.9));
        p.drawPath(zig);
    }
}

void tartanPattern(QPainter& p, const QRectF& r) {  // Friday
    p.fillRect(r, QColor(20, 40, 92));
    const QPointF c = r.center();
    const QColor band(34, 110, 74, 150);
    for (int k = -6; k <= 6; ++k) {
        p.fillRect(QRectF(c.x() + k * 14 - 4, r.top(), 8, r.height()), band);
        p.fillRect(QRectF(r.left(), c.y() + k * 14 - 4, r.width(), 8), band);
    }
    for (int k = -6; k <= 6; ++k) {
        p.setPen(QPen(QColor(210, 50, 50), 0.8));
        p.drawLine(QPointF(c.x() + k * 14 + 7, r.top()), QPointF(c.x() + k * 14 + 7, r.bottom()));
        p.drawLine(QPointF(r.left(), c.y() + k * 14 + 7), QPointF(r.right(), c.y() + k * 14 + 7));
        p.setPen(QPen(QColor(240, 210, 80), 0.5));
        p.drawLine(QPointF(c.x() + k * 14, r.top()), QPointF(c.x() + k * 14, r.bottom()));
        p.drawLine(QPointF(r.left(), c.y() + k * 14), QPointF(r.right(), c.y() + k * 14));
    }
}

QPainterPath starPath(QPointF centre, double radius) {
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double a = i * kPi / 5;
        const double rr = (i % 2 == 0) ? radius : radius * 0.42;
        const QPointF pt(centre.x() + rr * std::sin(a), centre.y() - rr * std::cos(a));
        if (i == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    star.closeSubpath();
    return star;
}

void starsPattern(QPainter& p, const QRectF& r) {  // Saturday
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, QColor(14, 72, 96));
    sky.setColorAt(0.5, QColor(10, 44, 70));
    sky.setColorAt(1, QColor(14, 72, 96));
    p.fillRect(r, sky);
    const QPointF c = r.center();
    p.setPen(Qt::NoPen);
    for (int i = -6; i <= 6; ++i)
        for (int j = -8; j <= 8; ++j) {
            if ((i + j) % 2 != 0) continue;
            const QPointF at(c.x() + i * 7, c.y() + j * 7);
            if (std::hypot(at.x() - c.x(), (at.y() - c.y()) * 0.75) < 13) continue;
            p.setBrush(QColor(250, 215, 100));
            p.drawPath(starPath(at, 2.3));
        }
    // A crescent moon in the middle.
    QPainterPath moon;
    moon.addEllipse(c, 10, 10);
    QPainterPath bite;
    bite.addEllipse(c + QPointF(4.5, -2.5), 8.5, 8.5);
    p.setBrush(QColor(250, 235, 170));
    p.drawPath(moon.subtracted(bite));
}

void sunPattern(QPainter& p, const QRectF& r) {  // Sunday
    p.fillRect(r, QColor(196, 84, 18));
    const QPointF c = r.center();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(232, 150, 40));
    for (int i = 0; i < 24; i += 2) {
        QPainterPath ray;
        ray.moveTo(c);
        for (int k : {i, i + 1}) {
            const double a = k * 2 * kPi / 24;
            ray.lineTo(c.x() + 120 * std::sin(a), c.y() - 120 * std::cos(a));
        }
        ray.closeSubpath();
        p.drawPath(ray);
    }
    QRadialGradient glow(c, 16);
    glow.setColorAt(0, QColor(255, 236, 130));
    glow.setColorAt(0.6, QColor(250, 200, 60));
    glow.setColorAt(1, QColor(230, 150, 40, 0));
    p.setBrush(glow);
    p.drawEllipse(c, 16, 16);
    p.setBrush(QColor(252, 214, 80));
    p.setPen(QPen(QColor(170, 70, 10), 0.8));
    p.drawEllipse(c, 8, 8);
}

struct Palette {
    void (*pattern)(QPainter&, const QRectF&);
    QColor edge;  // the line around the pattern
};

const Palette kDays[7] = {
    {latticePattern, QColor(20, 40, 100)}, {medallionPattern, QColor(110, 10, 20)},
    {ringsPattern, QColor(10, 70, 36)},    {chevronPattern, QColor(60, 20, 90)},
    {tartanPattern, QColor(10, 24, 60)},   {starsPattern, QColor(8, 40, 56)},
    {sunPattern, QColor(130, 50, 10)},
};

QImage drawBack(int weekday, QSize size, bool large) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double unit = size.width() / 69.0;
    p.scale(unit, size.height() / 94.0);
    const QRectF card(0, 0, 69, 94);
    if (large) {
        p.setPen(QPen(QColor(70, 70, 70), 0.65));
        p.setBrush(Qt::white);
        p.drawRoundedRect(card.adjusted(0.33, 0.33, -0.33, -0.33), 4.3, 4.3);
    } else {
        p.fillRect(card, Qt::white);
    }
    const Palette& day = kDays[weekday - 1];
    const QRectF panel = card.adjusted(3.5, 3.5, -3.5, -3.5);
    QPainterPath clip;
    clip.addRoundedRect(panel, 2, 2);
    p.save();
    p.setClipPath(clip);
    day.pattern(p, panel);
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(day.edge, 0.9));
    p.drawRoundedRect(panel, 2, 2);
    p.setPen(QPen(QColor(255, 255, 255, 150), 0.5));
    p.drawRoundedRect(panel.adjusted(1.6, 1.6, -1.6, -1.6), 1.2, 1.2);
    p.end();
    if (large) return image.convertToFormat(QImage::Format_ARGB32);
    QImage small = image.convertToFormat(QImage::Format_RGB32);
    const int w = size.width() - 1, h = size.height() - 1;
    for (const QPoint pt : {QPoint(0, 0), QPoint(w, 0), QPoint(0, h), QPoint(w, h)})
        small.setPixel(pt, qRgb(150, 150, 150));
    return small;
}

}  // namespace

QImage drawBackDesign(int design, QSize size, bool large) {
    return drawBack(design, size, large);
}

QImage drawSmallBack(int weekday) {
    return drawBack(weekday, QSize(69, 94), false);
}
QImage drawLargeBack(int weekday) {
    return drawBack(weekday, QSize(146, 198), true);
}

QImage turnAcross(const QImage& back) {
    return back.transformed(QTransform().rotate(90));
}

QString backResourceStem(int weekday) {
    static const char* const kStems[] = {"Ob01Mo", "Ob02Tu", "Ob03We", "Ob04Th",
                                         "Ob05Fr", "Ob06Su", "Ob07Su"};
    return QString::fromLatin1(kStems[weekday - 1]);
}

}  // namespace tavik::art
