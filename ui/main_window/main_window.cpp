#include "ui/main_window/main_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

#include "config/computer_file.h"
#include "config/service_address.h"
#include "config/settings_file.h"
#include "config/words/word_keys.h"
#include "ui/button/button_shape.h"
#include "ui/button/click_effect.h"
#include "ui/dialogs/dialog_words.h"
#include "ui/dialogs/speed_dialog.h"
#include "ui/game/game_session_api.h"
#include "ui/help/about_window.h"
#include "ui/help/help_window.h"
#include "ui/main_window/balloon_hint.h"
#include "ui/main_window/calendar_view.h"
#include "ui/main_window/game_menu.h"
#include "ui/main_window/intro_view.h"
#include "ui/main_window/kon_balloon.h"
#include "ui/main_window/local_champions.h"
#include "ui/main_window/main_screen.h"
#include "ui/main_window/own_cursors.h"
#include "ui/main_window/wait_banner.h"
#include "ui/options/options_dialog.h"
#include "ui/pictures/plugin_licence.h"
#include "ui/table/table_view.h"

namespace tavik::ui {
namespace {

// The window's own surface: the background behind every screen, so that nothing bare shows
// while neither the main screen nor the table is up (the wait banner and the end-game window
// at the end of a match stand on it).
class BackgroundArea : public QWidget {
  public:
    BackgroundArea(const CardArt& art, QWidget* parent) : QWidget(parent), art_(art) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        PaintWindowBackground(p, rect(), art_);
    }

  private:
    const CardArt& art_;
};

// The about window's lines for the face styles drawn from card decks, read from the licence
// record of each card library found.
std::vector<periphery::LicenceRecord> DeckArtLicences(const PluginFolders& folders) {
    std::vector<periphery::LicenceRecord> records;
    for (ArtLibrary lib : {ArtLibrary::CardsA, ArtLibrary::CardsB, ArtLibrary::CardsC}) {
        const std::optional<LibraryLicence> licence = ReadLibraryLicence(folders, lib);
        if (!licence) continue;
        for (const DeckCredit& deck : licence->decks) {
            periphery::LicenceRecord r;
            r.name = QStringLiteral("%1 %2 (%3)")
                         .arg(deck.style)
                         .arg(deck.deck, QString::fromStdString(LibraryName(lib)))
                         .toStdString();
            r.package = deck.package.toStdString();
            r.licence = deck.licence.toStdString();
            r.copyright = deck.copyright.section(QLatin1Char('\n'), 0, 0).toStdString();
            r.installed = true;
            records.push_back(std::move(r));
        }
    }
    return records;
}

}  // namespace

MainWindow::MainWindow(files::DataFolder folder, QWidget* parent)
    : QMainWindow(parent),
      folder_(std::move(folder)),
      display_(MakeDisplay(1, 0, 0, 0)),
      area_(new BackgroundArea(art_, this)),
      music_(std::make_unique<MusicCue>(*audio_)) {
    setCentralWidget(area_);
    mainScreen_ = new MainScreen(display_, art_, settings_, area_);
    mainScreen_->hide();
    calendar_ = new CalendarView(*mainScreen_, display_, settings_,
                                 DefaultPluginFolders(QString::fromStdString(folder_.program)));
    calendar_->setMainScreenShown([this] { return mainScreenShown_; });
    hooks_.showCalendar = [this] { calendar_->ShowCalendar(); };
    hooks_.deckArtLicences = [this] {
        return DeckArtLicences(DefaultPluginFolders(QString::fromStdString(folder_.program)));
    };
    tableView_ = new TableView(display_, art_, settings_, {}, area_);
    tableView_->hide();
    konBalloon_ = new BalloonHint(area_);
    konBalloon_->hide();
    tableView_->onKonHover = [this](const QRect& box) {
        const auto b = KonBalloon(tableView_->konState(), settings_.language);
        if (b)
            konBalloon_->showHint(b->title, b->text, box.translated(tableView_->pos()),
                                  settings_.font(config::FontKind::Decor).name);
    };
    tableView_->onKonLeave = [this] { konBalloon_->hideHint(); };
    waitBanner_ = new WaitBanner(settings_, area_);
    menu_ = new GameMenu(this);
    files::NoticePort& notices = *this;
    lists_ = std::make_unique<files::PlayerListFiles>(folder_.program, notices);
    loader_ = std::make_unique<ArtLoader>(
        display_, settings_, art_, DefaultPluginFolders(QString::fromStdString(folder_.program)),
        [this](const QString& file) {
            // The small "Attention" window; tests see its text through the message hook.
            if (messageHook)
                messageHook(QMessageBox::NoIcon, word(words::key::CantFindFile) + " " + file);
            else
                AttentionNotice(settings_, this)(file);
        });
    mainTimer_.setInterval(20);
    connect(&mainTimer_, &QTimer::timeout, this, &MainWindow::onTimer);
    connectMainScreen();
    connectMenu();
    setUpOptionsHooks();
    // Every window shown gives its card-style buttons the shape of newButtons.
    if (qApp != nullptr) {
        qApp->installEventFilter(
            new ButtonShapeFollower([this] { return settings_.newButtons; }, this));
        // The click effect plays at the pointer before a button of any window acts.
        qApp->installEventFilter(new ClickEffectFollower(
            [this] { return settings_.fireworksButtons; },
            DefaultPluginFolders(QString::fromStdString(folder_.program)), this));
    }
    setWindowTitle(word(words::key::Title));
    fitWindow();
}

