#pragma once
// The local champions window ("Top Ten"): the local top ten of completed 30-kon
// cycles from the player list of the current mode, places 1 to 3 in red.

#include <QDialog>
#include <QString>
#include <optional>
#include <vector>

#include "core/files/player_list.h"
#include "config/settings.h"

namespace tavik::ui {

struct ChampionRow {
    int place = 0;  // 1..10
    QString name;   // without the trailing blanks
    long long score = 0;
};
// Lines 6 to 15 of a list as places 1 to 10.
std::vector<ChampionRow> LocalChampions(const files::PlayerList& list);

class LocalChampionsWindow : public QDialog {
  public:
    // The list of the local games, or of the LAN games in the network mode (nullopt
    // when it cannot be read: the rows stay empty).
    LocalChampionsWindow(const config::Settings& settings,
                         const std::optional<files::PlayerList>& list, QWidget* parent = nullptr);

    const QString& heading() const { return heading_; }
    const std::vector<ChampionRow>& rows() const { return rows_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const config::Settings& settings_;
    QString heading_;
    std::vector<ChampionRow> rows_;
};

}  // namespace tavik::ui
