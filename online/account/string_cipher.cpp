#include "online/account/string_cipher.h"

namespace tavik::online {
namespace {

// Sixteen letters stand for the sixteen values of half a byte.
constexpr std::string_view kLetters = "KQVXZHLMNPRSTBCD";

int letterValue(char c) {
    const auto at = kLetters.find(c);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

// The key stream: a linear congruential generator seeded with the key.
class KeyStream {
  public:
    explicit KeyStream(std::uint32_t key) : state_(key) {}
    unsigned char next() {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<unsigned char>(state_ >> 24);
    }

  private:
    std::uint32_t state_;
};

// The check byte appended to the plain text before it is enciphered.
unsigned char checkByte(std::string_view plain, std::uint32_t key) {
    std::uint32_t sum = key;
    for (std::size_t i = 0; i < plain.size(); ++i)
        sum = sum * 31u + static_cast<unsigned char>(plain[i]) * static_cast<std::uint32_t>(i + 1);
    return static_cast<unsigned char>(sum ^ (sum >> 8) ^ (sum >> 16));
}

}  // namespace

std::string StringCipher::encipher(std::string_view plain) const {
    if (plain.empty()) return {};
    std::string bytes(plain);
    bytes += static_cast<char>(checkByte(plain, key_));
    KeyStream stream(key_);
    // Each enciphered byte also depends on the one before it, so equal plain bytes do
    // not give equal letters.
    unsigned char previous = static_cast<unsigned char>(key_);
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char ch : bytes) {
        const unsigned char c = static_cast<unsigned char>(ch) ^ stream.next() ^ previous;
        out += kLetters[c >> 4];
        out += kLetters[c & 0x0F];
        previous = c;
    }
    return out;
}

std::optional<std::string> StringCipher::decipher(std::string_view enciphered) const {
    if (enciphered.empty()) return std::string();
    if (enciphered.size() % 2 != 0 || enciphered.size() < 4) return std::nullopt;
    KeyStream stream(key_);
    unsigned char previous = static_cast<unsigned char>(key_);
    std::string bytes;
    bytes.reserve(enciphered.size() / 2);
    for (std::size_t i = 0; i < enciphered.size(); i += 2) {
        const int high = letterValue(enciphered[i]);
        const int low = letterValue(enciphered[i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        const auto c = static_cast<unsigned char>(high << 4 | low);
        bytes += static_cast<char>(c ^ stream.next() ^ previous);
        previous = c;
    }
    const auto check = static_cast<unsigned char>(bytes.back());
    bytes.pop_back();
    if (check != checkByte(bytes, key_)) return std::nullopt;
    return bytes;
}

}  // namespace tavik::online
