// Feeds any bytes to the user file reader: it must never crash, and a record it reads
// must survive a write and a fresh read unchanged.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "online/account/string_cipher.h"
#include "online/account/user_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavik::online;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    userFileProblems(bytes);
    signInPassword(bytes);
    const auto record = parseUserFile(bytes);
    if (record && parseUserFile(formatUserFile(*record)) != record) std::abort();
    const StringCipher cipher(CipherKey::Account);
    if (cipher.decipher(cipher.encipher(bytes)) != bytes) std::abort();
    return 0;
}
