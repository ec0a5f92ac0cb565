#pragma once
// The click effect of the buttons and cards (settings fireworksButtons and
// fireworksCards): thirty frames of the 100 x 100 strip "GTouch" played over the
// window, centred on the mouse pointer, 12 ms each; then the window shows again what
// was under them. Without the picture nothing is shown.

#include <QPoint>

class QWidget;

namespace tavik::ui {

inline constexpr int kTouchFrames = 30;
inline constexpr int kTouchSize = 100;
inline constexpr int kTouchFrameMs = 12;

// Plays the effect at the pointer position `globalPos` over the window and returns
// when it has ended; the window repaints meanwhile, input waits. False when the
// program has no "GTouch" picture (nothing was shown).
bool PlayClickEffect(QWidget* window, QPoint globalPos);

}  // namespace tavik::ui
