#pragma once
// The program's own pictures that the windows show by name: still pictures and
// animated GIFs. A picture that is not among the program's resources gives nothing,
// and the window shows what it has without it.

#include <QImage>
#include <QMovie>
#include <QString>
#include <memory>
#include <string>

namespace tavik::ui {

// The resource file of a picture ("GMedal", "GKonGood"), or an empty string.
QString ProgramArtFile(const std::string& name);
// The picture, or a null image.
QImage ProgramArtImage(const std::string& name);
// The animation, or null.
std::unique_ptr<QMovie> ProgramArtMovie(const std::string& name);
// Shows frame `frame` of the movie (the last one when it has fewer), without playing.
void ShowStillFrame(QMovie& movie, int frame);

}  // namespace tavik::ui
