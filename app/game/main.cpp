// tavik-vel: the game window.
//
//   tavik-vel [--data-dir DIR]
//
// DIR holds the game's files (the program's folder is DIR/Tavik2); by default
// $XDG_DATA_HOME/Tavik-Vel. The first start creates it and copies in the empty
// player lists.
#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>

#include "core/files/data_folder.h"
#include "ui/account/account_service.h"
#include "ui/fonts/fonts.h"
#include "ui/game/game_session.h"
#include "ui/game/hand_input.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/own_cursors.h"
#include "ui/pictures/plugin_library.h"
#include "ui/sound/qt_audio.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavik-Vel"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Tavik-Vel, the throw-in Durak card game."));
    parser.addHelpOption();
    const QCommandLineOption dataDir(QStringLiteral("data-dir"),
                                     QStringLiteral("Folder of the game's files."),
                                     QStringLiteral("DIR"));
    parser.addOption(dataDir);
    parser.process(app);

    tavik::ui::InstallFontSubstitutions();
    const tavik::files::DataFolder folder = tavik::files::ResolveDataFolder(
        parser.isSet(dataDir) ? std::optional(parser.value(dataDir).toStdString()) : std::nullopt);
    if (const tavik::files::Status prepared = tavik::files::PrepareDataFolder(folder);
        !prepared.ok()) {
        QMessageBox::critical(nullptr, QStringLiteral("Tavik-Vel"),
                              QString::fromStdString(prepared.error().message));
        return 1;
    }

    tavik::ui::MainWindow window(folder);
    // The program's one audio: the sounds of the main screen and of the match, the
    // spoken cards from the voice library and the MIDI song.
    tavik::ui::QtAudio audio(
        window.settings(), tavik::ui::DefaultPluginFolders(QString::fromStdString(folder.program)));
    window.setAudio(audio);
    // The match against the computer: the window's start, menu and history requests.
    tavik::ui::GameSession session(window);
    window.setGameSession(&session);
    // The online account: remote configuration, automatic sign-in, account window.
    tavik::ui::AccountService account(window);
    session.handInput().playableCursor = [&window] {
        return tavik::ui::GameCursor(tavik::ui::CursorKind::Hand, window.settings().ownCursor);
    };
    window.show();
    const int result = QApplication::exec();
    return window.startupFailed() ? 1 : result;
}
