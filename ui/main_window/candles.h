#pragma once
// The two candles of the main screen with their six flickering flames: three flames
// on each candle, every flame showing one frame of a strip of six, the frames chosen
// by a phase that advances on each tick of the main timer.

#include <QImage>
#include <QWidget>
#include <array>

namespace tavik::ui {

inline constexpr int kFlamePhases = 6;
inline constexpr int kFlameWidth = 20;
inline constexpr int kFlameHeight = 30;

// The frame 0..5 that flame 1..6 shows in phase 0..5 (flames 1..3 on the left
// candle, 4..6 on the right one).
int FlameFrame(int phase, int flame);
// Where the flames of a candle stand, relative to the candle (flames 1..3).
inline constexpr std::array<std::array<int, 2>, 3> kFlamePlaces = {{{16, 15}, {41, 1}, {66, 15}}};

// One 100 x 200 candle: its picture, and over it its three flames. The widget is not
// opaque, so the background of the window shows around the candle.
class CandleView : public QWidget {
  public:
    // side 0 is the left candle (flames 1..3), 1 the right one (flames 4..6).
    CandleView(int side, QWidget* parent = nullptr);

    // The candle picture and the six-frame flame strip (120 x 30); null pictures draw
    // nothing. With keyGreen, green (0, 128, 0) in the flames is transparent.
    void setPictures(const QImage& candle, const QImage& flameStrip, bool keyGreen);
    // Shows the frames of phase 0..5.
    void setPhase(int phase);
    int phase() const { return phase_; }
    // The frame one of the three flames shows now.
    int frameOf(int flameOfCandle) const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int side_;
    int phase_ = 0;
    QImage candle_;
    std::array<QImage, kFlamePhases> flames_;
};

}  // namespace tavik::ui
