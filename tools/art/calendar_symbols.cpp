// The pictures of the secular holidays: flags, the state and memorial days, the
// seasons and the days of a trade. The church feasts are in calendar_feasts.cpp.
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <functional>
#include <map>

#include "tools/art/calendar_art.h"
#include "tools/art/calendar_feasts.h"
#include "tools/art/draw_kit.h"

namespace tavik::art {
namespace {

using namespace calendar_kit;

const QString kSymbols = QStringLiteral("DejaVu Sans");

QImage picture(const std::function<void(QPainter&)>& paint) {
    return paintPicture(kCalendarPicture, paint);
}

// A symbol from the font on a tile, filled with a gradient.
QImage glyphOnTile(const QString& glyph, QColor top, QColor bottom, QColor light, QColor dark,
                   QRectF box = QRectF(7, 12, 40, 46)) {
    return picture([=](QPainter& p) {
        tile(p, top, bottom);
        paintShape(p, fittedText(glyph, kSymbols, box), light, dark, dark.darker(150), 0.8);
    });
}

// A flag on a pole, its stripes drawn by paint inside the cloth (0, 0, 36, 24).
QImage flag(const std::function<void(QPainter&, const QRectF&)>& paint) {
    return picture([&](QPainter& p) {
        tile(p, QColor(190, 222, 250), QColor(120, 170, 225));
        p.setPen(QPen(QColor(90, 70, 50), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(9, 10), QPointF(9, 64));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(230, 190, 60));
        p.drawEllipse(QPointF(9, 9), 2.2, 2.2);
        const QRectF cloth(10, 13, 36, 24);
        p.setBrush(QColor(0, 0, 0, 50));
        p.drawRect(cloth.translated(1.5, 1.5));
        p.save();
        p.setClipRect(cloth);
        paint(p, cloth);
        // Folds of the cloth in the wind.
        QLinearGradient folds(cloth.topLeft(), cloth.topRight());
        for (int i = 0; i <= 4; ++i)
            folds.setColorAt(i / 4.0,
                             QColor(i % 2 ? 0 : 255, i % 2 ? 0 : 255, i % 2 ? 0 : 255, 40));
        p.fillRect(cloth, folds);
        p.restore();
        p.setPen(QPen(QColor(0, 0, 0, 90), 0.6));
        p.setBrush(Qt::NoBrush);
        p.drawRect(cloth);
    });
}

void stripes(QPainter& p, const QRectF& r, std::initializer_list<QColor> colours, bool across) {
    const int n = static_cast<int>(colours.size());
    int i = 0;
    for (const QColor& c : colours) {
        const QRectF s =
            across ? QRectF(r.left(), r.top() + r.height() * i / n, r.width(), r.height() / n + 0.5)
                   : QRectF(r.left() + r.width() * i / n, r.top(), r.width() / n + 0.5, r.height());
        p.fillRect(s, c);
        ++i;
    }
}

QImage fireworks() {
    return picture([](QPainter& p) {
        tile(p, QColor(20, 30, 80), QColor(50, 20, 90));
        const struct {
            QPointF c;
            double r;
            QColor colour;
        } bursts[] = {{{18, 22}, 13, QColor(255, 220, 80)},
                      {{37, 32}, 12, QColor(255, 90, 120)},
                      {{22, 48}, 10, QColor(120, 230, 255)}};
        for (const auto& b : bursts) {
            for (int i = 0; i < 14; ++i) {
                const double a = i * 2 * kPi / 14;
                const QPointF d(std::cos(a), std::sin(a));
                p.setPen(QPen(b.colour, 1.3, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(b.c + d * b.r * 0.3, b.c + d * b.r);
                p.setPen(Qt::NoPen);
                p.setBrush(b.colour.lighter(130));
                p.drawEllipse(b.c + d * b.r, 1.1, 1.1);
            }
        }
        p.setPen(QPen(QColor(255, 255, 255, 120), 0.8));
        p.drawLine(QPointF(22, 66), QPointF(22, 52));
    });
}

QImage redStar() {
    return picture([](QPainter& p) {
        tile(p, QColor(255, 236, 190), QColor(230, 180, 90));
        paintShape(p, starPath(QPointF(27, 37), 22, 0.42), QColor(255, 70, 60), QColor(170, 0, 10),
                   QColor(214, 160, 40), 1.6);
    });
}

QImage atom() {
    return picture([](QPainter& p) {
        tile(p, QColor(40, 70, 140), QColor(15, 30, 80));
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 3; ++i) {
            p.save();
            p.translate(27, 36);
            p.rotate(i * 60);
            p.setPen(QPen(QColor(140, 220, 255), 1.8));
            p.drawEllipse(QPointF(0, 0), 22, 8);
            p.restore();
        }
        QRadialGradient g(QPointF(25, 34), 6);
        g.setColorAt(0, QColor(255, 240, 160));
        g.setColorAt(1, QColor(230, 120, 20));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(QPointF(27, 36), 5, 5);
    });
}

QPainterPath heartPath(QPointF c, double s) {
    QPainterPath h;
    h.moveTo(c + QPointF(0, s * 0.9));
    h.cubicTo(c + QPointF(-s * 1.3, 0), c + QPointF(-s * 0.9, -s * 1.1), c + QPointF(0, -s * 0.45));
    h.cubicTo(c + QPointF(s * 0.9, -s * 1.1), c + QPointF(s * 1.3, 0), c + QPointF(0, s * 0.9));
    return h;
}

QImage heart() {
    return picture([](QPainter& p) {
        tile(p, QColor(255, 210, 225), QColor(240, 140, 170));
        paintShape(p, heartPath(QPointF(27, 38), 20), QColor(255, 80, 100), QColor(180, 0, 40),
                   QColor(120, 0, 30), 1);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 150));
        p.drawEllipse(QPointF(18, 30), 3.5, 2.2);
    });
}

QImage shield() {
    return picture([](QPainter& p) {
        tile(p, QColor(150, 170, 110), QColor(70, 90, 50));
        QPainterPath s;
        s.moveTo(10, 14);
        s.lineTo(44, 14);
        s.cubicTo(44, 42, 36, 56, 27, 64);
        s.cubicTo(18, 56, 10, 42, 10, 14);
        paintShape(p, s, QColor(200, 40, 40), QColor(120, 10, 10), QColor(230, 190, 80), 2);
        paintShape(p, starPath(QPointF(27, 34), 11), QColor(255, 230, 120), QColor(220, 160, 30),
                   QColor(150, 90, 0), 0.6);
    });
}

QImage tulips() {
    return picture([](QPainter& p) {
        tile(p, QColor(255, 240, 245), QColor(250, 200, 215));
        const QColor cups[] = {QColor(240, 60, 90), QColor(255, 170, 40), QColor(220, 60, 200)};
        const QPointF tops[] = {{15, 24}, {27, 17}, {39, 25}};
        for (int i = 0; i < 3; ++i) {
            p.setPen(QPen(QColor(40, 140, 50), 2));
            p.drawLine(tops[i] + QPointF(0, 6), QPointF(27, 64));
            QPainterPath cup;
            const QPointF t = tops[i];
            cup.moveTo(t + QPointF(-6, -4));
            cup.lineTo(t + QPointF(-3, -1));
            cup.lineTo(t + QPointF(0, -6));
            cup.lineTo(t + QPointF(3, -1));
            cup.lineTo(t + QPointF(6, -4));
            cup.cubicTo(t + QPointF(7, 5), t + QPointF(3, 8), t + QPointF(0, 8));
            cup.cubicTo(t + QPointF(-3, 8), t + QPointF(-7, 5), t + QPointF(-6, -4));
            paintShape(p, cup, cups[i].lighter(130), cups[i].darker(130), cups[i].darker(180), 0.7);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 160, 60));
        p.drawEllipse(QRectF(13, 48, 12, 5));
        p.drawEllipse(QRectF(29, 46, 12, 5));
    });
}

