#pragma once
// The licence record of a plug-in library, the text file "licence.txt" inside it: the
// library, how its pictures were made, and for every face style drawn from a deck of a
// Debian package one block of "Key: value" lines (continuation lines start with a
// blank), blocks parted by an empty line:
//
//   Style: 8
//   Code: Eng
//   Deck: Standard
//   Package: kdegames-card-data-kf5
//   Source: /usr/share/carddecks/svg-standard/standard.svgz
//   Copyright: 1997, John Fitzgibbon
//    2009, Parker Coates <parker.coates@kdemail.net>
//   License: GPL-2+

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "tools/plugins/deck_licence.h"
#include "tools/plugins/face_styles.h"

namespace tavik::plugins {

class LicenceRecord {
  public:
    explicit LicenceRecord(QString library) : library_(std::move(library)) {}

    // A face style drawn by the game's own generator.
    void addOwnStyle(int style, const QString& code);
    // A face style drawn from a deck.
    void addDeck(int style, const QString& code, const DeckFile& deck, const DeckLicence& licence);
    // A line about the library's other pictures.
    void addNote(const QString& note) { notes_ << note; }

    QByteArray text() const;

  private:
    QString library_;
    QStringList ownStyles_;
    QStringList notes_;
    QStringList blocks_;
};

}  // namespace tavik::plugins
