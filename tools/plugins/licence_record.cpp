#include "tools/plugins/licence_record.h"

namespace tavik::plugins {

void LicenceRecord::addOwnStyle(int style, const QString& code) {
    ownStyles_ << QStringLiteral("%1 \"%2\"").arg(style).arg(code);
}

void LicenceRecord::addDeck(int style, const QString& code, const DeckFile& deck,
                            const DeckLicence& licence) {
    QString block = QStringLiteral("Style: %1\nCode: %2\nDeck: %3\nPackage: %4\nSource: %5\n")
                        .arg(style)
                        .arg(code, deck.name, deck.package, deck.file);
    const QString holders =
        licence.copyright.isEmpty()
            ? QStringLiteral("see /usr/share/doc/%1/copyright").arg(deck.package)
            : licence.copyright;
    block += QStringLiteral("Copyright: ") + QString(holders).replace('\n', QStringLiteral("\n ")) +
             QLatin1Char('\n');
    block += QStringLiteral("License: ") +
             (licence.licence.isEmpty() ? QStringLiteral("unknown") : licence.licence) +
             QLatin1Char('\n');
    blocks_ << block;
}

QByteArray LicenceRecord::text() const {
    QString text = QStringLiteral("Library: %1\n").arg(library_);
    text += QStringLiteral("Made by: tavik-plugingen, the plug-in generator of Tavik-Vel\n");
    if (!ownStyles_.isEmpty())
        text += QStringLiteral("Own face styles: ") + ownStyles_.join(QStringLiteral(", ")) +
                QLatin1Char('\n');
    for (const QString& note : notes_) text += QStringLiteral("Note: ") + note + QLatin1Char('\n');
    for (const QString& block : blocks_) text += QLatin1Char('\n') + block;
    return text.toUtf8();
}

}  // namespace tavik::plugins
