#pragma once
// The general count window: the running standing of the player during a match.

#include <QDialog>
#include <QString>
#include <array>

#include "core/files/end_match.h"

namespace tavik::ui {

class GeneralCountWindow : public QDialog {
    Q_OBJECT
  public:
    // Title "Player:  " + the name, the heading and the seven label pairs.
    GeneralCountWindow(const QString& playerName, const files::TCount& count, int language,
                       QWidget* parent = nullptr);

    // The seven rows as shown: label and value.
    const std::array<std::pair<QString, QString>, 7>& rows() const { return rows_; }

  private:
    std::array<std::pair<QString, QString>, 7> rows_;
};

}  // namespace tavik::ui
