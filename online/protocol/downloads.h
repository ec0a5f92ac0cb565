#pragma once
// The plain downloads, each with a client of its own.

#include <optional>
#include <string>
#include <string_view>

#include "online/protocol/service_client.h"

namespace tavik::online {

// The photo of nick (PhotoAddress + nick + ".jpg") as its bytes; nullopt when the
// download fails or gives no bytes. Decoding the JPEG is the window's job.
std::optional<std::string> LoadPhoto(ServiceClient& client, const std::string& nick);
// A nick as it appears in a photo's address or file name on the store: letters,
// digits and -._~ as they are, every other byte as %XX.
std::string PhotoPathSegment(std::string_view nick);
// The remote configuration text as downloaded and decoded; nullopt on failure.
std::optional<std::string> DownloadConfigText(ServiceClient& client);
// The news page; nullopt on failure.
std::optional<std::string> DownloadNewsPage(ServiceClient& client);
// The news number of a news page: the five characters after the first "QorNews" as a
// whole number (leading blanks allowed); 0 when absent or not a number.
int NewsNumber(const std::string& page);
// CheckNews' download: the latest news number, 0 when the download fails.
int ReadLatestNews(ServiceClient& client);
// CheckNews: latest = ReadLatestNews; true when seen < latest.
bool CheckNews(ServiceClient& client, int seen, int& latest);
// The address under which the web site sees the caller, each line followed by CR LF;
// "" when the request fails.
std::string ReadOutsideAddress(ServiceClient& client);

}  // namespace tavik::online
