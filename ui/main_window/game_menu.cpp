#include "ui/main_window/game_menu.h"

#include <QIcon>
#include <QPixmap>

#include "config/words/word_keys.h"
#include "config/words/word_table.h"
#include "ui/pictures/program_pictures.h"

namespace tavik::ui {
namespace {

// The item's small icon, when the program carries it.
QIcon itemIcon(const char* name) {
    const QImage picture = ProgramPicture(QLatin1String(name));
    return picture.isNull() ? QIcon() : QIcon(QPixmap::fromImage(picture));
}

}  // namespace

GameMenu::GameMenu(QWidget* parent) : QMenu(parent) {
    auto item = [&](const char* icon) { return addAction(itemIcon(icon), QString()); };
    GenCount = item("MenuGenCount");
    Quit = item("MenuQuit");
    ChangeName = item("MenuChangeName");
    MSpeed = item("MenuSpeed");
    addSeparator();
    Help = item("MenuHelp");
    Book = item("MenuBook");
    About = item("MenuAbout");
    addSeparator();
    MRadio = item("MenuRadio");
    MChat = item("MenuChat");
    setMatchItems(false, false, false);
    ApplyLanguage(0);
}

void GameMenu::ApplyLanguage(int language) {
    auto text = [language](words::WordKey key) {
        return QString::fromUtf8(words::word(key, language));
    };
    GenCount->setText(text(words::key::MenuGeneralScore));
    Quit->setText(text(words::key::MenuExitToMenu));
    ChangeName->setText(text(words::key::MenuChangeName));
    MSpeed->setText(text(words::key::MenuSpeed));
    Help->setText(text(words::key::MenuHelp));
    Book->setText(text(words::key::MenuBook));
    About->setText(text(words::key::MenuAbout));
    MRadio->setText(text(words::key::MenuRadio));
    MChat->setText(text(words::key::MenuChat));
}

void GameMenu::setMatchItems(bool quit, bool genCount, bool changeName) {
    Quit->setEnabled(quit);
    GenCount->setEnabled(genCount);
    ChangeName->setEnabled(changeName);
}

}  // namespace tavik::ui
