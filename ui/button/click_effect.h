#pragma once
// The click effect of the buttons and cards (settings fireworksButtons and
// fireworksCards): thirty frames of the 100 x 100 strip "GTouch" of the graphics library
// played over the window, centred on the mouse pointer, 12 ms each; then the window
// shows again what was under them. Without the library nothing is shown.

#include <QImage>
#include <QObject>
#include <QPoint>
#include <functional>

#include "ui/pictures/plugin_library.h"

class QWidget;

namespace tavik::ui {

inline constexpr int kTouchFrames = 30;
inline constexpr int kTouchSize = 100;
inline constexpr int kTouchFrameMs = 12;

// The strip "GTouch" read from the graphics library; null when it is missing.
QImage LoadTouchStrip(const PluginFolders& folders);

// Plays the strip at the pointer position `globalPos` over the window and returns when
// it has ended; the window repaints meanwhile, input waits. False when the strip is
// null (nothing was shown).
bool PlayClickEffect(QWidget* window, QPoint globalPos, const QImage& strip);
// The same with the strip of the graphics library in the folders.
bool PlayClickEffect(QWidget* window, QPoint globalPos, const PluginFolders& folders);

// Installed on the application: a left press on an enabled button of any window, the
// main window and the dialogs, first plays the effect while `on` says so.
class ClickEffectFollower : public QObject {
  public:
    ClickEffectFollower(std::function<bool()> on, PluginFolders folders, QObject* parent);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<bool()> on_;
    PluginFolders folders_;
};

}  // namespace tavik::ui
