#include "ui/game/action_keys.h"

#include <QKeyEvent>
#include <QWidget>

namespace tavik::ui {

bool OpenCardsCode::Feed(const QString& typed) {
    buffer_ += typed;
    bool number = false;
    const int value = buffer_.toInt(&number);
    if (!number || value != 41958) return false;
    buffer_.clear();
    return true;
}

ActionKeys::ActionKeys(QWidget& button, std::function<void()> toggleForecast,
                       std::function<void()> toggleOpenCards)
    : QObject(&button),
      button_(button),
      toggleForecast_(std::move(toggleForecast)),
      toggleOpenCards_(std::move(toggleOpenCards)) {
    button_.installEventFilter(this);
}

bool ActionKeys::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &button_) return false;
    switch (event->type()) {
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            code_.Clear();
            break;
        case QEvent::KeyPress: {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_F10 && toggleForecast_) {
                toggleForecast_();
                return true;
            }
            if (!key->text().isEmpty() && code_.Feed(key->text())) toggleOpenCards_();
            break;
        }
        default:
            break;
    }
    return false;
}

}  // namespace tavik::ui
