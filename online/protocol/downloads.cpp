#include "online/protocol/downloads.h"

#include <charconv>

#include "core/files/codec.h"
#include "online/protocol/service_paths.h"

namespace tavik::online {

namespace {

// One plain GET with a client of its own; nullopt on any failure.
std::optional<std::string> Download(ServiceClient& client, const std::string& url) {
    if (url.empty()) return std::nullopt;
    const std::unique_ptr<Transport> own = client.downloadClient();
    HttpRequest request;
    request.post = false;
    request.url = url;
    request.connectTimeoutMs = kConnectTimeoutMs;
    request.readTimeoutMs = kStallTimeoutMs;
    request.followRedirects = true;
    HttpResponse response = own->perform(request);
    if (!response.ok) return std::nullopt;
    return std::move(response.body);
}

}  // namespace

std::string PhotoPathSegment(std::string_view nick) {
    return PercentEncoded(nick, "-._~", false);
}

std::optional<std::string> LoadPhoto(ServiceClient& client, const std::string& nick) {
    const std::string base = client.addresses.photo();
    if (base.empty()) return std::nullopt;
    auto bytes = Download(client, base + PhotoPathSegment(nick) + ".jpg");
    if (!bytes || bytes->empty()) return std::nullopt;
    return bytes;
}

std::optional<std::string> DownloadConfigText(ServiceClient& client) {
    return Download(client, client.addresses.config());
}

std::optional<std::string> DownloadNewsPage(ServiceClient& client) {
    return Download(client, client.addresses.news());
}

int NewsNumber(const std::string& page) {
    const std::size_t at = page.find("QorNews");
    if (at == std::string::npos) return 0;
    std::string_view five = std::string_view(page).substr(at + 7, 5);
    const std::size_t digits = five.find_first_not_of(' ');
    if (digits == std::string_view::npos) return 0;
    five.remove_prefix(digits);
    int value = 0;
    const auto [ptr, ec] = std::from_chars(five.data(), five.data() + five.size(), value);
    if (ec != std::errc() || ptr != five.data() + five.size()) return 0;
    return value;
}

int ReadLatestNews(ServiceClient& client) {
    const auto page = DownloadNewsPage(client);
    return page ? NewsNumber(*page) : 0;
}

bool CheckNews(ServiceClient& client, int seen, int& latest) {
    latest = ReadLatestNews(client);
    return seen < latest;
}

std::string ReadOutsideAddress(ServiceClient& client) {
    const auto page =
        Download(client, paths::Join(client.addresses.webSite(), paths::kOutsideAddress));
    if (!page) return "";
    std::string text;
    for (const std::string& line : files::splitLines(*page)) text += line + "\r\n";
    return text;
}

}  // namespace tavik::online
