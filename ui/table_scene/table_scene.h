#pragma once
// A game dealt from a seed and played some moves in, drawn by a TableView: what
// `tavik-cli render` shows and what the table tests look at. Seat 1 is played by the
// lowest-card player, seat 2 by a random one, both through the real match controller.

#include <QApplication>
#include <QImage>
#include <cstdint>
#include <memory>

#include "core/match/match_session.h"
#include "core/match/recorder.h"
#include "core/match/seat_players.h"
#include "ui/pictures/card_art.h"
#include "ui/table/table_view.h"

namespace tavik::ui {

// The application a table needs; created once, on the offscreen platform unless
// another one (never "minimal", which has no fonts) is asked for.
QApplication& EnsureApplication();

struct TableSceneOptions {
    int windowSize = 1;
    int faceStyle = 0;
    int backStyle = 0;
    int backgroundPattern = 2;  // 0 none, 1..10
    int backgroundTint = 0;     // 0..6
    std::uint64_t seed = 1;
    int fullScreenWidth = 1920;  // the client area of window size 2
    int fullScreenHeight = 1080;
    int weekday = 1;   // picks the back: 1 Monday .. 7 Sunday
    int language = 0;  // of the captions and buttons
    PluginFolders folders;
    MissingFileNotice notice;
};

class TableScene {
  public:
    explicit TableScene(const TableSceneOptions& options);
    ~TableScene();

    // False when the face style's library was missing (the built-in faces are shown).
    bool artLoaded() const { return artLoaded_; }
    // The styles in use after loading: a missing library sets them back to the built-in
    // art.
    const config::Settings& settings() const { return settings_; }
    // Deals a new match and plays until a later bout shows attack and defence cards
    // (after at least one finished bout, while the deck still holds cards); false when
    // no such moment came.
    bool PlayIntoMidGame(int maxSteps = 400);
    // The whole table as the window shows it.
    QImage Render();

    GameState& game() { return match_.state(); }
    TableView& view() { return *view_; }
    const Display& display() const { return display_; }
    const CardArt& art() const { return art_; }

  private:
    class BoutCounter : public GameLog {
      public:
        void onBoutEnd(bool, int) override { ++bouts; }
        int bouts = 0;
    };

    Display display_;
    config::Settings settings_;
    CardArt art_;
    std::unique_ptr<TableView> view_;
    HeadlessRecorder quiet_{false};  // sounds, pauses, peer and clock go nowhere
    SeededRandom random_;
    BoutCounter bouts_;
    LowestPlayer seat1Player_;
    RandomPlayer seat2Player_;
    MatchSession match_;
    bool artLoaded_ = true;
};

}  // namespace tavik::ui
