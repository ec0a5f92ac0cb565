#pragma once
// The password field of the player lists: five Windows-1251 characters, each
// written as the three decimal digits of its byte value plus 234.

#include <string>
#include <string_view>

#include "core/files/file_result.h"

namespace tavik::files {

inline constexpr std::size_t kPasswordLength = 5;
inline constexpr std::size_t kPasswordFieldWidth = 15;

// The 15-digit field of a password of at most five Windows-1251 bytes, padded with
// blanks to five first (an empty password gives five blanks, "266266266266266").
// An error for a longer password.
Result<std::string> ScramblePassword(std::string_view password1251);
// The five bytes of a stored field; an error unless it is 15 digits whose groups of
// three stand for byte values.
Result<std::string> UnscramblePassword(std::string_view field);
// True when the typed password (Windows-1251 bytes), padded with blanks to five,
// equals the password stored in the field.
bool PasswordMatches(std::string_view typed1251, std::string_view field);

}  // namespace tavik::files
