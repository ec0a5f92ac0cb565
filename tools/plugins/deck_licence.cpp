#include "tools/plugins/deck_licence.h"

#include <QRegularExpression>
#include <QStringList>

namespace tavik::plugins {
namespace {

// One paragraph's fields: the name and the value with its continuation lines.
struct Field {
    QString name;
    QStringList lines;
};

QList<QList<Field>> paragraphs(const QString& text) {
    QList<QList<Field>> result;
    QList<Field> current;
    for (const QString& raw : text.split(QLatin1Char('\n'))) {
        const QString line = raw.endsWith(QLatin1Char('\r')) ? raw.chopped(1) : raw;
        if (line.trimmed().isEmpty()) {
            if (!current.isEmpty()) result << current;
            current.clear();
        } else if (line.front().isSpace()) {
            if (!current.isEmpty()) current.back().lines << line.trimmed();
        } else {
            const qsizetype colon = line.indexOf(QLatin1Char(':'));
            if (colon <= 0) continue;
            current << Field{line.left(colon).trimmed(), {line.mid(colon + 1).trimmed()}};
        }
    }
    if (!current.isEmpty()) result << current;
    return result;
}

const Field* field(const QList<Field>& paragraph, const char* name) {
    for (const Field& f : paragraph)
        if (f.name.compare(QLatin1String(name), Qt::CaseInsensitive) == 0) return &f;
    return nullptr;
}

}  // namespace

bool FilesPatternMatches(const QString& pattern, const QString& path) {
    QString expression;
    for (const QChar c : pattern) {
        if (c == QLatin1Char('*'))
            expression += QStringLiteral(".*");
        else if (c == QLatin1Char('?'))
            expression += QLatin1Char('.');
        else
            expression += QRegularExpression::escape(QString(c));
    }
    return QRegularExpression(QRegularExpression::anchoredPattern(expression))
        .match(path)
        .hasMatch();
}

DeckLicence FindDeckLicence(const QString& copyrightText, const QString& path) {
    DeckLicence found;
    for (const QList<Field>& paragraph : paragraphs(copyrightText)) {
        const Field* files = field(paragraph, "Files");
        if (files == nullptr) continue;
        bool matches = false;
        for (const QString& line : files->lines)
            for (const QString& pattern :
                 line.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
                matches = matches || FilesPatternMatches(pattern, path);
        if (!matches) continue;
        const Field* copyright = field(paragraph, "Copyright");
        const Field* licence = field(paragraph, "License");
        QStringList holders = copyright ? copyright->lines : QStringList();
        holders.removeAll(QString());
        found.copyright = holders.join(QLatin1Char('\n'));
        found.licence = licence ? licence->lines.value(0) : QString();
    }
    return found;
}

}  // namespace tavik::plugins
