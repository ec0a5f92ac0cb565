#pragma once
// Who made a deck and under which licence, read from the Debian copyright file of the
// package that ships it (the machine-readable format: paragraphs of "Files:",
// "Copyright:" and "License:"; the last paragraph whose patterns match a file wins).

#include <QString>

namespace tavik::plugins {

struct DeckLicence {
    QString copyright;  // the holders, one a line
    QString licence;    // the licence's short name ("GPL-2+")
};

// The copyright and licence of `path` (relative to the package's source tree, as the
// patterns are written) in the copyright file's text; empty fields when nothing
// matches or the text is not in the machine-readable format.
DeckLicence FindDeckLicence(const QString& copyrightText, const QString& path);

// True when a pattern of a "Files:" field matches the path: "*" stands for any run of
// characters, "/" included, and "?" for any one character.
bool FilesPatternMatches(const QString& pattern, const QString& path);

}  // namespace tavik::plugins
