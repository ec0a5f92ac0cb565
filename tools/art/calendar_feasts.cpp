// The church feasts and the pictures from nature of the calendar library.
#include "tools/art/calendar_feasts.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "tools/art/calendar_art.h"
#include "tools/art/draw_kit.h"

namespace tavik::art::feasts {
namespace {

using namespace calendar_kit;

const QColor kGoldLight(255, 236, 150);
const QColor kGoldDark(200, 140, 20);
const QColor kGoldRim(120, 70, 0);

template <typename Paint>
QImage picture(Paint&& paint) {
    return paintPicture(kCalendarPicture, paint);
}

// Rays of light from a point.
void rays(QPainter& p, QPointF c, double r, int count, const QColor& colour) {
    for (int i = 0; i < count; ++i) {
        const double a = i * 2 * kPi / count;
        QPainterPath ray;
        ray.moveTo(c);
        ray.lineTo(c + QPointF(std::cos(a - 0.06), std::sin(a - 0.06)) * r);
        ray.lineTo(c + QPointF(std::cos(a + 0.06), std::sin(a + 0.06)) * r);
        ray.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawPath(ray);
    }
}

QPainterPath crossPath(QPointF c, double height, bool orthodox) {
    QPainterPath path;
    const double w = height * 0.12, top = c.y() - height / 2;
    path.addRect(QRectF(c.x() - w / 2, top, w, height));
    path.addRect(QRectF(c.x() - height * 0.32, top + height * 0.28, height * 0.64, w));
    if (orthodox) {
        path.addRect(QRectF(c.x() - height * 0.16, top + height * 0.1, height * 0.32, w * 0.8));
        // The slanted foot bar.
        QPainterPath foot;
        foot.addRect(QRectF(-height * 0.2, -w * 0.4, height * 0.4, w * 0.8));
        QTransform t;
        t.translate(c.x(), top + height * 0.74);
        t.rotate(-20);
        path.addPath(t.map(foot));
    }
    return path.simplified();
}

// A golden onion dome with its cross.
void onionDome(QPainter& p, QPointF base, double r, const QColor& colour) {
    QPainterPath dome;
    dome.moveTo(base + QPointF(-r, 0));
    dome.cubicTo(base + QPointF(-r * 1.3, -r * 1.2), base + QPointF(-r * 0.2, -r * 1.4),
                 base + QPointF(0, -r * 2.2));
    dome.cubicTo(base + QPointF(r * 0.2, -r * 1.4), base + QPointF(r * 1.3, -r * 1.2),
                 base + QPointF(r, 0));
    dome.closeSubpath();
    paintShape(p, dome, colour.lighter(150), colour.darker(140), colour.darker(220), 0.6);
    p.setPen(QPen(kGoldDark, 1));
    const QPointF top = base + QPointF(0, -r * 2.2);
    p.drawLine(top, top + QPointF(0, -5));
    p.drawLine(top + QPointF(-2, -3.5), top + QPointF(2, -3.5));
}

void flame(QPainter& p, QPointF base, double w, double h) {
    QRadialGradient glow(base + QPointF(0, -h * 0.5), h * 1.3);
    glow.setColorAt(0, QColor(255, 230, 120, 150));
    glow.setColorAt(1, QColor(255, 200, 80, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(base + QPointF(0, -h * 0.5), h * 1.3, h * 1.3);
    QPainterPath f;
    f.moveTo(base);
    f.cubicTo(base + QPointF(-w, -h * 0.3), base + QPointF(-w * 0.3, -h * 0.7),
              base + QPointF(0, -h));
    f.cubicTo(base + QPointF(w * 0.3, -h * 0.7), base + QPointF(w, -h * 0.3), base);
    p.setBrush(verticalGradient(f.boundingRect(), QColor(255, 250, 200), QColor(255, 140, 0)));
    p.drawPath(f);
}

}  // namespace

QImage orthodoxCross() {
    return picture([](QPainter& p) {
        tile(p, QColor(70, 110, 200), QColor(20, 40, 110));
        rays(p, QPointF(27, 34), 30, 16, QColor(255, 240, 180, 50));
        paintShape(p, crossPath(QPointF(27, 36), 52, true), kGoldLight, kGoldDark, kGoldRim, 0.8);
    });
}

QImage latinCross() {
    return picture([](QPainter& p) {
        tile(p, QColor(150, 60, 170), QColor(70, 20, 90));
        rays(p, QPointF(27, 28), 30, 16, QColor(255, 240, 200, 55));
        paintShape(p, crossPath(QPointF(27, 36), 52, false), kGoldLight, kGoldDark, kGoldRim, 0.8);
    });
}

QImage church() {
    return picture([](QPainter& p) {
        tile(p, QColor(170, 215, 255), QColor(230, 245, 255));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(110, 170, 90));
        p.drawRect(QRectF(1, 62, 52, 7));
        paintShape(
            p,
            [] {
                QPainterPath b;
                b.addRect(QRectF(10, 38, 34, 25));
                b.addRect(QRectF(20, 26, 14, 14));
                return b.simplified();
            }(),
            QColor(255, 255, 255), QColor(220, 215, 200), QColor(120, 110, 100), 0.8);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(90, 60, 40));
        p.drawRoundedRect(QRectF(24, 50, 6, 13), 3, 3);
        p.setBrush(QColor(80, 120, 180));
        for (double x : {14.0, 37.0}) p.drawRoundedRect(QRectF(x, 43, 3.5, 7), 1.7, 1.7);
        p.drawRoundedRect(QRectF(25.3, 30, 3.5, 6), 1.7, 1.7);
        onionDome(p, QPointF(27, 26), 7, QColor(230, 170, 30));
        onionDome(p, QPointF(14, 38), 4, QColor(40, 90, 190));
        onionDome(p, QPointF(40, 38), 4, QColor(40, 90, 190));
    });
}

QImage cathedral() {
    return picture([](QPainter& p) {
        tile(p, QColor(255, 225, 190), QColor(240, 170, 120));
        QPainterPath b;
        b.addRect(QRectF(8, 30, 10, 34));
        b.addRect(QRectF(36, 30, 10, 34));
        b.addRect(QRectF(16, 38, 22, 26));
        for (double x : {8.0, 36.0}) {
            b.moveTo(x, 30);
            b.lineTo(x + 5, 8);
            b.lineTo(x + 10, 30);
        }
        b.moveTo(16, 38);
        b.lineTo(27, 26);
        b.lineTo(38, 38);
        paintShape(p, b.simplified(), QColor(240, 235, 225), QColor(180, 170, 155),
                   QColor(90, 80, 70), 0.8);
        // The rose window and the portal.
        QRadialGradient rose(QPointF(27, 44), 5);
        rose.setColorAt(0, QColor(255, 240, 120));
        rose.setColorAt(0.5, QColor(220, 60, 90));
        rose.setColorAt(1, QColor(60, 70, 170));
        p.setPen(QPen(QColor(90, 80, 70), 0.6));
        p.setBrush(rose);
        p.drawEllipse(QPointF(27, 44), 4.5, 4.5);
        QPainterPath door;
        door.moveTo(23, 64);
        door.lineTo(23, 56);
        door.quadTo(27, 50, 31, 56);
        door.lineTo(31, 64);
        p.setBrush(QColor(90, 55, 35));
        p.drawPath(door);
        p.setBrush(QColor(70, 90, 160));
        for (double x : {11.5, 39.5}) p.drawRoundedRect(QRectF(x, 36, 3, 9), 1.5, 1.5);
    });
}

QImage easterEgg() {
    return picture([](QPainter& p) {
        tile(p, QColor(230, 250, 210), QColor(160, 215, 120));
        QPainterPath egg;
        egg.moveTo(27, 12);
        egg.cubicTo(43, 12, 46, 46, 43, 52);
        egg.cubicTo(39, 64, 15, 64, 11, 52);
        egg.cubicTo(8, 46, 11, 12, 27, 12);
        paintShape(p, egg, QColor(250, 80, 70), QColor(170, 10, 20), QColor(100, 0, 0), 0.8);
        p.save();
        p.setClipPath(egg);
        p.setPen(QPen(QColor(255, 215, 70), 2.2));
        p.drawLine(QPointF(5, 36), QPointF(50, 36));
        p.setPen(QPen(QColor(255, 255, 255), 1.2));
        QPainterPath zig;
        zig.moveTo(8, 44);
        for (int i = 0; i < 10; ++i) zig.lineTo(10 + i * 4, i % 2 ? 44 : 48);
        p.setBrush(Qt::NoBrush);
        p.drawPath(zig);
        p.drawPath(zig.translated(0, -18));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 215, 70));
        for (double x : {17.0, 27.0, 37.0}) p.drawEllipse(QPointF(x, 54), 1.8, 1.8);
        p.setBrush(QColor(255, 255, 255, 110));
        p.drawEllipse(QPointF(20, 22), 3, 5);
        p.restore();
        // "ХВ" as on a painted egg.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 235, 130));
        p.drawPath(fittedText(QStringLiteral("ХВ"), QStringLiteral("DejaVu Serif"),
                              QRectF(19, 27, 16, 7), true));
    });
}

