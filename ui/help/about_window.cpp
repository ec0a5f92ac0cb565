#include "ui/help/about_window.h"

#include <QVBoxLayout>
#include <algorithm>
#include <string_view>

#include "config/version.h"
#include "config/words/word_keys.h"
#include "ui/dialogs/dialog_words.h"
#include "ui/fonts/fonts.h"

namespace tavik::ui {
namespace {

// The Debian package of an installed font family (the families of FontStandIns).
std::string packageOf(std::string_view family) {
    static const std::pair<std::string_view, const char*> kPackages[] = {
        {"Comic Neue", "fonts-comic-neue"},
        {"Unifont", "fonts-unifont"},
        {"Liberation", "fonts-liberation"},
        {"DejaVu", "fonts-dejavu-core"},
    };
    for (const auto& [prefix, package] : kPackages)
        if (family.substr(0, prefix.size()) == prefix) return package;
    return {};
}

QString escaped(const std::string& text) {
    return QString::fromStdString(text).toHtmlEscaped();
}

QString recordLine(const periphery::LicenceRecord& r, int language) {
    QString line =
        QStringLiteral("<li><b>%1</b> &mdash; %2").arg(escaped(r.name), escaped(r.package));
    if (!r.installed)
        return line + QStringLiteral(": <i>%1</i></li>")
                          .arg(WordText(words::key::AboutNotInstalled, language).toHtmlEscaped());
    if (!r.licence.empty()) line += QStringLiteral(", ") + escaped(r.licence);
    if (!r.copyright.empty()) line += QStringLiteral("<br>&copy; ") + escaped(r.copyright);
    if (!r.fullText.empty())
        line += QStringLiteral("<br><small>%1</small>").arg(escaped(r.fullText));
    return line + QStringLiteral("</li>");
}

}  // namespace

std::vector<periphery::LicenceRecord> FontLicences(const std::string& docRoot) {
    // Each family once, with every stored name it stands in for.
    std::vector<std::pair<std::string, std::vector<std::string>>> families;
    for (const FontStandIn& s : FontStandIns())
        for (const char* family : s.families) {
            auto it = std::find_if(families.begin(), families.end(),
                                   [&](const auto& f) { return f.first == family; });
            if (it == families.end()) it = families.insert(families.end(), {family, {}});
            it->second.push_back(s.stored);
        }
    std::vector<periphery::LicenceRecord> records;
    for (const auto& [family, stored] : families) {
        std::string name = family + " (for ";
        for (std::size_t i = 0; i < stored.size(); ++i) name += (i ? ", " : "") + stored[i];
        records.push_back(periphery::ReadPackageLicence(docRoot, packageOf(family), name + ")"));
    }
    return records;
}

QString AboutHtml(const AboutFacts& facts, int language) {
    auto word = [language](words::WordKey key) { return WordText(key, language).toHtmlEscaped(); };
    QString html = QStringLiteral("<h2>%1</h2><p>%2 %3<br>%4<br>%5</p>")
                       .arg(word(words::key::Title), word(words::key::AboutVersion),
                            QLatin1String(config::kProgramVersion), word(words::key::IntroDate),
                            word(words::key::IntroCredit));
    html += QStringLiteral("<p><b>%1</b><br>%2</p>")
                .arg(word(words::key::AboutDataFolder), facts.dataFolder.toHtmlEscaped());
    html += QStringLiteral("<h3>%1</h3><ul>").arg(word(words::key::AboutFonts));
    for (const periphery::LicenceRecord& r : facts.fonts) html += recordLine(r, language);
    html += QStringLiteral("</ul><h3>%1</h3><p>%2</p>")
                .arg(word(words::key::AboutCardArt), word(words::key::AboutBuiltinArt));
    if (!facts.deckArt.empty()) {
        html += QStringLiteral("<ul>");
        for (const periphery::LicenceRecord& r : facts.deckArt) html += recordLine(r, language);
        html += QStringLiteral("</ul>");
    }
    return html;
}

AboutWindow::AboutWindow(const AboutFacts& facts, int language, QWidget* parent)
    : QDialog(parent), text_(new QTextBrowser(this)) {
    setWindowTitle(WordText(words::key::MenuAbout, language));
    text_->setHtml(AboutHtml(facts, language));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addLayout(OkButtonRow(*this, language));
    resize(560, 520);
}

}  // namespace tavik::ui
