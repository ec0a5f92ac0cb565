#include "online/account/account_fields.h"

#include <vector>

#include "core/files/columns.h"

namespace tavik::online {
namespace {

// The code points of UTF-8 text; an invalid byte gives U+FFFD, which no rule allows.
std::vector<char32_t> codePoints(std::string_view text) {
    std::vector<char32_t> out;
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        int extra = b < 0x80 ? 0 : (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : (b >> 3) == 30 ? 3 : -1;
        if (extra < 0 ||
            i + static_cast<std::size_t>(extra) >= text.size() + (extra == 0 ? 1 : 0)) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        char32_t c = extra == 0 ? b : (b & (0x3F >> extra));
        bool good = true;
        for (int k = 1; k <= extra; ++k) {
            const auto n = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            if ((n & 0xC0) != 0x80) good = false;
            c = (c << 6) | (n & 0x3F);
        }
        out.push_back(good ? c : 0xFFFD);
        i += good ? static_cast<std::size_t>(extra) + 1 : 1;
    }
    return out;
}

struct Limits {
    std::size_t min, max;
};

// Steps 1 and 2 of both rule sets: empty, one character or a broken length is wrong;
// otherwise good, acceptable with a Cyrillic letter, wrong with any other character.
int judge(std::string_view text, Limits limits) {
    const std::vector<char32_t> chars = codePoints(text);
    if (chars.size() <= 1 || chars.size() < limits.min || chars.size() > limits.max)
        return kFieldWrong;
    int result = kFieldGood;
    for (char32_t c : chars) {
        if (!IsFieldCharacter(c)) return kFieldWrong;
        if (IsCyrillicLetter(c)) result = kFieldAcceptable;
    }
    return result;
}

}  // namespace

bool IsCyrillicLetter(char32_t c) {
    return (c >= U'А' && c <= U'я') || c == U'Ё' || c == U'ё';
}

bool IsFieldCharacter(char32_t c) {
    if ((c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z') || (c >= U'0' && c <= U'9'))
        return true;
    switch (c) {
        case U'!':
        case U'(':
        case U')':
        case U',':
        case U'-':
        case U'.':
        case U'@':
        case U'_':
            return true;
        default:
            return IsCyrillicLetter(c);
    }
}

int CheckAccountField(std::string_view text, AccountField kind) {
    Limits limits{0, kNickMax};
    if (kind == AccountField::City) limits.max = kCityMax;
    if (kind == AccountField::Password) limits = {kPasswordMin, kPasswordMax};
    if (kind == AccountField::EMail) limits.max = kEMailMax;
    int result = judge(text, limits);
    // Only the city may hold Cyrillic letters.
    if (result == kFieldAcceptable && kind != AccountField::City) result = kFieldWrong;
    if (result == kFieldGood && kind == AccountField::EMail) {
        const std::size_t at = text.find('@');
        if (at == std::string_view::npos || at == 0 || at + 1 == text.size()) result = kFieldWrong;
    }
    return result;
}

int CheckPassportField(std::string_view text, PassportField kind) {
    return judge(text, {0, kind == PassportField::Name ? std::size_t{kPassportNameMax}
                                                       : std::size_t{kPassportCityMax}});
}

std::string FormatRating(double rating) {
    return files::commaDecimals(rating, 3);
}

std::string FirstCharacters(std::string_view text, int count) {
    std::size_t i = 0;
    for (int n = 0; n < count && i < text.size(); ++n) {
        ++i;
        while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) ++i;
    }
    return std::string(text.substr(0, i));
}

}  // namespace tavik::online
