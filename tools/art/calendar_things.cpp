// The objects of the secular holidays in the calendar library: buildings, tools of a
// trade, food and festive things.
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "tools/art/calendar_art.h"
#include "tools/art/calendar_feasts.h"
#include "tools/art/draw_kit.h"

namespace tavik::art::feasts {
namespace {

using namespace calendar_kit;

template <typename Paint>
QImage picture(Paint&& paint) {
    return paintPicture(kCalendarPicture, paint);
}

void flames(QPainter& p, QPointF base, double w, double h) {
    for (int i = -1; i <= 1; ++i) {
        const double hh = i == 0 ? h : h * 0.7;
        const QPointF b = base + QPointF(i * w * 0.5, 0);
        QPainterPath f;
        f.moveTo(b + QPointF(-w * 0.5, 0));
        f.cubicTo(b + QPointF(-w * 0.6, -hh * 0.5), b + QPointF(-w * 0.1, -hh * 0.6),
                  b + QPointF(0, -hh));
        f.cubicTo(b + QPointF(w * 0.2, -hh * 0.6), b + QPointF(w * 0.6, -hh * 0.5),
                  b + QPointF(w * 0.5, 0));
        f.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(verticalGradient(f.boundingRect(), QColor(255, 245, 150), QColor(240, 70, 0)));
        p.drawPath(f);
    }
}

}  // namespace

QImage capitol() {
    return picture([](QPainter& p) {
        tile(p, QColor(150, 200, 255), QColor(220, 240, 255));
        const QColor light(255, 255, 255), dark(200, 200, 210), rim(110, 110, 130);
        QPainterPath dome;
        dome.moveTo(14, 36);
        dome.cubicTo(14, 18, 40, 18, 40, 36);
        dome.closeSubpath();
        paintShape(p, dome, light, dark, rim, 0.8);
        paintShape(
            p,
            [] {
                QPainterPath d;
                d.addRect(QRectF(25.5, 13, 3, 8));
                d.addEllipse(QPointF(27, 12), 2.5, 2.5);
                return d.simplified();
            }(),
            light, dark, rim, 0.6);
        paintShape(
            p,
            [] {
                QPainterPath b;
                b.addRect(QRectF(12, 36, 30, 6));
                b.addRect(QRectF(4, 44, 46, 18));
                b.addRect(QRectF(2, 62, 50, 4));
                return b.simplified();
            }(),
            light, dark, rim, 0.8);
        p.setPen(QPen(QColor(150, 150, 165), 1.2));
        for (int i = 0; i < 9; ++i) p.drawLine(QPointF(7 + i * 5, 46), QPointF(7 + i * 5, 61));
        for (int i = 0; i < 7; ++i)
            p.drawLine(QPointF(14 + i * 4.3, 37), QPointF(14 + i * 4.3, 41));
    });
}

QImage mortarboard() {
    return picture([](QPainter& p) {
        tile(p, QColor(120, 170, 240), QColor(40, 80, 170));
        QPainterPath cap;
        cap.moveTo(16, 34);
        cap.lineTo(16, 46);
        cap.quadTo(27, 54, 38, 46);
        cap.lineTo(38, 34);
        cap.closeSubpath();
        paintShape(p, cap, QColor(70, 70, 80), QColor(20, 20, 25), QColor(0, 0, 0), 0.6);
        QPainterPath board;
        board.moveTo(27, 20);
        board.lineTo(50, 30);
        board.lineTo(27, 40);
        board.lineTo(4, 30);
        board.closeSubpath();
        paintShape(p, board, QColor(90, 90, 100), QColor(30, 30, 35), QColor(0, 0, 0), 0.6);
        p.setPen(QPen(QColor(250, 200, 40), 1.4));
        p.drawLine(QPointF(27, 30), QPointF(44, 36));
        p.drawLine(QPointF(44, 36), QPointF(44, 52));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 200, 40));
        p.drawEllipse(QPointF(27, 30), 1.8, 1.8);
        p.drawRoundedRect(QRectF(42, 51, 4, 8), 1.5, 1.5);
    });
}

