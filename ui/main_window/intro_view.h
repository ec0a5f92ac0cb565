#pragma once
// The intro shown at start, before the main screen: two bevelled frames on black,
// the release date, the credit line and the version between two emblems, the game's
// title whose ten colours move on from letter to letter, and four jesters walking
// clockwise round the inner frame. A click or any key ends it.

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QString>
#include <QWidget>
#include <array>
#include <vector>

namespace tavik::ui {

inline constexpr int kIntroTitleMax = 10;

// The x of each character of the intro title (at most 10 characters are drawn):
// 26 pixels apart round the middle, wide letters pushing the rest to the right,
// narrow ones pulling it to the left.
std::vector<int> IntroTitleX(const QString& title);
// A walker's next position: one pixel clockwise along the rectangle (155, 68)-(550, 362).
QPoint NextWalkerPosition(QPoint p);

class IntroView : public QWidget {
    Q_OBJECT
  public:
    // The intro in the base design's 760 x 500 pixels, texts in the language.
    IntroView(int language, QWidget* parent = nullptr);

    // One tick of the main timer: the title in its colours, the walkers, the copy to
    // the window.
    void tick();
    const QImage& picture() const { return picture_; }
    // The ten title colours c0..c9 as they are now.
    const std::array<QColor, 10>& titleColours() const { return colours_; }
    const std::array<QPoint, 4>& walkers() const { return walkers_; }

  signals:
    // A click or a key ended the intro.
    void finished();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void compose(int language);
    void drawTitle();
    void drawWalkers();

    QImage picture_;
    QString title_;
    std::array<QColor, 10> colours_;
    std::array<QPoint, 4> walkers_;
    std::array<QImage, 4> walkerPictures_;
    int counter_ = 0;
    bool ended_ = false;
};

}  // namespace tavik::ui
