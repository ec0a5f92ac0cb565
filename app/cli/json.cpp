#include "app/cli/json.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <vector>

namespace tavik::cli {
namespace {

// The subtype that marks a binary value as a number written out in advance.
constexpr std::uint64_t kRawNumber = 0x4E;

void writeString(std::string& out, const std::string& s) {
    out += '"';
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
    out += '"';
}

void writeValue(std::string& out, const Json& v) {
    switch (v.type()) {
        case Json::value_t::object: {
            out += '{';
            bool first = true;
            for (const auto& [key, member] : v.items()) {
                if (!first) out += ',';
                first = false;
                writeString(out, key);
                out += ':';
                writeValue(out, member);
            }
            out += '}';
            break;
        }
        case Json::value_t::array: {
            out += '[';
            for (std::size_t i = 0; i < v.size(); ++i) {
                if (i) out += ',';
                writeValue(out, v[i]);
            }
            out += ']';
            break;
        }
        case Json::value_t::string:
            writeString(out, v.get_ref<const std::string&>());
            break;
        case Json::value_t::boolean:
            out += v.get<bool>() ? "true" : "false";
            break;
        case Json::value_t::number_integer:
            out += std::to_string(v.get<std::int64_t>());
            break;
        case Json::value_t::number_unsigned:
            out += std::to_string(v.get<std::uint64_t>());
            break;
        case Json::value_t::number_float: {
            const double number = v.get<double>();
            if (!std::isfinite(number)) {
                out += "null";
            } else {
                char buf[32];
                std::snprintf(buf, sizeof buf, "%.6g", number);
                out += buf;
            }
            break;
        }
        case Json::value_t::binary: {
            const Json::binary_t& raw = v.get_binary();
            if (raw.has_subtype() && raw.subtype() == kRawNumber)
                out.append(raw.begin(), raw.end());
            else
                out += "null";
            break;
        }
        case Json::value_t::null:
        case Json::value_t::discarded:
            out += "null";
            break;
    }
}

constexpr std::size_t kMaxDepth = 64;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The length of the well-formed number at `start`.
std::size_t numberLength(std::string_view s, std::size_t start) {
    std::size_t p = start + (s[start] == '-' ? 1 : 0);
    auto digits = [&] {
        while (p < s.size() && isDigit(s[p])) ++p;
    };
    digits();
    if (p < s.size() && s[p] == '.') {
        ++p;
        digits();
    }
    if (p < s.size() && (s[p] == 'e' || s[p] == 'E')) {
        ++p;
        if (p < s.size() && (s[p] == '+' || s[p] == '-')) ++p;
        digits();
    }
    return p - start;
}

// Builds the value from the library's parse events. Alongside it follows the text
// token by token (the library reports no positions with its events), so that every
// refusal names what the reading expected there and the byte offset where it stopped:
// the start of an unexpected token, or the character that makes a token bad.
class TreeBuilder : public nlohmann::json_sax<Json> {
  public:
    // `text` is `original` as the library reads it (see parseJson), `overflows` where
    // numbers too large for a double start.
    TreeBuilder(std::string_view text, std::string_view original,
                const std::vector<std::size_t>& overflows)
        : s_(text), original_(original), overflows_(overflows) {}

    Json& root() { return root_; }
    const std::string& error() const { return error_; }
    // Where the number starts that the library refused as too large, if it did.
    std::optional<std::size_t> overflow() const { return overflow_; }

    bool null() override { return scalar(nullptr, 4); }
    bool boolean(bool value) override { return scalar(value, value ? 4 : 5); }
    bool number_integer(number_integer_t value) override { return number(value); }
    bool number_unsigned(number_unsigned_t value) override { return number(value); }
    bool number_float(number_float_t value, const string_t&) override { return number(value); }
    bool string(string_t& value) override {
        const std::size_t start = tokenStart(), length = stringLength(start);
        return scalar(withOriginalBytes(start, length, value), length);
    }
    bool binary(binary_t&) override { return fail("unexpected character", tokenStart()); }

