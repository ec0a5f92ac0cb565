#pragma once
// The keys of a table button: on the action button F10 toggles the forecast in the
// window title; the open-cards code typed while the button has the keyboard focus
// toggles the view of the opponent's cards. The code belongs to the chat send button;
// in a game against the computer, which shows no chat line, the action button stands
// in for it.

#include <QObject>
#include <QString>
#include <functional>

class QWidget;

namespace tavik::ui {

// The typed characters of the open-cards code: the buffer is emptied whenever the
// button gains or loses the focus, and when it reads as the number 41958.
class OpenCardsCode {
  public:
    // Appends typed text; true when the buffer now reads as the code (it is emptied).
    bool Feed(const QString& typed);
    void Clear() { buffer_.clear(); }

  private:
    QString buffer_;
};

class ActionKeys : public QObject {
    Q_OBJECT
  public:
    // An empty toggleForecast leaves F10 alone; toggleOpenCards may ignore the code
    // (the action button's, while the chat send button takes it).
    ActionKeys(QWidget& button, std::function<void()> toggleForecast,
               std::function<void()> toggleOpenCards);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget& button_;
    std::function<void()> toggleForecast_;
    std::function<void()> toggleOpenCards_;
    OpenCardsCode code_;
};

}  // namespace tavik::ui
