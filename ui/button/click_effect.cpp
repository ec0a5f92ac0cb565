#include "ui/button/click_effect.h"

#include <QAbstractButton>
#include <QEventLoop>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace tavik::ui {
namespace {

// The frame on the window: a child above every control, transparent around the sparks.
class TouchFrame : public QWidget {
  public:
    TouchFrame(const QImage& strip, QWidget* parent) : QWidget(parent), strip_(strip) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFixedSize(kTouchSize, kTouchSize);
    }
    void showFrame(int frame) {
        frame_ = frame;
        repaint();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawImage(QPoint(0, 0), strip_, QRect(frame_ * kTouchSize, 0, kTouchSize, kTouchSize));
    }

  private:
    QImage strip_;
    int frame_ = 0;
};

}  // namespace

QImage LoadTouchStrip(const PluginFolders& folders) {
    PictureSource graphics;
    if (!graphics.open(folders, ArtLibrary::CGraph)) return {};
    return graphics.picture("GTouch");
}

bool PlayClickEffect(QWidget* window, QPoint globalPos, const PluginFolders& folders) {
    return PlayClickEffect(window, globalPos, LoadTouchStrip(folders));
}

bool PlayClickEffect(QWidget* window, QPoint globalPos, const QImage& strip) {
    if (strip.width() < kTouchSize || window == nullptr) return false;
    TouchFrame frame(strip, window);
    const QPoint centre = window->mapFromGlobal(globalPos);
    frame.move(centre - QPoint(kTouchSize / 2, kTouchSize / 2));
    frame.show();
    frame.raise();
    const int frames = std::min(kTouchFrames, strip.width() / kTouchSize);
    int shown = 0;
    QEventLoop loop;
    QTimer timer;
    timer.setInterval(kTouchFrameMs);
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        if (shown >= frames) {
            loop.quit();
            return;
        }
        frame.showFrame(shown++);
    });
    frame.showFrame(shown++);
    timer.start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    return true;
}

ClickEffectFollower::ClickEffectFollower(std::function<bool()> on, PluginFolders folders,
                                         QObject* parent)
    : QObject(parent), on_(std::move(on)), folders_(std::move(folders)) {}

bool ClickEffectFollower::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress || !on_ || !on_()) return false;
    auto* button = qobject_cast<QAbstractButton*>(watched);
    const auto* press = static_cast<QMouseEvent*>(event);
    if (button != nullptr && button->isEnabled() && press->button() == Qt::LeftButton)
        PlayClickEffect(button->window(), press->globalPosition().toPoint(), folders_);
    return false;
}

}  // namespace tavik::ui
