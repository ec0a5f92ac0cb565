#include "online/protocol/remote_config.h"

#include "online/account/string_cipher.h"
#include "online/protocol/downloads.h"

namespace tavik::online {

namespace {

bool Contains(const std::string& text, const char* key) {
    return text.find(key) != std::string::npos;
}

// A value worth taking: present, not empty, and an enciphered form of this key.
std::optional<std::string> Usable(const std::string& text, const char* key, CipherKey cipher) {
    auto value = RemoteConfigValue(text, key);
    if (!value || value->empty() || !StringCipher(cipher).decipher(*value)) return std::nullopt;
    return value;
}

}  // namespace

std::optional<std::string> RemoteConfigValue(const std::string& text, const std::string& key) {
    std::size_t at = text.find(key);
    if (at == std::string::npos) return std::nullopt;
    at += key.size();
    if (at < text.size() && text[at] == '=') ++at;
    std::size_t end = text.find('#', at);
    if (end == std::string::npos) end = text.size();
    std::string value = text.substr(at, end - at);
    // Line ends and blanks around a value are the file's layout, not the value.
    const char* kSpace = " \t\r\n";
    const std::size_t first = value.find_first_not_of(kSpace);
    if (first == std::string::npos) return std::string();
    return value.substr(first, value.find_last_not_of(kSpace) - first + 1);
}

RemoteConfig ApplyRemoteConfig(const std::optional<std::string>& topTenText,
                               const std::optional<std::string>& statText,
                               const std::optional<std::string>& accountText,
                               const std::string& builtInAccountAddress) {
    RemoteConfig result;
    // 1. Top ten and chat.
    if (topTenText) {
        result.ChatOpen = !Contains(*topTenText, "CTGamesPause");
        if (Contains(*topTenText, "WTGamesPause")) {
            result.TopTenOpen = false;
        } else {
            result.TopTenAddress = Usable(*topTenText, "WTGamesPatt", CipherKey::Config);
        }
    }
    // 2. Statistics.
    if (statText) result.StatAddress = Usable(*statText, "StatPath", CipherKey::Config);
    // 3. Account.
    result.AccountAddress = builtInAccountAddress;
    if (accountText)
        if (auto value = Usable(*accountText, "AccPath", CipherKey::Account))
            result.AccountAddress = *value;
    return result;
}

RemoteConfig FetchRemoteConfig(ServiceClient& client) {
    const auto topTen = DownloadConfigText(client);
    const auto stat = DownloadConfigText(client);
    const auto account = DownloadConfigText(client);
    return ApplyRemoteConfig(topTen, stat, account, client.addresses.builtInAccountAddress());
}

void ApplyToAddresses(const RemoteConfig& config, ServiceAddresses& addresses) {
    if (config.TopTenAddress) addresses.setTopTenAddress(*config.TopTenAddress);
    if (config.StatAddress) addresses.setStatAddress(*config.StatAddress);
    addresses.setAccountAddress(config.AccountAddress);
}

}  // namespace tavik::online