QImage smiley() {
    return picture([](QPainter& p) {
        tile(p, QColor(120, 210, 255), QColor(40, 130, 220));
        QRadialGradient g(QPointF(22, 32), 22);
        g.setColorAt(0, QColor(255, 245, 150));
        g.setColorAt(1, QColor(240, 180, 0));
        p.setPen(QPen(QColor(170, 110, 0), 1.2));
        p.setBrush(g);
        p.drawEllipse(QPointF(27, 38), 18, 18);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 30, 0));
        p.drawEllipse(QPointF(21, 33), 2.2, 3.2);
        p.setPen(QPen(QColor(60, 30, 0), 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(30, 33), QPointF(36, 33));  // a wink
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(17, 30, 20, 16), 200 * 16, 140 * 16);
        // A jester's cap.
        QPainterPath cap;
        cap.moveTo(12, 26);
        cap.quadTo(10, 10, 3, 12);
        cap.quadTo(18, 12, 27, 22);
        cap.quadTo(36, 12, 51, 12);
        cap.quadTo(44, 10, 42, 26);
        cap.quadTo(27, 18, 12, 26);
        paintShape(p, cap, QColor(230, 60, 60), QColor(140, 20, 60), QColor(90, 0, 30), 0.8);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 220, 60));
        p.drawEllipse(QPointF(4, 12), 2.4, 2.4);
        p.drawEllipse(QPointF(50, 12), 2.4, 2.4);
    });
}

