#include "ui/main_window/candles.h"

#include <QPainter>

#include "ui/pictures/picture_tools.h"

namespace tavik::ui {
namespace {

// Rows: the phase; columns: flames 1..6.
constexpr int kFrames[kFlamePhases][6] = {
    {0, 1, 2, 2, 0, 3}, {1, 2, 3, 1, 5, 0}, {2, 3, 4, 0, 1, 4},
    {3, 4, 5, 5, 4, 1}, {4, 5, 0, 4, 2, 5}, {5, 0, 1, 3, 3, 2},
};

}  // namespace

int FlameFrame(int phase, int flame) {
    if (phase < 0 || phase >= kFlamePhases || flame < 1 || flame > 6) return 0;
    return kFrames[phase][flame - 1];
}

CandleView::CandleView(int side, QWidget* parent) : QWidget(parent), side_(side) {
    setFixedSize(100, 200);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CandleView::setPictures(const QImage& candle, const QImage& flameStrip, bool keyGreen) {
    candle_ = candle;
    for (int i = 0; i < kFlamePhases; ++i) {
        flames_[static_cast<std::size_t>(i)] =
            flameStrip.isNull() ? QImage()
                                : flameStrip.copy(i * kFlameWidth, 0, kFlameWidth, kFlameHeight)
                                      .convertToFormat(QImage::Format_ARGB32);
        if (keyGreen && !flames_[static_cast<std::size_t>(i)].isNull())
            MakeColourTransparent(flames_[static_cast<std::size_t>(i)], qRgb(0, 128, 0));
    }
    update();
}

void CandleView::setPhase(int phase) {
    phase_ = ((phase % kFlamePhases) + kFlamePhases) % kFlamePhases;
    update();
}

int CandleView::frameOf(int flameOfCandle) const {
    return FlameFrame(phase_, side_ * 3 + flameOfCandle);
}

void CandleView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!candle_.isNull()) p.drawImage(0, 0, candle_);
    for (int f = 1; f <= 3; ++f) {
        const QImage& flame = flames_[static_cast<std::size_t>(frameOf(f))];
        const auto& place = kFlamePlaces[static_cast<std::size_t>(f - 1)];
        if (!flame.isNull()) p.drawImage(place[0], place[1], flame);
    }
}

}  // namespace tavik::ui
