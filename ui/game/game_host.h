#pragma once
// What the match needs from the main window: its table view, the settings and folders,
// the switch between the main screen and the table, the game's menu items and the audio.
// HostOf adapts any window that offers these calls under the same names (the main window,
// or a small host in the tests).

#include <QWidget>

#include "config/settings.h"
#include "core/files/data_folder.h"
#include "ui/sound/audio_port.h"
#include "ui/table/table_view.h"

namespace tavik::ui {

class GameHost {
  public:
    virtual ~GameHost() = default;
    virtual TableView& tableView() = 0;
    virtual config::Settings& settings() = 0;
    virtual const files::DataFolder& dataFolder() const = 0;
    // Ends the game view and shows the main screen again (refilling the player list).
    virtual void showMainScreen() = 0;
    // Hides the main screen's controls and shows the table.
    virtual void hideMainScreen() = 0;
    virtual void setGameMenuEnabled(bool quit, bool genCount) = 0;
    // The banner shown while the results of a match are written.
    virtual void ShowWaitBanner(bool on) = 0;
    // The window the dialogs belong to; its title shows the forecast.
    virtual QWidget& window() = 0;
    // The window's one audio object: the game's sounds and the spoken cards.
    virtual AudioPort& audio() = 0;
    // The card pictures whose back is chosen at every deal; none by default.
    virtual CardArt* art() { return nullptr; }
};

template <class Window>
class HostOf : public GameHost {
  public:
    explicit HostOf(Window& w) : w_(w) {}
    TableView& tableView() override { return w_.tableView(); }
    config::Settings& settings() override { return w_.settings(); }
    const files::DataFolder& dataFolder() const override { return w_.dataFolder(); }
    void showMainScreen() override { w_.showMainScreen(); }
    void hideMainScreen() override { w_.hideMainScreen(); }
    void setGameMenuEnabled(bool quit, bool genCount) override {
        w_.setGameMenuEnabled(quit, genCount);
    }
    void ShowWaitBanner(bool on) override { w_.ShowWaitBanner(on); }
    QWidget& window() override { return w_; }
    AudioPort& audio() override { return w_.audio(); }
    CardArt* art() override {
        if constexpr (requires { w_.art(); })
            return &w_.art();
        else
            return nullptr;
    }

  private:
    Window& w_;
};

}  // namespace tavik::ui
