// The help pages compiled into the program, the help window and the about window.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <filesystem>
#include <fstream>

#include "ui/help/about_window.h"
#include "ui/help/help_window.h"
#include "ui/testing/ui_test_support.h"

namespace tavik::ui {
namespace {

namespace fs = std::filesystem;
using help::HelpPage;

QString PageText(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return QString::fromUtf8(file.readAll());
}

// The local files a page links to or shows: src="..." and href="..." that are no web
// addresses.
QStringList LocalReferences(const QString& html, const QString& attribute) {
    QStringList found;
    const QRegularExpression re(attribute + QStringLiteral("=\"([^\"#:]+)\""));
    for (auto it = re.globalMatch(html); it.hasNext();) found << it.next().captured(1);
    return found;
}

TEST(HelpPages, EnglishAndRussianHaveBothPagesOtherLanguagesFallBackToEnglish) {
    test::App();
    struct Case {
        int language;
        const char* code;
    };
    for (const Case c : {Case{0, "Eng"}, Case{1, "Rus"}, Case{2, "Eng"}, Case{9, "Eng"},
                         Case{15, "Eng"}, Case{-1, "Eng"}})
        for (HelpPage page : {HelpPage::Rules, HelpPage::Book}) {
            EXPECT_EQ(help::helpLanguageCode(page, c.language), QLatin1String(c.code))
                << "language " << c.language;
            const QUrl url = help::helpPageUrl(page, c.language);
            EXPECT_TRUE(QFile::exists(QLatin1Char(':') + url.path()))
                << url.toString().toStdString();
        }
}

TEST(HelpPages, EveryPictureAndLinkOfEveryPageResolves) {
    test::App();
    for (const char* code : {"Eng", "Rus"})
        for (HelpPage page : {HelpPage::Rules, HelpPage::Book}) {
            const QString folder = QStringLiteral(":/help/%1/").arg(QLatin1String(code));
            const QString html = PageText(folder + help::helpPageName(page));
            const QStringList pictures = LocalReferences(html, QStringLiteral("src"));
            EXPECT_GE(pictures.size(), 3) << code;
            for (const QString& src : pictures) {
                const QImage picture(folder + src);
                ASSERT_FALSE(picture.isNull()) << code << " " << src.toStdString();
                // Positions of the table, drawn at the small window's size.
                EXPECT_EQ(picture.size(), QSize(760, 500)) << src.toStdString();
            }
            for (const QString& href : LocalReferences(html, QStringLiteral("href")))
                EXPECT_TRUE(QFile::exists(folder + href)) << code << " " << href.toStdString();
        }
    // The Russian pages show the pictures with Russian captions: they differ.
    EXPECT_NE(QImage(":/help/Eng/help-defence.png"), QImage(":/help/Rus/help-defence.png"));
}

TEST(HelpWindow, ShowsThePageOfTheLanguageAndFollowsItsLinks) {
    test::App();
    HelpWindow rules(HelpPage::Rules, 1, nullptr);
    EXPECT_EQ(rules.browser().documentTitle(), "Правила игры");
    EXPECT_TRUE(rules.windowTitle().endsWith("Правила игры"));
    rules.browser().setSource(QUrl("book.html"));
    EXPECT_EQ(rules.browser().documentTitle(), "Учебник хорошей игры");
    test::SaveRender(rules.grab().toImage(), "help-rules-rus");

    HelpWindow book(HelpPage::Book, 3, nullptr);  // French shows the English guide
    EXPECT_EQ(book.browser().documentTitle(), "A guide to good play");
}

// A documentation folder with one font package installed.
std::string FakeDocRoot() {
    const fs::path root = fs::path(testing::TempDir()) / "about-doc";
    fs::remove_all(root);
    fs::create_directories(root / "fonts-comic-neue");
    std::ofstream(root / "fonts-comic-neue" / "copyright")
        << "Format: x\n\nFiles: *\nCopyright: 2014 Craig Rozynski\nLicense: SIL-OFL-1.1\n";
    return root.string();
}

TEST(AboutWindow, NamesTheDataFolderTheVersionAndTheFontLicences) {
    test::App();
    AboutFacts facts;
    facts.dataFolder = QStringLiteral("/tmp/x/Tavik2/");
    facts.fonts = FontLicences(FakeDocRoot());
    ASSERT_EQ(facts.fonts.size(), 6u);  // each family the stored names map to, once
    EXPECT_EQ(facts.fonts[0].name, "Comic Neue (for Comic Sans MS)");
    EXPECT_EQ(facts.fonts[1].name, "DejaVu Sans (for Comic Sans MS, Arial)");
    EXPECT_EQ(facts.fonts[1].package, "fonts-dejavu-core");
    facts.deckArt.push_back({"QorCards06A: a deck", "svg-cards", "LGPL-2.1", "2005 Someone",
                             "/usr/share/doc/svg-cards/copyright", true});

    AboutWindow window(facts, 0, nullptr);
    const QString text = window.text().toPlainText();
    EXPECT_TRUE(text.contains("Data folder:\n/tmp/x/Tavik2/")) << text.toStdString();
    EXPECT_TRUE(text.contains("Version 5.7f"));
    EXPECT_TRUE(text.contains("Comic Neue (for Comic Sans MS) — fonts-comic-neue, SIL-OFL-1.1"));
    EXPECT_TRUE(text.contains("Unifont (for FixedSys) — fonts-unifont: not installed"));
    EXPECT_TRUE(text.contains("QorCards06A: a deck — svg-cards, LGPL-2.1"));
    test::SaveRender(window.grab().toImage(), "about-window");

    AboutWindow russian(facts, 1, nullptr);
    EXPECT_TRUE(russian.text().toPlainText().contains("Папка данных:\n/tmp/x/Tavik2/"));
}

TEST(AboutWindow, TheInstalledFontPackagesCarryTheirLicences) {
    // scripts/setup installs every font package; DejaVu comes with Qt anyway.
    int installed = 0;
    for (const periphery::LicenceRecord& r : FontLicences()) {
        if (!r.installed) continue;
        ++installed;
        EXPECT_FALSE(r.licence.empty() && r.copyright.empty()) << r.package;
    }
    EXPECT_GE(installed, 1);
}

}  // namespace
}  // namespace tavik::ui
