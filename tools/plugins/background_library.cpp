// The table backgrounds of QorBackG03: ten patterns, each a field of light and shade
// that seven tints colour. The patterns are smooth at the pixel scale, so the large
// pictures stay small as JPEG files.
#include <QImage>
#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/art/art_output.h"
#include "tools/art/draw_kit.h"
#include "tools/plugins/plugin_sets.h"
#include "ui/pictures/art_names.h"

namespace tavik::plugins {
namespace {

using art::kPi;
using art::valueNoise;

// The shade of pattern 1..10 at (x, y) of a picture `scale` times the small one: about
// 0 (dark) to 1 (light).
double shade(int pattern, double x, double y, double scale) {
    const double u = x / scale, v = y / scale;  // small-picture pixels
    const double soft = valueNoise(u, v, 80, 7 + pattern) * 0.6 + valueNoise(u, v, 22, 11) * 0.4;
    switch (pattern) {
        case 1:  // baize, softly mottled
            return 0.45 + 0.35 * soft;
        case 2:  // baize with a clearer cloth
            return 0.4 + 0.3 * soft + 0.12 * valueNoise(u, v, 6, 5);
        case 3: {  // wood grain
            const double ring =
                std::sin((v + 30 * valueNoise(u, v, 120, 3)) * 0.35 + 6 * valueNoise(u, v, 40, 4));
            return 0.45 + 0.18 * ring + 0.15 * soft;
        }
        case 4: {  // marble veins
            const double vein = std::abs(std::sin((u + v) * 0.02 + 7 * valueNoise(u, v, 60, 9)));
            return 0.35 + 0.5 * std::pow(vein, 0.3) * (0.7 + 0.3 * soft);
        }
        case 5: {  // linen weave
            const double warp = 0.5 + 0.5 * std::sin(u * 1.2);
            const double weft = 0.5 + 0.5 * std::sin(v * 1.2);
            return 0.4 + 0.14 * (warp + weft) + 0.2 * soft;
        }
        case 6:  // leather
            return 0.3 + 0.5 * std::pow(valueNoise(u, v, 9, 13), 1.5) * 0.5 + 0.35 * soft;
        case 7: {  // damask lattice
            const double a = std::cos((u + v) * 2 * kPi / 48), b = std::cos((u - v) * 2 * kPi / 48);
            return 0.42 + 0.16 * a * b + 0.25 * soft;
        }
        case 8:  // waves
            return 0.45 + 0.18 * std::sin(v * 0.09 + 2.5 * std::sin(u * 0.03)) + 0.2 * soft;
        case 9: {  // dots
            const double dx = std::fmod(u, 38) - 19, dy = std::fmod(v, 38) - 19;
            const double dot = std::exp(-(dx * dx + dy * dy) / 40);
            return 0.4 + 0.3 * dot + 0.2 * soft;
        }
        default: {  // velvet: a light centre
            const double cx = u / 760 - 0.5, cy = v / 500 - 0.5;
            return 0.75 - 0.9 * (cx * cx + cy * cy) + 0.15 * soft;
        }
    }
}

// The shade field of a pattern at a size, with a darker rim as a table under a lamp.
std::vector<float> field(int pattern, QSize size) {
    const double scale = size.width() / 760.0;
    std::vector<float> values(static_cast<std::size_t>(size.width()) * size.height());
    const double cx = size.width() / 2.0, cy = size.height() / 2.0;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const double dx = (x - cx) / cx, dy = (y - cy) / cy;
            const double rim = 1.0 - 0.22 * (dx * dx + dy * dy) / 2;
            values[static_cast<std::size_t>(y) * size.width() + x] =
                static_cast<float>(std::clamp(shade(pattern, x, y, scale) * rim, 0.0, 1.0));
        }
    return values;
}

// Tints 0..6: green, red, orange, yellow, two blues, violet.
const QColor kTints[] = {{34, 130, 66},  {150, 28, 32}, {176, 90, 18}, {170, 150, 30},
                         {20, 128, 140}, {30, 56, 150}, {112, 40, 140}};

QImage coloured(const std::vector<float>& shades, QSize size, const QColor& tint) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const double s = 0.35 + 1.1 * shades[static_cast<std::size_t>(y) * size.width() + x];
            auto channel = [s](int c) { return std::clamp(static_cast<int>(c * s), 0, 255); };
            line[x] = qRgb(channel(tint.red()), channel(tint.green()), channel(tint.blue()));
        }
    }
    return image;
}

}  // namespace

void addBackgrounds(art::ArtOutput& out) {
    const QSize small(760, 500), large(1920, 922);
    for (int pattern = 1; pattern <= 10; ++pattern) {
        const std::vector<float> smallField = field(pattern, small);
        const std::vector<float> largeField = field(pattern, large);
        for (int tint = 0; tint <= 6; ++tint) {
            if (ui::BuiltinBackground(pattern, tint)) continue;
            const auto name = [&](bool big) {
                return QString::fromStdString(ui::BackgroundName(pattern, tint, big));
            };
            out.addJpeg(name(false), coloured(smallField, small, kTints[tint]), 85);
            out.addJpeg(name(true), coloured(largeField, large, kTints[tint]), 72);
        }
    }
}

// The decorated theme's table background: the damask lattice in purple.
QImage themeBackground(QSize size) {
    return coloured(field(7, size), size, QColor(104, 30, 170));
}

}  // namespace tavik::plugins
