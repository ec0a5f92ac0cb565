#pragma once
// The help pages compiled into the program: ":/help/<code>/<page>.html" with their
// pictures beside them, for the language codes "Eng" and "Rus"; every other language
// is shown the English pages.

#include <QString>
#include <QUrl>

namespace tavik::help {

enum class HelpPage { Rules, Book };

// Registers the compiled pages (once; later calls do nothing).
void initHelpPages();
// The file name of a page: "rules.html", "book.html".
QString helpPageName(HelpPage page);
// The language code whose pages are shown for the language: its own when the program
// carries the page in it, else "Eng".
QString helpLanguageCode(HelpPage page, int language);
// The page for the language, as a qrc: URL for QTextBrowser.
QUrl helpPageUrl(HelpPage page, int language);

}  // namespace tavik::help
