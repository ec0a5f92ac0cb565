#include "core/files/columns.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "core/files/codec.h"

namespace tavik::files {

std::string padRight(std::string_view text, std::size_t width) {
    std::string out(text.substr(0, width));
    out.resize(width, ' ');
    return out;
}

std::string alignRight(std::string_view text, std::size_t width) {
    if (text.size() >= width) return std::string(text);
    return std::string(width - text.size(), ' ') + std::string(text);
}

long long clampToWidth(long long value, std::size_t width) {
    long long top = 9;
    for (std::size_t i = 1; i < width && top < 100000000000000000LL; ++i) top = top * 10 + 9;
    const long long bottom = width <= 1 ? 0 : -(top / 10);
    return value > top ? top : (value < bottom ? bottom : value);
}

std::string numberField(long long value, std::size_t width) {
    return alignRight(std::to_string(clampToWidth(value, width)), width);
}

std::optional<long long> parseNumber(std::string_view field) {
    const std::string t = trimBlanks(field);
    std::string_view s = t;
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    if (s.empty() || s.front() == '+') return std::nullopt;
    long long value = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return value;
}

std::optional<double> parseReal(std::string_view field) {
    std::string t = trimBlanks(field);
    if (t.empty()) return std::nullopt;
    std::size_t i = (t[0] == '-') ? 1 : 0;
    bool digits = false, separator = false;
    for (; i < t.size(); ++i) {
        if (t[i] >= '0' && t[i] <= '9') {
            digits = true;
        } else if ((t[i] == ',' || t[i] == '.') && !separator) {
            separator = true;
            t[i] = '.';
        } else {
            return std::nullopt;
        }
    }
    if (!digits) return std::nullopt;
    double value = 0;
    auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (ec != std::errc() || end != t.data() + t.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double roundHalfEven(double value) {
    return std::nearbyint(value);
}

std::string commaDecimals(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const double rounded = roundHalfEven(value * scale) / scale;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, rounded == 0.0 ? 0.0 : rounded);
    std::string out = buf;
    for (char& c : out)
        if (c == '.') c = ',';
    return out;
}

std::string sixDecimals(double value) {
    return commaDecimals(value, 6);
}

std::string twoDecimals(double value, std::size_t width) {
    double hundredths = std::isfinite(value) ? roundHalfEven(value * 100.0) : 0.0;
    if (hundredths > 1e15) hundredths = 1e15;
    if (hundredths < -1e15) hundredths = -1e15;
    const auto n = static_cast<long long>(hundredths);
    std::string digits = std::to_string(n < 0 ? -n : n);
    if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
    std::string text = digits.substr(0, digits.size() - 2) + "," + digits.substr(digits.size() - 2);
    if (n < 0) text.insert(0, "-");
    return alignRight(text, width);
}

ByteSums& ByteSums::operator+=(const ByteSums& o) {
    all += o.all;
    even += o.even;
    third += o.third;
    return *this;
}

ByteSums byteSums(std::string_view bytes) {
    ByteSums s;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const long long c = static_cast<unsigned char>(bytes[i]);
        const std::size_t position = i + 1;
        s.all += c;
        if (position % 2 == 0) s.even += c;
        if (position % 3 == 0) s.third += c;
    }
    return s;
}

std::string zeroPadded(long long value, std::size_t digits) {
    std::string text = std::to_string(value < 0 ? 0 : value);
    if (text.size() < digits) text.insert(0, digits - text.size(), '0');
    return text;
}

std::string cp1251ToUtf8Lossy(std::string_view bytes) {
    if (auto whole = cp1251ToUtf8(bytes)) return *whole;
    std::string out;
    for (char c : bytes) {
        auto one = cp1251ToUtf8(std::string_view(&c, 1));
        out += one ? *one : "\xEF\xBF\xBD";
    }
    return out;
}

std::string trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

}  // namespace tavik::files
