#include "ui/main_window/caption_colour.h"

#include <cstdlib>

#include "ui/layout/rounding.h"

namespace tavik::ui {

QRgb RecolourPixel(QRgb pixel, int captionColour) {
    int r = qRed(pixel), g = qGreen(pixel), b = qBlue(pixel);
    switch (captionColour) {
        case 2:  // orange, only where red leads
            if (r > g && r > b) {
                b = nearest(7 * std::min(b, g), 10);
                g = b + nearest(4 * std::abs(r - b), 10);
            }
            break;
        case 3:  // yellow
            g = r;
            break;
        case 4:  // green
            std::swap(r, g);
            break;
        case 5: {  // cyan
            const int red = r;
            r = b;
            g = red;
            b = red;
            break;
        }
        case 6:  // blue
            std::swap(r, b);
            break;
        case 7:  // violet
            b = r;
            break;
        case 8:  // grey
            r = g = b = nearest(30 * r + 59 * g + 11 * b, 100);
            break;
        default:
            return pixel;
    }
    return qRgba(std::min(r, 255), std::min(g, 255), b, qAlpha(pixel));
}

void RecolourCaption(QImage& picture, int captionColour) {
    if (captionColour < 2 || captionColour > 8 || picture.isNull()) return;
    // Work on straight (not premultiplied) colours so that the rule sees the drawn colour.
    if (picture.format() != QImage::Format_ARGB32 && picture.format() != QImage::Format_RGB32)
        picture = picture.convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32
                                                                    : QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) line[x] = RecolourPixel(line[x], captionColour);
    }
}

int NextCaptionColour(int captionColour) {
    return captionColour >= 1 && captionColour < 7 ? captionColour + 1 : 1;
}

}  // namespace tavik::ui
