#pragma once
// The game's one window: the start-up sequence (settings, intro, the check of the
// player lists, menu and background, language), the main screen between games, the
// game table during a match, the pop-up menu, the window size, and the stop (a
// confirmation during a match, the settings saved).

#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "config/settings.h"
#include "config/words/word_keys.h"
#include "core/files/data_folder.h"
#include "core/files/notices.h"
#include "core/files/player_list_file.h"
#include "core/state/game_state.h"
#include "periphery/licence_record.h"
#include "resources/help/help_pages.h"
#include "ui/layout/layout.h"
#include "ui/options/options_hooks.h"
#include "ui/pictures/card_art.h"
#include "ui/sound/audio_port.h"
#include "ui/sound/music_cue.h"

namespace tavik::ui {

class CalendarView;
class GameMenu;
class GameSessionApi;
class IntroView;
class MainScreen;
class BalloonHint;
class TableView;
class WaitBanner;

// The parts of the start-up and of the main screen that belong to services not built
// yet (web service, radio, statistics, account, music player, calendar).
// Each does nothing until its service sets it.
struct StartupHooks {
    std::function<void(config::Settings&)> remoteConfiguration;
    std::function<void()> setUpRadio;
    std::function<void()> startRadio;  // when the intro ends, if the radio was on
    std::function<void()> statisticsStartReport;
    std::function<void()> automaticSignIn;
    std::function<void()> loadPlaylist;
    std::function<void()> showCalendar;
    // The licence records of the installed plug-in libraries' art, for the about window.
    std::function<std::vector<periphery::LicenceRecord>()> deckArtLicences;
};

class MainWindow : public QMainWindow, private files::NoticePort {
    Q_OBJECT
  public:
    // The window for the game's folders; nothing is read before runStartup().
    explicit MainWindow(files::DataFolder folder, QWidget* parent = nullptr);
    ~MainWindow() override;

    // --- for the match --------------------------------------------------------
    TableView& tableView() { return *tableView_; }
    // The state the table view was built with.
    const config::Settings& settings() const { return settings_; }
    config::Settings& settings() { return settings_; }
    const files::DataFolder& dataFolder() const { return folder_; }
    const Display& display() const { return display_; }
    CardArt& art() { return art_; }
    // Ends the game view and shows the main screen again, refilling the player list.
    void showMainScreen();
    // Hides every main-screen control and shows the table.
    void hideMainScreen();
    // The menu items a match enables (the main screen disables them again); the name
    // change follows `quit` unless it is given.
    void setGameMenuEnabled(bool quit, bool genCount);
    void setGameMenuEnabled(bool quit, bool genCount, bool changeName);
    // The match the window asks before it closes; none by default.
    void setGameSession(GameSessionApi* session) { session_ = session; }
    // The wait banner in the middle of the window (the left figure hides meanwhile).
    void ShowWaitBanner(bool on);

    // --- start-up and the screens ----------------------------------------------
    // The start-up sequence (runs once, on the first show). False when a player list
    // is missing or malformed: its message was shown and the window closes.
    bool runStartup();
    bool startupFailed() const { return startupFailed_; }
    // Ends the intro as a click would: the window size, then the main screen.
    void finishIntro();
    // Relabels the window in the current language.
    void ApplyLanguage();
    // Applies settings().windowSize: display, background, card pictures, main screen.
    void ApplyWindowSize();
    bool mainScreenShown() const { return mainScreenShown_; }
    bool introShown() const { return introShown_; }
    MainScreen& mainScreen() { return *mainScreen_; }
    // The holiday calendar of the main screen (the hook showCalendar shows it).
    CalendarView& calendar() { return *calendar_; }
    IntroView* intro();
    GameMenu& menu() { return *menu_; }
    const QTimer& mainTimer() const { return mainTimer_; }
    StartupHooks& hooks() { return hooks_; }
    // The player list of the current mode as it is on disk now.
    std::optional<files::PlayerList> currentList() const;
    // Opens the local champions window (modal).
    void showLocalChampions();
    // Opens the options dialog (modal); its changes act at once through optionsHooks().
    void showOptions();
    // What the options dialog's changes set going. The window fills in everything it
    // owns; the music, the speed chooser and the passport are left to their services.
    OptionsHooks& optionsHooks() { return optionsHooks_; }

    // --- messages --------------------------------------------------------------
    // A message box in the window's language; a set messageHook receives it instead.
    void showMessage(QMessageBox::Icon icon, const QString& text);
    // A yes/no question; a set confirmHook answers it instead.
    bool confirm(const QString& text);
    std::function<void(QMessageBox::Icon, const QString&)> messageHook;
    std::function<bool(const QString&)> confirmHook;

    // --- sound -------------------------------------------------------------------
    // The one audio object of the program: the main screen's sounds, the match's
    // sounds and spoken cards, the MIDI song. Silent until one is set (before show()).
    AudioPort& audio() { return *audio_; }
    void setAudio(AudioPort& audio);
    // When the MIDI song plays (the main screen entered, a game dealt, the stop).
    const MusicCue& music() const { return *music_; }
    // The music switch of the options: sets musicOn and starts or stops the song.
    void setMusicOn(bool on);

  signals:
    void startRequested(int userSlot);  // list slot 1..5, or 6 for a new player
    void quitRequested();
    void genCountRequested();
    void changeNameRequested();
    void historyRequested();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void notice(files::FileNotice notice, const std::string& path) override;
    void loadSettings();
    void startIntro();
    void connectMainScreen();
    void connectMenu();
    void onTimer();
    void fitWindow();
    void notReady();
    void prepareMusic();
    void setUpOptionsHooks();
    void showAbout();
    // The menu's Help and Book.
    void showHelp(help::HelpPage page);
    // The menu's Speed: the flight speed dialog.
    void showSpeedDialog();
    QString word(words::WordKey key) const;

    files::DataFolder folder_;
    config::Settings settings_;
    Display display_;
    CardArt art_;
    std::unique_ptr<files::PlayerListFiles> lists_;
    std::unique_ptr<ArtLoader> loader_;
    QWidget* area_;
    MainScreen* mainScreen_;
    CalendarView* calendar_;
    TableView* tableView_;
    WaitBanner* waitBanner_;
    BalloonHint* konBalloon_;  // "Current game" over the table's kon indicator
    GameMenu* menu_;
    QPointer<IntroView> intro_;
    QTimer mainTimer_;
    GameSessionApi* session_ = nullptr;
    SilentAudio silentAudio_;
    AudioPort* audio_ = &silentAudio_;
    std::unique_ptr<MusicCue> music_;
    StartupHooks hooks_;
    OptionsHooks optionsHooks_;
    bool startupRun_ = false;
    bool startupFailed_ = false;
    bool mainScreenShown_ = false;
    bool introShown_ = false;
};

}  // namespace tavik::ui
