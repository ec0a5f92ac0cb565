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

TEST(NewGameDialog, NetworkModeChecksTheAddressAndPortThenStartsTheConnection) {
    test::App();
    const struct {
        const char* what;
        bool client;
        QString ip, port;
        const char* error;  // nullptr: the connection starts
    } cases[] = {
        {"a server needs no address", false, "", "25666", nullptr},
        {"a client's address", true, "192.168.0.7", "25666", nullptr},
        {"a first group of 999 is taken", true, "999.1.1.1", "7", nullptr},
        {"an address ending in a dot", true, "1.2.3.4.", "25666", "Incorrect IP-address!"},
        {"three groups", true, "10.0.1", "25666", "Incorrect IP-address!"},
        {"a group of four digits", true, "1.2.3.1234", "25666", "Incorrect IP-address!"},
        {"an empty port", false, "", "", "Incorrect Port!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        config::Settings settings;
        settings.ipAddress = "10.1.1.1";
        int startedRole = 0;
        QString startedAddress;
        quint16 startedPort = 0;
        NewGameDialog dialog(6, std::nullopt, settings,
                             [&](int role, const QString& address, quint16 port) {
                                 startedRole = role;
                                 startedAddress = address;
                                 startedPort = port;
                                 return true;
                             });
        dialog.show();
        EXPECT_EQ(dialog.nameEdit().maxLength(), 9);
        EXPECT_EQ(dialog.konsField().text(), "3");
        EXPECT_TRUE(dialog.serverChoice().isChecked());
        EXPECT_FALSE(dialog.ipEdit().isEnabled());
        if (c.client) {
            QTest::mouseClick(&dialog.clientChoice(), Qt::LeftButton);
            EXPECT_TRUE(dialog.ipEdit().isEnabled());
            EXPECT_EQ(dialog.ipEdit().text(), "10.1.1.1");  // the stored address
            dialog.ipEdit().clear();
            Type(dialog.ipEdit(), c.ip);
        }
        dialog.portEdit().clear();
        Type(dialog.portEdit(), c.port);
        QTest::mouseClick(&dialog.okButton(), Qt::LeftButton);
        if (c.error) {
            EXPECT_EQ(dialog.errorLine().text(), c.error);
            EXPECT_EQ(startedRole, 0);
            continue;
        }
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(startedRole, c.client ? 2 : 1);
        EXPECT_EQ(dialog.choice().NetRole, startedRole);
        EXPECT_EQ(startedPort, c.port.toUInt());
        if (c.client) {
            EXPECT_EQ(startedAddress, c.ip);
            EXPECT_EQ(settings.ipAddress, c.ip.toStdString());
        }
        EXPECT_EQ(settings.port, c.port.toStdString());
    }
}

TEST(NewGameDialog, ALetterInTheAddressOrPortPutsBackTheStoredValue) {
    test::App();
    config::Settings settings;
    settings.ipAddress = "10.1.1.1";
    settings.port = "25666";
    NewGameDialog dialog(6, std::nullopt, settings, [](int, const QString&, quint16) {
        return false;  // the wait was cancelled: the dialog stays open
    });
    dialog.show();
    QTest::mouseClick(&dialog.clientChoice(), Qt::LeftButton);
    Type(dialog.portEdit(), "x");
    EXPECT_EQ(dialog.portEdit().text(), "25666");
    Type(dialog.ipEdit(), "a");
    EXPECT_EQ(dialog.ipEdit().text(), "10.1.1.1");
    QTest::mouseClick(&dialog.okButton(), Qt::LeftButton);
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    // "To receive the IP-addresses" ends with the loop address.
    dialog.showAddresses();
    bool loop = false;
    for (const QLineEdit* field : dialog.addressFields()) loop = loop || field->text() == "127.0.0.1";
    EXPECT_TRUE(loop);
}

}  // namespace
}  // namespace tavik::ui
