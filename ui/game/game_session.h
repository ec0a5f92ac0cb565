#pragma once
// A match in the main window, against the computer or (with the network game setting)
// another copy of the game over the LAN: the player's dialog, the deal,
// the clicks on the hand, the table's two buttons, the computer's moves on the 200 ms
// timer, the result of each kon, and the end of the match with its bookkeeping in
// the player list and the history, then the main screen again. Also the game menu's
// items: leaving the match, the general count, the name change and the history.

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>

#include "ai/computer_opponent.h"
#include "ai/expert_player.h"
#include "config/words/word_keys.h"
#include "core/files/file_match_hooks.h"
#include "core/match/match_session.h"
#include "core/match/remote_seat.h"
#include "core/match/seeded_random.h"
#include "ui/game/back_at_deal.h"
#include "ui/game/background_seat.h"
#include "ui/game/chat_line.h"
#include "ui/game/game_host.h"
#include "ui/game/game_session_api.h"
#include "ui/game/gif_recorder.h"
#include "ui/game/qt_ports.h"
#include "ui/lan/lan_connection.h"

namespace tavik::ui {

class ActionKeys;
class HandInput;
class HandKeys;
class TableFlights;
class ResultDisplay;
class TableView;

// The message boxes of the file operations, in the language of the settings.
class NoticeBoxes : public files::NoticePort {
  public:
    NoticeBoxes(QWidget& parent, const config::Settings& settings)
        : parent_(parent), settings_(settings) {}
    void notice(files::FileNotice notice, const std::string& path) override;
    bool quiet = false;  // while the lists' attributes are checked a second time

  private:
    QWidget& parent_;
    const config::Settings& settings_;
};

class GameSession : public QObject, public GameSessionApi {
    Q_OBJECT
  public:
    // What a test may put in place of the real thing; the defaults are the clock-seeded
    // shuffle, the computer opponent and the local time.
    struct Parts {
        RandomPort* random = nullptr;
        Seat* opponent = nullptr;
        std::function<files::LocalTime()> clock;
    };

    // Serves a window that offers the GameHost calls and the signals startRequested,
    // quitRequested, genCountRequested, changeNameRequested and historyRequested.
    template <class Window>
    explicit GameSession(Window& window, Parts parts = {})
        : GameSession(std::make_unique<HostOf<Window>>(window), std::move(parts), &window) {
        connect(&window, &Window::startRequested, this, &GameSession::start);
        connect(&window, &Window::quitRequested, this, &GameSession::quit);
        connect(&window, &Window::genCountRequested, this, &GameSession::showGeneralCount);
        connect(&window, &Window::changeNameRequested, this, &GameSession::changeName);
        connect(&window, &Window::historyRequested, this, &GameSession::showHistory);
    }
    GameSession(std::unique_ptr<GameHost> host, Parts parts, QObject* parent = nullptr);
    ~GameSession() override;

    // GameSessionApi
    bool inMatch() const override { return matchOn_; }
    void leaveMatch() override;

    // The player's dialog for a list slot 1..5 or a new player (6), then the first kon.
    void start(int userSlot);
    // The menu's Quit: asks, then leaves the match.
    void quit();
    void showGeneralCount();
    // Renames the player of the match (the dialog in its new-player mode).
    void changeName();
    void showHistory();

    // The table's buttons, the computer-move timer and a click on a card of the hand.
    void actionPressed();
    void endMatchPressed();
    void tick();
    void playCard(int slot);
    // F10 on the action button, and the open-cards code.
    void toggleForecast();
    void toggleOpenCards();

    GameState& game() { return g_; }
    LanConnection& lan() { return lan_; }
    const MatchController& controller() const { return controller_; }
    const QtClock& clock() const { return clock_; }
    const files::EndMatchResult& lastEnd() const { return hooks_.lastEnd(); }
    HandInput& handInput();
    HandKeys& handKeys();
    TableFlights& flights() { return *flights_; }
    ResultDisplay& result();
    ChatLine& chat() { return *chat_; }
    GifRecorder& gif() { return gif_; }

  private:
    // Runs one step of the game unless one is running already (a pause or the
    // computer's thinking runs a local event loop); a leave asked for meanwhile
    // follows when the step is done.
    template <class Step>
    void run(Step&& step);
    void leaveNow();
    void finishMatch();
    // Network mode: starts the server or the client and waits for the other player;
    // true when the match can begin.
    bool connectAndWait(int role, const QString& address, quint16 port);
    // After the link took an event: a broken link or a peer that left mid-match ends
    // the match with a message.
    void afterLanEvent();
    // Sends through the LAN link while a network match is on.
    class PeerSlot : public PeerPort {
      public:
        void send(const PeerMessage& m) override {
            if (link) link->send(m);
        }
        net::LanLink* link = nullptr;
    };
    // The window title, followed by the forecast of the code (kForecastNone: plain).
    void setTitle(int forecastCode);
    void prepareLists();
    GifRecorder::Parts gifParts(const std::function<files::LocalTime()>& clock);
    // Back to the main screen after a match, with the table's ordinary background.
    void backToMainScreen();
    QString word(words::WordKey key) const;

    std::unique_ptr<GameHost> host_;
    config::Settings& settings_;
    QPointer<TableView> view_;
    QtPause pause_;
    QtClock clock_;
    SessionSound sound_;  // the game's sounds through the window's audio
    PeerSlot peer_;
    LanConnection lan_;
    RemoteSeat remote_;  // seat 1 of a network match
    ClockSeededRandom clockRandom_;
    BackgroundSeat seat1_;   // the computer, thinking on a worker
    BackAtDeal backAtDeal_;  // the card back of each deal
    GifRecorder gif_;        // the kons saved as GIF, when the setting is on
    MatchSession match_;     // owns the game state
    GameState& g_;
    World& world_;
    MatchController& controller_;
    NoticeBoxes notices_;
    files::PlayerListFiles lists_;
    files::FileMatchHooks hooks_;
    Seat* scripted_;
    std::unique_ptr<Seat> computer_;  // the classic computer or the Expert
    QPointer<HandInput> hand_;
    QPointer<ResultDisplay> result_;
    QPointer<ActionKeys> keys_;
    QPointer<ActionKeys> chatKeys_;  // the open-cards code at the chat send button
    QPointer<ChatLine> chat_;
    QPointer<HandKeys> handKeys_;
    std::unique_ptr<TableFlights> flights_;
    bool matchOn_ = false;
    bool busy_ = false;
    bool leaveAsked_ = false;
    bool listsChecked_ = false;
    int historyShown_ = 0;  // the history file viewed last
};

}  // namespace tavik::ui
