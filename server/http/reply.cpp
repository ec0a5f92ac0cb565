#include "server/http/reply.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "core/files/codec.h"

namespace tavik::server {

Reply LineReply(std::string_view utf8) {
    Reply reply;
    reply.body = files::cp1251Line(utf8) + "\r\n";
    return reply;
}

Reply BadRequest(std::string_view reason) {
    Reply reply = LineReply(std::string("fail: ") + std::string(reason));
    reply.status = 400;
    return reply;
}

Reply ServiceFailure(std::string_view reason) {
    Reply reply = LineReply(std::string("fail: ") + std::string(reason));
    reply.status = 500;
    return reply;
}

std::string FormatReal(double value) {
    if (!std::isfinite(value) || std::fabs(value) < 0.00001) return "0";
    char text[64];
    for (int digits = 1; digits <= 15; ++digits) {
        std::snprintf(text, sizeof text, "%.*g", digits, value);
        if (std::strtod(text, nullptr) == value) break;
    }
    std::string out = text;
    if (out.find('e') != std::string::npos) {
        // Fixed notation of the same value, trailing zeros trimmed.
        std::snprintf(text, sizeof text, "%.6f", value);
        out = text;
        while (!out.empty() && out.back() == '0') out.pop_back();
        if (!out.empty() && out.back() == '.') out.pop_back();
    }
    return out;
}

}  // namespace tavik::server
