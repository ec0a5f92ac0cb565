// tavik-artgen: draws the built-in pictures of the game and the small test
// plug-in library, and writes the resource collections that compile them in.
//
//   tavik-artgen --art-dir DIR --plugin-dir DIR [--sheet FILE.png] [--screen-sheet FILE.png]
//                [--flag-dir DIR]
//
// DIR/art.qrc lists the built-in pictures under the prefix "/art";
// plugin-dir/QorCards06A.qrc lists the plug-in's pictures at its root.
#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "tools/art/art_output.h"
#include "tools/art/art_sets.h"
#include "tools/art/contact_sheet.h"

int main(int argc, char** argv) {
    // Drawing text needs the font database of a GUI application, never a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption artDir("art-dir", "Folder of the built-in pictures.", "DIR");
    const QCommandLineOption pluginDir("plugin-dir", "Folder of the test plug-in.", "DIR");
    const QCommandLineOption sheetFile("sheet", "Also write a contact sheet of the art.", "FILE");
    const QCommandLineOption screenSheetFile(
        "screen-sheet", "Also write a contact sheet of the main screen's art.", "FILE");
    const QCommandLineOption flagDir("flag-dir", "Folder of country flags named by ISO code.",
                                     "DIR");
    parser.addOptions({artDir, pluginDir, sheetFile, screenSheetFile, flagDir});
    parser.process(app);
    if (!parser.isSet(artDir) || !parser.isSet(pluginDir)) {
        std::fprintf(stderr, "tavik-artgen: --art-dir and --plugin-dir are required\n");
        return 2;
    }

    tavik::art::ArtOutput art(parser.value(artDir));
    tavik::art::ContactSheet sheet;  // everything but the table backgrounds
    tavik::art::addCardArt(art, sheet);
    tavik::art::addTableArt(art, sheet);
    tavik::art::addButtonArt(art, sheet);
    tavik::art::ContactSheet screenSheet;  // the main screen, animations and pointers
    tavik::art::addTitleArt(art, screenSheet);
    tavik::art::addClockArt(art, screenSheet);
    tavik::art::addCandleArt(art, screenSheet);
    tavik::art::addIconArt(art, screenSheet);
    tavik::art::addMenuArt(art, screenSheet);
    tavik::art::addFigureArt(art, screenSheet);
    tavik::art::addResultArt(art, screenSheet);
    tavik::art::addPointerArt(art, screenSheet);
    tavik::art::addAccountArt(art, sheet, parser.value(flagDir));
    art.writeQrc(QDir(parser.value(artDir)).filePath("art.qrc"), "/art");

    tavik::art::ArtOutput plugin(parser.value(pluginDir));
    tavik::art::addTestPluginArt(plugin, sheet);
    plugin.writeQrc(QDir(parser.value(pluginDir)).filePath("QorCards06A.qrc"), "/");

    bool ok = art.ok() && plugin.ok();
    if (parser.isSet(sheetFile) && !sheet.render().save(parser.value(sheetFile))) {
        std::fprintf(stderr, "tavik-artgen: cannot write %s\n",
                     qPrintable(parser.value(sheetFile)));
        ok = false;
    }
    if (parser.isSet(screenSheetFile) &&
        !screenSheet.render().save(parser.value(screenSheetFile))) {
        std::fprintf(stderr, "tavik-artgen: cannot write %s\n",
                     qPrintable(parser.value(screenSheetFile)));
        ok = false;
    }
    for (const QString& error : art.errors() + plugin.errors())
        std::fprintf(stderr, "tavik-artgen: %s\n", qPrintable(error));
    return ok ? 0 : 1;
}
