#pragma once
// The wait dialog "Please, wait..." shown while a LAN game waits for the other player:
// a status line, OK (enabled on the server once the client has greeted) and Cancel.
// A one-second timer shows "There are no accessible games" whenever the connection
// says so. The caller closes it as started when the game can begin.

#include <QDialog>
#include <QLabel>
#include <QTimer>
#include <functional>

#include "config/words/word_keys.h"

namespace tavik::ui {

class TQorCardsButton;

class WaitDialog : public QDialog {
    Q_OBJECT
  public:
    // status: the first status line (waiting for a connection or for the game);
    // noGames: read by the one-second timer.
    WaitDialog(words::WordKey status, std::function<bool()> noGames, int language,
               QWidget* parent = nullptr);

    // The server's client has greeted: "The second player was connected...", OK
    // enabled, Cancel disabled.
    void peerConnected();
    // One tick of the status timer.
    void tick();

    QLabel& statusLine() { return *status_; }
    TQorCardsButton& okButton() { return *ok_; }
    TQorCardsButton& cancelButton() { return *cancel_; }

  private:
    std::function<bool()> noGames_;
    int language_;
    QLabel* status_;
    TQorCardsButton* ok_;
    TQorCardsButton* cancel_;
    QTimer timer_;
};

}  // namespace tavik::ui