QImage rings() {
    return picture([](QPainter& p) {
        tile(p, QColor(230, 240, 255), QColor(170, 190, 230));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(214, 160, 40), 4.5));
        p.drawEllipse(QPointF(20, 37), 11, 11);
        p.setPen(QPen(QColor(190, 40, 50), 4.5));
        p.drawEllipse(QPointF(34, 37), 11, 11);
        // The gold ring passes over the red one at the top.
        p.setPen(QPen(QColor(214, 160, 40), 4.5));
        p.drawArc(QRectF(9, 26, 22, 22), 20 * 16, 40 * 16);
        p.setPen(QPen(QColor(255, 255, 255, 140), 1.2));
        p.drawArc(QRectF(10, 27, 20, 20), 100 * 16, 70 * 16);
    });
}

QImage rocket() {
    return picture([](QPainter& p) {
        tile(p, QColor(10, 20, 60), QColor(40, 40, 110));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 200));
        for (const QPointF s :
             {QPointF(8, 12), QPointF(44, 20), QPointF(12, 50), QPointF(46, 56), QPointF(40, 8)})
            p.drawEllipse(s, 0.9, 0.9);
        p.save();
        p.translate(27, 36);
        p.rotate(35);
        QPainterPath flame;
        flame.moveTo(-4, 16);
        flame.quadTo(0, 32, 4, 16);
        paintShape(p, flame, QColor(255, 240, 120), QColor(255, 100, 0), QColor(0, 0, 0, 0), 0);
        QPainterPath body;
        body.moveTo(0, -24);
        body.cubicTo(8, -14, 7, 6, 5, 16);
        body.lineTo(-5, 16);
        body.cubicTo(-7, 6, -8, -14, 0, -24);
        paintShape(p, body, QColor(250, 250, 250), QColor(170, 180, 200), QColor(80, 90, 110), 0.8);
        QPainterPath fins;
        fins.moveTo(-5, 6);
        fins.lineTo(-11, 17);
        fins.lineTo(-5, 15);
        fins.moveTo(5, 6);
        fins.lineTo(11, 17);
        fins.lineTo(5, 15);
        paintShape(p, fins, QColor(240, 60, 50), QColor(160, 10, 10), QColor(90, 0, 0), 0.6);
        p.setPen(QPen(QColor(60, 70, 90), 1));
        p.setBrush(QColor(110, 190, 255));
        p.drawEllipse(QPointF(0, -8), 3.2, 3.2);
        p.restore();
    });
}

