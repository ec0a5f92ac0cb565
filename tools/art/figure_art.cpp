// The figures: the four jesters that walk round the intro (60 x 70 on silver,
// holding a heart, a diamond, a spade and a club), and the two animated figures
// of the main screen (160 x 200 GIFs): "GifMenu1", a jester juggling the four
// suits, and "GifMenu2", a dancing ace of hearts with a top hat and a cane.
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "tools/art/art_output.h"
#include "tools/art/art_sets.h"
#include "tools/art/contact_sheet.h"
#include "tools/art/draw_kit.h"
#include "tools/art/jester.h"
#include "tools/art/suit_paths.h"

namespace tavik::art {
namespace {

const QColor kSilver(192, 192, 192);
const QColor kOutline(50, 30, 30);

QColor suitInk(int suit) {
    return suit <= 2 ? QColor(220, 20, 30) : QColor(24, 24, 30);
}

// A suit symbol with a white rim, so that black suits show on dark grounds too.
void drawRimmedSuit(QPainter& p, int suit, QPointF c, double size, double turn = 0) {
    p.save();
    p.translate(c);
    p.rotate(turn);
    const QRectF box(-size / 2, -size / 2, size, size);
    QTransform t;
    t.translate(0, 0);
    t.scale(size / 2, size / 2);
    const QPainterPath shape = t.map(suitPath(suit));
    p.setPen(QPen(Qt::white, size * 0.14, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
    drawSuit(p, suit, box, suitInk(suit));
    p.restore();
}

// An intro walker: a jester in mid-stride holding his suit up in his right hand.
QImage walker(int suit, const JesterLook& look) {
    QImage image(60, 70, QImage::Format_ARGB32_Premultiplied);
    image.fill(kSilver);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(5, 0.5);
    p.scale(0.5, 0.5);
    JesterPose pose;
    pose.leftLeg = 22;
    pose.rightLeg = -14;
    pose.leftArm = 30;
    pose.leftElbow = 30;
    pose.rightArm = 130;
    pose.rightElbow = 20;
    const JesterHands hands = drawJester(p, look, pose);
    drawRimmedSuit(p, suit, hands.right + QPointF(2, -10), 22, 10);
    p.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

// Where juggled object k of four is at time t (0..1 over the loop): a high arc
// from the left hand to the right one, then a quick low pass back.
QPointF juggledAt(double t, QPointF leftHand, QPointF rightHand, double height) {
    t -= std::floor(t);
    if (t < 0.75) {
        const double s = t / 0.75;
        return leftHand + (rightHand - leftHand) * s - QPointF(0, height * std::sin(kPi * s));
    }
    const double s = (t - 0.75) / 0.25;
    return rightHand + (leftHand - rightHand) * s - QPointF(0, 9 * std::sin(kPi * s));
}

QList<QImage> juggler(int frames) {
    const JesterLook look{QColor(200, 30, 40), QColor(250, 200, 40)};
    QList<QImage> out;
    for (int f = 0; f < frames; ++f) {
        const double t = f / double(frames);
        out << paintPicture(QSize(160, 200), [&](QPainter& p) {
            // Each hand dips as it catches and rises as it throws, twice a loop.
            const double dipL = std::sin(2 * kPi * (4 * t));
            const double dipR = std::sin(2 * kPi * (4 * t) + kPi);
            JesterPose pose;
            pose.leftArm = 40 + 8 * dipL;
            pose.leftElbow = 62 + 10 * dipL;
            pose.rightArm = 40 + 8 * dipR;
            pose.rightElbow = 62 + 10 * dipR;
            pose.bob = 1.5 * std::abs(std::sin(2 * kPi * 2 * t));
            pose.headTilt = 6 * std::sin(2 * kPi * t);
            pose.eyesClosed = f % 12 == 5;
            pose.mouthOpen = t > 0.5 && t < 0.7;
            p.save();
            p.translate(17.5, 25);
            p.scale(1.25, 1.25);
            // The floor shadow.
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0, 0, 0, 70));
            p.drawEllipse(QPointF(50, 138), 26, 4);
            const JesterHands hands = drawJester(p, look, pose);
            p.restore();
            auto toPicture = [](QPointF q) { return QPointF(17.5, 25) + q * 1.25; };
            const QPointF left = toPicture(hands.left) + QPointF(0, -6);
            const QPointF right = toPicture(hands.right) + QPointF(0, -6);
            const int order[] = {1, 3, 2, 4};
            for (int k = 0; k < 4; ++k) {
                const double phase = t * 2 + k / 4.0;  // two throws of each per loop
                const QPointF at = juggledAt(phase, left, right, 118);
                drawRimmedSuit(p, order[k], at, 20, 360 * phase);
            }
        });
    }
    return out;
}

// The dancing ace: a card with a face, arms and legs, a top hat and a cane.
QList<QImage> dancingAce(int frames) {
    QList<QImage> out;
    for (int f = 0; f < frames; ++f) {
        const double t = f / double(frames);
        const double swing = std::sin(2 * kPi * t);
        const double step = std::sin(2 * kPi * 2 * t);
        out << paintPicture(QSize(160, 200), [&](QPainter& p) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0, 0, 0, 70));
            p.drawEllipse(QPointF(80, 193), 40, 5);
            const double hop = 4 * std::max(0.0, step);
            const QPointF hipL(66, 148 - hop), hipR(94, 148 - hop);
            // Legs: thin black with white spats; they kick in turn.
            auto leg = [&](QPointF hip, double kick, double side) {
                const QPointF knee = hip + QPointF(side * 4 + kick * 10, 20);
                const QPointF foot =
                    QPointF(hip.x() + side * 6 + kick * 16, 188 - std::max(0.0, kick) * 10);
                QPainterPath path;
                path.moveTo(hip);
                path.lineTo(knee);
                path.lineTo(foot);
                p.setBrush(Qt::NoBrush);
                p.setPen(QPen(QColor(20, 20, 26), 4.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                p.drawPath(path);
                QPainterPath shoe;
                shoe.addRoundedRect(QRectF(foot.x() - 6 + side * 4, foot.y() - 4, 14, 7), 3.5, 3.5);
                p.setPen(QPen(Qt::black, 1));
                p.setBrush(QColor(30, 30, 36));
                p.drawPath(shoe);
                p.setBrush(Qt::white);
                p.drawRect(QRectF(foot.x() - 4 + side * 2, foot.y() - 6, 8, 3));
            };
            leg(hipL, std::max(0.0, -step), -1);
            leg(hipR, std::max(0.0, step), 1);

            p.save();
            p.translate(80, 150 - hop);
            p.rotate(5 * swing);
            p.translate(-80, -(150 - hop));
            const QRectF card(46, 58 - hop, 68, 96);
            // Arms first, so the card covers the shoulders.
            const QPointF shoulderL(card.left() + 2, card.top() + 48);
            const QPointF shoulderR(card.right() - 2, card.top() + 48);
            const QPointF handL = shoulderL + QPointF(-22, -10 - 14 * swing);
            const QPointF handR = shoulderR + QPointF(20, 16 + 6 * swing);
            for (const auto& [from, to] : {std::pair{shoulderL, handL}, {shoulderR, handR}}) {
                QPainterPath arm;
                arm.moveTo(from);
                arm.quadTo((from + to) / 2 + QPointF(0, 8), to);
                p.setPen(QPen(QColor(20, 20, 26), 4, Qt::SolidLine, Qt::RoundCap));
                p.setBrush(Qt::NoBrush);
                p.drawPath(arm);
            }
            // The cane in the right hand, tapping.
            p.setPen(QPen(QColor(40, 20, 10), 3.2, Qt::SolidLine, Qt::RoundCap));
            const QPointF caneFoot = handR + QPointF(6 + 4 * swing, 40);
            p.drawLine(handR, caneFoot);
            p.setPen(QPen(QColor(230, 200, 80), 3.2, Qt::SolidLine, Qt::RoundCap));
            p.drawArc(QRectF(handR.x() - 9, handR.y() - 6, 10, 10), 0, 180 * 16);
            p.setPen(QPen(Qt::black, 1));
            p.setBrush(Qt::white);
            p.drawEllipse(handL, 5.5, 5.5);
            p.drawEllipse(handR, 5.5, 5.5);

            p.setPen(QPen(QColor(60, 60, 60), 1.5));
            p.setBrush(verticalGradient(card, Qt::white, QColor(236, 232, 220)));
            p.drawRoundedRect(card, 7, 7);
            const QColor red(210, 20, 30);
            p.setPen(Qt::NoPen);
            p.setBrush(red);
            p.drawPath(textOutline(QStringLiteral("A"), QStringLiteral("DejaVu Sans"), true, 11, 14)
                           .translated(card.left() + 9, card.top() + 15));
            drawSuit(p, 1, QRectF(card.left() + 4.5, card.top() + 18, 9, 9), red);
            p.save();
            p.translate(card.bottomRight() + QPointF(-9, -15));
            p.rotate(180);
            p.drawPath(
                textOutline(QStringLiteral("A"), QStringLiteral("DejaVu Sans"), true, 11, 14));
            drawSuit(p, 1, QRectF(-4.5, 3, 9, 9), red);
            p.restore();
            // The face in the middle of the big heart.
            const QRectF heart(card.center().x() - 24, card.top() + 26, 48, 48);
            drawSuit(p, 1, heart, red);
            const QPointF face = heart.center() + QPointF(0, -3);
            const bool blink = f % 16 == 9;
            p.setBrush(Qt::white);
            p.setPen(QPen(Qt::black, 1));
            for (double dx : {-7.0, 7.0}) {
                if (blink) {
                    p.drawLine(face + QPointF(dx - 3.5, 0), face + QPointF(dx + 3.5, 0));
                } else {
                    p.drawEllipse(face + QPointF(dx, 0), 4.2, 5);
                    p.setBrush(Qt::black);
                    p.drawEllipse(face + QPointF(dx + 1 + swing, 1), 2, 2.4);
                    p.setBrush(Qt::white);
                }
            }
            p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(face.x() - 8, face.y() + 2, 16, 11), 200 * 16, 140 * 16);
            // The top hat, raised a little on the beat.
            const double lift = 5 * std::max(0.0, -step);
            p.save();
            p.translate(card.center().x(), card.top() - 1 - lift);
            p.rotate(-8 + 6 * swing);
            p.setPen(QPen(Qt::black, 1));
            p.setBrush(
                verticalGradient(QRectF(0, -30, 1, 30), QColor(70, 70, 80), QColor(16, 16, 20)));
            p.drawRect(QRectF(-14, -30, 28, 28));
            p.drawRoundedRect(QRectF(-24, -4, 48, 6), 3, 3);
            p.setBrush(red);
            p.drawRect(QRectF(-14, -9, 28, 5));
            p.restore();
            p.restore();
        });
    }
    return out;
}

}  // namespace

