#pragma once
// StringCipher: the reversible cipher in which the service addresses, the values of the
// remote configuration and the stored password are kept. Each use has its own fixed
// numeric key. The enciphered form uses only sixteen capital letters, so it
// fits any line of a settings or configuration text (no blanks, no '#', '$', '~', '&' or
// '='), and it carries a check character, so that a damaged or foreign text is refused
// instead of deciphering to garbage.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavik::online {

enum class CipherKey : std::uint32_t {
    // The account address, the photo address and store credentials, the stored password.
    Account = 0x51A7C3E5u,
    // The configuration address and the world top-ten and statistics addresses.
    Config = 0x2B94D071u,
    Tournament = 0x6E13F8A9u,
    News = 0x3C5D2E47u,
};

class StringCipher {
  public:
    explicit StringCipher(CipherKey key) : key_(static_cast<std::uint32_t>(key)) {}

    // The enciphered form of any byte string; the empty text stays empty.
    std::string encipher(std::string_view plain) const;
    // The original bytes; nullopt when the text is not an enciphered form made with this
    // key (a wrong letter, an odd length, a failed check). The empty text gives "".
    std::optional<std::string> decipher(std::string_view enciphered) const;

  private:
    std::uint32_t key_;
};

}  // namespace tavik::online
