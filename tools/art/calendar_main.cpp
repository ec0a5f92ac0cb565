// tavik-calendar-art: draws the pictures of the calendar plug-in library QorCalendar01
// and writes the resource collection that packs them.
//
//   tavik-calendar-art --out-dir DIR [--sheet FILE.png]
//
// DIR/QorCalendar01.qrc lists the pictures at its root ("R_BASE.png", "R_01.png", ...).
#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "tools/art/art_output.h"
#include "tools/art/calendar_art.h"
#include "tools/art/contact_sheet.h"

int main(int argc, char** argv) {
    // Drawing text needs the font database of a GUI application, never a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption outDir("out-dir", "Folder of the library's pictures.", "DIR");
    const QCommandLineOption sheetFile("sheet", "Also write a contact sheet of the pages.", "FILE");
    parser.addOptions({outDir, sheetFile});
    parser.process(app);
    if (!parser.isSet(outDir)) {
        std::fprintf(stderr, "tavik-calendar-art: --out-dir is required\n");
        return 2;
    }

    tavik::art::ArtOutput out(parser.value(outDir));
    tavik::art::ContactSheet sheet;
    bool ok = tavik::art::addCalendarArt(out, sheet);
    out.writeQrc(QDir(parser.value(outDir)).filePath("QorCalendar01.qrc"), "/");
    ok = ok && out.ok();
    if (parser.isSet(sheetFile) && !sheet.render().save(parser.value(sheetFile))) {
        std::fprintf(stderr, "tavik-calendar-art: cannot write %s\n",
                     qPrintable(parser.value(sheetFile)));
        ok = false;
    }
    for (const QString& error : out.errors())
        std::fprintf(stderr, "tavik-calendar-art: %s\n", qPrintable(error));
    return ok ? 0 : 1;
}
