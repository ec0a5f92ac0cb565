#pragma once
// The history viewer: the valid history files in a list, and the matches of the
// chosen file in a grid (time, date, player, games, result, rating, type).

#include <QDialog>
#include <string>
#include <vector>

#include "core/files/history_folder.h"

class QComboBox;
class QTableWidget;

namespace tavik::ui {

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

  private:
    void showFile(int index);

    std::vector<files::HistoryListing> listing_;
    int& selected_;
    int language_;
    QComboBox* files_;
    QTableWidget* grid_;
};

}  // namespace tavik::ui
