#include "ui/pictures/picture_tools.h"

#include <QPainter>
#include <vector>

namespace tavik::ui {

QImage ResizeSmooth(const QImage& picture, QSize size) {
    if (picture.isNull() || size.isEmpty()) return {};
    return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage FitPicture(const QImage& picture, QSize size) {
    if (picture.isNull() || picture.size() == size) return picture;
    return ResizeSmooth(picture, size);
}

void MakeColourTransparent(QImage& picture, QRgb key) {
    if (picture.isNull()) return;
    picture = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            if ((row[x] & 0x00ffffffu) == (key & 0x00ffffffu) && qAlpha(row[x]) != 0) row[x] = 0;
    }
}

void FloodTransparent(QImage& picture, int x, int y, QRgb colour) {
    if (picture.isNull() || !picture.rect().contains(x, y)) return;
    picture = picture.convertToFormat(QImage::Format_ARGB32);
    auto matches = [&](int px, int py) {
        const QRgb p = picture.pixel(px, py);
        return qAlpha(p) != 0 && (p & 0x00ffffffu) == (colour & 0x00ffffffu);
    };
    if (!matches(x, y)) return;
    std::vector<QPoint> stack{{x, y}};
    while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        if (!picture.rect().contains(p) || !matches(p.x(), p.y())) continue;
        picture.setPixel(p, 0);
        stack.push_back({p.x() + 1, p.y()});
        stack.push_back({p.x() - 1, p.y()});
        stack.push_back({p.x(), p.y() + 1});
        stack.push_back({p.x(), p.y() - 1});
    }
}

bool OutsideRoundedRect(int x, int y, int w, int h, int corner) {
    if (x < 0 || y < 0 || x >= w || y >= h) return true;
    const int r2 = corner;  // the ellipse's diameter; its radius is corner / 2
    if (r2 <= 1) return false;
    // Pixel centres in doubled coordinates: the corner ellipse of the top-left corner
    // has its centre at (corner / 2, corner / 2), i.e. (corner, corner) doubled.
    const long long px = 2LL * x + 1, py = 2LL * y + 1;
    const long long cxl = r2, cxr = 2LL * w - r2, cyt = r2, cyb = 2LL * h - r2;
    long long dx = 0, dy = 0;
    if (px < cxl)
        dx = cxl - px;
    else if (px > cxr)
        dx = px - cxr;
    if (py < cyt)
        dy = cyt - py;
    else if (py > cyb)
        dy = py - cyb;
    if (dx == 0 || dy == 0) return false;
    return dx * dx + dy * dy > static_cast<long long>(r2) * r2;
}

QImage CutCornersResized(const QImage& picture, int w, int h, int corner) {
    if (picture.isNull() || w <= 0 || h <= 0) return {};
    QImage flat(picture.size(), QImage::Format_RGB32);
    flat.fill(Qt::black);
    {
        QPainter p(&flat);
        p.drawImage(0, 0, picture);
    }
    QImage out = ResizeSmooth(flat, QSize(w, h)).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < w; ++x)
            if (OutsideRoundedRect(x, y, w, h, corner)) row[x] = 0;  // the key colour shows through
    }
    return out;
}

}  // namespace tavik::ui