QImage helmet() {
    return picture([](QPainter& p) {
        tile(p, QColor(220, 235, 250), QColor(150, 180, 215));
        QPainterPath dome;
        dome.moveTo(27, 8);
        dome.cubicTo(30, 18, 42, 24, 43, 42);
        dome.lineTo(11, 42);
        dome.cubicTo(12, 24, 24, 18, 27, 8);
        p.setPen(QPen(QColor(60, 60, 70), 1));
        p.setBrush(
            metalAcross(11, 43, QColor(90, 95, 110), QColor(245, 245, 250), QColor(170, 175, 190)));
        p.drawPath(dome);
        p.setBrush(
            metalAcross(9, 45, QColor(140, 100, 20), QColor(255, 230, 120), QColor(210, 160, 40)));
        p.drawRoundedRect(QRectF(9, 40, 36, 6), 2, 2);
        p.drawRect(QRectF(25, 45, 4, 12));  // the nose guard
        // Mail hanging from the rim.
        p.setPen(QPen(QColor(120, 125, 140), 1));
        for (int y = 48; y <= 62; y += 3)
            for (int x = 11; x <= 43; x += 3)
                if (x < 24 || x > 30) p.drawEllipse(QPointF(x, y), 1.2, 1.2);
    });
}

QImage radioMast() {
    return picture([](QPainter& p) {
        tile(p, QColor(200, 235, 255), QColor(110, 170, 230));
        p.setPen(QPen(QColor(170, 30, 30), 2));
        p.drawLine(QPointF(27, 24), QPointF(17, 64));
        p.drawLine(QPointF(27, 24), QPointF(37, 64));
        p.setPen(QPen(QColor(170, 30, 30), 1));
        for (int i = 0; i < 5; ++i) {
            const double y = 30 + i * 7, half = (y - 24) / 40 * 10;
            p.drawLine(QPointF(27 - half, y), QPointF(27 + half + 2.5, y + 7));
        }
        p.setBrush(Qt::NoBrush);
        for (int i = 1; i <= 3; ++i) {
            p.setPen(QPen(QColor(20, 60, 160, 255 - i * 50), 1.6));
            const double r = i * 6;
            p.drawArc(QRectF(27 - r, 22 - r, 2 * r, 2 * r), 30 * 16, 120 * 16);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 60, 40));
        p.drawEllipse(QPointF(27, 22), 3, 3);
    });
}

QImage laurel(bool withRibbon) {
    return picture([withRibbon](QPainter& p) {
        tile(p, withRibbon ? QColor(255, 250, 235) : QColor(40, 60, 140),
             withRibbon ? QColor(235, 220, 180) : QColor(20, 30, 90));
        if (withRibbon) {
            // The ribbon of St. George: orange and black.
            for (int side : {-1, 1}) {
                QPainterPath r;
                r.moveTo(27, 44);
                r.lineTo(27 + side * 16, 66);
                r.lineTo(27 + side * 9, 66);
                r.lineTo(27, 52);
                r.closeSubpath();
                p.setPen(QPen(QColor(30, 20, 10), 1.2));
                p.setBrush(QColor(240, 130, 20));
                p.drawPath(r);
            }
        }
        // Two branches of leaves from the bottom up both sides, tangent to the circle.
        for (int side : {-1, 1})
            for (int i = 0; i < 7; ++i) {
                const double degrees = 105 + i * 22;
                const double a = degrees * kPi / 180;
                const QPointF c(27 + side * 17 * std::cos(a), 34 + 17 * std::sin(a));
                p.save();
                p.translate(c);
                p.rotate(side * degrees);
                p.setPen(QPen(QColor(120, 80, 0), 0.6));
                p.setBrush(QColor(230, 190, 60));
                p.drawEllipse(QPointF(side * 2.5, 0), 2.6, 5.2);
                p.restore();
            }
        paintShape(p, starPath(QPointF(27, 34), 10), QColor(255, 80, 60), QColor(180, 0, 0),
                   QColor(120, 0, 0), 0.6);
    });
}

