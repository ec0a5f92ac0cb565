#pragma once
// A control of the main screen that shows one picture over the window's background:
// the title, the banner, the title strip, the clocks and the icons. A click on it is
// a signal; moving onto it and off it too (for the balloon hints).

#include <QImage>
#include <QWidget>

namespace tavik::ui {

class PictureView : public QWidget {
    Q_OBJECT
  public:
    explicit PictureView(QWidget* parent = nullptr);

    // The picture is drawn at (0, 0) in its own size; null shows nothing.
    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }

  signals:
    void clicked();
    void entered();
    void left();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    QImage picture_;
};

}  // namespace tavik::ui