MainWindow::~MainWindow() = default;

IntroView* MainWindow::intro() {
    return intro_;
}

QString MainWindow::word(words::WordKey key) const {
    return WordText(key, settings_.language);
}

void MainWindow::connectMainScreen() {
    auto opening = [this] { audio_->PlayResourceSound("WOpenFo", false, settings_.soundOn); };
    connect(mainScreen_, &MainScreen::listButtonClicked, this, [this, opening](int slot) {
        opening();
        emit startRequested(slot);
    });
    connect(mainScreen_, &MainScreen::startClicked, this, [this, opening] {
        opening();
        emit startRequested(6);
    });
    connect(mainScreen_, &MainScreen::topTenClicked, this, [this, opening] {
        opening();
        showLocalChampions();
    });
    connect(mainScreen_, &MainScreen::historyClicked, this, [this, opening] {
        opening();
        emit historyRequested();
    });
    connect(mainScreen_, &MainScreen::optionsClicked, this, [this, opening] {
        opening();
        showOptions();
    });
    connect(mainScreen_, &MainScreen::modeClicked, this, [this, opening] {
        opening();
        settings_.scoreFormat = settings_.scoreFormat == 1 ? 2 : 1;
        mainScreen_->FillPlayerList(currentList());
    });
    // The help icon of the left column: the rules, as the menu's Help.
    connect(mainScreen_, &MainScreen::iconClicked, this, [this, opening](const QString& picture) {
        if (picture != QLatin1String("Help48")) return;
        opening();
        showHelp(help::HelpPage::Rules);
    });
    connect(mainScreen_, &MainScreen::exitClicked, this, [this, opening] {
        opening();
        close();
    });
}

void MainWindow::connectMenu() {
    connect(menu_->GenCount, &QAction::triggered, this, &MainWindow::genCountRequested);
    connect(menu_->Quit, &QAction::triggered, this, &MainWindow::quitRequested);
    connect(menu_->ChangeName, &QAction::triggered, this, &MainWindow::changeNameRequested);
    connect(menu_->About, &QAction::triggered, this, &MainWindow::showAbout);
    connect(menu_->Help, &QAction::triggered, this, [this] { showHelp(help::HelpPage::Rules); });
    connect(menu_->Book, &QAction::triggered, this, [this] { showHelp(help::HelpPage::Book); });
    connect(menu_->MSpeed, &QAction::triggered, this, &MainWindow::showSpeedDialog);
    for (QAction* later : {menu_->MRadio, menu_->MChat})
        connect(later, &QAction::triggered, this, &MainWindow::notReady);
}

void MainWindow::onTimer() {
    if (introShown_ && intro_)
        intro_->tick();
    else if (mainScreenShown_)
        mainScreen_->AnimateMainScreen(QTime::currentTime());
}

void MainWindow::fitWindow() {
    const QSize client(display_.clientWidth, display_.clientHeight);
    area_->setFixedSize(client);
    setFixedSize(client);
    mainScreen_->setGeometry(QRect(QPoint(0, 0), client));
    tableView_->move(0, 0);
    const QScreen* s = screen();
    if (s == nullptr) return;
    const QRect whole = s->availableGeometry();
    if (display_.windowSize == 2) {
        move(whole.topLeft());
        return;
    }
    // Centred on the screen, frame included once the window has one.
    const QSize outer = isVisible() ? frameGeometry().size() : client;
    move(whole.left() + nearest(whole.width() - outer.width(), 2),
         whole.top() + nearest(whole.height() - outer.height(), 2));
}

