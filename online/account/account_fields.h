#pragma once
// The rules a nick, password, city and e-mail of a club account, and the name and city
// of the passport, must meet; and the rating as the account windows show it. A value
// is judged 1 (wrong, red lamp), 2 (acceptable, yellow lamp) or 3 (good, green lamp).
// Texts are UTF-8; lengths count characters.

#include <string>
#include <string_view>

namespace tavik::online {

enum class AccountField { Nick = 1, City = 2, Password = 3, EMail = 4 };
enum class PassportField { Name = 1, City = 2 };

inline constexpr int kFieldWrong = 1;
inline constexpr int kFieldAcceptable = 2;
inline constexpr int kFieldGood = 3;

// The longest text each edit takes.
inline constexpr int kNickMax = 12;
inline constexpr int kPasswordMin = 4;
inline constexpr int kPasswordMax = 12;
inline constexpr int kCityMax = 15;
inline constexpr int kEMailMax = 30;
inline constexpr int kPassportNameMax = 12;
inline constexpr int kPassportCityMax = 15;

// True for the characters the edits accept: Latin letters, digits, ! ( ) , - . @ _ and
// the Cyrillic letters А..я, Ё, ё. A code point, so the edits can test each typed one.
bool IsFieldCharacter(char32_t c);
bool IsCyrillicLetter(char32_t c);

int CheckAccountField(std::string_view text, AccountField kind);
int CheckPassportField(std::string_view text, PassportField kind);

// The rating with a decimal comma and exactly three decimals (halves to even at the
// third decimal): 12.5 gives "12,500", 3.14159 "3,142".
std::string FormatRating(double rating);

// The text cut to at most `count` characters.
std::string FirstCharacters(std::string_view text, int count);

}  // namespace tavik::online
