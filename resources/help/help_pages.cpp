#include "resources/help/help_pages.h"

#include <QFile>

#include "config/words/languages.h"

// The resource initialiser is a global symbol; calling it from here also keeps the
// linker from dropping the compiled pages out of the static library.
static void initTavikHelpResources() {
    Q_INIT_RESOURCE(tavik_help);
}

namespace tavik::help {

void initHelpPages() {
    static const bool done = (initTavikHelpResources(), true);
    (void)done;
}

QString helpPageName(HelpPage page) {
    return page == HelpPage::Rules ? QStringLiteral("rules.html") : QStringLiteral("book.html");
}

QString helpLanguageCode(HelpPage page, int language) {
    initHelpPages();
    const std::string_view code = words::languageCode(language);
    const QString own = QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size()));
    if (!own.isEmpty() &&
        QFile::exists(QStringLiteral(":/help/%1/%2").arg(own, helpPageName(page))))
        return own;
    return QStringLiteral("Eng");
}

QUrl helpPageUrl(HelpPage page, int language) {
    return QUrl(QStringLiteral("qrc:/help/%1/%2")
                    .arg(helpLanguageCode(page, language), helpPageName(page)));
}

}  // namespace tavik::help
