#include "ui/dialogs/new_game_dialog.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QStyle>
#include <QtTest/QTest>

#include "ui/button/qor_cards_button.h"
#include "core/files/codec.h"
#include "core/files/password.h"
#include "ui/testing/ui_test_support.h"

namespace tavik::ui {
namespace {

// Types text into a field the way a keyboard does, one key event per character.
void Type(QLineEdit& edit, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&edit, &press);
    }
}

struct NewPlayerCase {
    const char* what;
    QString name, password, repeat;
    const char* error;  // nullptr: accepted
};

TEST(NewGameDialog, NewPlayerNameAndPasswordTwice) {
    test::App();
    const NewPlayerCase cases[] = {
        {"accepted", "Tester", "ab", "ab", nullptr},
        {"Cyrillic name", "Иван Петров", "парол", "парол", nullptr},
        {"passwords differ", "Tester", "ab", "ac", "The passwords do not coincide!"},
        {"blank name", "   ", "ab", "ab", "Incorrect name!"},
        {"a name the list cannot store", "王", "ab", "ab", "Incorrect name!"},
        {"a password the list cannot store", "Tester", "王", "王", "The incorrect password!"},
    };
    for (const NewPlayerCase& c : cases) {
        SCOPED_TRACE(c.what);
        config::Settings settings;
        NewGameDialog dialog(6, std::nullopt, settings);
        dialog.show();
        EXPECT_EQ(dialog.nameEdit().text(), "Mr.X");
        dialog.nameEdit().clear();
        Type(dialog.nameEdit(), c.name);
        Type(dialog.passwordEdit(), c.password);
        Type(dialog.repeatEdit(), c.repeat);
        QTest::mouseClick(&dialog.okButton(), Qt::LeftButton);
        if (c.error) {
            EXPECT_EQ(dialog.result(), QDialog::Rejected);
            EXPECT_TRUE(dialog.errorLine().isVisibleTo(&dialog));
            EXPECT_EQ(dialog.errorLine().text(), c.error);
            continue;
        }
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        const PlayerChoice& choice = dialog.choice();
        EXPECT_EQ(choice.slot, 6);
        EXPECT_EQ(QString::fromStdString(choice.name), c.name.trimmed());
        EXPECT_EQ(settings.playerName, choice.name);
        EXPECT_TRUE(files::PasswordMatches(*files::utf8ToCp1251(c.password.toStdString()),
                                           choice.passwordField));
    }
}

TEST(NewGameDialog, ShortPasswordIsPaddedBeforeScrambling) {
    test::App();
    config::Settings settings;
    NewGameDialog dialog(6, std::nullopt, settings);
    dialog.passwordEdit().setText("ab");
    dialog.repeatEdit().setText("ab");
    dialog.confirm();
    EXPECT_EQ(dialog.choice().passwordField, "331332266266266");
    // At most five characters, shown as "#".
    EXPECT_EQ(dialog.passwordEdit().maxLength(), 5);
    EXPECT_EQ(dialog.passwordEdit().echoMode(), QLineEdit::Password);
    EXPECT_EQ(dialog.passwordEdit().style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter,
                                                       nullptr, &dialog.passwordEdit()),
              '#');
    EXPECT_EQ(dialog.nameEdit().maxLength(), 20);
}

TEST(NewGameDialog, NameSettingTooLongForTheFieldGivesMrX) {
    test::App();
    config::Settings settings;
    settings.playerName = " Grace ";
    EXPECT_EQ(NewGameDialog(6, std::nullopt, settings).nameEdit().text(), "Grace");
    settings.playerName = std::string(21, 'a');
    EXPECT_EQ(NewGameDialog(6, std::nullopt, settings).nameEdit().text(), "Mr.X");
}

TEST(NewGameDialog, StoredPlayerConfirmsWithThePassword) {
    test::App();
    config::Settings settings;
    files::PlayerRecord stored{"Ivan                ", 1.5, 12, 30, *files::ScramblePassword("pw")};
    NewGameDialog dialog(3, stored, settings);
    dialog.show();
    EXPECT_EQ(dialog.nameEdit().text(), "Ivan");
    EXPECT_FALSE(dialog.nameEdit().isEnabled());
    EXPECT_FALSE(dialog.repeatEdit().isEnabled());
    EXPECT_EQ(dialog.focusWidget(), &dialog.passwordEdit());
    test::SaveRender(dialog.grab().toImage(), "new-game-stored");

    Type(dialog.passwordEdit(), "pq");
    QTest::keyClick(&dialog.passwordEdit(), Qt::Key_Return);  // Enter confirms
    EXPECT_EQ(dialog.errorLine().text(), "The incorrect password!");
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(settings.playerName, "Ivan");  // the name is taken before the password check

    dialog.passwordEdit().setText("pw ");  // trailing blanks count as the padding
    QTest::keyClick(&dialog.passwordEdit(), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.choice().slot, 3);
    EXPECT_EQ(dialog.choice().passwordField, stored.passwordField);
}

TEST(NewGameDialog, EscapeCancels) {
    test::App();
    config::Settings settings;
    NewGameDialog dialog(6, std::nullopt, settings);
    dialog.show();
    QTest::keyClick(&dialog.nameEdit(), Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(settings.playerName, "Mr.X");
}

}  // namespace
}  // namespace tavik::ui
