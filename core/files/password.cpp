#include "core/files/password.h"

namespace tavik::files {
namespace {

constexpr int kShift = 234;

}  // namespace

Result<std::string> ScramblePassword(std::string_view password1251) {
    if (password1251.size() > kPasswordLength)
        return FileError{"the password is longer than 5 characters"};
    std::string padded(password1251);
    padded.resize(kPasswordLength, ' ');
    std::string field;
    for (char c : padded) field += std::to_string(static_cast<unsigned char>(c) + kShift);
    return field;
}

Result<std::string> UnscramblePassword(std::string_view field) {
    const FileError notField{"the password field is not 15 digits"};
    if (field.size() != kPasswordFieldWidth) return notField;
    std::string password;
    for (std::size_t i = 0; i < kPasswordFieldWidth; i += 3) {
        int value = 0;
        for (std::size_t j = i; j < i + 3; ++j) {
            if (field[j] < '0' || field[j] > '9') return notField;
            value = value * 10 + (field[j] - '0');
        }
        value -= kShift;
        if (value < 0 || value > 255) return notField;
        password += static_cast<char>(value);
    }
    return password;
}

bool PasswordMatches(std::string_view typed1251, std::string_view field) {
    const auto stored = UnscramblePassword(field);
    const auto typed = ScramblePassword(typed1251);
    return stored && typed && UnscramblePassword(*typed).value() == stored.value();
}

}  // namespace tavik::files
