#pragma once
// Animated GIF pictures through giflib, from plain RGBA frames: the built-in art's
// animations and the games saved as GIF. Plain C++, no Qt.

#include <string>
#include <vector>

#include "core/files/file_result.h"
#include "periphery/gif_palette.h"

namespace tavik::periphery {

// The bytes of a GIF that loops for ever and shows each frame (all of one size) for
// delayMs, rounded to hundredths of a second (at least one). All frames share one
// palette (GifPalette); a pixel less than half opaque is transparent, the others keep
// their colour at full opacity; each frame replaces the previous one whole. An error
// for no frames, frames of different sizes or a failure of giflib.
files::Result<std::string> EncodeAnimatedGif(const std::vector<RgbaView>& frames, int delayMs);

// EncodeAnimatedGif written to `path` atomically (a temporary file renamed over it).
files::Status WriteAnimatedGif(const std::string& path, const std::vector<RgbaView>& frames,
                               int delayMs);

}  // namespace tavik::periphery