    bool start_object(std::size_t) override { return open(Json::object(), Expect::Key); }
    bool start_array(std::size_t) override {
        if (!open(Json::array(), Expect::Value)) return false;
        // Items of the innermost array allowed would lie too deep.
        if (stack_.size() > kMaxDepth) {
            const std::size_t p = skipBlanks(pos_);
            if (p >= s_.size() || s_[p] != ']') return fail("nesting too deep", p);
        }
        return true;
    }
    bool end_object() override { return close(); }
    bool end_array() override { return close(); }

    bool key(string_t& read) override {
        const std::size_t start = tokenStart(), length = stringLength(start);
        const std::string name = withOriginalBytes(start, length, read);
        pos_ = start + length;
        Json& object = *stack_.back();
        if (object.contains(name)) return fail("repeated key \"" + name + "\"", pos_);
        if (stack_.size() > kMaxDepth) {  // the member's value would lie too deep
            const std::size_t p = skipBlanks(pos_);
            if (p < s_.size() && s_[p] == ':') return fail("nesting too deep", skipBlanks(p + 1));
            return fail("expected ':'", p);
        }
        key_ = name;
        expect_ = Expect::Colon;
        return true;
    }

    bool parse_error(std::size_t position, const std::string&,
                     const nlohmann::detail::exception& e) override {
        if (e.id == kNumberOverflow) {
            overflow_ = tokenStart();
            return false;
        }
        std::size_t p = skipBlanks(pos_);
        const bool more = p < s_.size();
        switch (expect_) {
            case Expect::End:
                return fail("unexpected text after the value", p);
            case Expect::Colon:
                if (!more || s_[p] != ':') return fail("expected ':'", p);
                return badValue(skipBlanks(p + 1), position, e.what());
            case Expect::NextItem:
                if (!more || s_[p] != ',') return fail("expected ',' or ']'", p);
                return badValue(skipBlanks(p + 1), position, e.what());
            case Expect::NextMember:
                if (!more || s_[p] != ',') return fail("expected ',' or '}'", p);
                return badKey(skipBlanks(p + 1), position, e.what());
            case Expect::Key:
                return badKey(p, position, e.what());
            case Expect::Value:
                return badValue(p, position, e.what());
        }
        return fail("unexpected character", p);
    }

  private:
    // What the text must hold next, after blanks.
    enum class Expect {
        Value,       // a value (or the end of an empty array)
        Key,         // a key (or the end of an empty object)
        Colon,       // ':' and the member's value
        NextItem,    // ',' and a value, or ']'
        NextMember,  // ',' and a key, or '}'
        End,         // nothing
    };

    bool fail(const std::string& what, std::size_t at) {
        error_ = what + " at byte " + std::to_string(at);
        return false;
    }

    std::size_t skipBlanks(std::size_t p) const {
        while (p < s_.size() && isBlank(s_[p])) ++p;
        return p;
    }

    // Where the token of the current event starts: past blanks and the separator the
    // reading expected before it.
    std::size_t tokenStart() const {
        std::size_t p = skipBlanks(pos_);
        const char separator = expect_ == Expect::Colon ? ':'
                               : expect_ == Expect::NextItem || expect_ == Expect::NextMember
                                   ? ','
                                   : '\0';
        if (separator && p < s_.size() && s_[p] == separator) p = skipBlanks(p + 1);
        return p;
    }

    // The length of the string token at `start`, which the library has read.
    std::size_t stringLength(std::size_t start) const {
        std::size_t p = start + 1;
        while (s_[p] != '"') p += s_[p] == '\\' ? 2 : 1;
        return p + 1 - start;
    }

    // The string token at `start` as decoded by the library, with the bytes that are no
    // well-formed UTF-8 (read as '?', see readableCopy) put back.
    std::string withOriginalBytes(std::size_t start, std::size_t length,
                                  const std::string& decoded) const {
        const std::size_t end = start + length - 1;  // the closing quote
        if (s_.substr(start, length) == original_.substr(start, length)) return decoded;
        std::string out;
        std::size_t d = 0;  // in decoded
        for (std::size_t i = start + 1; i < end;) {
            if (s_[i] != '\\') {
                out += s_[i] == original_[i] ? decoded[d] : original_[i];
                ++d;
                ++i;
                continue;
            }
            std::size_t escape = 2, bytes = 1;  // an escape, and the UTF-8 it stands for
            if (s_[i + 1] == 'u') {
                const unsigned cp = std::stoul(std::string(s_.substr(i + 2, 4)), nullptr, 16);
                escape = cp >= 0xD800 && cp <= 0xDBFF ? 12 : 6;  // a surrogate pair
                bytes = cp < 0x80 ? 1 : cp < 0x800 ? 2 : escape == 12 ? 4 : 3;
            }
            out.append(decoded, d, bytes);
            d += bytes;
            i += escape;
        }
        return out;
    }

