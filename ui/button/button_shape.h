#pragma once
// The shape of every card-style button follows the setting newButtons: a window gives
// each of its TQorCardsButtons the shape whenever it is shown, and at once when the
// setting changes.

#include <QObject>
#include <functional>

class QWidget;

namespace tavik::ui {

// Sets Nolt of every card-style button in the window (the window included) to `nolt`.
void ApplyButtonShape(QWidget* window, bool nolt);

// Installed on the application: every window that is shown gets the shape the
// setting gives at that moment.
class ButtonShapeFollower : public QObject {
  public:
    explicit ButtonShapeFollower(std::function<bool()> newButtons, QObject* parent = nullptr)
        : QObject(parent), newButtons_(std::move(newButtons)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<bool()> newButtons_;
};

}  // namespace tavik::ui
