#pragma once
// The speed dialog "Выбор скорости": a track bar marked 1 to 6 under the line "Выберите
// скорость полета карт". Moving the bar sets flySpeed at once (the settings are written
// with the others when the window closes); "Ok" closes the dialog.
//
// The dialog is drawn in the grey design; with auxDesignPurple and the graphics library
// it wears the purple design: "GFormSpeed", its title and the icon "GIcon48Speed".

#include <QDialog>

#include "config/settings.h"
#include "ui/pictures/plugin_library.h"

class QSlider;

namespace tavik::ui {

class SpeedDialog : public QDialog {
    Q_OBJECT
  public:
    // The graphics library is looked for in the folders.
    SpeedDialog(config::Settings& settings, QWidget* parent = nullptr,
                const PluginFolders& folders = {});

    QSlider& bar() { return *bar_; }
    // True when the dialog wears the purple design.
    bool purple() const { return purple_; }

  private:
    config::Settings& settings_;
    QSlider* bar_;
    bool purple_ = false;
};

}  // namespace tavik::ui
