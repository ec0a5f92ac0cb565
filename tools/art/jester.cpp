#include "tools/art/jester.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <cmath>

#include "tools/art/draw_kit.h"

namespace tavik::art {
namespace {

const QColor kSkin(255, 222, 190), kOutline(50, 30, 30), kGold(250, 200, 50);

QPointF polar(QPointF from, double length, double degreesFromDown) {
    const double a = degreesFromDown * kPi / 180;
    return from + QPointF(std::sin(a), std::cos(a)) * length;
}

// A limb as a thick stroke with an outline: upper part then lower part.
void limb(QPainter& p, const QPointF& a, const QPointF& b, const QPointF& c, const QColor& colour,
          double width) {
    QPainterPath path;
    path.moveTo(a);
    path.lineTo(b);
    path.lineTo(c);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kOutline, width + 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

void bell(QPainter& p, QPointF c, double r) {
    p.setPen(QPen(QColor(140, 100, 10), 0.9));
    QRadialGradient g(c + QPointF(-r * 0.4, -r * 0.4), r * 1.6);
    g.setColorAt(0, QColor(255, 248, 190));
    g.setColorAt(1, kGold.darker(130));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

// The cap: three floppy horns in alternating colours, a bell on every tip, and a
// band round the head.
void drawCap(QPainter& p, const JesterLook& look, QPointF head) {
    const struct {
        QPointF tip;
        QPointF pull;
        const QColor* colour;
    } horns[] = {{head + QPointF(-30, -2), head + QPointF(-26, -26), &look.first},
                 {head + QPointF(30, -2), head + QPointF(26, -26), &look.first},
                 {head + QPointF(5, -38), head + QPointF(-10, -30), &look.second}};
    for (const auto& horn : horns) {
        QPainterPath path;
        path.moveTo(head + QPointF(-11, -6));
        path.quadTo(horn.pull, horn.tip);
        path.quadTo((horn.pull + head) / 2 + QPointF(0, 6), head + QPointF(11, -6));
        path.closeSubpath();
        p.setPen(QPen(kOutline, 1.3));
        p.setBrush(verticalGradient(path.boundingRect(), horn.colour->lighter(125),
                                    horn.colour->darker(115)));
        p.drawPath(path);
        bell(p, horn.tip, 3.6);
    }
    QPainterPath band;
    band.addRoundedRect(QRectF(head.x() - 14, head.y() - 9, 28, 6), 3, 3);
    p.setPen(QPen(kOutline, 1.1));
    p.setBrush(kGold);
    p.drawPath(band);
}

void drawFace(QPainter& p, const JesterPose& pose, QPointF c) {
    p.setPen(QPen(kOutline, 1.3));
    QRadialGradient skin(c + QPointF(-4, -4), 16);
    skin.setColorAt(0, kSkin.lighter(108));
    skin.setColorAt(1, kSkin.darker(108));
    p.setBrush(skin);
    p.drawEllipse(c, 12.5, 13);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 140, 140, 150));
    p.drawEllipse(c + QPointF(-7, 4), 3, 2.2);
    p.drawEllipse(c + QPointF(7, 4), 3, 2.2);
    p.setPen(QPen(kOutline, 1.4, Qt::SolidLine, Qt::RoundCap));
    for (double dx : {-4.5, 4.5}) {
        if (pose.eyesClosed) {
            p.drawLine(c + QPointF(dx - 2, -1), c + QPointF(dx + 2, -1));
        } else {
            p.setBrush(kOutline);
            p.drawEllipse(c + QPointF(dx, -1.5), 1.3, 1.8);
        }
    }
    p.setBrush(QColor(240, 120, 110));
    p.setPen(QPen(kOutline, 0.8));
    p.drawEllipse(c + QPointF(0, 2.5), 2.2, 1.9);  // the nose
    p.setPen(QPen(kOutline, 1.3, Qt::SolidLine, Qt::RoundCap));
    if (pose.mouthOpen) {
        p.setBrush(QColor(160, 40, 40));
        p.drawEllipse(c + QPointF(0, 8), 2.8, 2.4);
    } else {
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(c.x() - 5, c.y() + 2.5, 10, 7), 200 * 16, 140 * 16);
    }
}

// The tunic: a harlequin pattern of diamonds in the two colours with a pointed hem.
void drawTunic(QPainter& p, const JesterLook& look, double top, double hem) {
    QPainterPath body;
    body.moveTo(37, top);
    body.lineTo(63, top);
    body.lineTo(68, hem - 4);
    for (int i = 0; i < 5; ++i) {
        const double x = 68 - i * 9;
        body.lineTo(x - 4.5, hem + 3);
        body.lineTo(x - 9, hem - 4);
    }
    body.closeSubpath();
    p.save();
    p.setClipPath(body);
    p.fillRect(body.boundingRect(), look.first);
    p.setPen(Qt::NoPen);
    p.setBrush(look.second);
    for (int row = 0; row < 6; ++row)
        for (int col = 0; col < 5; ++col) {
            const double x = 32 + col * 9 + (row % 2) * 4.5, y = top + row * 8;
            QPainterPath d;
            d.moveTo(x, y - 4);
            d.lineTo(x + 4.5, y);
            d.lineTo(x, y + 4);
            d.lineTo(x - 4.5, y);
            d.closeSubpath();
            p.drawPath(d);
        }
    // Shading from the left light.
    QLinearGradient shade(QPointF(32, 0), QPointF(68, 0));
    shade.setColorAt(0, QColor(255, 255, 255, 60));
    shade.setColorAt(0.5, QColor(255, 255, 255, 0));
    shade.setColorAt(1, QColor(0, 0, 0, 70));
    p.fillRect(body.boundingRect(), shade);
    p.restore();
    p.setPen(QPen(kOutline, 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);
    // Belt.
    p.setBrush(QColor(90, 50, 20));
    p.drawRect(QRectF(35, hem - 20, 30, 4));
    p.setBrush(kGold);
    p.drawRect(QRectF(47.5, hem - 20.5, 5, 5));
}

void drawCollar(QPainter& p, const JesterLook& look, QPointF neck) {
    for (int i = 0; i < 6; ++i) {
        const double a = -62 + i * 24.8;
        const double rad = a * kPi / 180;
        QPainterPath point;
        const QPointF tip = neck + QPointF(std::sin(rad) * 17, std::cos(rad) * 9 + 4);
        point.moveTo(neck + QPointF(std::sin(rad - 0.3) * 7, -1));
        point.lineTo(tip);
        point.lineTo(neck + QPointF(std::sin(rad + 0.3) * 7, -1));
        point.closeSubpath();
        p.setPen(QPen(kOutline, 1));
        p.setBrush(i % 2 ? look.first : look.second);
        p.drawPath(point);
        bell(p, tip, 1.8);
    }
}

void drawShoe(QPainter& p, QPointF heel, bool facingLeft, const QColor& colour) {
    const double s = facingLeft ? -1 : 1;
    QPainterPath shoe;
    shoe.moveTo(heel + QPointF(-3 * s, -4));
    shoe.quadTo(heel + QPointF(6 * s, -6), heel + QPointF(12 * s, -6));
    shoe.quadTo(heel + QPointF(13 * s, -3), heel + QPointF(10 * s, 0));
    shoe.lineTo(heel + QPointF(-3 * s, 0));
    shoe.closeSubpath();
    p.setPen(QPen(kOutline, 1.1));
    p.setBrush(colour);
    p.drawPath(shoe);
    bell(p, heel + QPointF(12.5 * s, -6.5), 1.7);
}

}  // namespace

JesterHands drawJester(QPainter& p, const JesterLook& look, const JesterPose& pose) {
    p.save();
    p.translate(0, -pose.bob);
    const QPointF hipL(44, 100), hipR(56, 100);
    const double thigh = 16, shin = 17;
    // Legs: the supporting one straight, the swinging one bent a little.
    auto leg = [&](QPointF hip, double swing, const QColor& colour, bool left) {
        const double side = left ? -1 : 1;
        const QPointF knee = polar(hip, thigh, side * swing);
        const QPointF foot = polar(knee, shin, side * swing * 0.4);
        limb(p, hip, knee, foot + QPointF(0, -2), colour, 6.5);
        drawShoe(p, foot + QPointF(0, 0.5), left, left ? look.second : look.first);
    };
    leg(hipL, pose.leftLeg, look.first, true);
    leg(hipR, pose.rightLeg, look.second, false);

    drawTunic(p, look, 62, 100);
    // Arms: from the shoulders, sideways angle then elbow.
    const QPointF shoulderL(38, 67), shoulderR(62, 67);
    const QPointF elbowL = polar(shoulderL, 15, -pose.leftArm);
    const QPointF handL = polar(elbowL, 14, -(pose.leftArm + pose.leftElbow));
    const QPointF elbowR = polar(shoulderR, 15, pose.rightArm);
    const QPointF handR = polar(elbowR, 14, pose.rightArm + pose.rightElbow);
    limb(p, shoulderL, elbowL, handL, look.second, 6);
    limb(p, shoulderR, elbowR, handR, look.first, 6);
    for (const QPointF& hand : {handL, handR}) {
        p.setPen(QPen(kOutline, 1.1));
        p.setBrush(Qt::white);
        p.drawEllipse(hand, 3.8, 3.8);
    }
    drawCollar(p, look, QPointF(50, 60));
    const QPointF head(50, 45);
    p.save();
    p.translate(head);
    p.rotate(pose.headTilt);
    p.translate(-head);
    drawCap(p, look, head);
    drawFace(p, pose, head);
    p.restore();
    p.restore();
    const QPointF lift(0, -pose.bob);
    return {handL + lift, handR + lift};
}

}  // namespace tavik::art
