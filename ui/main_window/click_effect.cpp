#include "ui/main_window/click_effect.h"

#include <QEventLoop>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include "ui/pictures/program_pictures.h"

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

bool PlayClickEffect(QWidget* window, QPoint globalPos) {
    const QImage strip = ProgramPicture(QStringLiteral("GTouch"));
    if (strip.isNull() || window == nullptr) return false;
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

}  // namespace tavik::ui