QImage openBook() {
    return picture([](QPainter& p) {
        tile(p, QColor(240, 225, 200), QColor(200, 170, 130));
        for (int side : {-1, 1}) {
            QPainterPath page;
            page.moveTo(27, 24);
            page.quadTo(27 + side * 12, 18, 27 + side * 24, 22);
            page.lineTo(27 + side * 24, 54);
            page.quadTo(27 + side * 12, 50, 27, 56);
            page.closeSubpath();
            paintShape(p, page, QColor(255, 255, 250), QColor(225, 220, 205), QColor(120, 100, 80),
                       0.8);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(150, 30, 30));
        p.drawPath(fittedText(QStringLiteral("АБ"), QStringLiteral("DejaVu Serif"),
                              QRectF(6, 28, 18, 12), true));
        p.drawPath(fittedText(QStringLiteral("ВГ"), QStringLiteral("DejaVu Serif"),
                              QRectF(30, 28, 18, 12), true));
        p.setPen(QPen(QColor(120, 110, 100), 0.8));
        for (int i = 0; i < 3; ++i) {
            p.drawLine(QPointF(8, 44 + i * 3), QPointF(23, 44 + i * 3));
            p.drawLine(QPointF(31, 44 + i * 3), QPointF(46, 44 + i * 3));
        }
    });
}

QImage flask() {
    return picture([](QPainter& p) {
        tile(p, QColor(225, 250, 240), QColor(150, 210, 190));
        QPainterPath glass;
        glass.moveTo(22, 12);
        glass.lineTo(32, 12);
        glass.lineTo(32, 28);
        glass.lineTo(45, 58);
        glass.quadTo(46, 63, 41, 63);
        glass.lineTo(13, 63);
        glass.quadTo(8, 63, 9, 58);
        glass.lineTo(22, 28);
        glass.closeSubpath();
        QPainterPath liquid;
        liquid.addRect(QRectF(0, 42, 54, 30));
        p.setPen(Qt::NoPen);
        p.setBrush(
            verticalGradient(QRectF(0, 42, 54, 22), QColor(120, 230, 90), QColor(20, 150, 60)));
        p.drawPath(glass.intersected(liquid));
        p.setBrush(QColor(255, 255, 255, 180));
        for (const QPointF b : {QPointF(24, 52), QPointF(30, 47), QPointF(27, 38), QPointF(29, 30)})
            p.drawEllipse(b, 1.6, 1.6);
        p.setPen(QPen(QColor(60, 90, 90), 1.4));
        p.setBrush(QColor(255, 255, 255, 50));
        p.drawPath(glass);
        p.setPen(QPen(QColor(255, 255, 255, 200), 1.4));
        p.drawLine(QPointF(19, 40), QPointF(13, 55));
    });
}

QImage balloons() {
    return picture([](QPainter& p) {
        tile(p, QColor(200, 240, 255), QColor(140, 200, 245));
        const struct {
            QPointF c;
            QColor colour;
        } b[] = {{{17, 24}, QColor(240, 50, 60)},
                 {{37, 22}, QColor(60, 120, 240)},
                 {{27, 34}, QColor(250, 200, 40)}};
        for (const auto& x : b) {
            p.setPen(QPen(QColor(90, 90, 90), 0.8));
            p.setBrush(Qt::NoBrush);
            p.drawLine(x.c + QPointF(0, 11), QPointF(27, 64));
        }
        for (const auto& x : b) {
            QRadialGradient g(x.c + QPointF(-3, -4), 12);
            g.setColorAt(0, x.colour.lighter(160));
            g.setColorAt(1, x.colour.darker(130));
            p.setPen(QPen(x.colour.darker(170), 0.8));
            p.setBrush(g);
            p.drawEllipse(x.c, 8.5, 10.5);
            p.setPen(Qt::NoPen);
            p.setBrush(x.colour.darker(130));
            p.drawEllipse(x.c + QPointF(0, 11), 1.5, 1.2);
        }
    });
}

}  // namespace

