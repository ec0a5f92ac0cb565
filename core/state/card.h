#pragma once
// A playing card of the 36-card deck, and its two-character code.
//
// A card is written as a rank character followed by a suit character. At every
// boundary (files, LAN messages, resource names) these are single Windows-1251
// bytes; on the command line and in logs they are the same two characters in
// UTF-8 ("1ч" is the ten of hearts, "Тп" the ace of spades). An empty slot is
// "##" with rank value 99.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavik {

// Suit index 1..4: hearts, diamonds, clubs, spades. 0 only in an empty card.
using Suit = std::uint8_t;
inline constexpr Suit kHearts = 1, kDiamonds = 2, kClubs = 3, kSpades = 4;

// Rank value 1..9: six, seven, eight, nine, ten, jack, queen, king, ace.
inline constexpr std::uint8_t kEmptyValue = 99;

class Card {
  public:
    constexpr Card() = default;  // the empty slot "##"
    constexpr Card(std::uint8_t rankValue, Suit suit) : value_(rankValue), suit_(suit) {}

    // Card number 1..36 of the shuffle: 1 = six of hearts, 2 = six of diamonds, ..., 36 = ace of
    // spades.
    static constexpr Card fromNumber(int n) {
        return Card(static_cast<std::uint8_t>((n - 1) / 4 + 1), static_cast<Suit>((n - 1) % 4 + 1));
    }
    // Parses a two-byte Windows-1251 code; "##" gives the empty card, anything else unknown
    // nullopt.
    static std::optional<Card> fromCode1251(std::string_view code);
    // Parses the same code written in UTF-8.
    static std::optional<Card> fromUtf8(std::string_view code);

    constexpr bool empty() const { return value_ == kEmptyValue; }
    // Rank value 1..9, or 99 for the empty card.
    constexpr std::uint8_t value() const { return value_; }
    // Suit index 1..4, or 0 for the empty card.
    constexpr Suit suit() const { return suit_; }
    // Card number 1..36, or 0 for the empty card.
    constexpr int number() const { return empty() ? 0 : (value_ - 1) * 4 + suit_; }

    std::string code1251() const;  // two bytes, "##" when empty
    std::string utf8() const;      // the code in UTF-8, "##" when empty

    constexpr bool operator==(const Card&) const = default;

  private:
    std::uint8_t value_ = kEmptyValue;
    Suit suit_ = 0;
};

inline constexpr Card kNoCard{};

// The single Windows-1251 byte and the UTF-8 text of a rank value 1..9 and a suit 1..4.
char rankChar1251(std::uint8_t rankValue);
char suitChar1251(Suit suit);
std::string_view rankUtf8(std::uint8_t rankValue);
std::string_view suitUtf8(Suit suit);
// Parses a suit character in UTF-8 ("ч", "б", "к", "п"); 0 when unknown.
Suit suitFromUtf8(std::string_view text);
// Parses a rank character in UTF-8 ("6" ... "Т"); 0 when unknown.
std::uint8_t rankFromUtf8(std::string_view text);

}  // namespace tavik
