#pragma once
// The texts of the windows in the language of the settings, and the button of every
// window: texts come from the word tables by key, buttons are TQorCardsButtons.

#include <QDialog>
#include <QLayout>
#include <QString>
#include <string>
#include <string_view>

#include "config/settings.h"
#include "config/words/word_keys.h"
#include "core/files/notices.h"
#include "ui/button/qor_cards_button.h"

namespace tavik::ui {

// The word table `key` in the language.
QString WordText(words::WordKey key, int language);

// The message about a player list or the history in the language.
QString FileNoticeText(files::FileNotice notice, const std::string& path, int language);

// A dialog button in the game's look with the caption of word `key`.
TQorCardsButton* DialogButton(words::WordKey key, int language, QWidget* parent);

// A row with the dialog's OK button in its middle: the default button, it accepts.
QLayout* OkButtonRow(QDialog& dialog, int language);

// Asks a yes/no question in a modal box; true for yes.
bool AskYesNo(QWidget* parent, const QString& title, const QString& question, int language);
// A modal message box with an OK button.
void ShowMessage(QWidget* parent, const QString& title, const QString& text, int language);

}  // namespace tavik::ui
