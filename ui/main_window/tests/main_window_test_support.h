#pragma once
// A main window on a fresh data folder, with its message boxes and questions caught
// instead of shown.

#include <QCoreApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <memory>
#include <vector>

#include "config/settings_file.h"
#include "core/files/atomic_file.h"
#include "core/files/data_folder.h"
#include "ui/main_window/main_window.h"
#include "ui/testing/ui_test_support.h"

namespace tavik::ui::test {

struct CaughtMessage {
    QMessageBox::Icon icon;
    QString text;
};

class WindowFixture {
  public:
    WindowFixture() {
        App();
        folder = files::ResolveDataFolder(dir.path().toStdString());
        EXPECT_TRUE(files::PrepareDataFolder(folder).ok());
    }

    // Writes a settings file for the window to read at start.
    void writeSettings(const config::Settings& s) {
        ASSERT_TRUE(config::SaveSettings(folder.inProgram(config::kSettingsFileName), s).ok());
    }

    MainWindow& makeWindow() {
        window = std::make_unique<MainWindow>(folder);
        window->messageHook = [this](QMessageBox::Icon icon, const QString& text) {
            messages.push_back({icon, text});
        };
        window->confirmHook = [this](const QString& question) {
            questions.push_back(question);
            return answer;
        };
        return *window;
    }

    // The same on a settings file holding `s`.
    MainWindow& startedWindow(const config::Settings& s) {
        writeSettings(s);
        return startedWindow();
    }

    // Start-up, then the intro ended as a click ends it.
    MainWindow& startedWindow() {
        MainWindow& w = makeWindow();
        EXPECT_TRUE(w.runStartup());
        w.finishIntro();
        QCoreApplication::processEvents();
        return w;
    }

    QTemporaryDir dir;
    files::DataFolder folder;
    std::unique_ptr<MainWindow> window;
    std::vector<CaughtMessage> messages;
    std::vector<QString> questions;
    bool answer = true;
};

// The window's client area as it is painted.
inline QImage Grab(MainWindow& w) {
    return w.centralWidget()->grab().toImage();
}

}  // namespace tavik::ui::test
