#pragma once
// The program's own pictures by resource name (the built-in art of tavik_art): the one
// lookup every window uses, and the one store of pictures made once and kept.
//
// A name the program does not carry gives an empty path, a null picture or no
// animation; the window then draws nothing in its place.

#include <QImage>
#include <QMovie>
#include <QString>
#include <functional>
#include <memory>

namespace tavik::ui {

// The resource path of a picture of the program (PNG, JPEG or animated GIF); empty
// when the program has none.
QString ProgramPicturePath(const QString& name);

// The picture as read (the first frame of an animation); null when the program has
// none. Read once and kept.
QImage ProgramPicture(const QString& name);

// The animation, not started; null when the program has none or cannot play it.
std::unique_ptr<QMovie> ProgramAnimation(const QString& name);

// Shows frame `frame` of the movie (the last one when it has fewer), without playing.
void ShowStillFrame(QMovie& movie, int frame);

// A picture made once by `make` and kept under `key`: the store behind ProgramPicture,
// shared by the pictures made from program or card pictures (recoloured button pieces,
// cards resized to the cell). The least recently used pictures are dropped when the
// store is full; `make` must give the same picture for the same key every time.
QImage CachedPicture(const QString& key, const std::function<QImage()>& make);

}  // namespace tavik::ui
