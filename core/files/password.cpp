#include "core/files/password.h"

namespace tavik::files {
namespace {

constexpr int kShift = 234;

}  // namespace

std::optional<std::string> ScramblePassword(std::string_view password1251) {
    if (password1251.size() > kPasswordLength) return std::nullopt;
    std::string padded(password1251);
    padded.resize(kPasswordLength, ' ');
    std::string field;
    for (char c : padded) field += std::to_string(static_cast<unsigned char>(c) + kShift);
    return field;
}

std::optional<std::string> UnscramblePassword(std::string_view field) {
    if (field.size() != kPasswordFieldWidth) return std::nullopt;
    std::string password;
    for (std::size_t i = 0; i < kPasswordFieldWidth; i += 3) {
        int value = 0;
        for (std::size_t j = i; j < i + 3; ++j) {
            if (field[j] < '0' || field[j] > '9') return std::nullopt;
            value = value * 10 + (field[j] - '0');
        }
        value -= kShift;
        if (value < 0 || value > 255) return std::nullopt;
        password += static_cast<char>(value);
    }
    return password;
}

bool PasswordMatches(std::string_view typed1251, std::string_view field) {
    const auto stored = UnscramblePassword(field);
    const auto typed = ScramblePassword(typed1251);
    return stored && typed && UnscramblePassword(*typed) == stored;
}

}  // namespace tavik::files
