#pragma once
// Where each service answers under the server's root.

#include <string_view>

namespace tavik::server {

inline constexpr std::string_view kAccountPath = "account.php";
inline constexpr std::string_view kPhotoPath = "photos/";
inline constexpr std::string_view kConfigPath = "config.txt";
inline constexpr std::string_view kNewsPath = "news.txt";
inline constexpr std::string_view kOutsideAddressPath = "get_ip.php";
inline constexpr std::string_view kDownloadsPath = "downloads/progr/cards/";

}  // namespace tavik::server
