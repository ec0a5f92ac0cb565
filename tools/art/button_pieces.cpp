// The pieces of the card-style button, drawn in red: a left end, a right end and
// a two-pixel middle slice at the heights 29, 44 and 59. The button recolours
// them by permuting and scaling channels, so every colour here is a shade of red
// (green equal to blue, at most red); shape "Q" keeps every colour within 180 of
// pure red, the distance below which the button recolours a "Q" pixel.
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

#include "resources/art_common/button_gradients.h"
#include "tools/art/art_output.h"
#include "tools/art/art_sets.h"
#include "tools/art/contact_sheet.h"

namespace tavik::art {
namespace {

struct PieceSet {
    int height;    // picture height: the button height minus one
    int endWidth;  // width of the end pictures
};

const PieceSet kSets[] = {{29, 8}, {44, 13}, {59, 17}};

QRgb mix(Rgb a, Rgb b, double t) {
    auto lerp = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return qRgb(lerp(a.r, b.r), lerp(a.g, b.g), lerp(a.b, b.b));
}

// The row colours of the flat "Q" bar: a light upper half, a deeper lower half,
// and a dark edge line at the top and the bottom.
std::vector<Rgb> flatRows(int height) {
    std::vector<Rgb> rows(height);
    const int half = height / 2;
    for (int y = 0; y < height; ++y) {
        double t;
        Rgb from, to;
        if (y < half) {
            t = half > 1 ? double(y) / (half - 1) : 0;
            from = {238, 112, 112};
            to = {214, 52, 52};
        } else {
            t = double(y - half) / std::max(1, height - half - 1);
            from = {176, 0, 0};
            to = {208, 26, 26};
        }
        const QRgb c = mix(from, to, t);
        rows[y] = {static_cast<std::uint8_t>(qRed(c)), static_cast<std::uint8_t>(qGreen(c)),
                   static_cast<std::uint8_t>(qBlue(c))};
    }
    rows.front() = rows.back() = {100, 0, 0};
    return rows;
}

// The left end: row colours inside a rounded corner of the given radius, the
// outermost pixel ring shaded towards edge, antialiased by 4 x 4 supersampling.
QImage leftEnd(const std::vector<Rgb>& rows, int width, double radius, Rgb edge) {
    const int height = static_cast<int>(rows.size());
    QImage image(width, height, QImage::Format_ARGB32);
    // Distance of a point from the outline of the end (negative outside).
    auto inset = [&](double x, double y) {
        const bool inCorner = x < radius && (y < radius || y > height - radius);
        if (!inCorner) return std::min({x, y, height - y});
        const double cy = std::clamp(y, radius, height - radius);
        return radius - std::hypot(x - radius, y - cy);
    };
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            int covered = 0;
            for (int sy = 0; sy < 4; ++sy)
                for (int sx = 0; sx < 4; ++sx)
                    if (inset(x + (sx + 0.5) / 4, y + (sy + 0.5) / 4) >= 0) ++covered;
            const double depth = inset(x + 0.5, y + 0.5);
            const double toEdge = std::clamp(1.5 - depth, 0.0, 1.0);
            const QRgb c = mix(rows[y], edge, toEdge);
            image.setPixel(x, y, qRgba(qRed(c), qGreen(c), qBlue(c), covered * 255 / 16));
        }
    return image;
}

QImage middleSlice(const std::vector<Rgb>& rows) {
    QImage image(2, static_cast<int>(rows.size()), QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        const QRgb c = qRgb(rows[y].r, rows[y].g, rows[y].b);
        image.setPixel(0, y, c);
        image.setPixel(1, y, c);
    }
    return image;
}

// The pieces put together as a button of the given width shows them.
QImage assembled(const QImage& left, const QImage& right, const QImage& middle, int width) {
    QImage bar(width, left.height(), QImage::Format_ARGB32_Premultiplied);
    bar.fill(Qt::transparent);
    QPainter p(&bar);
    p.drawImage(QRect(left.width(), 0, width - 2 * left.width(), bar.height()), middle);
    p.drawImage(0, 0, left);
    p.drawImage(width - right.width(), 0, right);
    p.end();
    return bar;
}

QImage addShape(ArtOutput& out, char shape, const PieceSet& set, const std::vector<Rgb>& rows,
                double radius, Rgb edge) {
    const QString stem = QStringLiteral("%1%2_").arg(QChar(shape)).arg(set.height);
    const QImage left = leftEnd(rows, set.endWidth, radius, edge);
    const QImage right = left.mirrored(true, false);
    const QImage middle = middleSlice(rows);
    out.addPng(stem + "L", left);
    out.addPng(stem + "R", right);
    out.addPng(stem + "2", middle);
    return assembled(left, right, middle, 120);
}

}  // namespace

void addButtonArt(ArtOutput& out, ContactSheet& sheet) {
    QList<QImage> row;
    for (const PieceSet& set : kSets) {
        const std::span<const Rgb> gradient = buttonGradient(set.height + 1);
        row << addShape(out, 'R', set, std::vector<Rgb>(gradient.begin(), gradient.end()),
                        set.endWidth, Rgb{128, 0, 0});
        row << addShape(out, 'Q', set, flatRows(set.height), set.height / 10.0 + 1, Rgb{100, 0, 0});
    }
    sheet.addRow(row, false);
}

}  // namespace tavik::art
