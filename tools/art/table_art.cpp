// Pictures of the game table: backgrounds, deck plates, panel frames, caption
// bars and move timers.
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <cstdint>

#include "tools/art/art_output.h"
#include "tools/art/art_sets.h"
#include "tools/art/contact_sheet.h"
#include "tools/art/draw_kit.h"

namespace tavik::art {
namespace {

// Green baize: fine grain, soft mottling and a darker rim. The mottling scales
// with the picture so that the large background looks like the small one.
QImage felt(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    const double scale = size.width() / 760.0;
    const double cx = size.width() / 2.0, cy = size.height() / 2.0;
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const double mottle =
                valueNoise(x, y, 90 * scale, 7) * 0.6 + valueNoise(x, y, 23 * scale, 11) * 0.4;
            const double grain = (hash(x, y, 3) & 0xff) / 255.0 - 0.5;
            const double dx = (x - cx) / cx, dy = (y - cy) / cy;
            const double light = 1.0 - 0.26 * (dx * dx + dy * dy) / 2 + (mottle - 0.5) * 0.12;
            auto channel = [&](double base, double grainAmount) {
                return std::clamp(static_cast<int>(std::lround(base * light + grain * grainAmount)),
                                  0, 255);
            };
            line[x] = qRgb(channel(28, 6), channel(112, 12), channel(58, 8));
        }
    }
    return image;
}

// The cream plate that carries the deck's count or the trump of an empty deck.
QImage plate(QSize size, double unit, bool withRing) {
    QImage image = blankCanvas(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(0, 0, size.width(), size.height())
                         .adjusted(0.6 * unit, 0.6 * unit, -0.6 * unit, -0.6 * unit);
    const double radius = (withRing ? 9 : 6) * unit;
    p.setPen(QPen(QColor(120, 84, 30), 1.2 * unit));
    p.setBrush(verticalGradient(r, QColor(255, 251, 236), QColor(234, 222, 190)));
    p.drawRoundedRect(r, radius, radius);
    p.setPen(QPen(QColor(255, 255, 255, 170), 0.8 * unit));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(1.6 * unit, 1.6 * unit, -1.6 * unit, -1.6 * unit), radius - unit,
                      radius - unit);
    if (withRing) {
        p.setPen(QPen(QColor(196, 170, 120), 1.2 * unit));
        p.drawEllipse(r.center(), 17 * unit, 17 * unit);
    }
    p.end();
    return finishedPicture(image);
}

