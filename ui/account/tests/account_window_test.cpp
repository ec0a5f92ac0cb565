// The account window and the profile editor driven against a real tavik-services, and
// the game window's start with a saved user file.
#include "ui/account/account_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <filesystem>

#include "online/account/user_file.h"
#include "online/protocol/account_requests.h"
#include "ui/account/account_service.h"
#include "ui/account/account_widgets.h"
#include "ui/account/profile_editor.h"
#include "ui/account/tests/account_test_support.h"
#include "ui/main_window/main_screen.h"
#include "ui/main_window/tests/main_window_test_support.h"

namespace tavik::ui {
namespace {

void TypeText(QWidget& w, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(&w, &press);
    }
}

// The values a player enters for a new account.
online::TQorUser Member(const char* nick, const char* city, const char* country1,
                        const char* country2, char sex, const char* email) {
    online::TQorUser u;
    u.Nick = nick;
    u.City = city;
    u.Country1 = country1;
    u.Country2 = country2;
    u.Sex = sex;
    u.EMail = email;
    return u;
}

class AccountWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::App();
        ASSERT_TRUE(test::Services().ok()) << test::Services().error();
        client_ = std::make_unique<online::ServiceClient>(test::LiveAddresses());
        userFile_ = dir_.path().toStdString() + "/QorUser.qor";
        session_ = std::make_unique<online::AccountSession>(*client_, userFile_);
        test::WaitingRunner(*session_);
    }
    std::unique_ptr<AccountWindow> window(bool allowRating = false) {
        auto w = std::make_unique<AccountWindow>(*session_, settings_, allowRating);
        w->messageHook = [this](const QString& text) { messages_.push_back(text); };
        w->load();
        return w;
    }
    // Fills the edits of "My account" as a player types them.
    static void typeAccount(AccountWindow& w, const QString& nick, const QString& pw) {
        for (QLineEdit* e : {&w.nickEdit(), &w.passwordEdit(), &w.cityEdit(), &w.emailEdit()})
            e->clear();
        TypeText(w.nickEdit(), nick);
        TypeText(w.passwordEdit(), pw);
        TypeText(w.cityEdit(), QStringLiteral("Москва"));
        TypeText(w.emailEdit(), nick + QStringLiteral("@mail.example"));
    }

    QTemporaryDir dir_;
    config::Settings settings_;
    std::unique_ptr<online::ServiceClient> client_;
    std::unique_ptr<online::AccountSession> session_;
    std::string userFile_;
    std::vector<QString> messages_;
};

TEST_F(AccountWindowTest, TheLampsAndButtonsFollowTheEdits) {
    auto w = window();
    EXPECT_TRUE(w->hidePassword().isChecked());
    EXPECT_EQ(w->passwordEdit().echoMode(), QLineEdit::Password);
    EXPECT_FALSE(w->playRating().isEnabled());
    EXPECT_FALSE(w->saveButton().isEnabled());
    EXPECT_FALSE(w->deleteButton().isEnabled());
    EXPECT_EQ(w->countryText().text(), "Russia");

    TypeText(w->nickEdit(), QStringLiteral("Bo#b b"));  // '#' and the blank are refused
    EXPECT_EQ(w->nickEdit().text(), "Bobb");
    EXPECT_EQ(w->fieldLevel(0), 3);
    TypeText(w->passwordEdit(), QStringLiteral("abc"));
    EXPECT_EQ(w->fieldLevel(1), 1);
    EXPECT_FALSE(w->signButton().isEnabled());
    EXPECT_TRUE(w->saveButton().isEnabled());  // the player changed the nick
    TypeText(w->passwordEdit(), QStringLiteral("d"));
    EXPECT_EQ(w->fieldLevel(1), 3);
    EXPECT_TRUE(w->signButton().isEnabled());
    EXPECT_FALSE(w->createButton().isEnabled());
    TypeText(w->cityEdit(), QStringLiteral("Москва"));
    EXPECT_EQ(w->fieldLevel(2), 2);
    TypeText(w->emailEdit(), QStringLiteral("@bob"));
    EXPECT_EQ(w->fieldLevel(3), 1);
    EXPECT_FALSE(w->createButton().isEnabled());
    w->emailEdit().setText(QStringLiteral("b@bob"));
    EXPECT_EQ(w->fieldLevel(3), 3);
    EXPECT_TRUE(w->createButton().isEnabled());  // a Cyrillic city still allows it
    EXPECT_EQ(session_->CurrentUser.City, "Москва");
    EXPECT_EQ(session_->CurrentUser.PwC, online::encipherPassword("abcd"));

    // Oceania first gives 5-000 "Unknown"; then Wallis and Futuna.
    w->country().continents()->setCurrentIndex(4);
    EXPECT_EQ(session_->CurrentUser.Country2, "5-000");
    EXPECT_EQ(w->countryText().text(), "Unknown");
    w->country().countries()->setCurrentIndex(23);
    EXPECT_EQ(session_->CurrentUser.Country2, "5-023");
    EXPECT_EQ(session_->CurrentUser.Country1, "Wallis-Futuna");
    test::SaveRender(w->grab().toImage(), QStringLiteral("account-window-signed-out"));
}

