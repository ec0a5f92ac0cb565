#include "ui/pictures/plugin_licence.h"

#include <QStringList>

namespace tavik::ui {

std::vector<DeckCredit> ParseDeckCredits(const QString& text) {
    std::vector<DeckCredit> decks;
    QString* last = nullptr;  // the field a continuation line extends
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char(' '))) {
            if (last != nullptr) *last += QLatin1Char('\n') + line.trimmed();
            continue;
        }
        last = nullptr;
        const qsizetype colon = line.indexOf(QStringLiteral(": "));
        if (colon <= 0) continue;
        const QString key = line.left(colon);
        const QString value = line.mid(colon + 2).trimmed();
        if (key == QLatin1String("Style")) {
            decks.push_back({});
            decks.back().style = value.toInt();
            continue;
        }
        if (decks.empty()) continue;  // the library's own lines before the first block
        DeckCredit& d = decks.back();
        QString* field = key == QLatin1String("Code")        ? &d.code
                         : key == QLatin1String("Deck")      ? &d.deck
                         : key == QLatin1String("Package")   ? &d.package
                         : key == QLatin1String("Source")    ? &d.source
                         : key == QLatin1String("Copyright") ? &d.copyright
                         : key == QLatin1String("License")   ? &d.licence
                                                             : nullptr;
        if (field == nullptr) continue;
        *field = value;
        last = field;
    }
    return decks;
}

std::optional<LibraryLicence> ReadLibraryLicence(const PluginFolders& folders, ArtLibrary lib) {
    PictureSource source;
    if (!source.open(folders, lib)) return std::nullopt;
    const std::optional<QByteArray> bytes = source.file(QStringLiteral("licence.txt"));
    if (!bytes) return std::nullopt;
    LibraryLicence licence;
    licence.text = QString::fromUtf8(*bytes);
    licence.decks = ParseDeckCredits(licence.text);
    return licence;
}

}  // namespace tavik::ui
