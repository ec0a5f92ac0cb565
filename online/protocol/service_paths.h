#pragma once
// Where each service lives under the web service's base address. The client and the
// server (tavik-services) both take the paths from here, so they can never disagree.
// Every address of the client is base + one of these paths; the base ends with "/".

#include <string>
#include <string_view>

namespace tavik::online::paths {

inline constexpr std::string_view kAccount = "account.php";  // account service (form posts)
inline constexpr std::string_view kTopTen = "topten.php";    // world top-ten service
inline constexpr std::string_view kTour = "tour.php";        // tournament service
inline constexpr std::string_view kStat = "stat.php";        // statistics service
inline constexpr std::string_view kPhotos = "photos/";       // GET photos/NICK.jpg
inline constexpr std::string_view kNews = "news.txt";        // the news page
inline constexpr std::string_view kConfig = "config.txt";    // the remote configuration
// Under the web site address (= the base itself):
inline constexpr std::string_view kOutsideAddress = "get_ip.php";
inline constexpr std::string_view kPlugins = "downloads/progr/cards/";

// The user agent of every form post.
inline constexpr std::string_view kUserAgent = "QorSpecAccess";
// The photo store's FTP port when none is chosen.
inline constexpr int kPhotoFtpPort = 21;
// The photo store's built-in credentials, enciphered with StringCipher and
// CipherKey::Account (a server sets up its FTP account with the deciphered forms).
inline constexpr std::string_view kPhotoStoreUser = "TDZLMPDPDKXHQNVHBK";
inline constexpr std::string_view kPhotoStorePassword = "CRLBHLTDTHZVZBMRSNMTZBZKDCVPZKVXPN";

// base + path, with a "/" put between them when base lacks it.
inline std::string Join(std::string_view base, std::string_view path) {
    std::string url(base);
    if (url.empty() || url.back() != '/') url += '/';
    url += path;
    return url;
}

}  // namespace tavik::online::paths