TEST_F(AccountWindowTest, CreatesTheAccountSavesTheUserFileAndRefusesTheNickTwice) {
    auto w = window();
    typeAccount(*w, QStringLiteral("Gregor"), QStringLiteral("gregor12"));
    w->sexList().setCurrentIndex(1);
    w->country().continents()->setCurrentIndex(4);
    w->country().countries()->setCurrentIndex(23);
    w->createButton().click();
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0], "Your account has been successfully created!");
    EXPECT_EQ(session_->AccountState, online::kSignedIn);
    EXPECT_FALSE(w->nickEdit().isEnabled());
    EXPECT_EQ(w->signButton().text(), "Sign out");
    EXPECT_EQ(w->countryText().text(), "Wallis-Futuna");
    EXPECT_EQ(session_->CurrentUser.Sex, 'W');
    EXPECT_EQ(w->resultValue(2), "Gregor");
    EXPECT_EQ(w->resultValue(3), "0,000");
    EXPECT_TRUE(w->saveButton().isEnabled());
    EXPECT_TRUE(w->accountChanged());

    w->saveButton().click();
    EXPECT_FALSE(w->saveButton().isEnabled());
    EXPECT_TRUE(w->deleteButton().isEnabled());
    const auto record = online::ReadUserFile(userFile_);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->Nick, "Gregor");
    EXPECT_EQ(online::signInPassword(record->PwC), "gregor12");
    w->deleteButton().click();
    EXPECT_FALSE(std::filesystem::exists(userFile_));
    EXPECT_TRUE(w->saveButton().isEnabled());
    EXPECT_FALSE(w->deleteButton().isEnabled());
    test::SaveRender(w->grab().toImage(), QStringLiteral("account-window-created"));

    w->signButton().click();  // sign out
    EXPECT_EQ(session_->AccountState, online::kSignedOut);
    EXPECT_EQ(w->resultValue(2), "No Connect");
    typeAccount(*w, QStringLiteral("Gregor"), QStringLiteral("other123"));
    w->createButton().click();
    ASSERT_EQ(messages_.size(), 2u);
    EXPECT_EQ(messages_[1], "The club already has a player with the same Nick!");
    EXPECT_EQ(session_->AccountState, online::kSignedOut);
}

