#pragma once
// The palette of an animated GIF: at most 255 colours for the opaque pixels of every
// frame (index 0 stays the transparent one), exact when the frames hold no more
// colours than that, else chosen by median cut. Plain C++, no Qt.

#include <cstdint>
#include <vector>

namespace tavik::periphery {

// One colour of the palette.
struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

// A frame of RGBA pixels (4 bytes each, red first), rows `stride` bytes apart.
struct RgbaView {
    const std::uint8_t* data = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;
    const std::uint8_t* pixel(int x, int y) const {
        return data + static_cast<std::ptrdiff_t>(y) * stride + static_cast<std::ptrdiff_t>(x) * 4;
    }
};

inline constexpr int kGifMaxColours = 255;  // index 0 is the transparent one

// A pixel less than half opaque becomes the transparent index.
inline bool GifOpaque(const std::uint8_t* rgba) {
    return rgba[3] >= 128;
}

// Maps the opaque colours of the frames to palette indices 1..255.
class GifPalette {
  public:
    // The palette of every opaque pixel of the frames: each distinct colour exactly
    // while there are at most 255 of them (flat table colours stay flat, no dithering
    // anywhere), otherwise a median cut of the colours weighted by their counts.
    explicit GifPalette(const std::vector<RgbaView>& frames);

    const std::vector<Rgb>& colours() const { return colours_; }
    // The index 1..255 of the colour (exact colours map to themselves, the others to their
    // median-cut box's colour).
    int indexOf(const std::uint8_t* rgba);

  private:
    int nearest(const std::uint8_t* rgba) const;

    std::vector<Rgb> colours_;
    bool exact_ = false;
    // exact: the sorted 24-bit colours; else the index of each 18-bit cell (its median-cut
    // box), -1 for cells the frames do not hold until one is asked for.
    std::vector<std::uint32_t> exactColours_;
    std::vector<std::int16_t> cellIndex_;
};

}  // namespace tavik::periphery
