#pragma once
// Writes a list of frames as an animated GIF through giflib.

#include <QImage>
#include <QList>
#include <QString>

namespace tavik::art {

// Writes frames (all of one size) to file as a GIF that loops for ever, each
// frame shown for delayMs (rounded to hundredths of a second). All frames share
// one palette of up to 255 colours, chosen by median cut over every frame; a
// pixel less than half opaque becomes the transparent index, the others keep
// their colour at full opacity. Each frame replaces the previous one whole.
// Returns an empty string on success, else what went wrong.
QString writeAnimatedGif(const QString& file, const QList<QImage>& frames, int delayMs);

}  // namespace tavik::art
