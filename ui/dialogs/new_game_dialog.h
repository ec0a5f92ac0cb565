#pragma once
// The new-game dialog "Welcome!" in its local modes: a new player types a name and a
// password twice; a stored player of the list confirms with the password. Its OK
// gives who plays and the scrambled password field for the player list. The same
// dialog, in the new-player mode, renames the player during a match.

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <memory>
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
};

class NewGameDialog : public QDialog {
    Q_OBJECT
  public:
    // `stored` is the record of slot 1..5 for a stored player; without it the dialog
    // is in the new-player mode. The typed name becomes the player-name setting.
    NewGameDialog(int slot, std::optional<files::PlayerRecord> stored, config::Settings& settings,
                  QWidget* parent = nullptr);
    ~NewGameDialog() override;

    // Valid after the dialog was accepted.
    const PlayerChoice& choice() const { return choice_; }

    QLineEdit& nameEdit() { return *name_; }
    QLineEdit& passwordEdit() { return *password_; }
    QLineEdit& repeatEdit() { return *repeat_; }
    QLabel& errorLine() { return *error_; }
    TQorCardsButton& okButton() { return *ok_; }
    TQorCardsButton& cancelButton() { return *cancel_; }

    // The OK button, Enter in the name or a password field.
    void confirm();

  private:
    void fail(words::WordKey key, QLineEdit* focus);
    bool storedMode() const { return stored_.has_value(); }

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
