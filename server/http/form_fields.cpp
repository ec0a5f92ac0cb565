#include "server/http/form_fields.h"

#include "core/files/codec.h"
#include "server/http/utf8.h"

namespace tavik::server {

Fields SplitFields(std::string_view body) {
    Fields fields;
    std::size_t start = 0;
    while (start <= body.size()) {
        std::size_t end = body.find('&', start);
        if (end == std::string_view::npos) end = body.size();
        const std::string_view entry = body.substr(start, end - start);
        if (!entry.empty()) {
            const std::size_t eq = entry.find('=');
            if (eq == std::string_view::npos) {
                fields.emplace_back(std::string(entry), std::string());
            } else {
                fields.emplace_back(std::string(entry.substr(0, eq)),
                                    std::string(entry.substr(eq + 1)));
            }
        }
        start = end + 1;
    }
    return fields;
}

namespace {

std::optional<std::string> percentDecode(std::string_view text) {
    auto hex = [](char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    };
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '+') {
            out += ' ';
        } else if (text[i] == '%') {
            if (text.size() - i < 3) return std::nullopt;
            const int hi = hex(text[i + 1]), lo = hex(text[i + 2]);
            if (hi < 0 || lo < 0) return std::nullopt;
            out += static_cast<char>(hi * 16 + lo);
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace

std::optional<Fields> DecodeFieldList(std::string_view body) {
    Fields fields = SplitFields(body);
    for (auto& [name, value] : fields) {
        auto n = percentDecode(name);
        auto v = percentDecode(value);
        if (!n || !v || !IsUtf8(*n) || !IsUtf8(*v)) return std::nullopt;
        name = std::move(*n);
        value = std::move(*v);
    }
    return fields;
}

std::optional<std::vector<std::string>> ParseFormBody(std::string_view body,
                                                      const std::vector<std::string>& names) {
    std::vector<std::string> values;
    if (names.empty()) return values;
    const std::string first = names[0] + "=";
    if (body.substr(0, first.size()) != first) return std::nullopt;
    std::size_t valueStart = first.size();
    for (std::size_t i = 0; i < names.size(); ++i) {
        std::size_t valueEnd = body.size();
        std::size_t next = body.size();
        if (i + 1 < names.size()) {
            const std::string marker = "&" + names[i + 1] + "=";
            valueEnd = body.find(marker, valueStart);
            if (valueEnd == std::string_view::npos) return std::nullopt;
            next = valueEnd + marker.size();
        }
        auto utf8 = files::cp1251ToUtf8(body.substr(valueStart, valueEnd - valueStart));
        if (!utf8) return std::nullopt;
        values.push_back(std::move(*utf8));
        valueStart = next;
    }
    return values;
}

std::optional<std::string> FieldValue(const Fields& fields, std::string_view name) {
    for (const auto& [n, v] : fields) {
        if (n == name) return v;
    }
    return std::nullopt;
}

bool HasField(const Fields& fields, std::string_view name) {
    return FieldValue(fields, name).has_value();
}

}  // namespace tavik::server
