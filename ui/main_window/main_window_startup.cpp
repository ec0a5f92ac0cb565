// The start-up sequence of the main window, in its fixed order: settings, intro, the
// check of the player lists, menu and background, radio, language, the reports and
// the sign-in of the services, the music; then the intro waits for a click or a key.
#include <QShowEvent>
#include <QTimer>

#include "config/computer_file.h"
#include "config/settings_file.h"
#include "core/files/atomic_file.h"
#include "ui/dialogs/dialog_words.h"
#include "ui/main_window/intro_view.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/own_cursors.h"
#include "ui/main_window/startup_rules.h"

namespace tavik::ui {
namespace {

void call(const std::function<void()>& hook) {
    if (hook) hook();
}

}  // namespace

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The first paint of the window starts the game.
    if (!startupRun_) QTimer::singleShot(0, this, [this] { runStartup(); });
}

bool MainWindow::runStartup() {
    if (startupRun_) return !startupFailed_;
    startupRun_ = true;
    loadSettings();
    startIntro();
    if (!lists_->ValidateAtStartup()) {
        startupFailed_ = true;
        mainTimer_.stop();
        close();
        return false;
    }
    loader_->LoadTableBackground(settings_.menuDesign == 1);
    call(hooks_.setUpRadio);
    ApplyLanguage();
    call(hooks_.statisticsStartReport);
    call(hooks_.automaticSignIn);
    call(hooks_.loadPlaylist);
    prepareMusic();
    ApplyCursors(this, settings_.ownCursor);
    return true;
}

void MainWindow::loadSettings() {
    const config::SettingsLoad load =
        config::LoadSettings(folder_.inProgram(config::kSettingsFileName));
    settings_ = load.settings;
    settings_.computer = config::ReadComputerFile(folder_.inProgram(config::kComputerFileName));
    if (load.outcome == config::SettingsRead::Complete && hooks_.remoteConfiguration)
        hooks_.remoteConfiguration(settings_);
    const auto list = files::readFile(folder_.inProgram(files::kLocalListName));
    if (list && RussianInstallation(*list)) settings_.language = 1;
}

void MainWindow::startIntro() {
    display_ = MakeDisplay(1, 0, 0, settings_.deckStyle);
    fitWindow();
    intro_ = new IntroView(settings_.language, area_);
    intro_->move(0, 0);
    intro_->show();
    intro_->raise();
    intro_->setFocus();
    introShown_ = true;
    connect(intro_, &IntroView::finished, this, &MainWindow::finishIntro, Qt::QueuedConnection);
    intro_->tick();
    mainTimer_.start();
}

void MainWindow::finishIntro() {
    if (!introShown_ || startupFailed_) return;
    introShown_ = false;
    if (intro_) {
        intro_->hide();
        intro_->deleteLater();
    }
    ApplyWindowSize();
    showMainScreen();
    call(hooks_.startRadio);
}

void MainWindow::notice(files::FileNotice notice, const std::string& path) {
    const bool warning = notice == files::FileNotice::IncorrectAttributes;
    showMessage(warning ? QMessageBox::Warning : QMessageBox::Critical,
                FileNoticeText(notice, path, settings_.language));
}

}  // namespace tavik::ui
