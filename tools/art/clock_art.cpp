// The two clocks of the main screen: the plate "GClockBG" and LED digits in
// eight colours, "GBClock0".."GBClock9" with the colon "GBClockP" for the time,
// and the information clock's sets "GRClock0".."GRClock9" + "GRClockM" (minus) ...
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include "tools/art/art_output.h"
#include "tools/art/art_sets.h"
#include "tools/art/contact_sheet.h"
#include "tools/art/draw_kit.h"

namespace tavik::art {
namespace {

// The plate: a brushed-metal bezel round a dark glass window.
QImage clockPlate() {
    return paintPicture(QSize(115, 64), [](QPainter& p) {
        const QRectF outer(0.5, 0.5, 114, 63);
        QLinearGradient metal(outer.topLeft(), outer.bottomLeft());
        metal.setColorAt(0, QColor(236, 238, 244));
        metal.setColorAt(0.45, QColor(150, 156, 170));
        metal.setColorAt(0.55, QColor(120, 126, 140));
        metal.setColorAt(1, QColor(200, 204, 214));
        p.setPen(QPen(QColor(50, 54, 64), 1));
        p.setBrush(metal);
        p.drawRoundedRect(outer, 9, 9);
        const QRectF window(7, 8, 101, 48);
        p.setPen(QPen(QColor(40, 42, 50), 1.2));
        QLinearGradient glass(window.topLeft(), window.bottomLeft());
        glass.setColorAt(0, QColor(18, 22, 34));
        glass.setColorAt(1, QColor(6, 8, 14));
        p.setBrush(glass);
        p.drawRoundedRect(window, 5, 5);
        // A faint reflection across the upper half of the glass.
        QPainterPath shine;
        shine.moveTo(window.left() + 4, window.top() + 2);
        shine.lineTo(window.right() - 4, window.top() + 2);
        shine.lineTo(window.right() - 30, window.top() + 18);
        shine.lineTo(window.left() + 4, window.top() + 24);
        shine.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(verticalGradient(window, QColor(255, 255, 255, 30), QColor(255, 255, 255, 0)));
        p.drawPath(shine);
        // Four screws in the bezel.
        for (const QPointF s : {QPointF(4, 4), QPointF(111, 4), QPointF(4, 60), QPointF(111, 60)}) {
            p.setPen(QPen(QColor(70, 74, 84), 0.6));
            p.setBrush(QColor(214, 216, 222));
            p.drawEllipse(s, 1.8, 1.8);
        }
    });
}

// The seven segments of a digit in an 18 x 40 cell, letters as usual:
// a top, b top right, c bottom right, d bottom, e bottom left, f top left, g middle.
QPainterPath segment(char which) {
    const double l = 3.4, r = 14.6, t = 3.0, m = 20.0, b = 37.0, w = 2.3;
    QPainterPath path;
    auto horizontal = [&](double y) {
        path.moveTo(l + 1, y);
        path.lineTo(l + 1 + w, y - w);
        path.lineTo(r - 1 - w, y - w);
        path.lineTo(r - 1, y);
        path.lineTo(r - 1 - w, y + w);
        path.lineTo(l + 1 + w, y + w);
        path.closeSubpath();
    };
    auto vertical = [&](double x, double y0, double y1) {
        path.moveTo(x, y0 + 1);
        path.lineTo(x + w, y0 + 1 + w);
        path.lineTo(x + w, y1 - 1 - w);
        path.lineTo(x, y1 - 1);
        path.lineTo(x - w, y1 - 1 - w);
        path.lineTo(x - w, y0 + 1 + w);
        path.closeSubpath();
    };
    switch (which) {
        case 'a':
            horizontal(t);
            break;
        case 'g':
            horizontal(m);
            break;
        case 'd':
            horizontal(b);
            break;
        case 'f':
            vertical(l, t, m);
            break;
        case 'b':
            vertical(r, t, m);
            break;
        case 'e':
            vertical(l, m, b);
            break;
        default:
            vertical(r, m, b);
            break;
    }
    // A slight forward lean, as on real LED displays.
    QTransform lean;
    lean.translate(0, 20);
    lean.shear(-0.07, 0);
    lean.translate(1.4, -20);
    return lean.map(path);
}

// Segments lit for the digits 0..9 and, at index 10, the minus sign.
const char* const kLit[] = {"abcdef", "bc",  "abdeg",   "abcdg",  "bcfg", "acdfg",
                            "acdefg", "abc", "abcdefg", "abcdfg", "g"};

QImage ledDigit(int symbol, const QColor& colour) {
    return paintPicture(QSize(18, 40), [&](QPainter& p) {
        const QString lit = QString::fromLatin1(kLit[symbol]);
        p.setPen(Qt::NoPen);
        for (char s : QByteArrayLiteral("abcdefg")) {
            const QPainterPath path = segment(s);
            if (!lit.contains(QLatin1Char(s))) {
                QColor ghost = colour;
                ghost.setAlpha(30);
                p.setBrush(ghost);
                p.drawPath(path);
                continue;
            }
            QColor glow = colour;
            glow.setAlpha(80);
            p.setPen(QPen(glow, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(colour);
            p.drawPath(path);
            p.setPen(Qt::NoPen);
        }
    });
}

// The blinking colon: two round dots.
QImage colon(const QColor& colour) {
    return paintPicture(QSize(3, 27), [&](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawEllipse(QPointF(1.5, 7.5), 1.5, 1.6);
        p.drawEllipse(QPointF(1.5, 19.5), 1.5, 1.6);
    });
}

}  // namespace

void addClockArt(ArtOutput& out, ContactSheet& sheet) {
    const QImage plate = clockPlate();
    out.addPng(QStringLiteral("GClockBG"), plate);
    const QColor blue(70, 160, 255);
    out.addPng(QStringLiteral("GBClockP"), colon(blue));

    const struct {
        const char* stem;
        QColor colour;
    } sets[] = {{"GBClock", blue},
                {"GRClock", QColor(255, 56, 44)},
                {"GAClock", QColor(30, 230, 230)},
                {"GGClock", QColor(40, 220, 80)},
                {"GYClock", QColor(255, 216, 20)},
                {"GVClock", QColor(196, 110, 255)},
                {"GLClock", QColor(176, 255, 60)},
                {"GNClock", QColor(255, 140, 30)}};
    for (const auto& set : sets) {
        const QString stem = QString::fromLatin1(set.stem);
        const int symbols = stem == QLatin1String("GBClock") ? 10 : 11;
        QList<QImage> row;
        for (int symbol = 0; symbol < symbols; ++symbol) {
            const QImage digit = ledDigit(symbol, set.colour);
            out.addPng(stem + (symbol < 10 ? QString::number(symbol) : QStringLiteral("M")), digit);
            row << digit;
        }
        // The plate as the clock shows it: "12:34" or the number "-7" .. in this colour.
        QImage shown = plate.copy();
        QPainter p(&shown);
        if (symbols == 10) {
            const int x[] = {14, 34, 61, 81}, d[] = {1, 2, 3, 4};
            for (int i = 0; i < 4; ++i) p.drawImage(x[i], 15, row[d[i]]);
            p.drawImage(55, 24, colon(set.colour));
        } else {
            p.drawImage(29, 15, row[10]);
            p.drawImage(49, 15, row[4]);
            p.drawImage(69, 15, row[2]);
        }
        p.end();
        sheet.addRow(QList<QImage>{shown} + row, false);
    }
}

}  // namespace tavik::art
