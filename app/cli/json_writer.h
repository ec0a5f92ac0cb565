#pragma once
// Builds one JSON object on one line, keys in the order they are added.

#include <string>
#include <string_view>
#include <vector>

namespace tavik::cli {

// Quotes and escapes a UTF-8 string as a JSON string.
std::string jsonString(std::string_view s);

class JsonObject {
  public:
    JsonObject& add(std::string_view key, std::string_view text);  // a string
    JsonObject& add(std::string_view key, const char* text) {
        return add(key, std::string_view(text));
    }
    JsonObject& add(std::string_view key, long long number);
    JsonObject& add(std::string_view key, int number) {
        return add(key, static_cast<long long>(number));
    }
    JsonObject& add(std::string_view key, double number);
    JsonObject& add(std::string_view key, bool value);
    JsonObject& addNull(std::string_view key);
    // A value already written as JSON (an array, an object).
    JsonObject& addRaw(std::string_view key, std::string_view json);
    std::string str() const { return "{" + body_ + "}"; }

  private:
    void key(std::string_view k);
    std::string body_;
};

// A JSON array of strings.
std::string jsonStringArray(const std::vector<std::string>& items);

}  // namespace tavik::cli
