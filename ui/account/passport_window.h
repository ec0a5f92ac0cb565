#pragma once
// The passport window: the name, city, country and sex under which a player without
// an account appears in the world top ten and the chat, kept in the settings.

#include <QDialog>

#include "config/settings.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tavik::ui {

class CountryChooser;

class PassportWindow : public QDialog {
    Q_OBJECT
  public:
    PassportWindow(config::Settings& settings, QWidget* parent = nullptr);

    QLineEdit& nameEdit() { return *name_; }
    QLineEdit& cityEdit() { return *city_; }
    CountryChooser& country() { return *country_; }
    QComboBox& sexList() { return *sex_; }
    QPushButton& okButton() { return *ok_; }
    // The judgements of the two edits (1, 2 or 3) as their lamps show them.
    int nameLevel() const { return nameLevel_; }
    int cityLevel() const { return cityLevel_; }

    // Refuses to close while a field is wrong, with the focus on the first wrong one.
    void done(int result) override;

  private:
    void judge(QLineEdit* changed);

    config::Settings& settings_;
    QLineEdit *name_, *city_;
    QLabel *nameLamp_, *cityLamp_;
    CountryChooser* country_;
    QComboBox* sex_;
    QPushButton* ok_;
    int nameLevel_ = 1, cityLevel_ = 1;
};

}  // namespace tavik::ui
