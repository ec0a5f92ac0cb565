#pragma once
// A small stand-in for the main window in the session tests: it hosts the table view,
// offers the calls the session makes, records them, and emits
// the menu's signals on demand.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QWidget>
#include <memory>

#include "core/files/data_folder.h"
#include "ui/pictures/card_art.h"
#include "ui/sound/audio_port.h"
#include "ui/table/table_view.h"

namespace tavik::ui::test {

class TestHost : public QWidget {
    Q_OBJECT
  public:
    TestHost() {
        folder_ = files::ResolveDataFolder(dir_.path().toStdString());
        EXPECT_TRUE(files::PrepareDataFolder(folder_).ok());
        display_ = MakeDisplay(1, 1920, 1080, 0);
        ArtLoader loader(display_, settings_, art_, PluginFolders{}, nullptr);
        loader.LoadCardFaces();
        loader.LoadTableBackground(false);
        view_ = new TableView(display_, art_, settings_, {}, this);
        setFixedSize(view_->size());
        view_->hide();
    }

    TableView& tableView() { return *view_; }
    config::Settings& settings() { return settings_; }
    CardArt& art() { return art_; }
    const files::DataFolder& dataFolder() const { return folder_; }
    void showMainScreen() {
        ++mainScreenShown;
        view_->hide();
    }
    void hideMainScreen() { view_->show(); }
    void setGameMenuEnabled(bool quit, bool genCount) {
        quitEnabled = quit;
        genCountEnabled = genCount;
    }

    void ShowWaitBanner(bool on) { waitBannerShown = on; }
    AudioPort& audio() { return audio_; }
    SilentAudio audio_;  // what the session asked to sound

    int mainScreenShown = 0;
    bool waitBannerShown = false;
    bool quitEnabled = false;
    bool genCountEnabled = false;

  signals:
    void startRequested(int userSlot);
    void quitRequested();
    void genCountRequested();
    void changeNameRequested();
    void historyRequested();

  private:
    QTemporaryDir dir_;
    files::DataFolder folder_;
    Display display_;
    config::Settings settings_;
    CardArt art_;
    TableView* view_;
};

}  // namespace tavik::ui::test