void MainWindow::ApplyWindowSize() {
    int fullWidth = 0, fullHeight = 0;
    if (settings_.windowSize == 2 && screen() != nullptr) {
        // The whole desktop area less the window's frame.
        const QRect whole = screen()->availableGeometry();
        const QSize frame = isVisible() ? frameGeometry().size() - size() : QSize(0, 0);
        fullWidth = whole.width() - frame.width();
        fullHeight = whole.height() - frame.height();
    }
    display_ = MakeDisplay(settings_.windowSize, fullWidth, fullHeight, settings_.deckStyle);
    const bool onTable = !tableView_->isHidden();
    loader_->LoadTableBackground((onTable ? settings_.tableDesign : settings_.menuDesign) == 1);
    loader_->LoadCardFaces();
    ApplyCardCell(display_, settings_.deckStyle);
    if (settings_.windowSize != 1) settings_.saveGif = false;
    fitWindow();
    if (onTable) tableView_->StartTable();
    if (mainScreenShown_) {
        if (hooks_.showCalendar) hooks_.showCalendar();
        mainScreen_->Compose(currentList());
    }
}

std::optional<files::PlayerList> MainWindow::currentList() const {
    return lists_->load(settings_.NetGame ? files::ListKind::Lan : files::ListKind::Local)
        .optional();
}

void MainWindow::setAudio(AudioPort& audio) {
    music_->programClosing();
    audio_ = &audio;
    music_ = std::make_unique<MusicCue>(audio);
}

void MainWindow::setMusicOn(bool on) {
    settings_.musicOn = on;
    music_->musicSwitched(on);
}

void MainWindow::prepareMusic() {
    if (!audio_->PrepareMusic())
        showMessage(QMessageBox::Warning, word(words::key::CantCreateMusicFile));
    music_->mainScreenEntered(settings_.musicOn);
}

void MainWindow::showMainScreen() {
    konBalloon_->hideHint();
    music_->mainScreenEntered(settings_.musicOn);
    fitWindow();
    setWindowTitle(word(words::key::Title));  // no forecast of a match that is over
    mainTimer_.start();
    menu_->setMatchItems(false, false, false);
    tableView_->hide();
    waitBanner_->hide();
    if (settings_.menuDesign != settings_.tableDesign)
        loader_->LoadTableBackground(settings_.menuDesign == 1);
    if (hooks_.showCalendar) hooks_.showCalendar();
    mainScreen_->Compose(currentList());
    mainScreen_->show();
    ApplyCursors(this, settings_.ownCursor);
    mainScreenShown_ = true;
}

void MainWindow::hideMainScreen() {
    music_->gameDealt();
    mainScreenShown_ = false;
    mainTimer_.stop();
    mainScreen_->balloon().hideHint();
    for (int k = 1; k <= 2; ++k)
        if (QMovie* movie = mainScreen_->figureMovie(k)) movie->stop();
    mainScreen_->hide();
    if (settings_.menuDesign != settings_.tableDesign)
        loader_->LoadTableBackground(settings_.tableDesign == 1);
    tableView_->setTableDesign(settings_.tableDesign);
    tableView_->show();
    waitBanner_->raise();
    ApplyCursors(this, settings_.ownCursor);
}

void MainWindow::setGameMenuEnabled(bool quit, bool genCount) {
    setGameMenuEnabled(quit, genCount, quit);
}

void MainWindow::setGameMenuEnabled(bool quit, bool genCount, bool changeName) {
    menu_->setMatchItems(quit, genCount, changeName);
}

void MainWindow::ShowWaitBanner(bool on) {
    if (on) {
        mainScreen_->figure(1).hide();
        waitBanner_->showBanner(display_);
    } else {
        waitBanner_->hide();
    }
}

void MainWindow::ApplyLanguage() {
    setWindowTitle(word(words::key::Title));
    mainScreen_->ApplyLanguage();
    if (mainScreenShown_ && hooks_.showCalendar) hooks_.showCalendar();
    menu_->ApplyLanguage(settings_.language);
    tableView_->update();
    waitBanner_->update();
}

void MainWindow::showLocalChampions() {
    LocalChampionsWindow window(settings_, currentList(), this);
    ApplyCursors(&window, settings_.ownCursor);
    window.exec();
}

