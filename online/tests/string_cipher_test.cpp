#include "online/account/string_cipher.h"

#include <gtest/gtest.h>

#include "config/settings.h"

namespace tavik::online {
namespace {

// Stored files and configuration values hold these forms: they must keep deciphering.
TEST(StringCipher, KnownFormsDecipherToTheirTexts) {
    struct Case {
        CipherKey key;
        std::string plain;
        std::string enciphered;
    } cases[] = {
        {CipherKey::Account, "my pw#$1", "BXZTVQRQSMXCZXVKQK"},
        {CipherKey::Account, "Пароль", "LCQMNRTRMRHKBPXHZSQZNZLBQP"},
        {CipherKey::Tournament, "http://t", "BKQMMPNSKZCSLRMCTS"},
        {CipherKey::News, "http://t", "BBSZPXRTTCBKZSVRPL"},
        {CipherKey::Config, "http://t", "KKXXCPSPRLSMDLPRZR"},
        {CipherKey::Config, "http://localhost:8740/wtgames/",
         std::string(config::kBuiltInTopTenAddress)},
        {CipherKey::Config, "http://localhost:8740/stat/",
         std::string(config::kBuiltInStatAddress)},
        {CipherKey::Account, "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StringCipher(c.key).encipher(c.plain), c.enciphered) << c.plain;
        EXPECT_EQ(StringCipher(c.key).decipher(c.enciphered), c.plain) << c.plain;
    }
}

TEST(StringCipher, RoundTripsEveryByteAndRefusesForeignText) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const StringCipher account(CipherKey::Account);
    const std::string enciphered = account.encipher(all);
    EXPECT_EQ(enciphered.find_first_not_of("KQVXZHLMNPRSTBCD"), std::string::npos);
    EXPECT_EQ(account.decipher(enciphered), all);

    const std::string pw = account.encipher("secret");
    EXPECT_EQ(StringCipher(CipherKey::News).decipher(pw), std::nullopt) << "another key";
    EXPECT_EQ(account.decipher(pw.substr(1)), std::nullopt) << "odd length";
    EXPECT_EQ(account.decipher("secret12"), std::nullopt) << "letters outside the set";
    std::string tampered = pw;
    tampered[4] = tampered[4] == 'K' ? 'Q' : 'K';
    EXPECT_EQ(account.decipher(tampered), std::nullopt) << "one letter changed";
}

}  // namespace
}  // namespace tavik::online
