#include "online/protocol/reply_parsers.h"

#include <charconv>
#include <cmath>

#include "online/protocol/web_client.h"

namespace tavik::online {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Index of the first '$' at or after `from` that is not the reply's final character.
std::size_t NextRecordStart(std::string_view reply, std::size_t from) {
    for (std::size_t i = from; i + 1 < reply.size(); ++i)
        if (reply[i] == '$') return i;
    return std::string_view::npos;
}

// The tokens of the record that starts at the '$' at `start`.
std::vector<std::string> RecordAt(std::string_view reply, std::size_t start, char end, char sep) {
    std::size_t stop = reply.find(end, start + 1);
    if (stop == std::string_view::npos) stop = reply.size() - 1;  // never the final character
    std::vector<std::string> tokens;
    std::string token;
    for (std::size_t i = start + 1; i < stop; ++i) {
        if (reply[i] == sep) {
            tokens.push_back(std::move(token));
            token.clear();
        } else {
            token += reply[i];
        }
    }
    if (!token.empty()) tokens.push_back(std::move(token));
    return tokens;
}

}  // namespace

bool HasMark(std::string_view reply, std::string_view mark) {
    // Only the text outside records counts: a record runs from a '$' to the next '*' or
    // line end, and may hold any nick, city or profile text.
    bool inRecord = false;
    std::string outside;
    for (const char c : reply) {
        if (c == '$') inRecord = true;
        if (!inRecord) outside += c;
        if (c == '*' || c == '\r' || c == '\n') {
            inRecord = false;
            outside += '\n';  // a mark never spans the end of a record
        }
    }
    return !mark.empty() && outside.find(mark) != std::string::npos;
}

std::optional<long long> LastNumber(std::string_view reply) {
    if (reply.size() < 2) return std::nullopt;
    std::size_t at = std::string_view::npos;
    for (std::size_t i = reply.size() - 1; i-- > 0;)
        if (reply[i] == '$') {
            at = i;
            break;
        }
    if (at == std::string_view::npos) return std::nullopt;
    std::size_t end = at + 1;
    while (end + 1 < reply.size() && IsDigit(reply[end])) ++end;
    long long value = 0;
    const auto [ptr, ec] = std::from_chars(reply.data() + at + 1, reply.data() + end, value);
    if (ec != std::errc() || ptr == reply.data() + at + 1) return std::nullopt;
    return value;
}

std::vector<std::string> FirstRecord(std::string_view reply, char end, char sep) {
    const std::size_t start = NextRecordStart(reply, 0);
    if (start == std::string_view::npos) return {};
    return RecordAt(reply, start, end, sep);
}

std::vector<std::vector<std::string>> RecordList(std::string_view reply, char end, char sep,
                                                 int limit) {
    std::vector<std::vector<std::string>> records;
    for (std::size_t start = NextRecordStart(reply, 0);
         start != std::string_view::npos && static_cast<int>(records.size()) < limit;
         start = NextRecordStart(reply, start + 1))
        records.push_back(RecordAt(reply, start, end, sep));
    return records;
}

std::string FormatReal(double value) {
    if (!std::isfinite(value) || std::fabs(value) < 0.00001) return "0";
    // to_chars ignores the locale, so the separator is always '.'.
    char buffer[64];
    const auto [ptr, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text(buffer, ec == std::errc() ? ptr : buffer);
    for (char& c : text)
        if (c == ',') c = '.';
    return text;
}

double ParseReal(std::string_view text) {
    std::string s(text);
    for (char& c : s)
        if (!IsDigit(c) && c != ' ' && c != '-') {
            c = '.';  // the one decimal separator, whatever it was written as
            break;
        }
    const std::size_t first = s.find_first_not_of(' ');
    if (first == std::string::npos) return 0;
    const std::size_t last = s.find_last_not_of(' ');
    const char* begin = s.data() + first;
    const char* end = s.data() + last + 1;
    double value = 0;
    const auto [ptr, ec] = std::from_chars(begin, end, value, std::chars_format::fixed);
    if (ec != std::errc() || ptr != end) throw RequestError("not a real number: " + s);
    return value;
}

int ParseInt(std::string_view text) {
    int value = 0;
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    if (begin != end && *begin == '+') ++begin;
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    if (text.empty() || ec != std::errc() || ptr != end)
        throw RequestError("not a whole number: " + std::string(text));
    return value;
}

}  // namespace tavik::online
