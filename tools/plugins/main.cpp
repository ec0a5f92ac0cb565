// tavik-plugingen: draws one plug-in library of the game and writes the resource
// collection that packs it into a Qt binary resource file.
//
//   tavik-plugingen --library QorCards06A --out DIR [--deck-root DIR]
//
// DIR/<library>.qrc lists the pictures and licence.txt at the root. Face styles drawn
// from Debian's SVG card decks read them below --deck-root (default "/"); a missing
// deck leaves its style out, which is reported on stderr and is not an error.
#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "tools/art/art_output.h"
#include "tools/plugins/licence_record.h"
#include "tools/plugins/plugin_sets.h"

namespace {

using tavik::ui::ArtLibrary;

ArtLibrary libraryByName(const QString& name) {
    for (ArtLibrary lib : {ArtLibrary::CardsA, ArtLibrary::CardsB, ArtLibrary::CardsC,
                           ArtLibrary::BackG, ArtLibrary::CGraph})
        if (QString::fromStdString(tavik::ui::LibraryName(lib)) == name) return lib;
    return ArtLibrary::None;
}

}  // namespace

int main(int argc, char** argv) {
    // Drawing text needs the font database of a GUI application, never a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption libraryOption("library", "The library to draw.", "NAME");
    const QCommandLineOption outOption("out", "Folder of its pictures and .qrc.", "DIR");
    const QCommandLineOption rootOption("deck-root", "Where /usr/share of the decks is.", "DIR",
                                        "/");
    parser.addOptions({libraryOption, outOption, rootOption});
    parser.process(app);
    const QString name = parser.value(libraryOption);
    const ArtLibrary lib = libraryByName(name);
    if (lib == ArtLibrary::None || !parser.isSet(outOption)) {
        std::fprintf(stderr,
                     "tavik-plugingen: --library QorCards06A|QorCards06B|QorCards06C|"
                     "QorBackG03|QorCGraph1 and --out DIR are required\n");
        return 2;
    }
    QString root = QDir::cleanPath(parser.value(rootOption));
    if (root == QLatin1String("/")) root.clear();

    tavik::art::ArtOutput out(parser.value(outOption));
    tavik::plugins::LicenceRecord licence(name);
    QStringList missing;
    switch (lib) {
        case ArtLibrary::CardsA:
        case ArtLibrary::CardsC:
            tavik::plugins::addFaceStyles(out, lib, root, licence, missing);
            break;
        case ArtLibrary::CardsB:
            tavik::plugins::addFaceStyles(out, lib, root, licence, missing);
            tavik::plugins::addBackStyles(out);
            licence.addNote(QStringLiteral("the card backs are drawn by the game's own generator"));
            break;
        case ArtLibrary::BackG:
            tavik::plugins::addBackgrounds(out);
            licence.addNote(
                QStringLiteral("the backgrounds are drawn by the game's own generator"));
            break;
        default:
            tavik::plugins::addGraphics(out);
            licence.addNote(QStringLiteral("every picture is drawn by the game's own generator"));
            break;
    }
    out.addText(QStringLiteral("licence.txt"), licence.text());
    out.writeQrc(QDir(parser.value(outOption)).filePath(name + QStringLiteral(".qrc")), "/");
    for (const QString& style : missing)
        std::fprintf(stderr, "tavik-plugingen: %s: deck not installed, face style %s left out\n",
                     qPrintable(name), qPrintable(style));
    for (const QString& error : out.errors())
        std::fprintf(stderr, "tavik-plugingen: %s\n", qPrintable(error));
    return out.ok() ? 0 : 1;
}
