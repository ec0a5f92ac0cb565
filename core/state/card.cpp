#include "core/state/card.h"

#include <array>

namespace tavik {
namespace {

// Index 0 unused so that rank value and suit index can be used directly.
constexpr std::array<char, 10> kRank1251 = {0,   '6',    '7',    '8',    '9',
                                            '1', '\xC2', '\xC4', '\xCA', '\xD2'};
constexpr std::array<char, 5> kSuit1251 = {0, '\xF7', '\xE1', '\xEA', '\xEF'};
constexpr std::array<std::string_view, 10> kRankUtf8 = {"",  "6", "7", "8", "9",
                                                        "1", "В", "Д", "К", "Т"};
constexpr std::array<std::string_view, 5> kSuitUtf8 = {"", "ч", "б", "к", "п"};

}  // namespace

char rankChar1251(std::uint8_t v) {
    return v >= 1 && v <= 9 ? kRank1251[v] : '#';
}
char suitChar1251(Suit s) {
    return s >= 1 && s <= 4 ? kSuit1251[s] : '#';
}
std::string_view rankUtf8(std::uint8_t v) {
    return v >= 1 && v <= 9 ? kRankUtf8[v] : "#";
}
std::string_view suitUtf8(Suit s) {
    return s >= 1 && s <= 4 ? kSuitUtf8[s] : "#";
}

Suit suitFromUtf8(std::string_view text) {
    for (Suit s = 1; s <= 4; ++s)
        if (kSuitUtf8[s] == text) return s;
    return 0;
}

std::uint8_t rankFromUtf8(std::string_view text) {
    for (std::uint8_t v = 1; v <= 9; ++v)
        if (kRankUtf8[v] == text) return v;
    return 0;
}

std::optional<Card> Card::fromCode1251(std::string_view code) {
    if (code == "##") return Card();
    if (code.size() != 2) return std::nullopt;
    std::uint8_t value = 0;
    Suit suit = 0;
    for (std::uint8_t v = 1; v <= 9; ++v)
        if (kRank1251[v] == code[0]) value = v;
    for (Suit s = 1; s <= 4; ++s)
        if (kSuit1251[s] == code[1]) suit = s;
    if (value == 0 || suit == 0) return std::nullopt;
    return Card(value, suit);
}

std::optional<Card> Card::fromUtf8(std::string_view code) {
    if (code == "##") return Card();
    // The rank is one ASCII digit or a two-byte Cyrillic letter; the suit is always two bytes.
    const std::size_t rankLen = !code.empty() && static_cast<unsigned char>(code[0]) < 0x80 ? 1 : 2;
    if (code.size() != rankLen + 2) return std::nullopt;
    const std::uint8_t value = rankFromUtf8(code.substr(0, rankLen));
    const Suit suit = suitFromUtf8(code.substr(rankLen));
    if (value == 0 || suit == 0) return std::nullopt;
    return Card(value, suit);
}

std::string Card::code1251() const {
    if (empty()) return "##";
    return std::string{kRank1251[value_], kSuit1251[suit_]};
}

std::string Card::utf8() const {
    if (empty()) return "##";
    std::string s(kRankUtf8[value_]);
    s += kSuitUtf8[suit_];
    return s;
}

}  // namespace tavik
