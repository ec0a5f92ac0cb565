#include "core/files/codec.h"

#include <iconv.h>

#include <cerrno>
#include <optional>

namespace tavik::files {
namespace {

// Converts the whole input with iconv; nullopt on any invalid or unmappable sequence.
std::optional<std::string> convert(const char* to, const char* from, std::string_view in) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string out(in.size() * 4 + 4, '\0');
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    char* dst = out.data();
    std::size_t dstLeft = out.size();
    const std::size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    iconv_close(cd);
    // iconv counts characters it replaced by its own choice ("irreversible"): refuse those too.
    if (r == static_cast<std::size_t>(-1) || r != 0 || srcLeft != 0) return std::nullopt;
    out.resize(out.size() - dstLeft);
    return out;
}

}  // namespace

Result<std::string> cp1251ToUtf8(std::string_view bytes) {
    if (auto text = convert("UTF-8", "CP1251", bytes)) return std::move(*text);
    return FileError{"not Windows-1251 text"};
}

Result<std::string> utf8ToCp1251(std::string_view utf8) {
    if (auto text = convert("CP1251", "UTF-8", utf8)) return std::move(*text);
    return FileError{"not text that Windows-1251 can hold"};
}

std::string cp1251Line(std::string_view utf8) {
    std::string out;
    if (auto whole = utf8ToCp1251(utf8)) {
        out = std::move(*whole);
    } else {
        // Convert one UTF-8 sequence at a time so that only the faulty ones are replaced.
        for (std::size_t i = 0; i < utf8.size();) {
            const auto lead = static_cast<unsigned char>(utf8[i]);
            std::size_t len = 1;
            if (lead >= 0xF0)
                len = 4;
            else if (lead >= 0xE0)
                len = 3;
            else if (lead >= 0xC0)
                len = 2;
            if (i + len > utf8.size()) len = 1;
            for (std::size_t k = 1; k < len; ++k)
                if ((static_cast<unsigned char>(utf8[i + k]) & 0xC0) != 0x80) len = 1;
            const auto one = utf8ToCp1251(utf8.substr(i, len));
            out += one ? *one : "?";
            i += len;
        }
    }
    for (char& c : out)
        if (c == '\r' || c == '\n') c = ' ';
    return out;
}

std::vector<std::string> splitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::string current;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(current);
            current.clear();
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        } else {
            current += c;
        }
    }
    if (!current.empty()) lines.push_back(current);
    return lines;
}

bool hasCrLfLinesOnly(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n')) return false;
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) return false;
    }
    return bytes.empty() || (bytes.size() >= 2 && bytes.substr(bytes.size() - 2) == "\r\n");
}

std::string joinCrLf(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& l : lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}

}  // namespace tavik::files
