#include "resources/art_common/button_gradients.h"

#include <array>
#include <cstddef>

namespace tavik::art {
namespace {

constexpr Rgb pink(int r, int g) {
    return {static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
            static_cast<std::uint8_t>(g)};
}
constexpr Rgb red(int r) {
    return {static_cast<std::uint8_t>(r), 0, 0};
}

constexpr std::array<Rgb, 29> kRows30 = {
    red(128),       red(17),        pink(135, 91),  pink(232, 173), pink(223, 163), pink(215, 153),
    pink(207, 145), pink(200, 136), pink(194, 127), pink(188, 117), pink(184, 108), pink(180, 99),
    pink(178, 89),  pink(176, 80),  pink(152, 36),  red(136),       red(144),       red(153),
    red(161),       red(170),       red(178),       red(187),       red(195),       red(204),
    red(212),       red(221),       red(229),       red(238),       red(128),
};

constexpr std::array<Rgb, 44> kRows45 = {
    red(128),       red(11),        pink(132, 93),  pink(239, 180), pink(233, 175), pink(227, 169),
    pink(221, 162), pink(215, 156), pink(210, 150), pink(206, 144), pink(201, 139), pink(196, 133),
    pink(193, 127), pink(189, 121), pink(186, 115), pink(183, 109), pink(181, 103), pink(178, 97),
    pink(178, 91),  pink(176, 85),  pink(176, 79),  pink(175, 74),  pink(153, 34),  red(136),
    red(141),       red(147),       red(153),       red(158),       red(164),       red(170),
    red(175),       red(181),       red(187),       red(192),       red(198),       red(204),
    red(209),       red(215),       red(221),       red(227),       red(232),       red(238),
    red(244),       red(128),
};

constexpr std::array<Rgb, 59> kRows60 = {
    red(128),       red(9),         pink(131, 94),  pink(243, 183), pink(237, 178), pink(232, 174),
    pink(228, 169), pink(224, 165), pink(219, 159), pink(214, 156), pink(210, 151), pink(206, 147),
    pink(202, 142), pink(199, 138), pink(196, 134), pink(193, 129), pink(190, 125), pink(189, 120),
    pink(185, 116), pink(183, 111), pink(181, 107), pink(180, 102), pink(177, 97),  pink(176, 93),
    pink(175, 89),  pink(174, 84),  pink(173, 80),  pink(172, 75),  pink(172, 71),  pink(150, 33),
    red(132),       red(136),       red(140),       red(144),       red(148),       red(153),
    red(157),       red(161),       red(165),       red(170),       red(174),       red(178),
    red(182),       red(187),       red(191),       red(195),       red(200),       red(204),
    red(208),       red(212),       red(217),       red(221),       red(225),       red(229),
    red(234),       red(238),       red(242),       red(246),       red(128),
};

// A short initialiser list would leave zero rows at the end; every table ends
// with the dark bottom line.
static_assert(kRows30.back().r == 128 && kRows45.back().r == 128 && kRows60.back().r == 128);

}  // namespace

std::span<const Rgb> buttonGradient(int height) {
    switch (height) {
        case 30:
            return kRows30;
        case 45:
            return kRows45;
        case 60:
            return kRows60;
        default:
            return {};
    }
}

}  // namespace tavik::art