// A panel frame: a coloured band with gold studs around a parchment field.
QImage panelFrame(QSize size, double unit, const QColor& band) {
    QImage image = blankCanvas(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer = QRectF(0, 0, size.width(), size.height()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(band.darker(170), 1.0 * unit));
    p.setBrush(verticalGradient(outer, band.lighter(135), band.darker(125)));
    p.drawRoundedRect(outer, 7 * unit, 7 * unit);
    const QRectF field = outer.adjusted(4.5 * unit, 4.5 * unit, -4.5 * unit, -4.5 * unit);
    p.setPen(QPen(band.darker(200), 0.9 * unit));
    p.setBrush(verticalGradient(field, QColor(255, 252, 240), QColor(242, 232, 204)));
    p.drawRoundedRect(field, 3.5 * unit, 3.5 * unit);
    p.setPen(QPen(QColor(120, 90, 30), 0.5 * unit));
    p.setBrush(QColor(238, 196, 70));
    const double inset = 2.3 * unit;
    for (const QPointF c :
         {outer.topLeft() + QPointF(inset, inset), outer.topRight() + QPointF(-inset, inset),
          outer.bottomLeft() + QPointF(inset, -inset),
          outer.bottomRight() + QPointF(-inset, -inset)})
        p.drawEllipse(c, 1.5 * unit, 1.5 * unit);
    p.end();
    return finishedPicture(image);
}

// A glossy rounded bar behind the speech caption's white text.
QImage captionBar(QSize size, const QColor& colour) {
    QImage image = blankCanvas(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double unit = size.height() / 20.0;
    const QRectF r = QRectF(0, 0, size.width(), size.height()).adjusted(0.5, 0.5, -0.5, -0.5);
    const double radius = r.height() / 2;
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, colour.lighter(150));
    fill.setColorAt(0.45, colour);
    fill.setColorAt(1, colour.darker(140));
    p.setPen(QPen(colour.darker(200), 1.0 * unit));
    p.setBrush(fill);
    p.drawRoundedRect(r, radius, radius);
    const QRectF shine(r.left() + radius * 0.6, r.top() + 1.5 * unit, r.width() - radius * 1.2,
                       r.height() * 0.38);
    p.setPen(Qt::NoPen);
    p.setBrush(verticalGradient(shine, QColor(255, 255, 255, 110), QColor(255, 255, 255, 20)));
    p.drawRoundedRect(shine, shine.height() / 2, shine.height() / 2);
    p.end();
    return finishedPicture(image);
}

// The move timer's disc; the number of seconds is written over its middle.
QImage timerDisc(const QColor& inner, const QColor& outer, const QColor& rim) {
    QImage image = blankCanvas(QSize(50, 50));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(25, 25);
    QRadialGradient fill(c + QPointF(-6, -7), 28);
    fill.setColorAt(0, inner);
    fill.setColorAt(1, outer);
    p.setPen(QPen(rim, 2.2));
    p.setBrush(fill);
    p.drawEllipse(c, 23.5, 23.5);
    p.setPen(QPen(rim, 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) {
        const double a = i * 3.14159265358979 / 6;
        const double r1 = (i % 3 == 0) ? 17.0 : 18.8;
        p.drawLine(QPointF(c.x() + r1 * std::sin(a), c.y() - r1 * std::cos(a)),
                   QPointF(c.x() + 21 * std::sin(a), c.y() - 21 * std::cos(a)));
    }
    p.end();
    return finishedPicture(image);
}

}  // namespace

void addTableArt(ArtOutput& out, ContactSheet& sheet) {
    out.addJpeg(QStringLiteral("FonG"), felt(QSize(760, 500)), 90);
    out.addJpeg(QStringLiteral("FonGB"), felt(QSize(1920, 922)), 90);
    QImage plain(760, 500, QImage::Format_RGB32);
    plain.fill(QColor(26, 104, 54));
    out.addPng(QStringLiteral("GIFBackGr"), plain);

    QList<QImage> row;
    auto add = [&](const QString& name, const QImage& picture) {
        out.addPng(name, picture);
        row << picture;
    };
    add(QStringLiteral("GKolodaSmall"), plate(QSize(58, 25), 1, false));
    add(QStringLiteral("GKolodaSmallB"), plate(QSize(116, 50), 2, false));
    add(QStringLiteral("GKolodaLarge"), plate(QSize(60, 60), 1, true));
    add(QStringLiteral("GKolodaLargeB"), plate(QSize(120, 120), 2, true));

    const struct {
        const char* stem;
        QSize size;
        QColor band;
    } frames[] = {{"RamkaFG", QSize(155, 60), QColor(40, 124, 72)},
                  {"RamkaFB", QSize(155, 60), QColor(44, 84, 168)},
                  {"RamkaER", QSize(130, 90), QColor(156, 44, 44)}};
    for (const auto& f : frames) {
        add(QString::fromLatin1(f.stem) + "Sm", panelFrame(f.size, 1, f.band));
        add(QString::fromLatin1(f.stem) + "Bg", panelFrame(f.size * 2, 2, f.band));
    }
    sheet.addRow(row, false);
    row.clear();

    const struct {
        const char* name;
        QColor colour;
    } captions[] = {{"SPBlue", QColor(36, 92, 204)},
                    {"SPGreen", QColor(30, 140, 62)},
                    {"SPRed", QColor(204, 36, 36)},
                    {"SPYellow", QColor(212, 158, 10)},
                    {"SPFiolet", QColor(132, 56, 172)}};
    for (const auto& c : captions) {
        add(QString::fromLatin1(c.name), captionBar(QSize(160, 20), c.colour));
        add(QString::fromLatin1(c.name) + "B", captionBar(QSize(320, 40), c.colour));
    }

    // Red disc for the last seconds (yellow digits), yellow disc before (red digits).
    add(QStringLiteral("GTimerR"),
        timerDisc(QColor(246, 96, 80), QColor(176, 22, 22), QColor(96, 10, 10)));
    add(QStringLiteral("GTimerY"),
        timerDisc(QColor(255, 240, 140), QColor(222, 166, 16), QColor(132, 86, 0)));
    sheet.addRow(row, false);
}

}  // namespace tavik::art
