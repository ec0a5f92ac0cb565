#include "server/account/account_rules.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>
#include <vector>

#include "online/account/account_fields.h"
#include "server/http/utf8.h"

namespace tavik::server {

bool IsValidAccountField(const std::string& text, AccountField kind) {
    // The rules the account window applies: anything its edits would not judge wrong.
    const online::AccountField windowKind =
        kind == AccountField::Nick       ? online::AccountField::Nick
        : kind == AccountField::City     ? online::AccountField::City
        : kind == AccountField::Password ? online::AccountField::Password
                                         : online::AccountField::EMail;
    return online::CheckAccountField(text, windowKind) != online::kFieldWrong;
}

bool IsValidCountryCode(const std::string& text) {
    return text.size() == 5 && text[0] >= '1' && text[0] <= '6' && text[1] == '-' &&
           std::isdigit(static_cast<unsigned char>(text[2])) &&
           std::isdigit(static_cast<unsigned char>(text[3])) &&
           std::isdigit(static_cast<unsigned char>(text[4]));
}

bool IsToken(const std::string& text, std::size_t maxLength) {
    const auto chars = CodePoints(text);
    if (chars.size() > maxLength) return false;
    for (std::uint32_t c : chars) {
        if (c < 0x20 || c == 0x7F || c == ' ' || c == '$' || c == '*' || c == '~') return false;
    }
    return true;
}

std::string CleanProfileField(const std::string& text) {
    std::string out;
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size() && count < 200; ++count) {
        const auto b = static_cast<unsigned char>(text[i]);
        const std::size_t length = std::max<std::size_t>(1, Utf8Length(b));
        if (b == '$' || b == '~' || b == '*' || b == '\r' || b == '\n') {
            out += ' ';
        } else {
            out.append(text, i, length);
        }
        i += length;
    }
    return out;
}

std::optional<int> ParseWholeNumber(const std::string& text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<double> ParseRealNumber(const std::string& text) {
    std::string point = text;
    for (char& c : point) {
        if (c == ',') c = '.';
    }
    double value = 0;
    const auto [end, ec] =
        std::from_chars(point.data(), point.data() + point.size(), value, std::chars_format::fixed);
    if (point.empty() || ec != std::errc() || end != point.data() + point.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace tavik::server
