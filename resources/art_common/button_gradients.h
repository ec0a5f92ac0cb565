#pragma once
// Row colours of the card-style button's middle at its three standard heights,
// before the button's colour transform. The "R" button pieces are drawn from the
// same rows, so a stretched middle slice matches the painted gradient.

#include <cstdint>
#include <span>

namespace tavik::art {

struct Rgb {
    std::uint8_t r, g, b;
};

// The rows, top to bottom, for a button height of 30, 45 or 60 (29, 44 or 59
// rows: the bottom pixel row of a button is not painted); empty for any other
// height.
std::span<const Rgb> buttonGradient(int height);

}  // namespace tavik::art
