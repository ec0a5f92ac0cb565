#pragma once
// The menu's About: the program, its version and release, the data folder, and the
// licences of what it shows but does not make itself: the fonts that stand in for the
// stored font names, and the art of the installed plug-in libraries.

#include <QDialog>
#include <QTextBrowser>
#include <functional>
#include <vector>

#include "periphery/licence_record.h"

namespace tavik::ui {

struct AboutFacts {
    QString dataFolder;                             // the program's folder
    std::vector<periphery::LicenceRecord> fonts;    // FontLicences()
    std::vector<periphery::LicenceRecord> deckArt;  // the plug-in libraries' records
};

// The licence records of the font families the program maps the stored names to
// (FontStandIns), read from their Debian packages under docRoot.
std::vector<periphery::LicenceRecord> FontLicences(const std::string& docRoot = "/usr/share/doc");

// The window's text, in the language.
QString AboutHtml(const AboutFacts& facts, int language);

class AboutWindow : public QDialog {
    Q_OBJECT
  public:
    AboutWindow(const AboutFacts& facts, int language, QWidget* parent = nullptr);

    QTextBrowser& text() { return *text_; }

  private:
    QTextBrowser* text_;
};

}  // namespace tavik::ui