QImage willowBranch() {
    return picture([](QPainter& p) {
        tile(p, QColor(235, 245, 255), QColor(190, 210, 240));
        for (int b = 0; b < 3; ++b) {
            const double dx = (b - 1) * 8;
            QPainterPath stem;
            stem.moveTo(27 + dx * 0.3, 66);
            stem.quadTo(27 + dx, 40, 27 + dx * 1.6, 10);
            p.setPen(QPen(QColor(140, 50, 40), 1.6));
            p.setBrush(Qt::NoBrush);
            p.drawPath(stem);
            for (int i = 1; i < 7; ++i) {
                const QPointF at = stem.pointAtPercent(0.15 + i * 0.13);
                const double side = i % 2 ? 1 : -1;
                QRadialGradient fluff(at + QPointF(side * 2, -1), 4);
                fluff.setColorAt(0, QColor(255, 255, 255));
                fluff.setColorAt(1, QColor(200, 200, 210));
                p.setPen(Qt::NoPen);
                p.setBrush(fluff);
                p.drawEllipse(at + QPointF(side * 2.5, 0), 2.6, 3.6);
            }
        }
    });
}

QImage ascension() {
    return picture([](QPainter& p) {
        tile(p, QColor(120, 180, 250), QColor(220, 240, 255));
        rays(p, QPointF(27, 10), 60, 18, QColor(255, 250, 200, 90));
        QRadialGradient sun(QPointF(27, 10), 12);
        sun.setColorAt(0, QColor(255, 255, 230));
        sun.setColorAt(1, QColor(255, 230, 120, 0));
        p.setBrush(sun);
        p.drawEllipse(QPointF(27, 10), 12, 12);
        p.setBrush(QColor(255, 255, 255));
        for (const QRectF c : {QRectF(4, 46, 22, 12), QRectF(16, 42, 24, 16),
                               QRectF(30, 46, 20, 12), QRectF(8, 52, 40, 10)})
            p.drawEllipse(c);
        paintShape(p, crossPath(QPointF(27, 29), 24, false), kGoldLight, kGoldDark, kGoldRim, 0.6);
    });
}