QImage guitar() {
    return picture([](QPainter& p) {
        tile(p, QColor(255, 200, 120), QColor(220, 100, 60));
        p.save();
        p.translate(27, 36);
        p.rotate(30);
        p.setPen(QPen(QColor(60, 30, 10), 0.8));
        p.setBrush(QColor(90, 50, 20));
        p.drawRect(QRectF(-2, -30, 4, 30));
        p.drawRoundedRect(QRectF(-3.5, -34, 7, 7), 1.5, 1.5);
        QPainterPath body;
        body.addEllipse(QPointF(0, 6), 9, 9);
        body.addEllipse(QPointF(0, 18), 12, 11);
        paintShape(p, body.simplified(), QColor(250, 180, 80), QColor(190, 90, 20),
                   QColor(90, 40, 0), 0.8);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(50, 25, 10));
        p.drawEllipse(QPointF(0, 9), 3.5, 3.5);
        p.drawRect(QRectF(-5, 21, 10, 2.5));
        p.setPen(QPen(QColor(240, 240, 240), 0.4));
        for (int s = -1; s <= 1; ++s) p.drawLine(QPointF(s * 0.9, -30), QPointF(s * 0.9, 22));
        p.restore();
    });
}

QImage torch() {
    return picture([](QPainter& p) {
        tile(p, QColor(120, 200, 190), QColor(40, 120, 120));
        QPainterPath handle;
        handle.moveTo(21, 34);
        handle.lineTo(33, 34);
        handle.lineTo(29, 64);
        handle.lineTo(25, 64);
        handle.closeSubpath();
        paintShape(p, handle, QColor(150, 220, 200), QColor(60, 140, 120), QColor(20, 70, 60), 0.8);
        p.setPen(QPen(QColor(20, 70, 60), 0.8));
        p.setBrush(QColor(110, 190, 170));
        p.drawRoundedRect(QRectF(18, 30, 18, 5), 1.5, 1.5);
        flames(p, QPointF(27, 30), 12, 24);
    });
}

QImage hotDog() {
    return picture([](QPainter& p) {
        tile(p, QColor(255, 240, 170), QColor(250, 200, 90));
        p.save();
        p.translate(27, 38);
        p.rotate(-25);
        p.setPen(QPen(QColor(150, 90, 30), 0.8));
        p.setBrush(
            verticalGradient(QRectF(-22, 0, 44, 10), QColor(240, 180, 90), QColor(190, 110, 40)));
        p.drawRoundedRect(QRectF(-22, 0, 44, 10), 5, 5);
        p.setBrush(
            verticalGradient(QRectF(-25, -6, 50, 9), QColor(230, 90, 60), QColor(160, 40, 30)));
        p.drawRoundedRect(QRectF(-25, -5, 50, 8), 4, 4);
        p.setPen(QPen(QColor(255, 220, 0), 1.6, Qt::SolidLine, Qt::RoundCap));
        QPainterPath mustard;
        mustard.moveTo(-18, -1);
        for (int i = 0; i < 8; ++i) mustard.lineTo(-14 + i * 4.5, i % 2 ? -1 : -3.5);
        p.setBrush(Qt::NoBrush);
        p.drawPath(mustard);
        p.setPen(QPen(QColor(150, 90, 30), 0.8));
        p.setBrush(
            verticalGradient(QRectF(-22, -10, 44, 8), QColor(245, 195, 110), QColor(210, 140, 60)));
        p.drawChord(QRectF(-22, -12, 44, 12), 180 * 16, 180 * 16);
        p.restore();
    });
}

