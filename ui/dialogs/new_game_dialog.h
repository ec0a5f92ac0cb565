#pragma once
// The new-game dialog "Welcome!": a new player types a name and a password twice; a
// stored player of the list confirms with the password. Its OK gives who plays and the
// scrambled password field for the player list. The same dialog, in the new-player
// mode, renames the player during a match. With the network game setting on it also
// chooses server or client, the server's address and the port, and its OK starts the
// connection and waits for the other player (the caller's startNetwork).

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <functional>
#include <memory>
#include <vector>
#include <optional>
#include <string>

#include "config/settings.h"
#include "config/words/word_keys.h"
#include "core/files/player_list.h"

class QStyle;

namespace tavik::ui {

class TQorCardsButton;

// Who plays, as the confirmed dialog says.
struct PlayerChoice {
    int slot = 6;               // 1..5 a stored player, 6 a new player
    std::string name;           // as typed, without blanks at either end (UTF-8)
    std::string passwordField;  // the 15-digit scrambled password
    int NetRole = 1;            // network mode: 1 server, 2 client
};

// Network mode: starts the server (role 1) or the client (role 2) and shows the wait
// dialog; true when the wait ended with the match starting.
using StartNetwork = std::function<bool(int role, const QString& address, quint16 port)>;

// True when the text is an address the dialog takes: three "." and four groups of one
// to three characters (the values are not compared with 255).
bool IpAddressShape(const QString& text);

class NewGameDialog : public QDialog {
    Q_OBJECT
  public:
    // `stored` is the record of slot 1..5 for a stored player; without it the dialog
    // is in the new-player mode. The typed name becomes the player-name setting.
    NewGameDialog(int slot, std::optional<files::PlayerRecord> stored, config::Settings& settings,
                  QWidget* parent = nullptr);
    // Network mode (the NetGame setting on): startNetwork runs after a confirmed OK.
    NewGameDialog(int slot, std::optional<files::PlayerRecord> stored, config::Settings& settings,
                  StartNetwork startNetwork, QWidget* parent = nullptr);
    ~NewGameDialog() override;

    // Valid after the dialog was accepted.
    const PlayerChoice& choice() const { return choice_; }

    QLineEdit& nameEdit() { return *name_; }
    QLineEdit& passwordEdit() { return *password_; }
    QLineEdit& repeatEdit() { return *repeat_; }
    QLabel& errorLine() { return *error_; }
    TQorCardsButton& okButton() { return *ok_; }
    TQorCardsButton& cancelButton() { return *cancel_; }

    QRadioButton& serverChoice() { return *server_; }
    QRadioButton& clientChoice() { return *client_; }
    QLineEdit& ipEdit() { return *ip_; }
    QLineEdit& portEdit() { return *port_; }
    QLineEdit& konsField() { return *kons_; }
    // The fields "To receive the IP-addresses" fills.
    const std::vector<QLineEdit*>& addressFields() const { return addresses_; }
    // "To receive the IP-addresses": the machine's IPv4 addresses (at most six), the
    // address the web service sees (empty: the service is not asked), "127.0.0.1".
    void showAddresses();

    // The OK button, Enter in the name or a password field.
    void confirm();

  private:
    void fail(words::WordKey key, QLineEdit* focus);
    bool storedMode() const { return stored_.has_value(); }
    void buildNetworkFields();
    void chooseRole(int role);

    StartNetwork startNetwork_;
    QRadioButton* server_ = nullptr;
    QRadioButton* client_ = nullptr;
    QLineEdit* ip_ = nullptr;
    QLineEdit* port_ = nullptr;
    QLineEdit* kons_ = nullptr;
    std::vector<QLineEdit*> addresses_;
    int role_ = 1;

    int slot_;
    std::optional<files::PlayerRecord> stored_;
    config::Settings& settings_;
    std::unique_ptr<QStyle> hashStyle_;  // shows typed password characters as "#"
    QLineEdit* name_;
    QLineEdit* password_;
    QLineEdit* repeat_;
    QLabel* error_;
    TQorCardsButton* ok_;
    TQorCardsButton* cancel_;
    PlayerChoice choice_;
};

}  // namespace tavik::ui