TEST_F(AccountWindowTest, SignsInOnlyWithTheRightPasswordAndShowsTheTopTen) {
    {
        online::AccountSession maker(*client_, userFile_);
        maker.CurrentUser = Member("Helga", "Berlin", "Germany", "1-016", 'W', "h@x.de");
        maker.setPassword("helga123");
        ASSERT_EQ(maker.CreateAccount("01.01.2026"), online::CreateResult::Created);
        // A played record puts Helga into the rating table, at its top.
        online::TQorGame game;
        game.Kon = 3;
        game.Best = 40;
        game.Rating = 12.5;
        ASSERT_TRUE(online::SaveGame(*client_, "Helga", "helga123", game));
        online::TInfo14 info;
        info.Name1 = "Helga";
        info.Name2 = "Schmidt";
        info.About = "Durak seit 1990";
        ASSERT_TRUE(maker.UpdateInfo(info));
    }
    auto w = window(true);
    w->nickEdit().setText(QStringLiteral("Helga"));
    w->passwordEdit().setText(QStringLiteral("wrong123"));
    w->signButton().click();
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0], "Login failed!");
    EXPECT_EQ(session_->AccountState, online::kSignedOut);
    EXPECT_EQ(w->resultValue(1), "No Connect");
    EXPECT_EQ(w->membersText().text(), "Club members: No Connect");

    w->passwordEdit().setText(QStringLiteral("helga123"));
    w->signButton().click();
    EXPECT_EQ(messages_.size(), 1u);
    EXPECT_EQ(session_->AccountState, online::kSignedIn);
    EXPECT_EQ(w->cityEdit().text(), "Berlin");
    EXPECT_EQ(w->resultValue(1), "Tavik-Vel");
    EXPECT_EQ(w->resultValue(2), "Helga");
    EXPECT_EQ(w->resultValue(3), "12,500");
    EXPECT_EQ(w->resultValue(4), "1");  // the place
    EXPECT_EQ(w->resultValue(5), "3");
    EXPECT_EQ(w->resultValue(6), "40");
    EXPECT_TRUE(w->membersText().text().startsWith("Club members: "));
    EXPECT_FALSE(w->membersText().text().contains("No Connect"));
    // The rating choice is allowed here: ticking makes the state 3.
    ASSERT_TRUE(w->playRating().isEnabled());
    w->playRating().setChecked(true);
    EXPECT_EQ(session_->AccountState, online::kPlayingRating);
    w->playRating().setChecked(false);
    EXPECT_EQ(session_->AccountState, online::kSignedIn);

    // A fresh window reads the top ten again: Helga leads it and is the president.
    auto again = window();
    QTableWidget& top = again->topTable();
    ASSERT_TRUE(top.item(0, 1));
    EXPECT_EQ(top.item(0, 0)->text(), "1");
    EXPECT_EQ(top.item(0, 1)->text(), "Helga");
    EXPECT_EQ(top.item(0, 4)->text(), "Berlin");
    EXPECT_EQ(top.item(0, 5)->text(), "12,500");
    EXPECT_FALSE(top.item(0, 2)->icon().isNull());  // the flag
    EXPECT_EQ(top.item(1, 1)->text(), "");          // nobody else has played
    EXPECT_EQ(session_->LeaderNick(), "Helga");
    EXPECT_EQ(session_->LeaderInfo.Name2, "Schmidt");
    QListWidget& lines = again->presidentLines();
    ASSERT_GE(lines.count(), 1);
    EXPECT_EQ(lines.item(0)->text(), "Durak seit 1990");
    messages_.clear();
    emit lines.itemClicked(lines.item(0));
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0], "Copied to clipboard!");
    EXPECT_EQ(QApplication::clipboard()->text(), "Durak seit 1990");
    again->tabs().setCurrentIndex(2);
    test::SaveRender(again->grab().toImage(), QStringLiteral("account-window-top10"));
    again->tabs().setCurrentIndex(4);
    test::SaveRender(again->grab().toImage(), QStringLiteral("account-window-president"));
}

