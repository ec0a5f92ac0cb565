#pragma once
// The history viewer: the valid history files in a list, and the matches of the
// chosen file in a grid (time, date, player, games, result, rating, type); beside it a
// chart of a player's score and rating over every match of the files.

#include <QDialog>
#include <string>
#include <vector>

#include "core/files/history_folder.h"

class QComboBox;
class QTabWidget;
class QTableWidget;

namespace tavik::ui {

class HistoryChart;

class HistoryViewer : public QDialog {
    Q_OBJECT
  public:
    // `selected` is the number of the file viewed before (0 the first time): it stays
    // selected while it is listed, otherwise the last file is; the dialog writes the
    // file viewed back into it.
    HistoryViewer(const std::string& historyFolder, int& selected, int language,
                  QWidget* parent = nullptr);

    QComboBox& fileList() { return *files_; }
    QTableWidget& grid() { return *grid_; }
    // The two tabs: the grid of one file (0) and the chart (1).
    QTabWidget& tabs() { return *tabs_; }
    HistoryChart& chart() { return *chart_; }

  private:
    void showFile(int index);

    std::vector<files::HistoryListing> listing_;
    int& selected_;
    int language_;
    QComboBox* files_;
    QTableWidget* grid_;
    QTabWidget* tabs_;
    HistoryChart* chart_;
};

}  // namespace tavik::ui
