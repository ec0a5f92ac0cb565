#include "app/cli/json_writer.h"

#include <cmath>
#include <cstdio>

namespace tavik::cli {

std::string jsonString(std::string_view s) {
    std::string out = "\"";
    for (char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += ch;
        } else if (c < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else {
            out += ch;
        }
    }
    return out + "\"";
}

void JsonObject::key(std::string_view k) {
    if (!body_.empty()) body_ += ',';
    body_ += jsonString(k);
    body_ += ':';
}

JsonObject& JsonObject::add(std::string_view k, std::string_view text) {
    key(k);
    body_ += jsonString(text);
    return *this;
}

JsonObject& JsonObject::add(std::string_view k, long long number) {
    key(k);
    body_ += std::to_string(number);
    return *this;
}

JsonObject& JsonObject::add(std::string_view k, double number) {
    key(k);
    if (!std::isfinite(number)) {
        body_ += "null";
    } else {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.6g", number);
        body_ += buf;
    }
    return *this;
}

JsonObject& JsonObject::add(std::string_view k, bool value) {
    key(k);
    body_ += value ? "true" : "false";
    return *this;
}

JsonObject& JsonObject::addNull(std::string_view k) {
    key(k);
    body_ += "null";
    return *this;
}

JsonObject& JsonObject::addRaw(std::string_view k, std::string_view json) {
    key(k);
    body_ += json;
    return *this;
}

std::string jsonStringArray(const std::vector<std::string>& items) {
    std::string out = "[";
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i) out += ',';
        out += jsonString(items[i]);
    }
    return out + "]";
}

}  // namespace tavik::cli
