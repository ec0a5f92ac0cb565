#include "resources/art_common/face_inversion.h"

namespace tavik::art {

QRect faceInversionBox(bool largeFace, bool wideStyle) {
    if (!largeFace) return QRect(QPoint(10, 10), QPoint(59, 84));
    return wideStyle ? QRect(QPoint(10, 10), QPoint(136, 188))
                     : QRect(QPoint(10, 10), QPoint(116, 188));
}

bool insideInversionEllipse(QRect box, int x, int y) {
    // The ellipse touches the outer edges of the box's edge pixels.
    const double rx = box.width() / 2.0, ry = box.height() / 2.0;
    const double cx = box.left() + rx, cy = box.top() + ry;
    const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
    return dx * dx + dy * dy <= 1.0;
}

void invertFaceEllipse(QImage& image, QRect box) {
    if (image.format() != QImage::Format_ARGB32 && image.format() != QImage::Format_RGB32)
        image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                              : QImage::Format_RGB32);
    const QRect area = box.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = area.left(); x <= area.right(); ++x)
            if (insideInversionEllipse(box, x, y)) line[x] ^= 0x00FFFFFFu;
    }
}

}  // namespace tavik::art