QImage birch() {
    return picture([](QPainter& p) {
        tile(p, QColor(225, 250, 215), QColor(140, 205, 120));
        for (const auto& [x, lean] : {std::pair{17.0, -2.0}, std::pair{33.0, 3.0}}) {
            QPainterPath trunk;
            trunk.moveTo(x - 2.5, 66);
            trunk.lineTo(x + lean - 1.5, 8);
            trunk.lineTo(x + lean + 1.5, 8);
            trunk.lineTo(x + 2.5, 66);
            p.setPen(QPen(QColor(120, 120, 110), 0.6));
            p.setBrush(QColor(250, 250, 245));
            p.drawPath(trunk);
            p.setPen(QPen(QColor(40, 40, 40), 1.2));
            for (int i = 0; i < 6; ++i) {
                const double y = 16 + i * 8;
                const double cx = x + lean * (66 - y) / 58;
                p.drawLine(QPointF(cx - 1.8, y), QPointF(cx + (i % 2 ? 0.4 : -0.4), y + 1));
            }
        }
        Dice dice(7);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 40; ++i) {
            const QPointF c(dice.range(4, 50), dice.range(6, 38));
            p.setBrush(QColor(40 + int(dice.range(0, 60)), 150 + int(dice.range(0, 60)), 50));
            p.drawEllipse(c, 2.4, 1.6);
        }
    });
}

