#pragma once
// Licence records of what the program uses but does not make itself: the fonts and
// the art of the plug-in libraries. The records of installed Debian packages are read
// from their copyright files (/usr/share/doc/PACKAGE/copyright). Plain C++, no Qt.

#include <string>
#include <string_view>
#include <vector>

namespace tavik::periphery {

struct LicenceRecord {
    std::string name;       // what it is, e.g. "Comic Neue (for Comic Sans MS)"
    std::string package;    // where it comes from, e.g. "fonts-comic-neue"
    std::string licence;    // short licence names, e.g. "SIL-OFL-1.1"; empty when unknown
    std::string copyright;  // the first copyright holder line
    std::string fullText;   // the path of the whole licence text; empty when not installed
    bool installed = false;
};

// The licence and copyright of a Debian copyright file. In the machine-readable format the
// licences of the stanza for "Files: *" (else of every stanza not under debian/), in order
// and without repeats; in the older free format the copyright line only.
struct CopyrightSummary {
    std::string licence;
    std::string copyright;
};
CopyrightSummary SummariseDebianCopyright(std::string_view text);

// The record of an installed package: its copyright file under docRoot (normally
// "/usr/share/doc"), or a record marked not installed.
LicenceRecord ReadPackageLicence(const std::string& docRoot, const std::string& package,
                                 const std::string& name);

}  // namespace tavik::periphery
