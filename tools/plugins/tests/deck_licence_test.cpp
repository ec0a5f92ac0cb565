// Reading who made a deck from a Debian copyright file in the machine-readable format.
#include "tools/plugins/deck_licence.h"

#include <gtest/gtest.h>

namespace tavik::plugins {
namespace {

const char* const kCopyright =
    "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
    "Upstream-Name: games\n"
    "\n"
    "Files: *\n"
    "Copyright: 1996-2013, The Desktop project\n"
    "License: GPL-2+\n"
    "\n"
    "Files: carddecks/svg-standard/*\n"
    "       carddecks/svg-xskat-french/*\n"
    "Copyright: 1997, John Fitzgibbon\n"
    "           2004, Gunter Gerhardt\n"
    "License: GPL-2+\n"
    "\n"
    "Files: carddecks/svg-tigullio-*/*.svg?\n"
    "Copyright: 2007, David Faure <faure@kde.org>\n"
    "License: LGPL-2+\n"
    " The full text is in /usr/share/common-licenses.\n"
    "\n"
    "License: GPL-2+\n"
    " This program is free software.\n";

TEST(DeckLicence, TheLastMatchingParagraphWinsWithItsContinuationLines) {
    struct Case {
        const char* path;
        const char* copyright;
        const char* licence;
    } cases[] = {
        {"carddecks/svg-xskat-french/french.svgz", "1997, John Fitzgibbon\n2004, Gunter Gerhardt",
         "GPL-2+"},
        {"carddecks/svg-tigullio-international/tigullio-international.svgz",
         "2007, David Faure <faure@kde.org>", "LGPL-2+"},
        {"carddecks/svg-penguins/penguins.svgz", "1996-2013, The Desktop project", "GPL-2+"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const DeckLicence found = FindDeckLicence(QString::fromLatin1(kCopyright), c.path);
        EXPECT_EQ(found.copyright, QString::fromLatin1(c.copyright));
        EXPECT_EQ(found.licence, QString::fromLatin1(c.licence));
    }
}

TEST(DeckLicence, NothingWithoutAMatchingFilesParagraph) {
    const DeckLicence found = FindDeckLicence(
        "Files: debian/*\nCopyright: 2020, Someone\nLicence: GPL-3+\n", "cards/bonded.svgz");
    EXPECT_TRUE(found.copyright.isEmpty());
    EXPECT_TRUE(found.licence.isEmpty());
    EXPECT_TRUE(FindDeckLicence("Just some text\nwithout fields", "a/b").licence.isEmpty());
}

TEST(DeckLicence, FilesPatterns) {
    struct Case {
        const char* pattern;
        const char* path;
        bool matches;
    } cases[] = {
        {"*", "carddecks/svg-standard/standard.svgz", true},
        {"carddecks/svg-standard/*", "carddecks/svg-standard/standard.svgz", true},
        {"carddecks/svg-standard/*", "carddecks/svg-standard2/standard.svgz", false},
        {"cards/*.svg?", "cards/bonded.svgz", true},
        {"cards/*.svg?", "cards/bonded.svg", false},
        {"a.b", "aXb", false},  // a dot is a dot
    };
    for (const Case& c : cases)
        EXPECT_EQ(FilesPatternMatches(c.pattern, c.path), c.matches) << c.pattern << " " << c.path;
}

}  // namespace
}  // namespace tavik::plugins
