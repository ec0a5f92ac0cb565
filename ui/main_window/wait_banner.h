#pragma once
// The wait banner shown at the end of a match while its results are written and
// reported: a 350 x 80 plaque in the middle of the window with "Please, wait...".

#include <QWidget>

#include "ui/layout/layout.h"
#include "config/settings.h"

namespace tavik::ui {

class WaitBanner : public QWidget {
  public:
    WaitBanner(const config::Settings& settings, QWidget* parent = nullptr);

    // Places the banner in the middle of a client area of the display's size and
    // shows it above everything else.
    void showBanner(const Display& display);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const config::Settings& settings_;
};

}  // namespace tavik::ui
