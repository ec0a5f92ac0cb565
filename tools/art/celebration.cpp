#include "tools/art/celebration.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "tools/art/draw_kit.h"
#include "tools/art/suit_paths.h"

namespace tavik::art {
namespace {

const QColor kGoldLight(255, 244, 160), kGold(232, 176, 30), kGoldDark(128, 84, 6);

QLinearGradient goldAcross(double left, double right) {
    return metalAcross(left, right, kGoldDark, kGoldLight, kGold);
}

const QColor kConfettiColours[] = {QColor(240, 60, 60), QColor(250, 200, 40), QColor(60, 170, 250),
                                   QColor(90, 210, 90), QColor(230, 90, 220), QColor(255, 140, 40)};

}  // namespace

void drawConfetti(QPainter& p, const QRectF& area, double t, std::uint32_t seed, int pieces,
                  bool withCards) {
    Dice dice(seed);
    for (int i = 0; i < pieces; ++i) {
        const double x0 = dice.range(area.left(), area.right());
        const double start = dice.unit();
        const int laps = 1 + int(dice.range(0, 2));  // whole laps keep the loop seamless
        const double sway = dice.range(2, 7);
        const double spin = dice.range(-1, 1) > 0 ? 1 : -1;
        const QColor colour = kConfettiColours[i % 6];
        const bool card = withCards && i % 7 == 0;
        double y = start + laps * t;
        y -= std::floor(y);
        const double h = area.height() + 24;
        const QPointF at(x0 + sway * std::sin(2 * kPi * (laps * t + start)),
                         area.top() - 12 + y * h);
        p.save();
        p.translate(at);
        p.rotate(spin * 360 * (laps * t + start));
        if (card) {
            p.setPen(QPen(QColor(60, 60, 60), 0.8));
            p.setBrush(Qt::white);
            p.drawRoundedRect(QRectF(-5, -7, 10, 14), 1.5, 1.5);
            const int suit = 1 + (i / 7) % 4;
            drawSuit(p, suit, QRectF(-3, -3, 6, 6), suit <= 2 ? QColor(210, 20, 30) : Qt::black);
        } else {
            // A paper strip seen turning: its width follows the spin.
            const double turn = std::abs(std::cos(2 * kPi * (laps * t + start) * 2));
            p.setPen(Qt::NoPen);
            p.setBrush(colour);
            p.drawRect(QRectF(-3 * std::max(0.35, turn), -1.8, 6 * std::max(0.35, turn), 3.6));
        }
        p.restore();
    }
}

void drawFirework(QPainter& p, QPointF centre, double radius, double age, const QColor& colour,
                  std::uint32_t seed) {
    if (age < 0 || age > 1) return;
    Dice dice(seed);
    const int sparks = 18;
    const double reach = radius * (1 - std::pow(1 - age, 2.2));
    const double size = 2.6 * (1 - age) + 0.9;
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < sparks; ++i) {
        const double a = 2 * kPi * i / sparks + dice.range(-0.1, 0.1);
        const double r = reach * dice.range(0.8, 1.05);
        const QPointF tip =
            centre + QPointF(std::cos(a), std::sin(a)) * r + QPointF(0, 10 * age * age);
        // A short trail behind every spark.
        p.setPen(QPen(colour.darker(120), size * 0.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(tip, centre + (tip - centre) * 0.72);
        p.setPen(Qt::NoPen);
        p.setBrush(i % 3 ? colour : colour.lighter(160));
        p.drawEllipse(tip, size, size);
    }
    if (age < 0.25) {
        p.setBrush(QColor(255, 255, 230));
        p.drawEllipse(centre, 5 * (1 - age * 4) + 1, 5 * (1 - age * 4) + 1);
    }
    p.restore();
}

void drawTrophy(QPainter& p, const QRectF& box) {
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / 60, box.height() / 70);
    p.setPen(QPen(kGoldDark, 3.4));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(2, 8, 18, 20), 90 * 16, 180 * 16);
    p.drawArc(QRectF(40, 8, 18, 20), 270 * 16, 180 * 16);
    p.setPen(QPen(kGold, 1.8));
    p.drawArc(QRectF(2, 8, 18, 20), 90 * 16, 180 * 16);
    p.drawArc(QRectF(40, 8, 18, 20), 270 * 16, 180 * 16);
    p.setPen(QPen(kGoldDark, 1));
    p.setBrush(goldAcross(10, 50));
    QPainterPath cup;
    cup.moveTo(10, 4);
    cup.lineTo(50, 4);
    cup.cubicTo(50, 26, 42, 36, 33, 38);
    cup.lineTo(27, 38);
    cup.cubicTo(18, 36, 10, 26, 10, 4);
    cup.closeSubpath();
    p.drawPath(cup);
    p.setBrush(goldAcross(8, 52));
    p.drawEllipse(QRectF(9, 1.5, 42, 6));
    p.setBrush(goldAcross(26, 34));
    p.drawRect(QRectF(26.5, 38, 7, 9));
    p.setBrush(goldAcross(18, 42));
    p.drawRoundedRect(QRectF(18, 46, 24, 5), 2, 2);
    p.setBrush(verticalGradient(QRectF(0, 51, 1, 17), QColor(120, 64, 30), QColor(60, 28, 12)));
    p.setPen(QPen(QColor(40, 18, 6), 1));
    p.drawRect(QRectF(14, 51, 32, 16));
    p.setPen(QPen(kGoldDark, 0.8));
    p.setBrush(goldAcross(20, 40));
    p.drawRect(QRectF(20, 55, 20, 8));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 252, 226));
    p.drawPath(starPath(QPointF(30, 19), 8, 0.42));
    p.restore();
}

