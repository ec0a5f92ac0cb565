#pragma once
// Fixed-column text fields of the game's files: padding, right alignment, numbers
// that must fit their column, the decimal comma, and the three byte sums that
// protect the player lists and the history files.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavik::files {

// The text padded with blanks on the right to `width` and cut to `width`.
std::string padRight(std::string_view text, std::size_t width);
// The text right-aligned with blanks in `width`; a longer text is returned whole.
std::string alignRight(std::string_view text, std::size_t width);
// The number clamped to what `width` characters can show (a "-" takes one of them).
long long clampToWidth(long long value, std::size_t width);
// The number, clamped to its column, right-aligned with blanks in `width`.
std::string numberField(long long value, std::size_t width);

// Reads a decimal whole number: blanks around it, an optional sign, at least one
// digit, nothing else. nullopt otherwise or when it does not fit in 64 bits.
std::optional<long long> parseNumber(std::string_view field);
// Reads a real number written with a decimal comma (a point is accepted too),
// surrounded by blanks. nullopt for anything else.
std::optional<double> parseReal(std::string_view field);
// The value rounded to the nearest integer, halves to the even neighbour, as the
// game rounds everywhere.
double roundHalfEven(double value);
// The value with six decimals and a decimal comma ("-1,500000"); never "-0,000000".
std::string sixDecimals(double value);
// The value rounded to `decimals` places (halves to even) with a decimal comma; a value
// that rounds to zero shows without a sign.
std::string commaDecimals(double value, int decimals);
// The value with two decimals and a decimal comma, built from the nearest integer
// of value x 100 ("0,05", "-0,50", "12,34"), right-aligned with blanks in `width`.
std::string twoDecimals(double value, std::size_t width);

// The three sums over the bytes: all of them, those at even 1-based positions, and
// those at positions divisible by 3.
struct ByteSums {
    long long all = 0, even = 0, third = 0;
    ByteSums& operator+=(const ByteSums& o);
    bool operator==(const ByteSums&) const = default;
};
ByteSums byteSums(std::string_view bytes);
// The number written with exactly `digits` digits and leading zeros.
std::string zeroPadded(long long value, std::size_t digits);

// Windows-1251 bytes as UTF-8 for showing; a byte the code page lacks becomes U+FFFD.
std::string cp1251ToUtf8Lossy(std::string_view bytes);
// The text without blanks at either end.
std::string trimBlanks(std::string_view text);

}  // namespace tavik::files
