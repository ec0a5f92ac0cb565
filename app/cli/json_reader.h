#pragma once
// Reads one JSON text (RFC 8259) into a small value tree, for the commands that take
// JSON on standard input. Bad input comes back as an error message with the byte
// offset where reading stopped; nesting is limited so that no input can exhaust the
// stack.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tavik::cli {

class JsonValue {
  public:
    enum class Kind { Null, Bool, Number, String, Array, Object };

    Kind kind = Kind::Null;
    bool boolean = false;
    double number = 0;
    bool integral = false;         // the number was written without fraction or exponent
    long long integer = 0;         // its value when integral
    std::string text;              // a string, in UTF-8
    std::vector<JsonValue> items;  // an array
    std::vector<std::pair<std::string, JsonValue>> members;  // an object, in the order written

    // The member with the key, or nullptr.
    const JsonValue* find(std::string_view key) const;
};

// Parses the whole text as one value (whitespace around it is allowed). On failure
// returns nullopt and sets error. Objects with a repeated key are refused.
std::optional<JsonValue> parseJson(std::string_view text, std::string& error);

}  // namespace tavik::cli
