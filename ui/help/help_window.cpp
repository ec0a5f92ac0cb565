#include "ui/help/help_window.h"

#include <QVBoxLayout>

#include "config/words/word_keys.h"
#include "ui/dialogs/dialog_words.h"

namespace tavik::ui {

HelpWindow::HelpWindow(help::HelpPage page, int language, QWidget* parent)
    : QDialog(parent), browser_(new QTextBrowser(this)) {
    setWindowTitle(
        WordText(words::key::Title, language) + QStringLiteral(" - ") +
        WordText(page == help::HelpPage::Rules ? words::key::HelpRules : words::key::HelpBook,
                 language));
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(false);
    browser_->setSource(help::helpPageUrl(page, language));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    layout->addLayout(OkButtonRow(*this, language));
    resize(680, 600);
}

}  // namespace tavik::ui
