#pragma once
// The result of a kon on the table: "You lose!!!" in cyan with "GKonBads", "You have
// won!!!" in light green with "GKonGood", "Dead heat..." in yellow with "GKonNich".
// Without animation the picture stands still on frame 20, 9 or 0. A picture that is
// not among the program's resources leaves only the text.

#include <QLabel>
#include <QMovie>
#include <QWidget>
#include <memory>

#include "ui/table/table_view.h"

namespace tavik::ui {

class ResultDisplay : public QWidget {
    Q_OBJECT
  public:
    explicit ResultDisplay(TableView& view);

    // Seat 1 won, the player (seat 2) won, or a draw.
    void ShowResult(KonOutcome konResult, bool animated, const config::Settings& settings);
    void HideResult();

    const QLabel& text() const { return *text_; }
    // The animation shown, or null when its picture is missing.
    const QMovie* movie() const { return movie_.get(); }

  private:
    TableView& view_;
    QLabel* text_;
    QLabel* picture_;
    std::unique_ptr<QMovie> movie_;
};

}  // namespace tavik::ui