    // The value goes into the array or under the key read last, or becomes the root.
    void place(Json value) {
        if (stack_.empty())
            root_ = std::move(value);
        else if (stack_.back()->is_array())
            stack_.back()->push_back(std::move(value));
        else
            (*stack_.back())[key_] = std::move(value);
    }
    void afterValue() {
        expect_ = stack_.empty()              ? Expect::End
                  : stack_.back()->is_array() ? Expect::NextItem
                                              : Expect::NextMember;
    }

    bool scalar(Json value, std::size_t length) {
        pos_ = tokenStart() + length;
        place(std::move(value));
        afterValue();
        return true;
    }

    // A number written with a leading zero is refused once all its digits are read;
    // the library would read "01" as two numbers.
    bool number(Json value) {
        const std::size_t start = tokenStart();
        std::size_t p = start + (s_[start] == '-' ? 1 : 0);
        const std::size_t digits = p;
        while (p < s_.size() && isDigit(s_[p])) ++p;
        if (s_[digits] == '0' && p - digits > 1) return fail("leading zero in a number", p);
        if (std::find(overflows_.begin(), overflows_.end(), start) != overflows_.end())
            value = s_[start] == '-' ? -HUGE_VAL : HUGE_VAL;
        return scalar(std::move(value), numberLength(s_, start));
    }

    bool open(Json container, Expect inside) {
        pos_ = tokenStart() + 1;
        place(std::move(container));
        if (stack_.empty())
            stack_.push_back(&root_);
        else if (stack_.back()->is_array())
            stack_.push_back(&stack_.back()->back());
        else
            stack_.push_back(&(*stack_.back())[key_]);
        expect_ = inside;
        return true;
    }

    bool close() {
        pos_ = tokenStart() + 1;
        stack_.pop_back();
        afterValue();
        return true;
    }

    // Where a key should start at `p`: only a well-formed string will do.
    bool badKey(std::size_t p, std::size_t position, std::string_view what) {
        if (p >= s_.size() || s_[p] != '"') return fail("expected a key", p);
        return badString(position, what);
    }

    // Where a value should start at `p`.
    bool badValue(std::size_t p, std::size_t position, std::string_view what) {
        if (p >= s_.size()) return fail("unexpected end of input", p);
        const char c = s_[p];
        if (c == '"') return badString(position, what);
        if (c == '-' || isDigit(c))
            return fail("bad number", position - 1);  // at the bad character
        if (c == 't' || c == 'f' || c == 'n') return fail("unknown word", p);
        return fail("unexpected character", p);
    }

    // A string the library refused, by its message; `position` counts the characters it
    // read, the one that made the string bad included (or the end of the text).
    bool badString(std::size_t position, std::string_view what) {
        auto says = [&](std::string_view part) { return what.find(part) != std::string::npos; };
        const std::size_t n = s_.size();
        if (says("missing closing quote")) return fail("unterminated string", n);
        if (says("after backslash"))
            return position > n ? fail("unterminated string", n) : fail("bad escape", position);
        if (says("control character")) return fail("control character in a string", position);
        if (says("4 hex digits")) {
            std::size_t u = position - 2;  // back over the hex digits read to the 'u'
            while (s_[u] != 'u') --u;
            return u + 5 > n ? fail("short \\u escape", u + 1) : fail("bad \\u escape", position);
        }
        if (says("must be followed by U+DC00")) {
            // Either a low surrogate out of range (its four digits were read) or no
            // "\u" after the high one (one or two characters were read past it).
            if (position >= 6 && s_.substr(position - 6, 2) == "\\u")
                return fail("lone surrogate", position);
            const std::size_t last = position - 1;
            return fail("lone surrogate", s_[last - 1] == '\\' ? last - 1 : last);
        }
        if (says("must follow U+D800")) return fail("lone surrogate", position);
        return fail("unexpected character", position - 1);
    }

    static constexpr int kNumberOverflow = 406;

