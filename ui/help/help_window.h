#pragma once
// The menu's Help and Book: the rules of the game and the guide to good play, pages
// compiled into the program and shown in a browser of their own, in the language of the
// settings (English where a language has no pages). Links between the pages work.

#include <QDialog>
#include <QTextBrowser>

#include "resources/help/help_pages.h"

namespace tavik::ui {

class HelpWindow : public QDialog {
    Q_OBJECT
  public:
    HelpWindow(help::HelpPage page, int language, QWidget* parent = nullptr);

    QTextBrowser& browser() { return *browser_; }

  private:
    QTextBrowser* browser_;
};

}  // namespace tavik::ui