QImage bell() {
    return picture([](QPainter& p) {
        tile(p, QColor(200, 230, 255), QColor(120, 170, 230));
        QPainterPath b;
        b.moveTo(27, 20);
        b.cubicTo(38, 20, 38, 36, 40, 48);
        b.quadTo(42, 54, 46, 56);
        b.lineTo(8, 56);
        b.quadTo(12, 54, 14, 48);
        b.cubicTo(16, 36, 16, 20, 27, 20);
        p.setPen(QPen(QColor(120, 70, 0), 0.8));
        p.setBrush(
            metalAcross(8, 46, QColor(160, 110, 20), QColor(255, 240, 150), QColor(220, 170, 50)));
        p.drawPath(b);
        p.setBrush(QColor(120, 80, 20));
        p.drawEllipse(QPointF(27, 58), 3.5, 3.5);
        // A red bow on top.
        QPainterPath bow;
        bow.moveTo(27, 18);
        bow.quadTo(17, 8, 15, 17);
        bow.quadTo(17, 24, 27, 18);
        bow.quadTo(37, 8, 39, 17);
        bow.quadTo(37, 24, 27, 18);
        paintShape(p, bow, QColor(255, 80, 80), QColor(180, 0, 20), QColor(110, 0, 10), 0.6);
    });
}

QImage monitor() {
    return picture([](QPainter& p) {
        tile(p, QColor(60, 70, 90), QColor(25, 30, 45));
        p.setPen(QPen(QColor(160, 165, 180), 1));
        p.setBrush(metalAcross(5, 49, QColor(150, 155, 170), QColor(235, 235, 245),
                               QColor(200, 205, 215)));
        p.drawRoundedRect(QRectF(5, 14, 44, 34), 3, 3);
        p.setBrush(verticalGradient(QRectF(8, 17, 38, 27), QColor(10, 50, 30), QColor(0, 20, 10)));
        p.drawRect(QRectF(8, 17, 38, 27));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(90, 255, 130));
        p.drawPath(fittedText(QStringLiteral("</>"), QStringLiteral("DejaVu Sans Mono"),
                              QRectF(12, 21, 30, 10), true));
        p.setBrush(QColor(90, 255, 130, 170));
        p.drawPath(fittedText(QStringLiteral("256"), QStringLiteral("DejaVu Sans Mono"),
                              QRectF(16, 34, 22, 7)));
        p.setBrush(QColor(190, 195, 205));
        p.drawRect(QRectF(23, 48, 8, 7));
        p.drawRoundedRect(QRectF(14, 55, 26, 4), 2, 2);
    });
}

QImage chalkboard() {
    return picture([](QPainter& p) {
        tile(p, QColor(250, 230, 190), QColor(215, 180, 120));
        p.setPen(QPen(QColor(120, 70, 30), 3));
        p.setBrush(
            verticalGradient(QRectF(5, 10, 44, 34), QColor(40, 100, 60), QColor(20, 60, 35)));
        p.drawRect(QRectF(6, 11, 42, 32));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(245, 245, 235));
        p.drawPath(fittedText(QStringLiteral("A B C"), QStringLiteral("DejaVu Serif"),
                              QRectF(10, 16, 34, 9)));
        p.drawPath(fittedText(QStringLiteral("2+2=4"), QStringLiteral("DejaVu Sans"),
                              QRectF(12, 29, 30, 8)));
        // An apple on a pile of books.
        p.setBrush(QColor(60, 90, 170));
        p.drawRect(QRectF(10, 58, 30, 5));
        p.setBrush(QColor(190, 50, 40));
        p.drawRect(QRectF(12, 53, 26, 5));
        QRadialGradient g(QPointF(23, 46), 7);
        g.setColorAt(0, QColor(255, 110, 90));
        g.setColorAt(1, QColor(180, 10, 20));
        p.setBrush(g);
        p.drawEllipse(QPointF(25, 48), 5.5, 5);
        p.setPen(QPen(QColor(60, 140, 40), 1.4));
        p.drawLine(QPointF(25, 43), QPointF(27, 40));
    });
}

