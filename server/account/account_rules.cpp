#include "server/account/account_rules.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>
#include <vector>

#include "server/http/utf8.h"

namespace tavik::server {
namespace {

bool isLatinOrSign(std::uint32_t c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
           std::string_view("!(),-.@_").find(static_cast<char>(c)) != std::string_view::npos;
}

bool isCyrillic(std::uint32_t c) {
    return (c >= 0x410 && c <= 0x44F) || c == 0x401 || c == 0x451;
}

}  // namespace

bool IsValidAccountField(const std::string& text, AccountField kind) {
    const auto chars = CodePoints(text);
    std::size_t minLength = 2, maxLength = 12;
    if (kind == AccountField::Password) minLength = 4;
    if (kind == AccountField::City) maxLength = 15;
    if (kind == AccountField::EMail) maxLength = 30;
    if (chars.size() < minLength || chars.size() > maxLength) return false;
    for (std::uint32_t c : chars) {
        if (c < 0x80 && isLatinOrSign(c)) continue;
        if (kind == AccountField::City && isCyrillic(c)) continue;
        return false;
    }
    if (kind == AccountField::EMail) {
        const std::size_t at = text.find('@');
        if (at == std::string::npos || at == 0 || at + 1 == text.size()) return false;
    }
    return true;
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
