#pragma once
// The history viewer's chart: the running score and the rating of one player over the
// matches of the history files, as two curves against the match number (score on the
// left axis, rating on the right), with a list of the players.

#include <QWidget>

#include "core/files/history_series.h"

class QChartView;
class QComboBox;
class QLabel;
class QLineSeries;
class QValueAxis;

namespace tavik::ui {

class HistoryChart : public QWidget {
  public:
    // Shows the player of the latest match first.
    HistoryChart(files::HistoryCurves curves, int language, QWidget* parent = nullptr);

    QComboBox& players() { return *players_; }
    QLineSeries& scoreSeries() { return *score_; }
    QLineSeries& ratingSeries() { return *rating_; }
    QChartView& view() { return *view_; }
    QLabel& emptyNote() { return *empty_; }

  private:
    void showPlayer(int index);

    files::HistoryCurves curves_;
    QComboBox* players_;
    QLabel* empty_;
    QChartView* view_;
    QLineSeries* score_;
    QLineSeries* rating_;
    QValueAxis* matches_;
    QValueAxis* scoreAxis_;
    QValueAxis* ratingAxis_;
};

}  // namespace tavik::ui