TEST_F(AccountWindowTest, TheProfileEditorChecksThePhotoAndMakesTheRoundTrip) {
    session_->CurrentUser = Member("Ivo", "Praha", "Czech_Republic", "1-010", 'M', "ivo@x.cz");
    session_->setPassword("ivo12345");
    ASSERT_EQ(session_->CreateAccount("02.02.2026"), online::CreateResult::Created);
    ProfileEditor editor(*session_, 0);
    editor.messageHook = [this](const QString& text) { messages_.push_back(text); };
    EXPECT_FALSE(editor.updateButton().isEnabled());
    EXPECT_FALSE(editor.refreshPhotoButton().isEnabled());

    const QString wrong = test::WriteJpeg(dir_.path(), "wrong.jpg", QSize(250, 200));
    const QString png = dir_.path() + "/photo.png";
    QImage(200, 250, QImage::Format_RGB32).save(png, "PNG");
    for (const QString& path : {wrong, png, dir_.path() + "/missing.jpg"}) {
        messages_.clear();
        EXPECT_FALSE(editor.choosePhoto(path)) << path.toStdString();
        ASSERT_EQ(messages_.size(), 1u);
        EXPECT_EQ(messages_[0], "The photo must be in jpg format 200x250 pixels in size!");
        EXPECT_FALSE(editor.refreshPhotoButton().isEnabled());
    }
    ASSERT_TRUE(editor.choosePhoto(test::WriteJpeg(dir_.path(), "good.jpg", QSize(200, 250))));
    ASSERT_TRUE(editor.refreshPhotoButton().isEnabled());
    editor.refreshPhotoButton().click();
    EXPECT_FALSE(editor.refreshPhotoButton().isEnabled());
    EXPECT_TRUE(session_->OwnPhoto.loaded);
    EXPECT_EQ(PhotoPicture(session_->OwnPhoto.jpeg).size(), QSize(200, 250));

    editor.field(0).setText(QStringLiteral("Ivo"));
    editor.field(2).setText(QStringLiteral("Hraju $ durak ~ rad"));
    editor.field(5).setText(QStringLiteral("https://ivo.example/"));
    ASSERT_TRUE(editor.updateButton().isEnabled());
    editor.updateButton().click();
    EXPECT_FALSE(editor.updateButton().isEnabled());
    test::SaveRender(editor.grab().toImage(), QStringLiteral("profile-editor"));

    // Another copy of the program signed in as Ivo sees the profile and the photo.
    online::AccountSession other(*client_, userFile_);
    other.CurrentUser.Nick = "Ivo";
    other.setPassword("ivo12345");
    ASSERT_TRUE(other.SignIn());
    EXPECT_EQ(other.CurrentUser.Info.Name1, "Ivo");
    EXPECT_EQ(other.CurrentUser.Info.About, "Hraju   durak   rad");
    EXPECT_EQ(other.CurrentUser.Info.WebSite, "https://ivo.example/");
    EXPECT_EQ(other.OwnPhoto.jpeg, session_->OwnPhoto.jpeg);
}

TEST(AccountService, SignsInAtTheSecondStartAndShowsTheAccountInTheList) {
    test::App();
    ASSERT_TRUE(test::Services().ok()) << test::Services().error();
    test::WindowFixture f;
    // The remote configuration names a statistics address; the start stores it.
    const std::string stat = online::EncipherConfigAddress("http://127.0.0.1:1/stat.php");
    {
        QFile config(QString::fromStdString(test::Services().folder() + "/files/config.txt"));
        ASSERT_TRUE(config.open(QIODevice::WriteOnly));
        config.write(("StatPath=" + stat + "#").c_str());
    }
    {
        MainWindow& w = f.startedWindow();
        AccountService service(w, test::LiveAddresses());
        online::AccountSession& s = service.session();
        s.CurrentUser = Member("Jana", "Brno", "Czech_Republic", "1-010", 'W', "jana@x.cz");
        s.setPassword("jana1234");
        ASSERT_EQ(s.CreateAccount("03.03.2026"), online::CreateResult::Created);
        ASSERT_TRUE(s.SaveUserFile());
        EXPECT_TRUE(std::filesystem::exists(f.folder.inParent("QorUser.qor")));
    }
    f.window.reset();
    // The second start, on a complete settings file (only its read ends with the remote
    // configuration); the hooks are set before the start-up runs.
    f.writeSettings(config::Settings{});
    f.window = std::make_unique<MainWindow>(f.folder);
    f.window->messageHook = [](QMessageBox::Icon, const QString&) {};
    AccountService service(*f.window, test::LiveAddresses());
    ASSERT_TRUE(f.window->runStartup());
    f.window->finishIntro();
    EXPECT_EQ(service.session().AccountState, online::kSignedIn);
    EXPECT_EQ(service.session().CurrentUser.City, "Brno");
    EXPECT_EQ(f.window->settings().StatAddressStored, stat);
    MainScreen& screen = f.window->mainScreen();
    EXPECT_TRUE(screen.accountShown());
    EXPECT_TRUE(screen.listButton(5).text().startsWith("Jana                "));
    ASSERT_NE(service.stateLamp(), nullptr);
    EXPECT_EQ(service.stateLamp()->pixmap().toImage(),
              LampPicture(2)
                  .scaled(16, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                  .convertToFormat(service.stateLamp()->pixmap().toImage().format()));
    test::SaveRender(test::Grab(*f.window), QStringLiteral("main-screen-signed-in"));
    QFile::remove(QString::fromStdString(test::Services().folder() + "/files/config.txt"));
}

}  // namespace
}  // namespace tavik::ui