QImage bethlehemStar() {
    return picture([](QPainter& p) {
        tile(p, QColor(20, 30, 90), QColor(50, 40, 120));
        Dice dice(3);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 180));
        for (int i = 0; i < 14; ++i)
            p.drawEllipse(QPointF(dice.range(4, 50), dice.range(4, 66)), 0.6, 0.6);
        QRadialGradient glow(QPointF(27, 30), 22);
        glow.setColorAt(0, QColor(255, 250, 200, 180));
        glow.setColorAt(1, QColor(255, 230, 150, 0));
        p.setBrush(glow);
        p.drawEllipse(QPointF(27, 30), 22, 22);
        QPainterPath star;
        const QPointF c(27, 30);
        for (int i = 0; i < 16; ++i) {
            const double a = i * kPi / 8 - kPi / 2;
            const double r = i % 4 == 0 ? (i == 8 ? 34 : 20) : (i % 2 ? 4 : 9);
            const QPointF pt = c + QPointF(std::cos(a), std::sin(a)) * r;
            i ? star.lineTo(pt) : star.moveTo(pt);
        }
        star.closeSubpath();
        paintShape(p, star, QColor(255, 255, 230), QColor(250, 200, 60), QColor(200, 140, 0), 0.6);
    });
}

QImage epiphany() {
    return picture([](QPainter& p) {
        tile(p, QColor(220, 240, 255), QColor(150, 200, 240));
        paintShape(p, crossPath(QPointF(27, 26), 34, true), kGoldLight, kGoldDark, kGoldRim, 0.6);
        for (int i = 0; i < 3; ++i) {
            QPainterPath wave;
            const double y = 48 + i * 6;
            wave.moveTo(2, y);
            for (int k = 0; k < 5; ++k) wave.quadTo(7 + k * 11, y - 4, 12 + k * 11, y);
            wave.lineTo(52, 69);
            wave.lineTo(2, 69);
            wave.closeSubpath();
            p.setPen(QPen(QColor(255, 255, 255, 180), 1));
            p.setBrush(QColor(30 + i * 20, 110 + i * 20, 200 - i * 20, 220));
            p.drawPath(wave);
        }
    });
}

QImage lily() {
    return picture([](QPainter& p) {
        tile(p, QColor(200, 225, 255), QColor(130, 170, 230));
        p.setPen(QPen(QColor(50, 140, 60), 2));
        p.drawLine(QPointF(27, 40), QPointF(27, 66));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 160, 70));
        p.drawEllipse(QRectF(28, 50, 12, 4));
        for (int i = 0; i < 6; ++i) {
            p.save();
            p.translate(27, 30);
            p.rotate(i * 60);
            QPainterPath petal;
            petal.moveTo(0, 0);
            petal.cubicTo(5, -6, 3, -16, 0, -20);
            petal.cubicTo(-3, -16, -5, -6, 0, 0);
            paintShape(p, petal, QColor(255, 255, 255), QColor(230, 225, 240),
                       QColor(150, 140, 170), 0.6);
            p.restore();
        }
        p.setBrush(QColor(240, 170, 40));
        for (int i = 0; i < 6; ++i)
            p.drawEllipse(QPointF(27 + 5 * std::cos(i * kPi / 3), 30 + 5 * std::sin(i * kPi / 3)),
                          1.3, 1.3);
    });
}

