#include "ui/game/game_session.h"

#include <QScreen>
#include <QTimer>

#include "config/words/word_table.h"
#include "core/rules/controls.h"
#include "core/rules/sounds.h"
#include "ui/button/click_effect.h"
#include "ui/dialogs/dialog_words.h"
#include "ui/dialogs/end_game_window.h"
#include "ui/dialogs/general_count_window.h"
#include "ui/dialogs/history_viewer.h"
#include "ui/dialogs/new_game_dialog.h"
#include "ui/dialogs/wait_dialog.h"
#include "ui/flight/table_flights.h"
#include "ui/game/action_keys.h"
#include "ui/game/chat_line.h"
#include "ui/game/hand_input.h"
#include "ui/game/hand_keys.h"
#include "ui/game/result_display.h"

namespace tavik::ui {
void NoticeBoxes::notice(files::FileNotice notice, const std::string& path) {
    if (quiet) return;
    const int lang = settings_.language;
    ShowMessage(&parent_, WordText(words::key::Title, lang), FileNoticeText(notice, path, lang),
                lang);
}

GameSession::GameSession(std::unique_ptr<GameHost> host, Parts parts, QObject* parent)
    : QObject(parent),
      host_(std::move(host)),
      settings_(host_->settings()),
      view_(&host_->tableView()),
      clock_([this] { tick(); }),
      sound_(host_->audio(), settings_),
      clockRandom_(clock_),
      backAtDeal_(settings_, host_->art()),
      gif_(settings_, host_->art(), gifParts(parts.clock), &backAtDeal_),
      match_({*view_, sound_, pause_, peer_, clock_, parts.random ? *parts.random : clockRandom_},
             seat1_, nullptr, &gif_),
      g_(match_.state()),
      world_(match_.world()),
      controller_(match_.controller()),
      notices_(host_->window(), settings_),
      lists_(host_->dataFolder().program, notices_),
      hooks_(lists_, host_->dataFolder().history(), notices_, &world_,
             parts.clock ? parts.clock : files::LocalTime::now),
      scripted_(parts.opponent) {
    match_.setHooks(hooks_);
    TableView& view = *view_;
    hand_ = new HandInput(
        view, g_, controller_, [this](int slot) { playCard(slot); },
        [this](Card card) { host_->audio().SpeakCard(card, false); });
    hand_->beforeValidClick = [this](QPoint globalPos) {
        if (settings_.fireworksCards)
            PlayClickEffect(
                &host_->window(), globalPos,
                DefaultPluginFolders(QString::fromStdString(host_->dataFolder().program)));
    };
    result_ = new ResultDisplay(view);
    // The open-cards code is typed at the chat send button; in a game against the
    // computer, which shows no chat line, at the action button.
    keys_ = new ActionKeys(
        view.button7(), [this] { toggleForecast(); },
        [this] {
            if (!g_.NetGame) toggleOpenCards();
        });
    chatKeys_ = new ActionKeys(view.chatSend(), {}, [this] { toggleOpenCards(); });
    chat_ = new ChatLine(view, [this] { playSound(g_, world_, snd::ToMenK); });
    handKeys_ = new HandKeys(view, g_, controller_, [this](int slot) { playCard(slot); });
    flights_ = std::make_unique<TableFlights>(view, [this] { return settings_.flySpeed; });
    view.onFlight = [this](const Flight& f) { flights_->Fly(f); };
    view.onResult = [this](KonOutcome konResult, bool animated) {
        result_->ShowResult(konResult, animated, settings_);
    };
    view.onForecast = [this](int code) { setTitle(code); };
    // The other copy's messages are applied between the game's own steps.
    lan_.setGate([this](const std::function<void()>& read) {
        if (busy_) {
            QTimer::singleShot(20, &lan_, [this] { lan_.readPending(); });
            return;
        }
        run(read);
        afterLanEvent();
    });
    connect(&view, &TableView::actionPressed, this, &GameSession::actionPressed);
    connect(&view, &TableView::endMatchPressed, this, &GameSession::endMatchPressed);
}

GameSession::~GameSession() {
    clock_.moveTimer(false, 200);
    // The table view may outlive the session: nothing of it calls back here any more.
    delete hand_.data();
    delete result_.data();
    delete keys_.data();
    delete chatKeys_.data();
    delete chat_.data();
    delete handKeys_.data();
    if (view_) {
        view_->onFlight = nullptr;
        view_->onResult = nullptr;
        view_->onForecast = nullptr;
        view_->disconnect(this);
    }
}

HandInput& GameSession::handInput() {
    return *hand_;
}

HandKeys& GameSession::handKeys() {
    return *handKeys_;
}

ResultDisplay& GameSession::result() {
    return *result_;
}

QString GameSession::word(words::WordKey key) const {
    return WordText(key, settings_.language);
}

GifRecorder::Parts GameSession::gifParts(const std::function<files::LocalTime()>& clock) {
    GifRecorder::Parts p;
    p.capture = [this] {
        QWidget& window = host_->window();
        // The whole screen when asked and the platform can show it; the window otherwise.
        if (settings_.gifCapture == 2 && window.screen() != nullptr) {
            const QImage screen = window.screen()->grabWindow(0).toImage();
            if (!screen.isNull()) return screen;
        }
        return window.grab().toImage();
    };
    p.folder = [this] { return host_->dataFolder().history(); };
    p.clock = clock ? clock : files::LocalTime::now;
    p.redrawTable = [this] {
        if (view_) view_->clearTableBoxes();
    };
    p.failed = [this](const QString& path, const QString& error) {
        ShowMessage(&host_->window(), word(words::key::Title),
                    word(words::key::CantSaveGif) + "\n" + path + "\n" + error, settings_.language);
    };
    return p;
}

void GameSession::backToMainScreen() {
    gif_.matchEnded();
    host_->setGameMenuEnabled(false, false);
    host_->showMainScreen();
}

template <class Step>
void GameSession::run(Step&& step) {
    if (busy_) return;
    busy_ = true;
    step();
    gif_.afterStep();
    busy_ = false;
    if (handKeys_) handKeys_->Refresh();
    if (leaveAsked_) {
        leaveAsked_ = false;
        leaveNow();
    }
}

void GameSession::prepareLists() {
    if (listsChecked_) return;
    // The window showed the messages of the start-up check; this copy of the lists
    // only learns whether it may write them.
    notices_.quiet = true;
    listsChecked_ = lists_.ValidateAtStartup();
    notices_.quiet = false;
}

void GameSession::start(int userSlot) {
    if (matchOn_ || busy_ || !view_) return;
    prepareLists();
    // A network game keeps its players in the LAN list.
    const bool net = settings_.NetGame;
    const files::ListKind list = net ? files::ListKind::Lan : files::ListKind::Local;
    std::optional<files::PlayerRecord> stored;
    if (userSlot >= 1 && userSlot <= 5) {
        stored = lists_.ReadSlot(list, userSlot);
        if (!stored) return;  // an empty slot opens nothing
    }
    std::unique_ptr<NewGameDialog> dialog =
        net ? std::make_unique<NewGameDialog>(
                  userSlot, stored, settings_,
                  [this](int role, const QString& address, quint16 port) {
                      return connectAndWait(role, address, port);
                  },
                  &host_->window())
            : std::make_unique<NewGameDialog>(userSlot, stored, settings_, &host_->window());
    if (dialog->exec() != QDialog::Accepted) {
        if (net) {
            lan_.close();
            peer_.link = nullptr;
        }
        return;
    }
    const PlayerChoice& choice = dialog->choice();

    g_.UserSlot = choice.slot;
    g_.UserName = choice.name;
    hooks_.setPasswordField(choice.passwordField);
    g_.NetGame = net;
    g_.NetRole = net ? choice.NetRole : 1;
    g_.OnlineGame = false;
    g_.rules = {settings_.ReDealRule, settings_.SixesRule, settings_.HintsRule};
    g_.display.gifAnimation = settings_.gifAnimation;
    g_.display.soundOn = settings_.soundOn;
    g_.display.flyCardsOn = settings_.flyCardsOn;

    if (net) {
        seat1_.setInner(remote_);
    } else {
        if (!scripted_) {
            if (settings_.computer == config::ComputerLevel::Expert)
                computer_ = std::make_unique<ai::ExpertPlayer>(1);
            else
                computer_ = std::make_unique<ai::ComputerOpponent>(1);
        }
        seat1_.setInner(scripted_ ? *scripted_ : *computer_);
    }

    matchOn_ = true;
    result_->HideResult();
    host_->hideMainScreen();
    gif_.useRecordingBackground();
    view_->setGameKind(g_.NetGame, g_.OnlineGame);
    view_->StartTable();
    if (net && peer_.link)
        chat_->attach(*peer_.link, g_.NetRole);
    else
        chat_->detach();
    view_->button8().setText(word(words::key::FinishMatch));
    host_->setGameMenuEnabled(true, true);
    run([this] {
        controller_.NewKon(false);
        if (peer_.link) peer_.link->pump();
    });
}

bool GameSession::connectAndWait(int role, const QString& address, quint16 port) {
    QString name = QString::fromStdString(settings_.playerName).trimmed();
    net::LanLink& link = lan_.newLink(role, name, chat_.data());
    link.attach(match_, remote_);
    peer_.link = &link;
    const bool listening = role == 1 ? lan_.StartServer(port) : true;
    if (role == 2) lan_.StartClient(address, port);
    WaitDialog wait(
        role == 1 ? words::key::WaitConnection : words::key::WaitGame,
        [this] { return lan_.noGames(); }, settings_.language, &host_->window());
    if (!listening) wait.statusLine().setText(word(words::key::NoGames));
    // The greeting: the server's player may start; the client starts at once.
    const QMetaObject::Connection greeted =
        connect(&lan_, &LanConnection::changed, &wait, [this, &wait, role] {
            net::LanLink* l = lan_.link();
            if (!l || l->netLink() < 2) return;
            if (role == 1)
                wait.peerConnected();
            else
                wait.accept();
        });
    const bool started = wait.exec() == QDialog::Accepted;
    disconnect(greeted);
    if (!started) {
        lan_.close();
        peer_.link = nullptr;
        chat_->detach();
        g_.NetGame = false;
    }
    return started;
}

void GameSession::afterLanEvent() {
    net::LanLink* link = lan_.link();
    // Chat lasts as long as the connection.
    if (link && (link->closed() || link->peerGone())) chat_->detach();
    if (!matchOn_ || !g_.NetGame || !link || !link->interrupted()) return;
    // The other copy broke the protocol or left before the match could end.
    playSound(g_, world_, snd::Wrongs);
    QString text = word(g_.NetRole == 1 ? words::key::PeerClient : words::key::PeerServer) + " " +
                   word(words::key::InterruptedGame);
    if (link->failure())
        text += "\n" + word(words::key::PeerBrokeProtocol) + " " +
                QString::fromStdString(*link->failure());
    text += "\n\r" + word(words::key::ExitToMenu);
    ShowMessage(&host_->window(), word(words::key::Title), text, settings_.language);
    matchOn_ = false;
    g_.GameActive = false;
    g_.names[1] = "No";
    lan_.close();
    peer_.link = nullptr;
    chat_->detach();
    setMoveTimer(g_, world_, false);
    result_->HideResult();
    backToMainScreen();
}

void GameSession::actionPressed() {
    if (!matchOn_) return;
    run([this] {
        if (g_.Step == BoutStep::ResultShown && g_.Button7Enabled) result_->HideResult();
        controller_.ActionButton();
        if (peer_.link) peer_.link->pump();
    });
}

void GameSession::endMatchPressed() {
    if (!matchOn_) return;
    run([this] {
        if (!g_.KonOver || !g_.Button8Enabled) return;
        result_->HideResult();
        view_->hide();
        host_->ShowWaitBanner(true);
        controller_.EndMatchButton();
        finishMatch();
    });
}

void GameSession::finishMatch() {
    matchOn_ = false;
    if (g_.NetGame) {  // the end of a LAN match closes its connection
        lan_.close();
        peer_.link = nullptr;
        chat_->detach();
    }
    clock_.moveTimer(false, 200);
    const files::EndMatchResult& end = hooks_.lastEnd();
    if (end.cycleComplete) {
        EndGameWindow window(EndGameTexts(end.place, g_.Score, end.kind, settings_.language),
                             settings_.language, &host_->window());
        window.exec();
    }
    host_->ShowWaitBanner(false);
    backToMainScreen();
}

void GameSession::tick() {
    if (!matchOn_) return;
    run([this] {
        controller_.TimerTick();
        // A kon ended on the tick: messages that waited for it apply now.
        if (peer_.link) peer_.link->pump();
    });
}

void GameSession::playCard(int slot) {
    if (!matchOn_) return;
    run([this, slot] {
        if (controller_.HandClick(slot) == ClickResult::Refused && handKeys_)
            handKeys_->ShowRefused(slot);
        if (peer_.link) peer_.link->pump();
    });
}

void GameSession::leaveMatch() {
    if (!matchOn_) return;
    if (busy_) {
        leaveAsked_ = true;  // after the running step
        return;
    }
    leaveNow();
}

void GameSession::leaveNow() {
    if (!matchOn_) return;
    matchOn_ = false;
    setMoveTimer(g_, world_, false);
    result_->HideResult();
    hooks_.LeaveMatch(g_);
    if (g_.NetGame) {
        lan_.close();
        peer_.link = nullptr;
        chat_->detach();
    }
    backToMainScreen();
}

void GameSession::quit() {
    if (!matchOn_ || busy_) return;
    if (AskYesNo(&host_->window(), word(words::key::Title),
                 word(words::key::LeaveToMenu) + "\n" + word(words::key::DataWillBeLost),
                 settings_.language))
        leaveMatch();
}

void GameSession::showGeneralCount() {
    if (!matchOn_) return;
    const files::TCount count = files::GeneralCount(g_, files::ServiceStanding{});
    GeneralCountWindow window(QString::fromStdString(WithoutTrailingBlanks(g_.UserName)), count,
                              settings_.language, &host_->window());
    window.exec();
}

void GameSession::changeName() {
    if (!matchOn_ || busy_) return;
    NewGameDialog dialog(6, std::nullopt, settings_, &host_->window());
    if (dialog.exec() != QDialog::Accepted) return;
    const PlayerChoice& choice = dialog.choice();
    hooks_.RenamePlayer(g_, choice.name, choice.passwordField);
    ShowMessage(&host_->window(), word(words::key::Title),
                word(words::key::NameChanged) + "\n" + word(words::key::NewName) +
                    QString::fromStdString(choice.name),
                settings_.language);
    run([this] { showName(g_, world_, 2); });
}

void GameSession::showHistory() {
    HistoryViewer viewer(host_->dataFolder().history(), historyShown_, settings_.language,
                         &host_->window());
    viewer.exec();
}

void GameSession::toggleForecast() {
    if (g_.NetGame || g_.OnlineGame) return;
    g_.display.forecastOn = !g_.display.forecastOn;
    setTitle(g_.display.forecastOn ? kForecastPending : kForecastNone);
}

void GameSession::toggleOpenCards() {
    if (!matchOn_) return;
    run([this] {
        g_.OpenCards = !g_.OpenCards;
        redrawHand(g_, world_, 1);
    });
}

void GameSession::setTitle(int forecastCode) {
    QString title = word(words::key::Title);
    const std::string_view forecast = ForecastText(forecastCode);
    if (!forecast.empty()) {
        const QString text =
            QString::fromUtf8(forecast.data(), static_cast<qsizetype>(forecast.size()));
        title += text.startsWith(' ') ? text : " " + text;
    }
    host_->window().setWindowTitle(title);
}

}  // namespace tavik::ui
