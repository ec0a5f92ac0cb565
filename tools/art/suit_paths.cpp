#include "tools/art/suit_paths.h"

#include <QPainter>
#include <QTransform>

namespace tavik::art {
namespace {

QPainterPath heart() {
    QPainterPath p;
    p.moveTo(0, 0.98);
    p.cubicTo(-0.5, 0.5, -1.0, 0.12, -1.0, -0.38);
    p.cubicTo(-1.0, -0.8, -0.72, -1.0, -0.47, -1.0);
    p.cubicTo(-0.22, -1.0, -0.05, -0.84, 0, -0.6);
    p.cubicTo(0.05, -0.84, 0.22, -1.0, 0.47, -1.0);
    p.cubicTo(0.72, -1.0, 1.0, -0.8, 1.0, -0.38);
    p.cubicTo(1.0, 0.12, 0.5, 0.5, 0, 0.98);
    p.closeSubpath();
    return p;
}

QPainterPath diamond() {
    QPainterPath p;
    p.moveTo(0, -1);
    p.quadTo(0.36, -0.46, 0.8, 0);
    p.quadTo(0.36, 0.46, 0, 1);
    p.quadTo(-0.36, 0.46, -0.8, 0);
    p.quadTo(-0.36, -0.46, 0, -1);
    p.closeSubpath();
    return p;
}

// The flared stem shared by clubs and spades, from the body down to the foot.
void addStem(QPainterPath& p, double topY, double neck) {
    p.moveTo(neck, topY);
    p.quadTo(0.1, 0.82, 0.42, 1.0);
    p.lineTo(-0.42, 1.0);
    p.quadTo(-0.1, 0.82, -neck, topY);
    p.closeSubpath();
}

QPainterPath club() {
    QPainterPath p;
    const double r = 0.43;
    p.addEllipse(QPointF(0, -0.54), r, r);
    p.addEllipse(QPointF(-0.53, 0.12), r, r);
    p.addEllipse(QPointF(0.53, 0.12), r, r);
    p.addEllipse(QPointF(0, -0.05), 0.28, 0.3);  // fills the gap between the leaves
    addStem(p, 0.1, 0.1);
    p.setFillRule(Qt::WindingFill);
    return p.simplified();
}

QPainterPath spade() {
    QPainterPath p;
    p.moveTo(0, -1);
    p.cubicTo(0.2, -0.7, 1.0, -0.34, 1.0, 0.16);
    p.cubicTo(1.0, 0.5, 0.76, 0.68, 0.5, 0.68);
    p.cubicTo(0.3, 0.68, 0.13, 0.58, 0.06, 0.44);
    p.lineTo(-0.06, 0.44);
    p.cubicTo(-0.13, 0.58, -0.3, 0.68, -0.5, 0.68);
    p.cubicTo(-0.76, 0.68, -1.0, 0.5, -1.0, 0.16);
    p.cubicTo(-1.0, -0.34, -0.2, -0.7, 0, -1);
    p.closeSubpath();
    addStem(p, 0.4, 0.1);
    p.setFillRule(Qt::WindingFill);
    return p.simplified();
}

}  // namespace

QPainterPath suitPath(int suit) {
    switch (suit) {
        case 1:
            return heart();
        case 2:
            return diamond();
        case 3:
            return club();
        default:
            return spade();
    }
}

void drawSuit(QPainter& painter, int suit, const QRectF& box, const QColor& ink, bool upsideDown) {
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    if (upsideDown) t.rotate(180);
    t.scale(box.width() / 2, box.height() / 2);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPath(t.map(suitPath(suit)));
    painter.restore();
}

}  // namespace tavik::art