QImage calendarRowPicture(const QString& name) {
    static const std::map<QString, std::function<QImage()>> kDrawings = {
        {"R_NEWYEAR", [] { return feasts::firTree(); }},
        {"R_CAPITOL", [] { return feasts::capitol(); }},
        {"R_STUDENT", [] { return feasts::mortarboard(); }},
        {"R_SALUTE0", fireworks},
        {"R_DOVEPCE",
         [] {
             return glyphOnTile(QStringLiteral("☮"), QColor(200, 230, 255), QColor(110, 170, 235),
                                QColor(255, 255, 255), QColor(170, 200, 240));
         }},
        {"R_STARRED", redStar},
        {"R_SCIENCE", atom},
        {"R_VALENTN", heart},
        {"R_SHIELD0", shield},
        {"R_TULIPS0", tulips},
        {"R_SHAMROC",
         [] {
             return glyphOnTile(QStringLiteral("☘"), QColor(220, 250, 210), QColor(150, 215, 130),
                                QColor(90, 200, 80), QColor(20, 110, 30));
         }},
        {"R_JESTER0", smiley},
        {"R_UNITY00", rings},
        {"R_ROCKET0", rocket},
        {"R_HELMET0", helmet},
        {"R_LABOR00",
         [] {
             return glyphOnTile(QStringLiteral("⚙"), QColor(240, 80, 70), QColor(160, 20, 20),
                                QColor(255, 240, 200), QColor(230, 180, 90));
         }},
        {"R_FLAGMAD",
         [] {
             return flag([](QPainter& p, const QRectF& r) {
                 p.fillRect(r, QColor(196, 20, 40));
                 p.setPen(Qt::NoPen);
                 p.setBrush(Qt::white);
                 for (int i = 0; i < 7; ++i)
                     p.drawPath(
                         starPath(QPointF(r.left() + 6 + i * 4, r.top() + (i % 2 ? 9 : 15)), 2.6));
             });
         }},
        {"R_RADIO00", radioMast},
        {"R_LAUREL0", [] { return laurel(false); }},
        {"R_VICTORY", [] { return laurel(true); }},
        {"R_BOOK000", openBook},
        {"R_FLASK00", flask},
        {"R_BALLOON", balloons},
        {"R_FLAGRUS",
         [] {
             return flag([](QPainter& p, const QRectF& r) {
                 stripes(p, r, {QColor(255, 255, 255), QColor(0, 57, 166), QColor(213, 43, 30)},
                         true);
             });
         }},
        {"R_FLAGUSA",
         [] {
             return flag([](QPainter& p, const QRectF& r) {
                 for (int i = 0; i < 13; ++i)
                     p.fillRect(QRectF(r.left(), r.top() + i * r.height() / 13, r.width(),
                                       r.height() / 13 + 0.3),
                                i % 2 ? QColor(255, 255, 255) : QColor(178, 34, 52));
                 const QRectF canton(r.left(), r.top(), 15, 13);
                 p.fillRect(canton, QColor(60, 59, 110));
                 p.setPen(Qt::NoPen);
                 p.setBrush(Qt::white);
                 for (int y = 0; y < 4; ++y)
                     for (int x = 0; x < 5; ++x)
                         p.drawEllipse(QPointF(canton.left() + 1.8 + x * 2.8 + (y % 2) * 1.2,
                                               canton.top() + 2 + y * 3),
                                       0.7, 0.7);
             });
         }},
        {"R_MUSIC00",
         [] {
             return glyphOnTile(QStringLiteral("♫"), QColor(250, 230, 255), QColor(200, 150, 240),
                                QColor(120, 60, 200), QColor(50, 10, 110));
         }},
        {"R_CANDLE0", [] { return feasts::candle(); }},
        {"R_GUITAR0", [] { return feasts::guitar(); }},
        {"R_LIBERTY", [] { return feasts::torch(); }},
        {"R_CHAMOMI", [] { return feasts::chamomile(); }},
        {"R_SWORD00",
         [] {
             return glyphOnTile(QStringLiteral("⚔"), QColor(250, 235, 200), QColor(210, 170, 110),
                                QColor(240, 240, 250), QColor(110, 115, 130));
         }},
        {"R_FLAGFRA",
         [] {
             return flag([](QPainter& p, const QRectF& r) {
                 stripes(p, r, {QColor(0, 35, 149), QColor(255, 255, 255), QColor(237, 41, 57)},
                         false);
             });
         }},
        {"R_HOTDOG0", [] { return feasts::hotDog(); }},
        {"R_CROSSOR", [] { return feasts::orthodoxCross(); }},
        {"R_BELL000", [] { return feasts::bell(); }},
        {"R_PROGRAM", [] { return feasts::monitor(); }},
        {"R_AUTUMN0", [] { return feasts::leaves(); }},
        {"R_FLAGDEU",
         [] {
             return flag([](QPainter& p, const QRectF& r) {
                 stripes(p, r, {QColor(0, 0, 0), QColor(221, 0, 0), QColor(255, 206, 0)}, true);
             });
         }},
        {"R_BOARD00", [] { return feasts::chalkboard(); }},
        {"R_FLAGESP",
         [] {
             return flag([](QPainter& p, const QRectF& r) {
                 p.fillRect(r, QColor(198, 11, 30));
                 p.fillRect(QRectF(r.left(), r.top() + r.height() / 4, r.width(), r.height() / 2),
                            QColor(255, 196, 0));
             });
         }},
        {"R_APPLE00", [] { return feasts::apple(); }},
        {"R_PUMPKIN", [] { return feasts::pumpkin(); }},
        {"R_BONFIRE", [] { return feasts::bonfire(); }},
        {"R_POPPY00", [] { return feasts::poppy(); }},
        {"R_TURKEY0", [] { return feasts::turkey(); }},
        {"R_KREMLIN", [] { return feasts::kremlinTower(); }},
        {"R_CONSTIT", [] { return feasts::constitution(); }},
        {"R_LIGHTNG",
         [] {
             return glyphOnTile(QStringLiteral("⚡"), QColor(40, 60, 130), QColor(15, 20, 60),
                                QColor(255, 250, 150), QColor(250, 170, 0));
         }},
        {"R_RESCUER", [] { return feasts::lifebuoy(); }},
        {"R_EASTEGG", [] { return feasts::easterEgg(); }},
        {"R_PALMBRN", [] { return feasts::willowBranch(); }},
        {"R_ASCENSN", [] { return feasts::ascension(); }},
        {"R_BIRCH00", [] { return feasts::birch(); }},
        {"R_XMASSTR", [] { return feasts::bethlehemStar(); }},
        {"R_EPIPHAN", [] { return feasts::epiphany(); }},
        {"R_LILY000", [] { return feasts::lily(); }},
        {"R_KEYS000", [] { return feasts::keys(); }},
        {"R_CHURCH0", [] { return feasts::church(); }},
        {"R_CROSSCT", [] { return feasts::latinCross(); }},
        {"R_CATHEDR", [] { return feasts::cathedral(); }},
    };
    const auto it = kDrawings.find(name);
    return it == kDrawings.end() ? QImage() : it->second();
}

}  // namespace tavik::art
