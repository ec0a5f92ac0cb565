#pragma once
// Writes a list of frames as an animated GIF (periphery/gif_writer.h does the work).

#include <QImage>
#include <QList>
#include <QString>

namespace tavik::art {

// Writes frames (all of one size) to file as a GIF that loops for ever, each frame
// shown for delayMs; the palette, transparency and rounding are those of
// periphery::EncodeAnimatedGif. Returns an empty string on success, else what went wrong.
QString writeAnimatedGif(const QString& file, const QList<QImage>& frames, int delayMs);

}  // namespace tavik::art
