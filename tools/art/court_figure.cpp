#include "tools/art/court_figure.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "tools/art/suit_paths.h"

namespace tavik::art {
namespace {

// The figure is designed in a 100 x 100 box covering the upper half of the frame;
// y = 100 is the middle of the card, where the figure meets its mirror image.
struct Colours {
    QColor robe, robeDark, sleeve, gold, goldDark, hair, skin, line;
};

Colours coloursFor(int rankValue, int suit, int palette) {
    static const QColor kRobes[] = {QColor(196, 30, 40), QColor(36, 72, 170), QColor(30, 118, 70),
                                    QColor(110, 50, 140)};
    static const QColor kHair[] = {QColor(130, 74, 30), QColor(226, 184, 74), QColor(60, 40, 30),
                                   QColor(190, 190, 196)};
    const int robeIndex = (suit - 1 + (rankValue - 6) * 3 + palette) % 4;
    // Palettes past the first four also turn the robes' hue, so that face styles differ
    // in more than the order of the same four colours.
    const int turn = (palette / 4) * 47 % 360;
    auto turned = [turn](QColor colour) {
        if (turn == 0) return colour;
        int h, s, v;
        colour.getHsv(&h, &s, &v);
        return QColor::fromHsv((h + turn) % 360, s, v);
    };
    Colours c;
    c.robe = turned(kRobes[robeIndex]);
    c.robeDark = c.robe.darker(150);
    c.sleeve = turned(kRobes[(robeIndex + 1) % 4]);
    c.gold = QColor(236, 186, 44);
    c.goldDark = QColor(160, 110, 20);
    c.hair = kHair[(suit - 1 + rankValue) % 4];
    c.skin = QColor(250, 218, 184);
    c.line = QColor(40, 30, 30);
    return c;
}

QPainterPath polygonPath(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

void shape(QPainter& p, const QPainterPath& path, const QColor& fill, const Colours& c) {
    p.setBrush(fill);
    p.setPen(QPen(c.line, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

void drawRobe(QPainter& p, const Colours& c) {
    QPainterPath robe;
    robe.moveTo(4, 101);
    robe.lineTo(8, 78);
    robe.cubicTo(10, 68, 22, 62, 36, 60);
    robe.lineTo(64, 60);
    robe.cubicTo(78, 62, 90, 68, 92, 78);
    robe.lineTo(96, 101);
    robe.closeSubpath();
    shape(p, robe, c.robe, c);
    // Sleeves: the darker band over the shoulders.
    shape(p, polygonPath({{8, 80}, {14, 68}, {24, 64}, {26, 101}, {6, 101}}), c.sleeve, c);
    shape(p, polygonPath({{92, 80}, {86, 68}, {76, 64}, {74, 101}, {94, 101}}), c.sleeve, c);
    // The gold front band with its buttons.
    shape(p, polygonPath({{44, 62}, {56, 62}, {58, 101}, {42, 101}}), c.gold, c);
    p.setPen(Qt::NoPen);
    p.setBrush(c.robeDark);
    for (double y : {72.0, 82.0, 92.0}) p.drawEllipse(QPointF(50, y), 2.2, 2.2);
}

void drawHead(QPainter& p, const Colours& c, bool beard) {
    // Neck and collar.
    shape(p, polygonPath({{45, 50}, {55, 50}, {56, 62}, {44, 62}}), c.skin, c);
    QPainterPath collar;
    collar.moveTo(32, 60);
    collar.quadTo(50, 72, 68, 60);
    collar.lineTo(64, 57);
    collar.quadTo(50, 65, 36, 57);
    collar.closeSubpath();
    shape(p, collar, QColor(250, 250, 245), c);
    QPainterPath face;
    face.addEllipse(QPointF(50, 40), 11.5, 13.5);
    shape(p, face, c.skin, c);
    if (beard) {
        QPainterPath b;
        b.moveTo(38.5, 40);
        b.cubicTo(39, 56, 45, 62, 50, 66);
        b.cubicTo(55, 62, 61, 56, 61.5, 40);
        b.cubicTo(58, 48, 42, 48, 38.5, 40);
        b.closeSubpath();
        shape(p, b, c.hair, c);
    }
    // Eyes and mouth.
    p.setPen(Qt::NoPen);
    p.setBrush(c.line);
    p.drawEllipse(QPointF(45.5, 38.5), 1.7, 1.9);
    p.drawEllipse(QPointF(54.5, 38.5), 1.7, 1.9);
    p.setPen(QPen(QColor(170, 40, 40), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(47, beard ? 47 : 46.5), QPointF(53, beard ? 47 : 46.5));
}

// Draws the head and headwear a little larger than the body, as the figures of
// printed cards are, so that the face still reads on a small card.
class HeadScale {
  public:
    explicit HeadScale(QPainter& p) : p_(p) {
        p_.save();
        p_.translate(50, 50);
        p_.scale(1.15, 1.15);
        p_.translate(-50, -50);
    }
    ~HeadScale() { p_.restore(); }

  private:
    QPainter& p_;
};

void drawKing(QPainter& p, const Colours& c) {
    drawRobe(p, c);
    // Sceptre in the right hand.
    p.setPen(QPen(c.line, 1.6));
    p.setBrush(c.goldDark);
    p.drawRect(QRectF(80, 34, 4, 62));
    shape(p, QPainterPath([] {
              QPainterPath orb;
              orb.addEllipse(QPointF(82, 31), 5.5, 5.5);
              return orb;
          }()),
          c.gold, c);
    shape(p, polygonPath({{80.8, 18}, {83.2, 18}, {83.2, 26}, {80.8, 26}}), c.gold, c);
    HeadScale head(p);
    // Hair behind the head.
    QPainterPath hair;
    hair.addEllipse(QPointF(50, 39), 15.5, 15);
    shape(p, hair, c.hair, c);
    drawHead(p, c, true);
    // Crown with three points and jewels.
    shape(p, polygonPath({{35, 30}, {35, 12}, {42.5, 21}, {50, 8}, {57.5, 21}, {65, 12}, {65, 30}}),
          c.gold, c);
    shape(p, polygonPath({{35, 25}, {65, 25}, {65, 30}, {35, 30}}), c.goldDark, c);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 20, 30));
    p.drawEllipse(QPointF(50, 17), 2.4, 2.4);
    p.setBrush(QColor(30, 60, 170));
    p.drawEllipse(QPointF(40, 27.5), 1.8, 1.8);
    p.drawEllipse(QPointF(60, 27.5), 1.8, 1.8);
}

void drawQueen(QPainter& p, const Colours& c) {
    // Long hair falls over the shoulders, behind everything else.
    QPainterPath hair;
    hair.moveTo(34, 34);
    hair.cubicTo(32, 14, 68, 14, 66, 34);
    hair.cubicTo(68, 50, 72, 62, 70, 70);
    hair.lineTo(30, 70);
    hair.cubicTo(28, 62, 32, 50, 34, 34);
    hair.closeSubpath();
    {
        HeadScale head(p);
        shape(p, hair, c.hair, c);
    }
    drawRobe(p, c);
    // A flower held in the left hand.
    p.setPen(QPen(QColor(30, 110, 40), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(18, 98), QPointF(18, 50));
    p.setPen(QPen(c.line, 1.2));
    p.setBrush(QColor(228, 60, 90));
    for (int i = 0; i < 5; ++i) {
        const double a = i * 72 * 3.14159265 / 180;
        p.drawEllipse(QPointF(18 + 5 * std::sin(a), 44 - 5 * std::cos(a)), 3.6, 3.6);
    }
    p.setBrush(c.gold);
    p.drawEllipse(QPointF(18, 44), 2.6, 2.6);
    HeadScale head(p);
    drawHead(p, c, false);
    // A fringe over the forehead.
    QPainterPath fringe;
    fringe.moveTo(38.5, 36);
    fringe.cubicTo(38, 22, 62, 22, 61.5, 36);
    fringe.cubicTo(56, 30, 44, 30, 38.5, 36);
    fringe.closeSubpath();
    shape(p, fringe, c.hair, c);
    // A small crown with round tops.
    shape(p,
          polygonPath({{39, 26}, {39, 17}, {44.5, 21}, {50, 14}, {55.5, 21}, {61, 17}, {61, 26}}),
          c.gold, c);
    p.setPen(Qt::NoPen);
    p.setBrush(c.gold);
    for (double x : {39.0, 50.0, 61.0}) p.drawEllipse(QPointF(x, x == 50 ? 12.5 : 15.5), 2.6, 2.6);
    p.setBrush(QColor(200, 20, 30));
    p.drawEllipse(QPointF(50, 22.5), 2.0, 2.0);
}

void drawJack(QPainter& p, const Colours& c) {
    drawRobe(p, c);
    // A halberd in the right hand.
    p.setPen(QPen(c.line, 1.4));
    p.setBrush(QColor(150, 100, 50));
    p.drawRect(QRectF(81, 22, 3.4, 76));
    shape(p, polygonPath({{84, 24}, {94, 18}, {94, 36}, {84, 32}}), QColor(200, 205, 215), c);
    shape(p, polygonPath({{80.5, 22}, {82.7, 10}, {84.9, 22}}), QColor(200, 205, 215), c);
    HeadScale head(p);
    // Short hair showing under the cap.
    QPainterPath hair;
    hair.addEllipse(QPointF(50, 37), 14, 12.5);
    shape(p, hair, c.hair, c);
    drawHead(p, c, false);
    // A flat cap with a feather.
    QPainterPath feather;
    feather.moveTo(60, 22);
    feather.cubicTo(70, 16, 80, 6, 86, 2);
    feather.cubicTo(82, 12, 74, 22, 62, 27);
    feather.closeSubpath();
    shape(p, feather, QColor(250, 250, 245), c);
    QPainterPath cap;
    cap.moveTo(32, 29);
    cap.cubicTo(30, 14, 68, 10, 70, 27);
    cap.cubicTo(60, 31, 42, 31, 32, 29);
    cap.closeSubpath();
    shape(p, cap, c.sleeve, c);
    shape(p, polygonPath({{35, 26}, {67, 24}, {68, 28.5}, {34, 30.5}}), c.gold, c);
}

}  // namespace

void drawCourtFigure(QPainter& p, const QRectF& frame, int rankValue, int suit, int palette,
                     const QColor& ink, double unit) {
    const Colours c = coloursFor(rankValue, suit, palette);
    p.save();
    p.setClipRect(frame);
    for (int half = 0; half < 2; ++half) {
        p.save();
        if (half == 1) {
            p.translate(frame.center());
            p.rotate(180);
            p.translate(-frame.center());
        }
        p.translate(frame.topLeft());
        p.scale(frame.width() / 100, frame.height() / 200);
        switch (rankValue) {
            case 6:
                drawJack(p, c);
                break;
            case 7:
                drawQueen(p, c);
                break;
            default:
                drawKing(p, c);
                break;
        }
        // The suit in the corner of the frame, beside the head.
        drawSuit(p, suit, QRectF(6, 5, 18, 20), ink);
        p.restore();
    }
    p.restore();
    // The two halves meet at a thin line; the frame is drawn over everything, its
    // lines on whole pixels so that they stay crisp.
    const double width = std::max(1.0, std::round(unit));
    const double half = width / 2;
    const double mid = std::floor(frame.center().y()) + (int(width) % 2 ? 0.5 : 0.0);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(90, 90, 90), width * 0.8));
    p.drawLine(QPointF(frame.left(), mid), QPointF(frame.right(), mid));
    p.setPen(QPen(ink, width));
    p.drawRect(frame.adjusted(half, half, -half, -half));
}

}  // namespace tavik::art
