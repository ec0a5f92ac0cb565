#pragma once
// The pictures of the main screen, the intro, the menu and the result windows,
// with the sizes the presentation expects of them.

#include <QSize>
#include <QString>
#include <vector>

namespace tavik::art::test {

struct ScreenPicture {
    QString name;
    QSize size;
};

std::vector<ScreenPicture> screenPictures();

// The language codes that name the title pictures and mode banners (Japanese and
// Korean show the English ones).
inline const char* const kLanguageCodes[] = {"Eng", "Rus", "Deu", "Fra",
                                             "Spa", "Chi", "Ita", "Cze"};

}  // namespace tavik::art::test
