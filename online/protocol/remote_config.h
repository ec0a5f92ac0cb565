#pragma once
// The remote configuration: switches and replacement addresses that the web service
// publishes in a small text ("KEY=value#..."). The text is downloaded three times, once
// for each use; ApplyRemoteConfig is the pure decision, FetchRemoteConfig does the
// downloads.

#include <optional>
#include <string>

#include "online/protocol/service_client.h"

namespace tavik::online {

struct RemoteConfig {
    bool TopTenOpen = true;
    bool ChatOpen = true;
    // Enciphered replacements; nullopt keeps the stored value.
    std::optional<std::string> TopTenAddress;
    std::optional<std::string> StatAddress;
    // The account address to use: the built-in one or the "AccPath" value (enciphered).
    std::string AccountAddress;
    bool operator==(const RemoteConfig&) const = default;
};

// The value after "KEY=" (first occurrence of KEY) up to the next '#' or the end.
std::optional<std::string> RemoteConfigValue(const std::string& text, const std::string& key);

// The decision from the three downloads (nullopt: that download failed). A value that
// is empty or does not decipher is not taken.
RemoteConfig ApplyRemoteConfig(const std::optional<std::string>& topTenText,
                               const std::optional<std::string>& statText,
                               const std::optional<std::string>& accountText,
                               const std::string& builtInAccountAddress);

// Downloads the configuration three times and decides; the caller applies the result
// (the settings loader stores the top-ten and statistics addresses).
RemoteConfig FetchRemoteConfig(ServiceClient& client);
// Applies a result to the addresses.
void ApplyToAddresses(const RemoteConfig& config, ServiceAddresses& addresses);

}  // namespace tavik::online
