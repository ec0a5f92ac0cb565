#pragma once
// The balloon hint of the main screen's icons and of the table's kon indicator: a title
// and a text of one or more lines (split at '\n') on light yellow in
// a red border, opening from the middle of its place beside the icon and closing by
// itself after five seconds.

#include <QString>
#include <QTimer>
#include <QWidget>

namespace tavik::ui {

class BalloonHint : public QWidget {
  public:
    // The hint lives on the window: parent is the main window's area.
    explicit BalloonHint(QWidget* parent);

    // Opens the hint beside the rectangle `anchor` (in the parent's coordinates), in
    // the "decor" font name; it closes after five seconds, or by hideHint().
    void showHint(const QString& title, const QString& text, const QRect& anchor,
                  const std::string& decorFontName);
    void hideHint();
    const QString& title() const { return title_; }
    const QString& text() const { return text_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void grow();

    QString title_, text_;
    QRect full_;
    int step_ = 0;
    QTimer close_, opening_;
    QFont font_;
};

}  // namespace tavik::ui