void drawCrown(QPainter& p, const QRectF& box) {
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / 80, box.height() / 56);
    QPainterPath crown;
    crown.moveTo(8, 48);
    crown.lineTo(2, 14);
    crown.lineTo(20, 28);
    crown.lineTo(30, 6);
    crown.lineTo(40, 24);
    crown.lineTo(50, 6);
    crown.lineTo(60, 28);
    crown.lineTo(78, 14);
    crown.lineTo(72, 48);
    crown.closeSubpath();
    p.setPen(QPen(kGoldDark, 1.5));
    p.setBrush(goldAcross(0, 80));
    p.drawPath(crown);
    p.setBrush(goldAcross(4, 76));
    p.drawRoundedRect(QRectF(6, 44, 68, 10), 3, 3);
    p.setPen(QPen(QColor(255, 255, 255, 150), 1));
    for (const QPointF tip : {QPointF(2, 14), QPointF(30, 6), QPointF(50, 6), QPointF(78, 14)}) {
        p.setBrush(kGoldLight);
        p.drawEllipse(tip, 3.2, 3.2);
    }
    const QColor jewels[] = {QColor(220, 20, 40), QColor(30, 100, 220), QColor(30, 170, 80)};
    for (int i = 0; i < 5; ++i) {
        p.setPen(QPen(QColor(0, 0, 0, 120), 0.8));
        p.setBrush(jewels[i % 3]);
        p.drawEllipse(QPointF(16 + i * 12, 49), 3, 3);
    }
    p.setBrush(QColor(220, 20, 40));
    p.drawEllipse(QPointF(40, 35), 5, 6);
    p.restore();
}

