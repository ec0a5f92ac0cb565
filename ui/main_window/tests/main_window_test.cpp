// The main window from start to stop: the check of the player lists, the intro, the
// language, the menu, the main screen's buttons, the wait banner and the closing.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "core/files/player_list.h"
#include "ui/button/click_effect.h"
#include "ui/dialogs/dialog_words.h"
#include "ui/game/game_session_api.h"
#include "ui/main_window/game_menu.h"
#include "ui/main_window/intro_view.h"
#include "ui/main_window/local_champions.h"
#include "ui/main_window/main_screen.h"
#include "ui/main_window/own_cursors.h"
#include "ui/main_window/picture_view.h"
#include "ui/main_window/startup_rules.h"
#include "ui/main_window/tests/main_window_test_support.h"
#include "ui/options/options_dialog.h"
#include "ui/table/table_view.h"

namespace tavik::ui {
namespace {

TEST(MainWindowStartup, AMalformedOrMissingListStopsTheProgram) {
    {
        test::WindowFixture f;
        const std::string path = f.folder.inProgram("Tavik2.clb");
        std::string bytes = *files::readFile(path);
        bytes[3] = 'X';  // inside the checksummed lines
        ASSERT_TRUE(files::writeFileAtomic(path, bytes).ok());
        MainWindow& w = f.makeWindow();
        EXPECT_FALSE(w.runStartup());
        EXPECT_TRUE(w.startupFailed());
        ASSERT_EQ(f.messages.size(), 1u);
        EXPECT_EQ(f.messages[0].icon, QMessageBox::Critical);
        EXPECT_EQ(f.messages[0].text,
                  QStringLiteral("The incorrect file \"%1\"!").arg(QString::fromStdString(path)));
        w.finishIntro();  // a click on the intro changes nothing now
        EXPECT_FALSE(w.mainScreenShown());
        EXPECT_TRUE(w.mainScreen().isHidden());
        EXPECT_FALSE(w.mainTimer().isActive());
        // Nothing is saved on the way out.
        w.close();
        EXPECT_FALSE(files::readFile(f.folder.inProgram("Tavik2.ini")).has_value());
    }
    {
        test::WindowFixture f;
        const std::string path = f.folder.inProgram("Tavik2.net");
        ASSERT_EQ(std::remove(path.c_str()), 0);
        MainWindow& w = f.makeWindow();
        EXPECT_FALSE(w.runStartup());
        ASSERT_EQ(f.messages.size(), 1u);
        EXPECT_EQ(f.messages[0].text,
                  QStringLiteral("Can`t find the file \"%1\"!").arg(QString::fromStdString(path)));
        EXPECT_FALSE(w.mainScreenShown());
    }
}

TEST(MainWindowStartup, ARussianInstallationSpeaksRussian) {
    std::string bytes = files::PlayerList::empty().bytes();
    EXPECT_FALSE(RussianInstallation(bytes));
    const std::size_t line17 = bytes.size() - 30;  // 28 characters and CR LF
    bytes[line17] = '1';
    EXPECT_TRUE(RussianInstallation(bytes));
    EXPECT_FALSE(RussianInstallation(bytes.substr(0, 100)));

    test::WindowFixture f;
    files::PlayerList list = files::PlayerList::empty();
    ASSERT_TRUE(files::writeFileAtomic(f.folder.inProgram("Tavik2.clb"), bytes).ok());
    MainWindow& w = f.makeWindow();
    // The checksum does not cover line 17's first characters: the list stays valid.
    ASSERT_TRUE(w.runStartup());
    EXPECT_EQ(w.settings().language, 1);
}

TEST(MainWindowIntro, AClickOrAKeyEndsTheIntro) {
    for (bool byKey : {false, true}) {
        SCOPED_TRACE(byKey);
        test::WindowFixture f;
        MainWindow& w = f.makeWindow();
        ASSERT_TRUE(w.runStartup());
        ASSERT_TRUE(w.introShown());
        IntroView* intro = w.intro();
        ASSERT_NE(intro, nullptr);
        EXPECT_FALSE(w.mainScreenShown());
        EXPECT_TRUE(w.mainTimer().isActive());
        for (int i = 0; i < 20; ++i) intro->tick();
        test::SaveRender(intro->picture(), QStringLiteral("intro"));
        // The title's letters in their colours, and the silver tracks of the walkers.
        EXPECT_TRUE(test::SameRgb(intro->picture().pixel(180, 90), qRgb(192, 192, 192)));
        EXPECT_TRUE(test::SameRgb(intro->picture().pixel(60, 60), qRgb(0, 0, 0)));
        if (byKey)
            QTest::keyClick(intro, Qt::Key_Space);
        else
            QTest::mouseClick(intro, Qt::LeftButton, {}, QPoint(300, 300));
        QCoreApplication::processEvents();
        EXPECT_FALSE(w.introShown());
        EXPECT_TRUE(w.mainScreenShown());
        EXPECT_FALSE(w.mainScreen().isHidden());
    }
}

TEST(MainWindowIntro, TitleColoursAndWalkers) {
    test::App();
    // "Tavik-Vel": 9 letters 26 apart round x = 368; the narrow i and the hyphen each take
    // 3 more themselves and pull the rest left (by 12 and 10), each moving the whole title
    // 6 to the right.
    EXPECT_EQ(IntroTitleX(QStringLiteral("Tavik-Vel")),
              (std::vector<int>{276, 302, 328, 357, 368, 397, 410, 436, 462}));
    EXPECT_EQ(IntroTitleX(QStringLiteral("WIN")), (std::vector<int>{343, 380, 391}));
    IntroView intro(0);
    const auto first = intro.titleColours();
    for (int i = 0; i < 10; ++i) intro.tick();
    EXPECT_EQ(intro.titleColours(), first);
    intro.tick();  // the eleventh tick moves every colour on by one
    EXPECT_EQ(intro.titleColours()[0], first[1]);
    EXPECT_EQ(intro.titleColours()[9], first[0]);
    // After 11 ticks the walkers went 11 pixels clockwise from the corners.
    EXPECT_EQ(intro.walkers()[0], QPoint(166, 68));
    EXPECT_EQ(intro.walkers()[1], QPoint(550, 79));
    EXPECT_EQ(intro.walkers()[2], QPoint(155, 351));
    EXPECT_EQ(intro.walkers()[3], QPoint(539, 362));
    EXPECT_EQ(NextWalkerPosition(QPoint(155, 69)), QPoint(155, 68));
    EXPECT_EQ(NextWalkerPosition(QPoint(155, 68)), QPoint(156, 68));
}

TEST(MainWindowLanguage, ChangingTheLanguageRelabelsTheWindow) {
    test::WindowFixture f;
    MainWindow& w = f.startedWindow();
    MainScreen& m = w.mainScreen();
    const struct {
        int language;
        const char *start, *topTen, *exit, *menuQuit;
    } cases[] = {{0, "New Player", "Top Ten", "Exit", "Exit to menu"},
                 {2, "Neuer Spieler", "Bestenliste", "Beenden", "Zurück zum Menü"},
                 {1, "Новый игрок", "Топ-10", "Выход", "Выход в меню"}};
    QImage lastTitle;
    for (const auto& c : cases) {
        w.settings().language = c.language;
        w.ApplyLanguage();
        EXPECT_EQ(m.startButton().text(), QString::fromUtf8(c.start));
        EXPECT_EQ(m.topTenButton().text(), QString::fromUtf8(c.topTen));
        EXPECT_EQ(m.exitButton().text(), QString::fromUtf8(c.exit));
        EXPECT_EQ(w.menu().Quit->text(), QString::fromUtf8(c.menuQuit));
        EXPECT_TRUE(m.heading().text().contains(c.language == 1 ? QStringLiteral("Члены клуба")
                                                                : QStringLiteral("club")) ||
                    c.language == 2);
        // Each language has a title picture of its own.
        EXPECT_NE(m.caption().picture(), lastTitle);
        lastTitle = m.caption().picture();
        test::SaveRender(test::Grab(w), QStringLiteral("language%1").arg(c.language));
    }
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Tavik-Vel"));
}

TEST(MainWindowLanguage, EveryCaptionFitsItsButtonInEveryLanguage) {
    for (int windowSize : {1, 5}) {
        test::WindowFixture f;
        config::Settings s;
        s.windowSize = windowSize;
        MainWindow& w = f.startedWindow(s);
        MainScreen& m = w.mainScreen();
        for (int language = 0; language < 10; ++language) {
            w.settings().language = language;
            w.ApplyLanguage();
            for (TQorCardsButton* b : {&m.startButton(), &m.topTenButton(), &m.historyButton(),
                                       &m.optionsButton(), &m.modeButton(), &m.exitButton()}) {
                const int width = QFontMetrics(b->font()).horizontalAdvance(b->text());
                EXPECT_LE(width, b->width() - b->height() / 2)
                    << windowSize << " " << language << " " << b->text().toStdString();
                // Shrunk only as far as needed, never below a readable size.
                EXPECT_GE(b->font().pixelSize(), 10) << language << " " << b->text().toStdString();
            }
        }
        w.settings().language = 1;
        w.ApplyLanguage();
        test::SaveRender(test::Grab(w), QStringLiteral("russian-size%1").arg(windowSize));
    }
}

TEST(MainWindowMenu, MatchItemsAreOffOnTheMainScreen) {
    test::WindowFixture f;
    MainWindow& w = f.startedWindow();
    GameMenu& menu = w.menu();
    EXPECT_FALSE(menu.Quit->isEnabled());
    EXPECT_FALSE(menu.GenCount->isEnabled());
    EXPECT_FALSE(menu.ChangeName->isEnabled());
    EXPECT_TRUE(menu.About->isEnabled());
    w.hideMainScreen();
    w.setGameMenuEnabled(true, true);
    EXPECT_TRUE(menu.Quit->isEnabled() && menu.GenCount->isEnabled() &&
                menu.ChangeName->isEnabled());
    EXPECT_FALSE(w.tableView().isHidden());
    EXPECT_TRUE(w.mainScreen().isHidden());
    EXPECT_FALSE(w.mainTimer().isActive());  // the table has the match's own timer
    QSignalSpy quit(&w, &MainWindow::quitRequested);
    menu.Quit->trigger();
    EXPECT_EQ(quit.count(), 1);
    w.setWindowTitle(QStringLiteral("Tavik-Vel - I shall win!"));  // a forecast in the match
    w.showMainScreen();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Tavik-Vel"));
    EXPECT_FALSE(menu.Quit->isEnabled() || menu.GenCount->isEnabled() ||
                 menu.ChangeName->isEnabled());
    EXPECT_TRUE(w.tableView().isHidden());
    EXPECT_TRUE(w.mainTimer().isActive());
}

files::PlayerList listWithPlayers() {
    files::PlayerList list = files::PlayerList::empty();
    files::PlayerRecord r{"Anna", 3.25, 44, 120, "266266266266266"};
    list.insertPlayer(files::PlayerRecordLine(r), false);
    r = {"Boris", 1.0, 30, 55, "266266266266266"};
    list.insertPlayer(files::PlayerRecordLine(r), true);  // a completed cycle: top ten
    list.updateChecksum();
    return list;
}

TEST(MainWindowButtons, ListStartModeAndTopTen) {
    test::WindowFixture f;
    ASSERT_TRUE(
        files::writeFileAtomic(f.folder.inProgram("Tavik2.clb"), listWithPlayers().bytes()).ok());
    MainWindow& w = f.startedWindow();
    w.settings().fireworksButtons = false;
    MainScreen& m = w.mainScreen();
    QSignalSpy start(&w, &MainWindow::startRequested);
    QTest::mouseClick(&m.listButton(2), Qt::LeftButton);
    QTest::mouseClick(&m.listButton(3), Qt::LeftButton);  // an empty slot does nothing
    QTest::mouseClick(&m.startButton(), Qt::LeftButton);
    ASSERT_EQ(start.count(), 2);
    EXPECT_EQ(start[0][0].toInt(), 2);
    EXPECT_EQ(start[1][0].toInt(), 6);
    EXPECT_TRUE(m.listButton(1).text().startsWith(QStringLiteral("Anna")));
    EXPECT_TRUE(m.listButton(1).text().endsWith(QStringLiteral("   120")));
    // Mode switches the list to ratings and back.
    QTest::mouseClick(&m.modeButton(), Qt::LeftButton);
    EXPECT_EQ(w.settings().scoreFormat, 2);
    EXPECT_TRUE(m.listButton(1).text().endsWith(QStringLiteral("  3,25")));
    EXPECT_TRUE(m.heading().text().contains(QStringLiteral("Rating")));
    QTest::mouseClick(&m.modeButton(), Qt::LeftButton);
    EXPECT_EQ(w.settings().scoreFormat, 1);

    // The champions of the local list.
    LocalChampionsWindow champions(w.settings(), w.currentList());
    EXPECT_EQ(champions.heading(), QStringLiteral("WINDOWS. LOCAL GAMES WITH PC"));
    ASSERT_EQ(champions.rows().size(), 10u);
    EXPECT_EQ(champions.rows()[0].name, QStringLiteral("Boris"));
    EXPECT_EQ(champions.rows()[0].score, 55);
    EXPECT_EQ(champions.rows()[1].name, QString());
    test::SaveRender(champions.grab().toImage(), QStringLiteral("local-champions"));
    w.settings().NetGame = true;
    EXPECT_EQ(LocalChampionsWindow(w.settings(), w.currentList()).heading(),
              QStringLiteral("WINDOWS. NET GAMES"));
}

TEST(MainWindowBanner, TheWaitBannerStandsInTheMiddle) {
    test::WindowFixture f;
    config::Settings s;
    s.windowSize = 3;
    MainWindow& w = f.startedWindow(s);
    w.ShowWaitBanner(true);
    EXPECT_TRUE(w.mainScreen().figure(1).isHidden());
    const QImage screen = test::Grab(w);
    test::SaveRender(screen, QStringLiteral("wait-banner"));
    // 990 x 650: left nearest(495 - 175) = 320, top nearest(325 - 40) = 285.
    int red = 0;
    for (int x = 330; x < 660; ++x)
        for (int y = 300; y < 350; ++y) {
            const QColor c = screen.pixelColor(x, y);
            red += c.red() > 200 && c.green() < 60 && c.blue() < 60 ? 1 : 0;
        }
    EXPECT_GT(red, 100);
    w.ShowWaitBanner(false);
    EXPECT_NE(test::Grab(w).pixel(500, 320), screen.pixel(500, 320));
}

TEST(MainWindowCursors, OwnCursorsAnimateOnTheButtons) {
    test::WindowFixture f;
    MainWindow& w = f.startedWindow();
    TQorCardsButton& start = w.mainScreen().startButton();
    // Off: the platform's cursors.
    ApplyCursors(&w, false);
    EXPECT_EQ(start.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(w.cursor().shape(), Qt::ArrowCursor);
    // On: the program's pictures with their hot spots; the hand moves on by itself.
    ApplyCursors(&w, true);
    ASSERT_EQ(start.cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(start.cursor().hotSpot(), QPoint(11, 1));
    EXPECT_EQ(w.cursor().hotSpot(), QPoint(1, 1));
    const QImage first = start.cursor().pixmap().toImage();
    QTRY_VERIFY_WITH_TIMEOUT(start.cursor().pixmap().toImage() != first, 5000);
    // Switching off stops the animation there.
    ApplyCursors(&w, false);
    QTest::qWait(400);
    EXPECT_EQ(start.cursor().shape(), Qt::PointingHandCursor);
}

TEST(MainWindowCursors, TheClickEffectPlaysAndLeavesTheWindowAsItWas) {
    test::WindowFixture f;
    MainWindow& w = f.startedWindow();
    // Only the candles and the figures move meanwhile; the middle of the screen is still.
    const QRect place(330, 200, 100, 100);
    const QImage before = w.grab().toImage().copy(place);
    QImage during;
    QTimer::singleShot(100, &w, [&] { during = w.grab().toImage(); });
    // A strip of opaque frames stands in for the graphics library's sparks.
    QImage strip(kTouchFrames * kTouchSize, kTouchSize, QImage::Format_ARGB32);
    strip.fill(QColor(200, 0, 200));
    EXPECT_TRUE(PlayClickEffect(&w, w.mapToGlobal(QPoint(380, 250)), strip));
    ASSERT_FALSE(during.isNull());
    EXPECT_EQ(during.pixel(380, 250), qRgb(200, 0, 200));
    test::SaveRender(during, QStringLiteral("click-effect"));
    EXPECT_NE(during.copy(place), before);
    EXPECT_EQ(w.grab().toImage().copy(place), before);
    // Without the graphics library nothing is shown.
    QTemporaryDir empty;
    EXPECT_FALSE(
        PlayClickEffect(&w, w.mapToGlobal(QPoint(380, 250)), PluginFolders{{empty.path()}}));
}

class FakeSession : public GameSessionApi {
  public:
    bool inMatch() const override { return match; }
    void leaveMatch() override {
        ++leaves;
        match = false;
    }
    bool match = true;
    int leaves = 0;
};

TEST(MainWindowStop, ClosingDuringAMatchAsksThenLeavesAndSaves) {
    test::WindowFixture f;
    MainWindow& w = f.startedWindow();
    FakeSession session;
    w.setGameSession(&session);
    w.settings().windowSize = 4;
    f.answer = false;
    EXPECT_FALSE(w.close());
    ASSERT_EQ(f.questions.size(), 1u);
    EXPECT_EQ(f.questions[0],
              QStringLiteral("You want to leave from game? All datas for want of it "
                             "will be lost!"));
    EXPECT_EQ(session.leaves, 0);
    EXPECT_FALSE(files::readFile(f.folder.inProgram("Tavik2.ini")).has_value());
    f.answer = true;
    EXPECT_TRUE(w.close());
    EXPECT_EQ(session.leaves, 1);
    const config::SettingsLoad saved = config::LoadSettings(f.folder.inProgram("Tavik2.ini"));
    EXPECT_EQ(saved.settings.windowSize, 4);
    // Without a match the window closes without asking.
    test::WindowFixture g;
    MainWindow& v = g.startedWindow();
    EXPECT_TRUE(v.close());
    EXPECT_TRUE(g.questions.empty());
}

}  // namespace
}  // namespace tavik::ui

namespace tavik::ui {
namespace {

// The Options button opens the dialog; its changes reach the main screen while it is
// still open, and the settings file written at the close carries them.
TEST(MainWindowOptions, ChangesActOnTheMainScreenAtOnce) {
    test::WindowFixture f;
    ASSERT_TRUE(
        files::writeFileAtomic(f.folder.inProgram("Tavik2.net"), listWithPlayers().bytes()).ok());
    MainWindow& w = f.startedWindow();
    w.settings().fireworksButtons = false;
    MainScreen& m = w.mainScreen();
    EXPECT_FALSE(m.listButton(1).text().startsWith(QStringLiteral("Anna")));
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<OptionsDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        seen = true;
        dialog->switchBox("NetGame")->click();
        EXPECT_TRUE(m.listButton(1).text().startsWith(QStringLiteral("Anna")));
        dialog->switchBox("newButtons")->click();
        EXPECT_TRUE(m.startButton().Nolt());
        EXPECT_TRUE(dialog->okButton().Nolt());
        QComboBox* size = dialog->choiceList("windowSize");
        const int index = size->findData(3);
        if (index >= 0) {  // the test screen may be too small for it
            size->setCurrentIndex(index);
            emit size->activated(index);
            EXPECT_EQ(w.display().clientWidth, 990);
        }
        QComboBox* language = dialog->choiceList("language");
        language->setCurrentIndex(language->findData(1));
        emit language->activated(language->findData(1));
        EXPECT_EQ(m.startButton().text(), QStringLiteral("Новый игрок"));
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    QTest::mouseClick(&m.optionsButton(), Qt::LeftButton);
    ASSERT_TRUE(seen);
    EXPECT_TRUE(w.settings().NetGame);
    EXPECT_EQ(w.settings().language, 1);
    // A window shown later takes the new button shape too.
    QDialog later(&w);
    auto* button = new TQorCardsButton(QStringLiteral("x"), &later);
    later.show();
    EXPECT_TRUE(button->Nolt());
    later.close();
    w.close();
    const config::SettingsLoad saved =
        config::LoadSettings(f.folder.inProgram(config::kSettingsFileName));
    EXPECT_TRUE(saved.settings.NetGame);
    EXPECT_TRUE(saved.settings.newButtons);
    EXPECT_EQ(saved.settings.language, 1);
}

}  // namespace
}  // namespace tavik::ui
