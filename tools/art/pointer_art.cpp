// The game's own mouse pointers and the click effect.
//
// Pointers are 32 x 32 frames; the animated ones are strips of frames side by
// side: "CURARROW" (1 frame), "CURHAND" (4), "CURWAIT" (8), "CUREDIT" (4). Their
// hot spots and frame counts are listed in builtin_art.h.
// "GTouch" is the click effect of the graphics library: thirty 100 x 100 frames side by side, a
// burst of sparks and suit symbols from the middle that fades out.
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "tools/art/art_output.h"
#include "tools/art/art_sets.h"
#include "tools/art/contact_sheet.h"
#include "tools/art/draw_kit.h"
#include "tools/art/suit_paths.h"

namespace tavik::art {
namespace {

const QSize kPointer(32, 32);

void outlined(QPainter& p, const QPainterPath& shape, const QBrush& fill) {
    p.setPen(QPen(Qt::black, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(shape);
}

// The arrow, tip at (1, 1), with a small heart on its tail.
QImage arrowPointer() {
    return paintPicture(kPointer, [](QPainter& p) {
        QPainterPath arrow;
        arrow.moveTo(1.5, 1.5);
        arrow.lineTo(1.5, 22);
        arrow.lineTo(6.5, 17.5);
        arrow.lineTo(10.5, 26);
        arrow.lineTo(14, 24.5);
        arrow.lineTo(10.2, 16.2);
        arrow.lineTo(17, 16.2);
        arrow.closeSubpath();
        outlined(p, arrow, verticalGradient(QRectF(0, 1, 1, 25), Qt::white, QColor(214, 218, 230)));
        drawSuit(p, 1, QRectF(17, 20, 9, 9), QColor(210, 20, 30));
    });
}

// The pointing hand, fingertip at (11, 1); a sparkle at the fingertip twinkles.
QImage handPointer(int frame) {
    return paintPicture(kPointer, [&](QPainter& p) {
        QPainterPath hand;
        hand.addRoundedRect(QRectF(8.5, 1, 5, 17), 2.5, 2.5);  // the index finger
        hand.addRoundedRect(QRectF(13, 10, 4.6, 9), 2.3, 2.3);
        hand.addRoundedRect(QRectF(17.2, 11, 4.6, 9), 2.3, 2.3);
        hand.addRoundedRect(QRectF(21.4, 12.5, 4.2, 8.5), 2.1, 2.1);
        hand.addRoundedRect(QRectF(8.5, 14, 17, 14), 4, 4);
        QPainterPath thumb;
        thumb.moveTo(9, 22);
        thumb.lineTo(3.5, 15.5);
        thumb.quadTo(2, 13.5, 4, 12.5);
        thumb.quadTo(5.5, 12, 7, 13.5);
        thumb.lineTo(10, 17);
        thumb.closeSubpath();
        hand.addPath(thumb);
        hand.setFillRule(Qt::WindingFill);
        outlined(p, hand.simplified(), Qt::white);
        p.setPen(QPen(QColor(120, 120, 130), 0.8));
        for (double x : {13.2, 17.4, 21.6}) p.drawLine(QPointF(x, 15), QPointF(x, 19));
        const double size[] = {0, 2.5, 4, 2.5};
        if (size[frame] > 0) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 200, 30));
            p.drawPath(starPath(QPointF(16.5, 4.5), size[frame], 0.3, 45 * frame));
        }
    });
}

// The wait pointer: a card turning round its upright axis, back and face in turn.
QImage waitPointer(int frame) {
    return paintPicture(kPointer, [&](QPainter& p) {
        const double turn = std::cos(frame * kPi / 4);
        const double halfWidth = std::max(0.8, 9 * std::abs(turn));
        const QRectF card(16 - halfWidth, 3, 2 * halfWidth, 26);
        p.setPen(QPen(Qt::black, 1.2));
        if (turn >= 0) {
            p.setBrush(Qt::white);
            p.drawRoundedRect(card, 2, 2);
            if (halfWidth > 3)
                drawSuit(p, 4, QRectF(16 - halfWidth * 0.6, 10, halfWidth * 1.2, 12), Qt::black);
        } else {
            p.setBrush(QColor(190, 20, 40));
            p.drawRoundedRect(card, 2, 2);
            p.setPen(QPen(QColor(255, 220, 220), 0.8));
            p.setBrush(Qt::NoBrush);
            if (halfWidth > 3) p.drawRoundedRect(card.adjusted(2, 2, -2, -2), 1, 1);
        }
    });
}

// The text pointer: an I-beam, centre (15, 15), with a heart that beats.
QImage editPointer(int frame) {
    return paintPicture(kPointer, [&](QPainter& p) {
        QPainterPath beam;
        beam.moveTo(11, 3);
        beam.quadTo(15, 3, 15, 6);
        beam.quadTo(15, 3, 19, 3);
        beam.moveTo(15, 6);
        beam.lineTo(15, 24);
        beam.moveTo(11, 27);
        beam.quadTo(15, 27, 15, 24);
        beam.quadTo(15, 27, 19, 27);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::white, 3.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(beam);
        p.setPen(QPen(Qt::black, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(beam);
        const double size[] = {5, 6.5, 5, 4};
        drawSuit(p, 1, QRectF(23 - size[frame] / 2, 15 - size[frame] / 2, size[frame], size[frame]),
                 QColor(210, 20, 30));
    });
}

// Frame k of 30 of the click effect.
QImage touchFrame(int k) {
    const double t = k / 29.0;
    return paintPicture(QSize(100, 100), [&](QPainter& p) {
        const QPointF c(50, 50);
        const double fade = 1 - t;
        // An expanding ring.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 230, 120, int(220 * fade)), 3 * fade + 0.5));
        p.drawEllipse(c, 6 + 40 * std::sqrt(t), 6 + 40 * std::sqrt(t));
        // A flash in the first frames.
        if (t < 0.2) {
            QRadialGradient flash(c, 20);
            flash.setColorAt(0, QColor(255, 255, 240, int(255 * (1 - t * 5))));
            flash.setColorAt(1, QColor(255, 255, 240, 0));
            p.setPen(Qt::NoPen);
            p.setBrush(flash);
            p.drawEllipse(c, 20, 20);
        }
        // Sparks and suit symbols thrown out, falling a little as they go.
        Dice dice(77);
        const QColor sparks[] = {QColor(255, 210, 60), QColor(255, 120, 60), QColor(120, 200, 255),
                                 QColor(255, 255, 255)};
        for (int i = 0; i < 16; ++i) {
            const double a = 2 * kPi * i / 16 + dice.range(-0.15, 0.15);
            const double speed = dice.range(30, 46);
            const double r = speed * (1 - std::pow(1 - t, 2));
            const QPointF at = c + QPointF(std::cos(a), std::sin(a)) * r + QPointF(0, 12 * t * t);
            QColor colour = sparks[i % 4];
            colour.setAlpha(int(255 * std::min(1.0, fade * 1.6)));
            p.setPen(Qt::NoPen);
            if (i % 4 == 1) {
                const int suit = 1 + (i / 4) % 4;
                QColor ink = suit <= 2 ? QColor(230, 30, 40) : QColor(30, 30, 40);
                ink.setAlpha(colour.alpha());
                const double s = 12 * (1 - 0.4 * t);
                drawSuit(p, suit, QRectF(at.x() - s / 2, at.y() - s / 2, s, s), ink);
            } else {
                p.setBrush(colour);
                p.drawPath(starPath(at, 6 * (1 - 0.5 * t) + 0.5, 0.35, 200 * t + i * 20));
            }
        }
    });
}

}  // namespace

void addPointerArt(ArtOutput& out, ContactSheet& sheet) {
    QList<QImage> hand, wait, edit;
    for (int f = 0; f < 4; ++f) hand << handPointer(f);
    for (int f = 0; f < 8; ++f) wait << waitPointer(f);
    for (int f = 0; f < 4; ++f) edit << editPointer(f);
    const QImage arrow = arrowPointer();
    out.addPng(QStringLiteral("CURARROW"), arrow);
    out.addPng(QStringLiteral("CURHAND"), frameStrip(hand));
    out.addPng(QStringLiteral("CURWAIT"), frameStrip(wait));
    out.addPng(QStringLiteral("CUREDIT"), frameStrip(edit));
    // Pointers on a light window ground, as they are mostly seen.
    QImage pointers(32 * 17 + 16 * 4, 36, QImage::Format_ARGB32);
    pointers.fill(QColor(236, 236, 236));
    QPainter p(&pointers);
    int x = 2;
    for (const QList<QImage>* set : {&hand, &wait, &edit}) {
        for (const QImage& frame : *set) {
            p.drawImage(x, 2, frame);
            x += 32;
        }
        x += 16;
    }
    p.drawImage(x, 2, arrow);
    p.end();
    sheet.addRow({pointers}, false);
}

QImage drawTouchStrip() {
    QList<QImage> touch;
    for (int k = 0; k < 30; ++k) touch << touchFrame(k);
    return frameStrip(touch);
}

}  // namespace tavik::art
