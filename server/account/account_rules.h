#pragma once
// What the account service accepts. The client judges the account fields before it
// sends them; the service checks them again, since anything can post to it, and
// because every value must fit the reply format: records are split at blanks (and at
// '~' in profiles) and end at '$' or '*'. All texts are UTF-8; lengths count characters.

#include <optional>
#include <string>

namespace tavik::server {

enum class AccountField { Nick, City, Password, EMail };

// The account field rules of the account window (online/account): the allowed characters (Latin
// letters, digits, ! ( ) , - . @ _ and, for the city only, the Cyrillic letters А-Я,
// а-я, Ё, ё), at least two characters, at most 12 (nick, password: at least 4), 15
// (city) or 30 (e-mail), and an e-mail with '@' neither first nor last.
bool IsValidAccountField(const std::string& text, AccountField kind);

// A country code "C-NNN", continent 1 to 6.
bool IsValidCountryCode(const std::string& text);

// A short text that travels as one blank-separated token: at most `maxLength`
// characters, none of blank, '$', '*', '~' or a control character.
bool IsToken(const std::string& text, std::size_t maxLength);

// A profile field as stored: '$', '~', '*' and line ends (which would break the reply)
// become blanks, and the text is cut to 200 characters.
std::string CleanProfileField(const std::string& text);

// A whole number as the client writes it (decimal, optional leading '-', 32 bits).
std::optional<int> ParseWholeNumber(const std::string& text);
// A real as the client writes it (a point, or a comma, as decimal separator); finite.
std::optional<double> ParseRealNumber(const std::string& text);

}  // namespace tavik::server
