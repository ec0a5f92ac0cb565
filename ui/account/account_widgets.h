#pragma once
// The pieces the account window and the passport window share: the flags, the sex
// icons and the lamps, the edits that take only the field characters, the continent
// and country lists that build a country code, and the photo check.

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QString>
#include <optional>
#include <string>

#include "config/words/word_keys.h"
#include "ui/button/qor_cards_button.h"

class QPainter;

namespace tavik::ui {

// The flag of a country code: picture NNN of continent C's list "GFlagsC"; an unknown
// code gives the flag of "Unknown".
QImage FlagPicture(const std::string& code);
void DrawFlag(const std::string& code, QPainter& canvas, int x, int y);
// "FaceMan16" for "M", otherwise "FaceWoman16".
void DrawSexIcon(const std::string& sex, QPainter& canvas, int x, int y);
// The lamp of a judgement or state 1, 2, 3: "LampR24", "LampY24", "LampG24".
QImage LampPicture(int level);
// The rating star of an account state: "StarR0", "StarY0", "StarG0".
QImage StarPicture(int state);

// A photo from its JPEG bytes; a null picture when they do not decode.
QImage PhotoPicture(const std::string& jpeg);
// The photo the player chose: its bytes when the file is a JPEG of exactly 200 x 250.
std::optional<std::string> CheckPhotoFile(const QString& path);

// A dialog button whose caption greys while it is disabled, so the player sees which
// steps are open.
TQorCardsButton* AccountButton(words::WordKey key, int language, QWidget* parent);

// An edit that refuses typed characters outside the field set (Backspace passes) and
// takes at most `maxLength` characters.
QLineEdit* FieldEdit(int maxLength, QWidget* parent);

// A continent list and a country list with flags (item height 18): the country code
// C-NNN and the short name of the chosen entry.
class CountryChooser : public QObject {
    Q_OBJECT
  public:
    CountryChooser(int language, QWidget* parent);
    QComboBox* continents() const { return continents_; }
    QComboBox* countries() const { return countries_; }
    // Shows the code's continent and country (an unknown code: Europe, "Unknown").
    void setCode(const std::string& code);
    const std::string& code() const { return code_; }
    std::string shortName() const;

  signals:
    // A choice of the player: a new continent resets the index to 000.
    void changed();

  private:
    void fillCountries(int continent);

    QComboBox *continents_, *countries_;
    std::string code_ = "1-000";
    bool filling_ = false;
};

}  // namespace tavik::ui
