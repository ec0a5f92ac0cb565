#pragma once
// A renderer over the built-in art for one window size, and pixel helpers.

#include <memory>

#include "ui/table/table_renderer.h"
#include "ui/testing/ui_test_support.h"

namespace tavik::ui::test {

struct RendererFixture {
    explicit RendererFixture(int windowSize, int deckStyle = 0) {
        App();
        display = MakeDisplay(windowSize, 1920, 1080, deckStyle);
        settings.deckStyle = deckStyle;
        ArtLoader loader(display, settings, art, PluginFolders{}, nullptr);
        loader.LoadCardFaces();
        loader.LoadTableBackground(false);
        renderer = std::make_unique<TableRenderer>(display, art, settings);
        renderer->PlaceBoxes();
    }
    // The table background at a window point.
    QRgb background(int x, int y) const { return art.background.pixel(x, y); }
    // The background behind a point of a box.
    QRgb behind(BoxId id, int x, int y) const {
        const Box& b = renderer->box(id);
        return background(b.left + x, b.top + y);
    }

    Display display;
    config::Settings settings;
    CardArt art;
    std::unique_ptr<TableRenderer> renderer;
};

inline bool IsBlack(QRgb c) {
    return SameRgb(c, qRgb(0, 0, 0));
}

// Pixels close to a colour (text is antialiased at its edges only).
inline int CountNear(const QImage& image, QRect area, QRgb colour, int tolerance = 40) {
    int n = 0;
    area = area.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb c = image.pixel(x, y);
            n += std::abs(qRed(c) - qRed(colour)) + std::abs(qGreen(c) - qGreen(colour)) +
                             std::abs(qBlue(c) - qBlue(colour)) <=
                         tolerance
                     ? 1
                     : 0;
        }
    return n;
}

}  // namespace tavik::ui::test