QImage keys() {
    return picture([](QPainter& p) {
        tile(p, QColor(200, 30, 40), QColor(110, 10, 20));
        for (int side : {-1, 1}) {
            p.save();
            p.translate(27, 36);
            p.rotate(side * 35);
            QPainterPath key;
            key.addEllipse(QPointF(0, 20), 6, 6);
            key.addRect(QRectF(-1.6, -24, 3.2, 40));
            key.addRect(QRectF(1.6, -24, 6, 3.5));
            key.addRect(QRectF(1.6, -18, 4.5, 3.5));
            QPainterPath hole;
            hole.addEllipse(QPointF(0, 20), 2.6, 2.6);
            const QColor light = side < 0 ? kGoldLight : QColor(245, 245, 250);
            const QColor dark = side < 0 ? kGoldDark : QColor(150, 155, 170);
            paintShape(p, key.simplified().subtracted(hole), light, dark, dark.darker(170), 0.7);
            p.restore();
        }
    });
}

QImage candle() {
    return picture([](QPainter& p) {
        tile(p, QColor(60, 50, 90), QColor(25, 20, 45));
        const QRectF wax(20, 30, 14, 34);
        p.setPen(QPen(QColor(150, 120, 80), 0.6));
        p.setBrush(metalAcross(20, 34, QColor(220, 200, 160), QColor(255, 252, 235),
                               QColor(245, 235, 200)));
        p.drawRect(wax);
        p.setBrush(QColor(255, 250, 230));
        p.drawEllipse(QRectF(20, 28, 14, 4));
        p.setPen(QPen(QColor(40, 30, 20), 1));
        p.drawLine(QPointF(27, 30), QPointF(27, 26));
        flame(p, QPointF(27, 27), 4.5, 15);
        p.setPen(QPen(QColor(180, 140, 60), 1));
        p.setBrush(
            metalAcross(12, 42, QColor(140, 100, 20), QColor(255, 230, 120), QColor(210, 160, 40)));
        p.drawRoundedRect(QRectF(12, 62, 30, 5), 2, 2);
    });
}

QImage firTree() {
    return picture([](QPainter& p) {
        tile(p, QColor(30, 50, 110), QColor(80, 120, 190));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255));
        p.drawEllipse(QRectF(-6, 60, 66, 16));
        p.setBrush(QColor(110, 70, 40));
        p.drawRect(QRectF(24, 56, 6, 7));
        for (int i = 0; i < 3; ++i) {
            const double top = 12 + i * 12, half = 10 + i * 5;
            QPainterPath tier;
            tier.moveTo(27, top);
            tier.lineTo(27 + half, top + 18);
            tier.quadTo(27, top + 15, 27 - half, top + 18);
            tier.closeSubpath();
            paintShape(p, tier, QColor(60, 180, 80), QColor(10, 100, 40), QColor(0, 60, 20), 0.6);
        }
        const QColor balls[] = {QColor(255, 60, 60), QColor(255, 210, 40), QColor(80, 170, 255),
                                QColor(255, 110, 220)};
        const QPointF at[] = {{22, 28}, {32, 38}, {20, 47}, {35, 52}, {27, 42}, {16, 55}};
        for (int i = 0; i < 6; ++i) {
            p.setBrush(balls[i % 4]);
            p.drawEllipse(at[i], 2, 2);
        }
        paintShape(p, starPath(QPointF(27, 11), 6), QColor(255, 245, 150), QColor(240, 170, 0),
                   QColor(150, 90, 0), 0.5);
    });
}

