#pragma once
// The program's own pictures of the main screen by resource name, whatever their kind
// (PNG, animated GIF, JPEG). A picture the program does not carry comes back empty or
// null, and the screen then draws nothing in its place.

#include <QImage>
#include <QString>

namespace tavik::ui {

// The resource path of a picture of the program; empty when there is none.
QString ProgramPicturePath(const QString& name);
// The picture (the first frame of an animation); null when the program has none.
// Pictures are read once and kept.
QImage ProgramPicture(const QString& name);

}  // namespace tavik::ui