void addFigureArt(ArtOutput& out, ContactSheet& sheet) {
    const struct {
        const char* name;
        int suit;
        JesterLook look;
    } walkers[] = {{"GJesterCher", 1, {QColor(210, 30, 40), QColor(250, 206, 50)}},
                   {"GJesterBubi", 2, {QColor(240, 130, 20), QColor(40, 90, 200)}},
                   {"GJesterPiki", 4, {QColor(40, 60, 150), QColor(60, 170, 90)}},
                   {"GJesterKres", 3, {QColor(40, 140, 60), QColor(140, 60, 170)}}};
    QList<QImage> row;
    for (const auto& w : walkers) {
        const QImage picture = walker(w.suit, w.look);
        out.addPng(QString::fromLatin1(w.name), picture);
        row << picture;
    }
    sheet.addRow(row, false);

    const QList<QImage> juggling = juggler(32), dancing = dancingAce(32);
    out.addGif(QStringLiteral("GifMenu1"), juggling, 70);
    out.addGif(QStringLiteral("GifMenu2"), dancing, 70);
    QList<QImage> shown;
    for (int f = 0; f < 32; f += 8) shown << juggling[f];
    for (int f = 0; f < 32; f += 8) shown << dancing[f];
    sheet.addRow(shown, false);
}

}  // namespace tavik::art