QImage chamomile() {
    return picture([](QPainter& p) {
        tile(p, QColor(190, 230, 255), QColor(120, 190, 110));
        p.setPen(QPen(QColor(60, 140, 60), 2));
        p.drawLine(QPointF(27, 40), QPointF(24, 66));
        for (int i = 0; i < 14; ++i) {
            p.save();
            p.translate(27, 30);
            p.rotate(i * 360.0 / 14);
            p.setPen(QPen(QColor(180, 180, 190), 0.5));
            p.setBrush(QColor(255, 255, 255));
            p.drawEllipse(QRectF(-2.6, -20, 5.2, 14));
            p.restore();
        }
        QRadialGradient g(QPointF(25, 28), 8);
        g.setColorAt(0, QColor(255, 240, 100));
        g.setColorAt(1, QColor(230, 160, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(QPointF(27, 30), 6.5, 6.5);
    });
}

QImage poppy() {
    return picture([](QPainter& p) {
        tile(p, QColor(240, 240, 230), QColor(200, 200, 185));
        p.setPen(QPen(QColor(50, 120, 50), 2));
        p.drawLine(QPointF(27, 44), QPointF(30, 66));
        for (int i = 0; i < 4; ++i) {
            const double a = i * kPi / 2 + kPi / 4;
            const QPointF c(27 + 8 * std::cos(a), 30 + 8 * std::sin(a));
            QRadialGradient g(c, 12);
            g.setColorAt(0, QColor(255, 70, 50));
            g.setColorAt(1, QColor(180, 0, 10));
            p.setPen(QPen(QColor(120, 0, 0), 0.6));
            p.setBrush(g);
            p.drawEllipse(c, 11, 11);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(20, 20, 20));
        p.drawEllipse(QPointF(27, 30), 5, 5);
        p.setBrush(QColor(80, 120, 40));
        p.drawEllipse(QPointF(27, 30), 2, 2);
    });
}

QImage apple() {
    return picture([](QPainter& p) {
        tile(p, QColor(255, 245, 210), QColor(240, 210, 140));
        QPainterPath a;
        a.moveTo(27, 24);
        a.cubicTo(36, 16, 48, 24, 46, 40);
        a.cubicTo(44, 56, 34, 64, 27, 60);
        a.cubicTo(20, 64, 10, 56, 8, 40);
        a.cubicTo(6, 24, 18, 16, 27, 24);
        paintShape(p, a, QColor(255, 90, 70), QColor(170, 10, 20), QColor(100, 0, 0), 0.8);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 140));
        p.drawEllipse(QPointF(17, 32), 3, 5);
        p.setPen(QPen(QColor(100, 60, 20), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(27, 25), QPointF(29, 14));
        QPainterPath leaf;
        leaf.moveTo(29, 17);
        leaf.quadTo(36, 8, 42, 13);
        leaf.quadTo(36, 20, 29, 17);
        paintShape(p, leaf, QColor(120, 210, 80), QColor(30, 130, 40), QColor(20, 80, 20), 0.6);
    });
}

QImage leaves() {
    return picture([](QPainter& p) {
        tile(p, QColor(255, 235, 200), QColor(235, 180, 120));
        const struct {
            QPointF c;
            double angle;
            QColor colour;
        } l[] = {{{20, 26}, -30, QColor(230, 80, 20)},
                 {{34, 38}, 40, QColor(240, 180, 20)},
                 {{22, 52}, 10, QColor(190, 40, 30)}};
        for (const auto& x : l) {
            p.save();
            p.translate(x.c);
            p.rotate(x.angle);
            QPainterPath leaf;
            leaf.moveTo(0, -14);
            leaf.cubicTo(12, -6, 8, 8, 0, 13);
            leaf.cubicTo(-8, 8, -12, -6, 0, -14);
            paintShape(p, leaf, x.colour.lighter(130), x.colour.darker(130), x.colour.darker(200),
                       0.6);
            p.setPen(QPen(x.colour.darker(180), 0.8));
            p.drawLine(QPointF(0, -12), QPointF(0, 17));
            for (int k = -1; k <= 1; ++k) {
                p.drawLine(QPointF(0, k * 5), QPointF(5, k * 5 - 4));
                p.drawLine(QPointF(0, k * 5), QPointF(-5, k * 5 - 4));
            }
            p.restore();
        }
    });
}

}  // namespace tavik::art::feasts
