#include "ui/button/button_shape.h"

#include <QEvent>
#include <QWidget>

#include "ui/button/qor_cards_button.h"

namespace tavik::ui {

void ApplyButtonShape(QWidget* window, bool nolt) {
    if (window == nullptr) return;
    if (auto* self = qobject_cast<TQorCardsButton*>(window)) self->setNolt(nolt);
    for (TQorCardsButton* button : window->findChildren<TQorCardsButton*>()) button->setNolt(nolt);
}

bool ButtonShapeFollower::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->isWindow()) ApplyButtonShape(widget, newButtons_());
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tavik::ui