QImage pumpkin() {
    return picture([](QPainter& p) {
        tile(p, QColor(60, 30, 90), QColor(20, 10, 40));
        p.setPen(QPen(QColor(60, 110, 30), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(27, 26), QPointF(29, 18));
        const double xs[] = {14, 40, 20, 34, 27};
        const double ws[] = {12, 12, 12, 12, 12};
        for (int i = 0; i < 5; ++i) {
            QRadialGradient g(QPointF(xs[i] - 3, 36), 18);
            g.setColorAt(0, QColor(255, 170, 40));
            g.setColorAt(1, QColor(210, 90, 0));
            p.setPen(QPen(QColor(140, 50, 0), 0.8));
            p.setBrush(g);
            p.drawEllipse(QPointF(xs[i], 42), ws[i], 17);
        }
        QPainterPath face;
        face.moveTo(17, 38);
        face.lineTo(22, 32);
        face.lineTo(25, 39);
        face.closeSubpath();
        face.moveTo(37, 38);
        face.lineTo(32, 32);
        face.lineTo(29, 39);
        face.closeSubpath();
        face.moveTo(15, 46);
        for (int i = 0; i < 6; ++i) face.lineTo(18 + i * 4, i % 2 ? 48 : 51);
        face.lineTo(39, 46);
        face.quadTo(27, 58, 15, 46);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 240, 120));
        p.drawPath(face);
    });
}

QImage bonfire() {
    return picture([](QPainter& p) {
        tile(p, QColor(20, 20, 60), QColor(60, 30, 60));
        QRadialGradient glow(QPointF(27, 46), 28);
        glow.setColorAt(0, QColor(255, 160, 40, 160));
        glow.setColorAt(1, QColor(255, 100, 0, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(QPointF(27, 46), 28, 28);
        flames(p, QPointF(27, 56), 18, 38);
        for (int side : {-1, 1}) {
            p.save();
            p.translate(27, 60);
            p.rotate(side * 18);
            p.setPen(QPen(QColor(60, 30, 10), 0.8));
            p.setBrush(
                verticalGradient(QRectF(-20, -3, 40, 6), QColor(160, 100, 50), QColor(90, 50, 20)));
            p.drawRoundedRect(QRectF(-20, -3, 40, 6), 3, 3);
            p.restore();
        }
    });
}

QImage turkey() {
    return picture([](QPainter& p) {
        tile(p, QColor(255, 230, 170), QColor(230, 170, 90));
        const QColor feathers[] = {QColor(200, 60, 30), QColor(240, 150, 30), QColor(140, 80, 30),
                                   QColor(230, 190, 60)};
        for (int i = 0; i < 9; ++i) {
            p.save();
            p.translate(27, 44);
            p.rotate(-80 + i * 20);
            p.setPen(QPen(QColor(90, 40, 10), 0.6));
            p.setBrush(feathers[i % 4]);
            p.drawEllipse(QRectF(-5, -28, 10, 26));
            p.restore();
        }
        QRadialGradient body(QPointF(25, 44), 14);
        body.setColorAt(0, QColor(150, 90, 50));
        body.setColorAt(1, QColor(90, 50, 20));
        p.setPen(QPen(QColor(60, 30, 10), 0.8));
        p.setBrush(body);
        p.drawEllipse(QPointF(27, 48), 12, 13);
        p.setBrush(QColor(140, 90, 50));
        p.drawEllipse(QPointF(27, 32), 6, 6);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255));
        p.drawEllipse(QPointF(25, 31), 1.6, 1.6);
        p.drawEllipse(QPointF(29, 31), 1.6, 1.6);
        p.setBrush(Qt::black);
        p.drawEllipse(QPointF(25, 31), 0.8, 0.8);
        p.drawEllipse(QPointF(29, 31), 0.8, 0.8);
        p.setBrush(QColor(250, 190, 40));
        QPainterPath beak;
        beak.moveTo(25.5, 34);
        beak.lineTo(28.5, 34);
        beak.lineTo(27, 37);
        p.drawPath(beak);
        p.setBrush(QColor(220, 30, 30));
        p.drawEllipse(QRectF(27.5, 35, 2.5, 5));
    });
}

