#include "tools/art/contact_sheet.h"

#include <QPainter>
#include <algorithm>

namespace tavik::art {
namespace {

constexpr int kGap = 6;

// The frame the table draws around a small picture: lines that leave the four
// corner pixels open.
void drawOpenFrame(QPainter& p, int x, int y, int w, int h) {
    p.setPen(Qt::black);
    p.drawLine(x + 2, y, x + w - 3, y);
    p.drawLine(x + 2, y + h - 1, x + w - 3, y + h - 1);
    p.drawLine(x, y + 2, x, y + h - 3);
    p.drawLine(x + w - 1, y + 2, x + w - 1, y + h - 3);
}

}  // namespace

void ContactSheet::addRow(const QList<QImage>& pictures, bool framed) {
    rows_.push_back({pictures, framed});
}

QImage ContactSheet::render() const {
    int width = 0, height = kGap;
    for (const Row& row : rows_) {
        int w = kGap, h = 0;
        for (const QImage& pic : row.pictures) {
            const int border = row.framed ? 2 : 0;
            w += pic.width() + border + kGap;
            h = std::max(h, pic.height() + border);
        }
        width = std::max(width, w);
        height += h + kGap;
    }
    QImage sheet(std::max(width, 1), height, QImage::Format_RGB32);
    sheet.fill(QColor(24, 96, 52));
    QPainter p(&sheet);
    int y = kGap;
    for (const Row& row : rows_) {
        int x = kGap, h = 0;
        for (const QImage& pic : row.pictures) {
            const int border = row.framed ? 1 : 0;
            if (row.framed) drawOpenFrame(p, x, y, pic.width() + 2, pic.height() + 2);
            p.drawImage(x + border, y + border, pic);
            x += pic.width() + 2 * border + kGap;
            h = std::max(h, pic.height() + 2 * border);
        }
        y += h + kGap;
    }
    return sheet;
}

}  // namespace tavik::art
