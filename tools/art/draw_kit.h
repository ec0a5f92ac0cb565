#pragma once
// Small drawing helpers shared by the pictures of the main screen, the dialogs
// and the animations: blank canvases, gradients, outlined lettering, strips of
// frames and a repeatable random sequence.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QList>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <cstdint>

class QPainter;

namespace tavik::art {

constexpr double kPi = 3.14159265358979;

// A transparent picture ready for antialiased drawing.
QImage blankCanvas(QSize size);
// The picture in the plain 32-bit ARGB form the pictures are stored in.
QImage finishedPicture(const QImage& image);

QLinearGradient verticalGradient(const QRectF& r, const QColor& top, const QColor& bottom);
// Polished metal seen across a round body from left to right: dark at both
// edges, light a third of the way in, base colour after it.
QLinearGradient metalAcross(double left, double right, const QColor& dark, const QColor& light,
                            const QColor& base);

// A line of text as an outline of the given cap height, its baseline at y = 0 and
// centred on x = 0, squeezed sideways when wider than maxWidth. family falls back
// through the font database when missing (CJK text finds a CJK face).
QPainterPath textOutline(const QString& text, const QString& family, bool bold, double capHeight,
                         double maxWidth);

// Pictures of equal size put side by side into one strip, left to right.
QImage frameStrip(const QList<QImage>& frames);

// A five-pointed star centred on c with outer radius r.
QPainterPath starPath(QPointF c, double r, double innerRatio = 0.45, double turnDegrees = 0);

// A repeatable stream of pseudo-random numbers, so that every build draws the
// same pictures.
class Dice {
  public:
    explicit Dice(std::uint32_t seed) : state_(seed * 2654435761u + 1) {}
    // A number in [0, 1).
    double unit();
    // A number in [lo, hi).
    double range(double lo, double hi) { return lo + (hi - lo) * unit(); }

  private:
    std::uint32_t state_;
};

// A well-mixed number from a pixel position and a seed (grain, scattering).
std::uint32_t hash(std::uint32_t x, std::uint32_t y, std::uint32_t seed);
// Smooth value noise in 0..1 on a grid of cells of the given size.
double valueNoise(double x, double y, double cell, std::uint32_t seed);

// Runs paint on a fresh transparent canvas and returns the finished picture.
template <typename Paint>
QImage paintPicture(QSize size, Paint&& paint);

}  // namespace tavik::art

#include <QPainter>

namespace tavik::art {

template <typename Paint>
QImage paintPicture(QSize size, Paint&& paint) {
    QImage image = blankCanvas(size);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        paint(p);
    }
    return finishedPicture(image);
}

}  // namespace tavik::art
