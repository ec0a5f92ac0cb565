#pragma once
// The speed dialog "Выбор скорости": a track bar marked 1 to 6 under the line "Выберите
// скорость полета карт". Moving the bar sets flySpeed at once (the settings are written
// with the others when the window closes); "Ok" closes the dialog.
//
// The dialog is drawn in the grey design. The purple design (auxDesignPurple) draws the
// graphics library's background and animated icon strip; until that library is present
// the purple setting shows the grey design too (see PurpleDesignAvailable).

#include <QDialog>

#include "config/settings.h"

class QSlider;

namespace tavik::ui {

class SpeedDialog : public QDialog {
    Q_OBJECT
  public:
    SpeedDialog(config::Settings& settings, QWidget* parent = nullptr);

    QSlider& bar() { return *bar_; }
    // True when the purple design can be drawn: the graphics library with "GFormSpeed"
    // and "GIcon48Speed" is loaded. Not yet part of the program.
    static bool PurpleDesignAvailable() { return false; }

  private:
    config::Settings& settings_;
    QSlider* bar_;
};

}  // namespace tavik::ui
