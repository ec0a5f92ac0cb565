#include "ui/waiting/local_wait.h"

#include <QEventLoop>
#include <QTimer>

namespace tavik::ui {

void WaitExcludingInput(const std::function<bool()>& done) {
    if (done()) return;
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done()) loop.quit();
    });
    poll.start(5);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace tavik::ui
