#include "ui/game/qt_ports.h"

#include <QDateTime>
#include <QEventLoop>

namespace tavik::ui {

void QtPause::pause(int milliseconds) {
    if (milliseconds <= 0) return;
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

QtClock::QtClock(std::function<void()> tick, QObject* parent) : QObject(parent) {
    connect(&timer_, &QTimer::timeout, this, std::move(tick));
}

std::int64_t QtClock::nowMs() {
    return QDateTime::currentMSecsSinceEpoch();
}

void QtClock::moveTimer(bool running, int intervalMs) {
    timer_.setInterval(intervalMs);
    if (running)
        timer_.start();
    else
        timer_.stop();
}

}  // namespace tavik::ui