void MainWindow::setUpOptionsHooks() {
    OptionsHooks& h = optionsHooks_;
    h.windowSize = [this] { ApplyWindowSize(); };
    h.language = [this] { ApplyLanguage(); };
    h.cursors = [this] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible()) ApplyCursors(w, settings_.ownCursor);
    };
    h.buttons = [this] {
        for (QWidget* w : QApplication::topLevelWidgets())
            ApplyButtonShape(w, settings_.newButtons);
    };
    h.playerList = [this] {
        if (mainScreenShown_) mainScreen_->Compose(currentList());
    };
    // A new face style may change the card cell: the window is laid out again.
    h.faces = [this] {
        const int wanted = settings_.deckStyle;
        ApplyWindowSize();
        return settings_.deckStyle == wanted;
    };
    h.backs = [this] {
        const bool ok = loader_->LoadCardBacks();
        tableView_->update();
        return ok;
    };
    h.background = [this] {
        const bool onTable = !tableView_->isHidden();
        const bool ok = loader_->LoadTableBackground(
            (onTable ? settings_.tableDesign : settings_.menuDesign) == 1);
        // A change of the menu design also changes the main screen's button colours.
        if (mainScreenShown_) mainScreen_->Compose(currentList());
        area_->update();
        mainScreen_->update();
        tableView_->update();
        return ok;
    };
    h.fonts = [this] {
        if (mainScreenShown_) mainScreen_->Compose(currentList());
        if (!tableView_->isHidden()) tableView_->StartTable();
    };
    h.sound = [this](const char* name) {
        audio_->PlayResourceSound(name, false, settings_.soundOn);
    };
    h.music = [this] { setMusicOn(settings_.musicOn); };
    h.speedChooser = [this] { showSpeedDialog(); };
}

void MainWindow::showOptions() {
    PluginPlaces places;
    places.programFolder = QString::fromStdString(folder_.program);
    places.parentFolder = QString::fromStdString(folder_.parent);
    places.serviceBase = std::string(config::kServiceAddress);
    const QSize screenSize = screen() != nullptr ? screen()->size() : QSize(1280, 1024);
    OptionsDialog dialog(settings_, optionsHooks_, places, screenSize, this);
    ApplyCursors(&dialog, settings_.ownCursor);
    dialog.exec();
}

void MainWindow::showMessage(QMessageBox::Icon icon, const QString& text) {
    if (messageHook) {
        messageHook(icon, text);
        return;
    }
    QMessageBox box(icon, word(words::key::Title), text, QMessageBox::NoButton, this);
    box.addButton(word(words::key::OK), QMessageBox::AcceptRole);
    ApplyCursors(&box, settings_.ownCursor);
    box.exec();
}

bool MainWindow::confirm(const QString& text) {
    if (confirmHook) return confirmHook(text);
    return AskYesNo(this, word(words::key::Title), text, settings_.language);
}

void MainWindow::notReady() {
    showMessage(QMessageBox::Information, word(words::key::NotReadyYet));
}

void MainWindow::showAbout() {
    AboutFacts facts;
    facts.dataFolder = QString::fromStdString(folder_.program);
    facts.fonts = FontLicences();
    if (hooks_.deckArtLicences) facts.deckArt = hooks_.deckArtLicences();
    AboutWindow window(facts, settings_.language, this);
    ApplyCursors(&window, settings_.ownCursor);
    window.exec();
}

void MainWindow::showHelp(help::HelpPage page) {
    HelpWindow window(page, settings_.language, this);
    ApplyCursors(&window, settings_.ownCursor);
    window.exec();
}

void MainWindow::showSpeedDialog() {
    SpeedDialog dialog(settings_, this,
                       DefaultPluginFolders(QString::fromStdString(folder_.program)));
    dialog.exec();
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
    if (introShown_ || !startupRun_ || startupFailed_) return;
    menu_->exec(event->globalPos());
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!startupRun_ || startupFailed_) {
        mainTimer_.stop();
        event->accept();
        return;
    }
    if (session_ != nullptr && session_->inMatch()) {
        if (!confirm(word(words::key::LeaveGame) + QLatin1Char(' ') +
                     word(words::key::DataWillBeLost))) {
            event->ignore();
            return;
        }
        session_->leaveMatch();
    }
    mainTimer_.stop();
    music_->programClosing();
    // Settings are kept only while the player lists may be written.
    if (lists_->writesAllowed() &&
        (!config::SaveSettings(folder_.inProgram(config::kSettingsFileName), settings_).ok() ||
         !config::WriteComputerFile(folder_.inProgram(config::kComputerFileName),
                                    settings_.computer)
              .ok()))
        showMessage(QMessageBox::Critical, word(words::key::CantSaveOptions));
    // The closing sound ends before the window goes.
    audio_->PlayResourceSound("WOpenFo", true, settings_.soundOn);
    event->accept();
}

}  // namespace tavik::ui