    std::string_view s_;
    std::string_view original_;
    const std::vector<std::size_t>& overflows_;
    std::optional<std::size_t> overflow_;
    std::size_t pos_ = 0;  // the end of the last token read
    Expect expect_ = Expect::Value;
    Json root_;
    std::vector<Json*> stack_;  // the open arrays and objects, outermost first
    std::string key_;
    std::string error_;
};

// The length of the well-formed UTF-8 character at `i`, or 0.
std::size_t utf8Length(std::string_view s, std::size_t i) {
    auto byte = [&](std::size_t k) {
        return i + k < s.size() ? static_cast<unsigned char>(s[i + k]) : 0U;
    };
    auto next = [&](std::size_t k, unsigned lo = 0x80, unsigned hi = 0xBF) {
        return byte(k) >= lo && byte(k) <= hi;
    };
    const unsigned c = byte(0);
    if (c < 0x80) return 1;
    if (c >= 0xC2 && c <= 0xDF) return next(1) ? 2 : 0;
    if (c == 0xE0) return next(1, 0xA0) && next(2) ? 3 : 0;
    if (c == 0xED) return next(1, 0x80, 0x9F) && next(2) ? 3 : 0;
    if (c >= 0xE1 && c <= 0xEF) return next(1) && next(2) ? 3 : 0;
    if (c == 0xF0) return next(1, 0x90) && next(2) && next(3) ? 4 : 0;
    if (c == 0xF4) return next(1, 0x80, 0x8F) && next(2) && next(3) ? 4 : 0;
    if (c >= 0xF1 && c <= 0xF3) return next(1) && next(2) && next(3) ? 4 : 0;
    return 0;
}

// The library reads strings of well-formed UTF-8 only and ends the text at a NUL byte,
// where a string may hold any bytes and a NUL is one more character that does not
// belong: a copy of the text with every ill-formed byte as '?' and every NUL as 0x01
// (as much out of place), or "" when there is none.
std::string readableCopy(std::string_view text) {
    std::string copy;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = text[i] == '\0' ? 0 : utf8Length(text, i);
        if (length > 0) {
            i += length;
            continue;
        }
        if (copy.empty()) copy = text;
        copy[i] = text[i] == '\0' ? '\x01' : '?';
        ++i;
    }
    return copy;
}

}  // namespace

std::string jsonLine(const Json& value) {
    std::string out;
    writeValue(out, value);
    return out;
}

Json rawNumber(std::string_view text) {
    return Json::binary(Json::binary_t::container_type(text.begin(), text.end()), kRawNumber);
}

std::optional<Json> parseJson(std::string_view text, std::string& error) {
    // The library would pass over a byte order mark; it is no JSON.
    if (!text.empty() && text.front() == '\xEF') {
        error = "unexpected character at byte 0";
        return std::nullopt;
    }
    // The library refuses a number too large for a double, where JSON allows it. Each
    // one is written over with a zero of the same length ("-1e999" becomes "-0e000", so
    // that every offset stays and what follows cannot extend it), the text read again,
    // and the number taken as infinity.
    std::string copy = readableCopy(text);
    std::vector<std::size_t> overflows;
    while (true) {
        const std::string_view read = copy.empty() ? text : std::string_view(copy);
        TreeBuilder builder(read, text, overflows);
        if (Json::sax_parse(read.begin(), read.end(), &builder)) return std::move(builder.root());
        if (!builder.overflow()) {
            error = builder.error();
            return std::nullopt;
        }
        if (copy.empty()) copy = text;
        const std::size_t start = *builder.overflow();
        const std::string sign = copy[start] == '-' ? "-" : "";
        const std::size_t length = numberLength(copy, start);  // at least that of "1e309"
        copy.replace(start, length, sign + "0e" + std::string(length - sign.size() - 2, '0'));
        overflows.push_back(start);
    }
}

std::optional<long long> wholeNumber(const Json& value) {
    if (value.is_number_unsigned()) {
        const auto u = value.get<std::uint64_t>();
        if (u > static_cast<std::uint64_t>(std::numeric_limits<long long>::max()))
            return std::nullopt;
        return static_cast<long long>(u);
    }
    if (value.is_number_integer()) return value.get<std::int64_t>();
    return std::nullopt;
}

}  // namespace tavik::cli
