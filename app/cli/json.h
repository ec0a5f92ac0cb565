#pragma once
// JSON for the commands of tavik-cli, with nlohmann-json. Values are ordered_json, so
// that objects keep their keys in the order they are added or written in.
//
// Output is one line in the program's own format: strings escaped only where JSON
// requires it (quote, backslash, control characters as \u00xx; every other byte passes
// through), floating-point numbers as printf's "%.6g" (infinities and NaN as null).
//
// Input is read by the library; bad text comes back as one line naming what was
// expected and the byte offset where reading stopped, objects with a repeated key are
// refused, and nesting is limited so that no input can exhaust the stack.

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

namespace tavik::cli {

using Json = nlohmann::ordered_json;

// The value as one line of JSON.
std::string jsonLine(const Json& value);

// A number already written as text, such as "1.500000", which jsonLine copies as it is.
Json rawNumber(std::string_view text);

// Parses the whole text as one value (whitespace around it is allowed). On failure
// returns nullopt and sets error.
std::optional<Json> parseJson(std::string_view text, std::string& error);

// The value as a whole number when it was written as one (no fraction or exponent)
// and fits in a long long.
std::optional<long long> wholeNumber(const Json& value);

}  // namespace tavik::cli
