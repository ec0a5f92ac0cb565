#include "online/protocol/remote_config.h"

#include <gtest/gtest.h>

#include "config/settings.h"
#include "online/account/string_cipher.h"
#include "online/protocol/addresses.h"

namespace tavik::online {
namespace {

const std::string kTop = EncipherConfigAddress("http://new.test/top");
const std::string kStat = EncipherConfigAddress("http://new.test/stat");
const std::string kAcc = EncipherAccountAddress("http://new.test/acc");
const std::string kBuiltIn = EncipherAccountAddress("http://built.in/account.php");

TEST(RemoteConfigValue, RunsToTheNextHashOrTheEnd) {
    struct Case {
        std::string text, key;
        std::optional<std::string> value;
    } cases[] = {
        {"StatPath=ABC#AccPath=DEF#", "AccPath", "DEF"},
        {"StatPath=ABC", "StatPath", "ABC"},      // no closing '#'
        {"StatPath=ABC\r\n", "StatPath", "ABC"},  // the line end is layout
        {"StatPath=#", "StatPath", ""},
        {"A=1#A=2#", "A", "1"},  // the first occurrence counts
        {"nothing here", "AccPath", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(RemoteConfigValue(c.text, c.key), c.value) << c.text;
}

TEST(RemoteConfig, DecidesFlagsAndAddressesFromTheThreeDownloads) {
    using Text = std::optional<std::string>;
    const Text none;
    struct Case {
        const char* name;
        Text text;  // the same text for all three downloads
        RemoteConfig want;
    } cases[] = {
        {"download failed", none, {true, true, std::nullopt, std::nullopt, kBuiltIn}},
        {"empty text", std::string(), {true, true, std::nullopt, std::nullopt, kBuiltIn}},
        {"chat paused",
         std::string("CTGamesPause#"),
         {true, false, std::nullopt, std::nullopt, kBuiltIn}},
        {"top ten paused wins over a new address",
         "WTGamesPause#WTGamesPatt=" + kTop + "#",
         {false, true, std::nullopt, std::nullopt, kBuiltIn}},
        {"every address replaced",
         "WTGamesPatt=" + kTop + "#StatPath=" + kStat + "#AccPath=" + kAcc + "#",
         {true, true, kTop, kStat, kAcc}},
        {"empty values are not taken",
         std::string("WTGamesPatt=#StatPath=#AccPath=#"),
         {true, true, std::nullopt, std::nullopt, kBuiltIn}},
        {"values that do not decipher are not taken",
         "WTGamesPatt=http://plain#StatPath=" + kAcc + "#AccPath=" + kTop + "#",
         {true, true, std::nullopt, std::nullopt, kBuiltIn}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ApplyRemoteConfig(c.text, c.text, c.text, kBuiltIn), c.want) << c.name;

    // Each use reads its own download: a failed first one opens both features.
    const RemoteConfig mixed =
        ApplyRemoteConfig(none, "StatPath=" + kStat, std::string("CTGamesPause"), kBuiltIn);
    EXPECT_EQ(mixed, (RemoteConfig{true, true, std::nullopt, kStat, kBuiltIn}));
}

TEST(ServiceAddresses, AllDeriveFromTheBase) {
    ServiceAddresses a = ServiceAddresses::BuiltIn("http://games.example:8390/qor");
    EXPECT_EQ(a.account(), "http://games.example:8390/qor/account.php");
    EXPECT_EQ(a.topTen(), "http://games.example:8390/qor/topten.php");
    EXPECT_EQ(a.stat(), "http://games.example:8390/qor/stat.php");
    EXPECT_EQ(a.tour(), "http://games.example:8390/qor/tour.php");
    EXPECT_EQ(a.photo(), "http://games.example:8390/qor/photos/");
    EXPECT_EQ(a.news(), "http://games.example:8390/qor/news.txt");
    EXPECT_EQ(a.config(), "http://games.example:8390/qor/config.txt");
    EXPECT_EQ(a.webSite(), "http://games.example:8390/qor/");
    // Held enciphered, each with its key.
    EXPECT_EQ(StringCipher(CipherKey::Tournament).decipher(a.TourAddress()), a.tour());
    EXPECT_EQ(StringCipher(CipherKey::News).decipher(a.NewsAddress()), a.news());
    EXPECT_EQ(StringCipher(CipherKey::Account).decipher(a.PhotoAddress()), a.photo());
    EXPECT_EQ(a.AccountAddress().find("http"), std::string::npos);
    const StringCipher account(CipherKey::Account);
    EXPECT_EQ(account.decipher(a.photoStore().FolderEnciphered), "ftp://games.example:21/");
    EXPECT_TRUE(account.decipher(a.photoStore().UserEnciphered).has_value());

    // The settings' own built-in values and an empty text stand for the base's address.
    a.setTopTenAddress(std::string(config::kBuiltInTopTenAddress));
    a.setStatAddress("");
    EXPECT_EQ(a.topTen(), "http://games.example:8390/qor/topten.php");
    EXPECT_EQ(a.stat(), "http://games.example:8390/qor/stat.php");

    RemoteConfig remote{true, true, kTop, kStat, kAcc};
    ApplyToAddresses(remote, a);
    EXPECT_EQ(a.topTen(), "http://new.test/top");
    EXPECT_EQ(a.TopTenAddress(), kTop) << "kept enciphered for the settings file";
    EXPECT_EQ(a.stat(), "http://new.test/stat");
    EXPECT_EQ(a.account(), "http://new.test/acc");
    EXPECT_EQ(a.builtInAccountAddress(),
              EncipherAccountAddress("http://games.example:8390/qor/account.php"));

    const struct {
        const char* base;
        const char* ftp;
    } hosts[] = {{"http://127.0.0.1:8390/", "ftp://127.0.0.1:21/"},
                 {"https://user@site.org/x/", "ftp://site.org:21/"},
                 {"http://[::1]:8390/", "ftp://[::1]:21/"}};
    for (const auto& h : hosts)
        EXPECT_EQ(account.decipher(ServiceAddresses::BuiltIn(h.base).photoStore().FolderEnciphered),
                  h.ftp)
            << h.base;
}

}  // namespace
}  // namespace tavik::online
