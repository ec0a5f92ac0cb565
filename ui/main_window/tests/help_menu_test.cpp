// The menu's Help, Book and About, and the help icon of the main screen, open their
// windows in the window's language.
#include <QApplication>
#include <QTimer>

#include "ui/help/about_window.h"
#include "ui/help/help_window.h"
#include "ui/main_window/game_menu.h"
#include "ui/main_window/main_screen.h"
#include "ui/main_window/tests/main_window_test_support.h"

namespace tavik::ui {
namespace {

// Runs `open`, then returns what `read` saw in the modal window of type T it opened.
template <class T>
QString ReadModal(const std::function<void()>& open, const std::function<QString(T&)>& read) {
    QString seen = QStringLiteral("no window");
    QTimer::singleShot(0, [&] {
        if (auto* window = qobject_cast<T*>(QApplication::activeModalWidget())) {
            seen = read(*window);
            window->accept();
        }
    });
    open();
    return seen;
}

TEST(MainWindowHelp, HelpBookAboutAndTheHelpIconOpenTheirWindows) {
    test::WindowFixture f;
    MainWindow& w = f.startedWindow();
    w.settings().fireworksButtons = false;
    auto title = [](HelpWindow& h) { return h.browser().documentTitle(); };
    EXPECT_EQ(ReadModal<HelpWindow>([&] { w.menu().Help->trigger(); }, title), "Rules of the game");
    EXPECT_EQ(ReadModal<HelpWindow>([&] { w.menu().Book->trigger(); }, title),
              "A guide to good play");
    EXPECT_EQ(ReadModal<HelpWindow>(
                  [&] { emit w.mainScreen().iconClicked(QStringLiteral("Help48")); }, title),
              "Rules of the game");

    w.settings().language = 1;
    EXPECT_EQ(ReadModal<HelpWindow>([&] { w.menu().Book->trigger(); }, title),
              "Учебник хорошей игры");
    const QString about = ReadModal<AboutWindow>(
        [&] { w.menu().About->trigger(); }, [](AboutWindow& a) { return a.text().toPlainText(); });
    EXPECT_TRUE(about.contains(QString::fromStdString(f.folder.program))) << about.toStdString();
    EXPECT_TRUE(about.contains("Папка данных:"));
    EXPECT_TRUE(f.messages.empty());  // none of them is "not ready yet" any more
}

}  // namespace
}  // namespace tavik::ui