QImage kremlinTower() {
    return picture([](QPainter& p) {
        tile(p, QColor(140, 190, 250), QColor(220, 235, 255));
        const QColor brick(200, 50, 40), brickDark(130, 20, 20), rim(80, 10, 10);
        paintShape(
            p,
            [] {
                QPainterPath t;
                t.addRect(QRectF(14, 44, 26, 22));
                t.addRect(QRectF(17, 32, 20, 13));
                t.addRect(QRectF(20, 24, 14, 9));
                return t.simplified();
            }(),
            brick, brickDark, rim, 0.8);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 250, 240));
        p.drawEllipse(QPointF(27, 38), 4.5, 4.5);  // the clock
        p.setPen(QPen(Qt::black, 0.7));
        p.drawLine(QPointF(27, 38), QPointF(27, 35));
        p.drawLine(QPointF(27, 38), QPointF(29, 38));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 30, 20));
        QPainterPath gate;
        gate.moveTo(23, 66);
        gate.lineTo(23, 56);
        gate.quadTo(27, 51, 31, 56);
        gate.lineTo(31, 66);
        p.drawPath(gate);
        QPainterPath spire;
        spire.moveTo(21, 24);
        spire.lineTo(27, 11);
        spire.lineTo(33, 24);
        spire.closeSubpath();
        paintShape(p, spire, QColor(80, 160, 110), QColor(20, 90, 50), QColor(10, 50, 30), 0.6);
        paintShape(p, starPath(QPointF(27, 8), 5.5), QColor(255, 90, 90), QColor(190, 0, 0),
                   QColor(230, 180, 50), 0.8);
    });
}

QImage constitution() {
    return picture([](QPainter& p) {
        tile(p, QColor(235, 235, 245), QColor(190, 190, 210));
        QPainterPath book;
        book.addRoundedRect(QRectF(10, 10, 34, 50), 2.5, 2.5);
        paintShape(p, book, QColor(200, 40, 40), QColor(120, 10, 20), QColor(70, 0, 10), 0.8);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 245, 235));
        p.drawRect(QRectF(43, 12, 3, 46));
        p.setBrush(QColor(240, 200, 90));
        p.drawPath(starPath(QPointF(27, 26), 7.5));
        p.setPen(QPen(QColor(240, 200, 90), 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(13, 13, 28, 44));
        p.setPen(QPen(QColor(240, 200, 90), 1.4));
        for (int i = 0; i < 3; ++i) p.drawLine(QPointF(17, 40 + i * 4), QPointF(37, 40 + i * 4));
    });
}

QImage lifebuoy() {
    return picture([](QPainter& p) {
        tile(p, QColor(90, 180, 240), QColor(20, 90, 170));
        const QPointF c(27, 36);
        for (int i = 0; i < 8; ++i) {
            QPainterPath seg;
            seg.arcMoveTo(QRectF(c.x() - 20, c.y() - 20, 40, 40), i * 45);
            seg.arcTo(QRectF(c.x() - 20, c.y() - 20, 40, 40), i * 45, 45);
            seg.arcTo(QRectF(c.x() - 10, c.y() - 10, 20, 20), i * 45 + 45, -45);
            seg.closeSubpath();
            p.setPen(QPen(QColor(60, 60, 60), 0.6));
            p.setBrush(i % 2 ? QColor(255, 255, 255) : QColor(235, 40, 30));
            p.drawPath(seg);
        }
        p.setPen(QPen(QColor(240, 220, 170), 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, 15, 15);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 90));
        p.drawEllipse(QPointF(20, 26), 4, 2.5);
    });
}

}  // namespace tavik::art::feasts