void drawSadFace(QPainter& p, QPointF c, double r, double tear) {
    p.save();
    QRadialGradient skin(c + QPointF(-r * 0.35, -r * 0.4), r * 1.5);
    skin.setColorAt(0, QColor(255, 240, 150));
    skin.setColorAt(0.7, QColor(250, 196, 40));
    skin.setColorAt(1, QColor(210, 140, 10));
    p.setPen(QPen(QColor(120, 70, 0), r * 0.06));
    p.setBrush(skin);
    p.drawEllipse(c, r, r);
    // Brows raised in the middle, eyes looking down, the mouth turned down.
    p.setPen(QPen(QColor(80, 40, 0), r * 0.07, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-r * 0.55, -r * 0.3), c + QPointF(-r * 0.18, -r * 0.46));
    p.drawLine(c + QPointF(r * 0.55, -r * 0.3), c + QPointF(r * 0.18, -r * 0.46));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 40, 10));
    p.drawEllipse(c + QPointF(-r * 0.33, -r * 0.08), r * 0.1, r * 0.15);
    p.drawEllipse(c + QPointF(r * 0.33, -r * 0.08), r * 0.1, r * 0.15);
    p.setPen(QPen(QColor(80, 40, 0), r * 0.08, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - r * 0.4, c.y() + r * 0.38, r * 0.8, r * 0.5), 20 * 16, 140 * 16);
    // The tear: wells under the left eye, runs down the cheek, drops off.
    if (tear >= 0 && tear <= 1) {
        const QPointF eye = c + QPointF(-r * 0.36, r * 0.12);
        const double grow = std::min(1.0, tear / 0.3);
        const double run = std::clamp((tear - 0.3) / 0.5, 0.0, 1.0);
        const double fall = std::max(0.0, (tear - 0.8) / 0.2);
        const QPointF at = eye + QPointF(-r * 0.08 * run, r * 0.62 * run + r * 0.9 * fall * fall);
        const double size = r * 0.13 * (0.4 + 0.6 * grow);
        QPainterPath drop;
        drop.moveTo(at + QPointF(0, -size * 1.9));
        drop.cubicTo(at + QPointF(size * 0.4, -size), at + QPointF(size, -size * 0.3),
                     at + QPointF(size, size * 0.1));
        drop.arcTo(QRectF(at.x() - size, at.y() - size * 0.9, 2 * size, 2 * size), 0, -180);
        drop.cubicTo(at + QPointF(-size, -size * 0.3), at + QPointF(-size * 0.4, -size),
                     at + QPointF(0, -size * 1.9));
        p.setPen(QPen(QColor(20, 90, 190), r * 0.03));
        p.setBrush(
            verticalGradient(drop.boundingRect(), QColor(200, 236, 255), QColor(70, 160, 250)));
        p.drawPath(drop);
    }
    p.restore();
}

void drawRainCloud(QPainter& p, const QRectF& cloud, double groundY, double t) {
    p.save();
    // Rain first, so the cloud covers where the drops start.
    Dice dice(41);
    p.setPen(QPen(QColor(120, 170, 230), 1.6, Qt::SolidLine, Qt::RoundCap));
    const double fallHeight = groundY - cloud.center().y();
    for (int i = 0; i < 14; ++i) {
        const double x =
            dice.range(cloud.left() + cloud.width() * 0.1, cloud.right() - cloud.width() * 0.1);
        const double start = dice.unit();
        double y = start + 2 * t;
        y -= std::floor(y);
        const QPointF top(x - y * 6, cloud.center().y() + y * fallHeight);
        p.drawLine(top, top + QPointF(-1.5, 6));
    }
    QPainterPath shape;
    const double w = cloud.width(), h = cloud.height();
    shape.addEllipse(QRectF(cloud.left(), cloud.top() + h * 0.35, w * 0.45, h * 0.6));
    shape.addEllipse(QRectF(cloud.left() + w * 0.2, cloud.top(), w * 0.45, h * 0.8));
    shape.addEllipse(QRectF(cloud.left() + w * 0.45, cloud.top() + h * 0.15, w * 0.4, h * 0.7));
    shape.addEllipse(QRectF(cloud.left() + w * 0.6, cloud.top() + h * 0.4, w * 0.4, h * 0.55));
    shape.setFillRule(Qt::WindingFill);
    p.setPen(QPen(QColor(70, 76, 90), 1.2));
    p.setBrush(verticalGradient(cloud, QColor(200, 206, 218), QColor(110, 116, 132)));
    p.drawPath(shape.simplified());
    p.restore();
}

}  // namespace tavik::art
