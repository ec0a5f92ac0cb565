// The back styles of library B. Each style deals the seven weekday designs (ten for the
// styles 8..11) in an order of its own and turns their colours to a hue of its own;
// the built-in style's narrow large backs are its weekday designs drawn 126 wide.
#include <QColor>

#include "tools/art/art_output.h"
#include "tools/art/card_back.h"
#include "tools/plugins/plugin_sets.h"
#include "ui/pictures/art_names.h"

namespace tavik::plugins {
namespace {

constexpr QSize kSmall(69, 94);
constexpr QSize kWide(146, 198);
constexpr QSize kNarrow(126, 198);

// Turns the hue of every coloured pixel; the white border and greys stay.
QImage turnHue(QImage image, int degrees, int saturationBoost) {
    if (degrees == 0 && saturationBoost == 0) return image;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = QColor::fromRgba(line[x]);
            int h, s, v, a;
            c.getHsv(&h, &s, &v, &a);
            if (h < 0 || s < 24) continue;
            const QColor turned =
                QColor::fromHsv((h + degrees) % 360, std::min(255, s + saturationBoost), v, a);
            line[x] = turned.rgba();
        }
    }
    return image;
}

void addBack(art::ArtOutput& out, int backStyle, int index, const QImage& small, const QImage& wide,
             const QImage& narrow) {
    auto name = [&](bool across, bool large, bool wideCards) {
        return QString::fromStdString(ui::BackName(backStyle, index, across, large, wideCards));
    };
    if (backStyle != 0) {
        out.addPng(name(false, false, true), small);
        out.addPng(name(true, false, true), art::turnAcross(small));
        out.addPng(name(false, true, true), wide);
        out.addPng(name(true, true, true), art::turnAcross(wide));
    }
    out.addPng(name(false, true, false), narrow);
    out.addPng(name(true, true, false), art::turnAcross(narrow));
}

}  // namespace

void addBackStyles(art::ArtOutput& out) {
    for (int i = 1; i <= 7; ++i) addBack(out, 0, i, {}, {}, art::drawBackDesign(i, kNarrow, true));
    for (int style = 1; style < ui::kBackStyles; ++style) {
        const int hue = style * 29 % 360;
        const int boost = style % 3 == 0 ? 30 : 0;
        for (int i = 1; i <= ui::BackCount(style); ++i) {
            const int design = (i - 1 + style * 3) % 7 + 1;
            // The ten-picture styles show each design a second time in a further hue.
            const int turn = i > 7 ? (hue + 120) % 360 : hue;
            addBack(out, style, i, turnHue(art::drawBackDesign(design, kSmall, false), turn, boost),
                    turnHue(art::drawBackDesign(design, kWide, true), turn, boost),
                    turnHue(art::drawBackDesign(design, kNarrow, true), turn, boost));
        }
    }
}

}  // namespace tavik::plugins
