// The candelabra of the main screen: two 100 x 200 pictures, "GCandleL" and
// "GCandleR", each three wax candles in a brass holder, and the strip of six
// flame frames "GFlames" (20 x 30 each) that the screen animates over the wicks.
//
// The screen clears the boxes where the flames burn - (16, 15), (41, 1) and (66,
// 15), 20 x 30 each - before it draws a flame there, so the candles begin just
// below those boxes and the wick stubs are part of the flame frames.
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "tools/art/art_output.h"
#include "tools/art/art_sets.h"
#include "tools/art/contact_sheet.h"
#include "tools/art/draw_kit.h"

namespace tavik::art {
namespace {

// The transparent colour of the flame frames.
const QRgb kFlameKey = qRgb(0, 128, 0);

const QColor kBrassLight(255, 236, 150), kBrass(214, 160, 40), kBrassDark(120, 80, 12);

QLinearGradient brassAcross(double left, double right) {
    return metalAcross(left, right, kBrassDark, kBrassLight, kBrass);
}

// One candle: a wax cylinder from top to bottom centred on x, with drips.
void drawCandle(QPainter& p, double x, double top, double bottom, double halfWidth, Dice& dice) {
    const QRectF body(x - halfWidth, top, 2 * halfWidth, bottom - top);
    QLinearGradient wax(body.topLeft(), body.topRight());
    wax.setColorAt(0, QColor(214, 200, 170));
    wax.setColorAt(0.3, QColor(255, 250, 232));
    wax.setColorAt(0.7, QColor(244, 234, 206));
    wax.setColorAt(1, QColor(190, 172, 136));
    p.setPen(QPen(QColor(150, 130, 96), 0.8));
    p.setBrush(wax);
    p.drawRoundedRect(body, 1.5, 1.5);
    // The hollow round the wick.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(226, 210, 176));
    p.drawEllipse(QPointF(x, top + 1.5), halfWidth - 1.2, 1.6);
    // Drips running down from the rim.
    for (int i = 0; i < 3; ++i) {
        const double dx = dice.range(-halfWidth + 2, halfWidth - 2);
        const double length = dice.range(6, 16);
        QPainterPath drip;
        drip.moveTo(x + dx - 1.8, top);
        drip.lineTo(x + dx - 1.5, top + length);
        drip.cubicTo(x + dx - 1.5, top + length + 2.4, x + dx + 1.5, top + length + 2.4,
                     x + dx + 1.5, top + length);
        drip.lineTo(x + dx + 1.8, top);
        drip.closeSubpath();
        p.setBrush(QColor(255, 252, 240));
        p.setPen(QPen(QColor(200, 184, 150), 0.5));
        p.drawPath(drip);
    }
}

// A brass cup with a drip tray that holds a candle whose foot is at (x, y).
void drawCup(QPainter& p, double x, double y, double halfWidth) {
    p.setPen(QPen(kBrassDark, 0.8));
    p.setBrush(brassAcross(x - halfWidth - 7, x + halfWidth + 7));
    p.drawEllipse(QPointF(x, y + 1), halfWidth + 7, 2.6);  // the tray
    QPainterPath cup;
    cup.moveTo(x - halfWidth - 2, y);
    cup.lineTo(x + halfWidth + 2, y);
    cup.quadTo(x + halfWidth, y + 9, x + 2.5, y + 11);
    cup.lineTo(x - 2.5, y + 11);
    cup.quadTo(x - halfWidth, y + 9, x - halfWidth - 2, y);
    cup.closeSubpath();
    p.setBrush(brassAcross(x - halfWidth - 2, x + halfWidth + 2));
    p.drawPath(cup);
}

QImage candelabrum(std::uint32_t seed) {
    return paintPicture(QSize(100, 200), [&](QPainter& p) {
        Dice dice(seed);
        const double left = 26, middle = 51, right = 76;
        // Arms: from the stem curving up to the side cups.
        p.setBrush(Qt::NoBrush);
        for (double side : {left, right}) {
            QPainterPath arm;
            arm.moveTo(middle, 128);
            arm.cubicTo(middle + (side - middle) * 0.2, 150, side, 140, side, 112);
            p.setPen(QPen(kBrassDark, 5.5, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(arm);
            p.setPen(QPen(kBrass, 3.5, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(arm);
            p.setPen(QPen(kBrassLight, 1.2, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(arm.translated(-0.8, -0.6));
        }
        // The stem with its knobs.
        p.setPen(QPen(kBrassDark, 0.8));
        p.setBrush(brassAcross(middle - 4, middle + 4));
        p.drawRect(QRectF(middle - 3.5, 100, 7, 80));
        for (const auto& [y, rx, ry] :
             {std::tuple{126.0, 8.0, 5.0}, {150.0, 6.0, 4.0}, {168.0, 9.0, 5.5}}) {
            p.setBrush(brassAcross(middle - rx, middle + rx));
            p.drawEllipse(QPointF(middle, y), rx, ry);
        }
        // The foot.
        QPainterPath foot;
        foot.moveTo(middle - 6, 176);
        foot.cubicTo(middle - 8, 186, middle - 30, 186, middle - 32, 192);
        foot.lineTo(middle + 32, 192);
        foot.cubicTo(middle + 30, 186, middle + 8, 186, middle + 6, 176);
        foot.closeSubpath();
        p.setBrush(brassAcross(middle - 32, middle + 32));
        p.drawPath(foot);
        p.setBrush(brassAcross(middle - 33, middle + 33));
        p.drawRoundedRect(QRectF(middle - 33, 191, 66, 6), 3, 3);

        drawCandle(p, left, 45.6, 104, 6.5, dice);
        drawCandle(p, right, 45.6, 104, 6.5, dice);
        drawCandle(p, middle, 31.6, 96, 7.5, dice);
        drawCup(p, left, 103, 6.5);
        drawCup(p, right, 103, 6.5);
        drawCup(p, middle, 95, 7.5);
        // Nothing of the candles may reach into the flame boxes.
        p.setCompositionMode(QPainter::CompositionMode_Clear);
        for (const QPoint box : {QPoint(16, 15), QPoint(41, 1), QPoint(66, 15)})
            p.fillRect(QRect(box, QSize(20, 30)), Qt::transparent);
    });
}

// Flame frame k of six: a teardrop that stretches and leans a little, with a
// blue foot, a yellow body and a white core, over the wick stub; everything
// that is not flame is the key colour.
QImage flameFrame(int k) {
    const double height[] = {20, 23, 25, 22, 19, 24};
    const double lean[] = {0, 1.2, 0.4, -1.0, -0.4, 0.8};
    const QImage drawn = paintPicture(QSize(20, 30), [&](QPainter& p) {
        const double base = 27.5, cx = 10;
        const double tipY = base - height[k];
        auto teardrop = [&](double scale) {
            const double w = 5.4 * scale, h = (base - tipY) * scale;
            const double b = base - (1 - scale) * 3;
            QPainterPath path;
            path.moveTo(cx + lean[k] * scale * 1.6, b - h);
            path.cubicTo(cx + w * 0.5 + lean[k], b - h * 0.55, cx + w * 1.1, b - h * 0.25, cx + w,
                         b - 3 * scale);
            path.cubicTo(cx + w * 0.8, b + 0.6, cx - w * 0.8, b + 0.6, cx - w, b - 3 * scale);
            path.cubicTo(cx - w * 1.1, b - h * 0.25, cx - w * 0.5 + lean[k], b - h * 0.55,
                         cx + lean[k] * scale * 1.6, b - h);
            path.closeSubpath();
            return path;
        };
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 140, 24));
        p.drawPath(teardrop(1.0));
        p.setBrush(QColor(255, 214, 70));
        p.drawPath(teardrop(0.72));
        p.setBrush(QColor(255, 252, 214));
        p.drawPath(teardrop(0.42));
        p.setBrush(QColor(80, 110, 240));
        p.drawEllipse(QPointF(cx, base - 1.6), 2.2, 1.6);
        // The wick stub.
        p.setBrush(QColor(40, 30, 24));
        p.drawRect(QRectF(cx - 0.6, base - 3.5, 1.2, 5.0));
    });
    QImage frame(20, 30, QImage::Format_RGB32);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 20; ++x) {
            const QRgb c = drawn.pixel(x, y);
            QRgb out = qAlpha(c) >= 110 ? qRgb(qRed(c), qGreen(c), qBlue(c)) : kFlameKey;
            if (qAlpha(c) >= 110 && out == kFlameKey) out = qRgb(0, 129, 0);
            frame.setPixel(x, y, out);
        }
    return frame;
}

}  // namespace

void addCandleArt(ArtOutput& out, ContactSheet& sheet) {
    const QImage left = candelabrum(17), right = candelabrum(29);
    out.addPng(QStringLiteral("GCandleL"), left);
    out.addPng(QStringLiteral("GCandleR"), right);
    QList<QImage> flames;
    for (int k = 0; k < 6; ++k) flames << flameFrame(k);
    const QImage strip = frameStrip(flames).convertToFormat(QImage::Format_RGB32);
    out.addPng(QStringLiteral("GFlames"), strip);

    // The candles as the screen shows them, lit with flame phase 0 (frames 0, 1, 2
    // on the left, 2, 0, 3 on the right), the key colour left out.
    auto lit = [&](const QImage& candle, const int frames[3]) {
        QImage shown = candle.copy();
        QPainter p(&shown);
        const QPoint at[] = {{16, 15}, {41, 1}, {66, 15}};
        for (int i = 0; i < 3; ++i) {
            QImage flame = flames[frames[i]].convertToFormat(QImage::Format_ARGB32);
            for (int y = 0; y < flame.height(); ++y)
                for (int x = 0; x < flame.width(); ++x)
                    if (flame.pixel(x, y) == kFlameKey) flame.setPixel(x, y, qRgba(0, 0, 0, 0));
            p.drawImage(at[i], flame);
        }
        return shown;
    };
    const int leftFrames[] = {0, 1, 2}, rightFrames[] = {2, 0, 3};
    sheet.addRow({left, right, lit(left, leftFrames), lit(right, rightFrames), strip}, false);
}

}  // namespace tavik::art
