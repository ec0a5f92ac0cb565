#pragma once
// The main window's pop-up menu (a right click on the window): general score, quit to
// the main screen, change the name, flight speed; help, tutorial, about; radio, chat.
// The first three are enabled only while a match is on.

#include <QAction>
#include <QMenu>

namespace tavik::ui {

class GameMenu : public QMenu {
  public:
    explicit GameMenu(QWidget* parent = nullptr);

    // The captions in the language.
    void ApplyLanguage(int language);
    // The main screen disables the items of a match; a match enables those it needs.
    void setMatchItems(bool quit, bool genCount, bool changeName);

    QAction* GenCount;
    QAction* Quit;
    QAction* ChangeName;
    QAction* MSpeed;
    QAction* Help;
    QAction* Book;
    QAction* About;
    QAction* MRadio;
    QAction* MChat;
};

}  // namespace tavik::ui
