#include "server/files/files_service.h"

#include <cctype>

#include "core/files/atomic_file.h"
#include "server/account/account_rules.h"

namespace tavik::server {
namespace {

Reply notFound() {
    Reply reply;
    reply.status = 404;
    reply.body = "not found\r\n";
    reply.contentType = "text/plain";
    return reply;
}

Reply fileReply(const std::string& path, const std::string& contentType) {
    auto bytes = files::readFile(path);
    if (!bytes) return notFound();
    Reply reply;
    reply.body = std::move(*bytes);
    reply.contentType = contentType;
    return reply;
}

std::string trimmed(std::string text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.pop_back();
    std::size_t start = 0;
    while (start < text.size() && std::isspace(static_cast<unsigned char>(text[start]))) ++start;
    return text.substr(start);
}

}  // namespace

bool IsPlainFileName(const std::string& name) {
    if (name.empty() || name.size() > 100 || name[0] == '.') return false;
    for (unsigned char c : name) {
        if (!std::isalnum(c) &&
            std::string_view("._-()!,@").find(static_cast<char>(c)) == std::string_view::npos) {
            return false;
        }
    }
    return true;
}

Reply FilesService::photo(const std::string& nick) const {
    if (!IsValidAccountField(nick, AccountField::Nick)) return notFound();
    return fileReply(photoFolder() + "/" + nick + ".jpg", "image/jpeg");
}

Reply FilesService::textFile(const std::string& name) const {
    Reply reply;
    reply.contentType = "text/plain; charset=utf-8";
    if (auto bytes = files::readFile(folder_ + "/" + name)) reply.body = std::move(*bytes);
    return reply;
}

Reply FilesService::remoteConfig() const {
    return textFile("config.txt");
}

Reply FilesService::news() const {
    return textFile("news.txt");
}

Reply FilesService::download(const std::string& name) const {
    if (!IsPlainFileName(name)) return notFound();
    return fileReply(folder_ + "/downloads/progr/cards/" + name, "application/octet-stream");
}

Reply OutsideAddress(const std::string& peer, const std::string& forwardedFor,
                     const std::string& realIp) {
    std::string address = peer;
    const bool fromLocalProxy = peer == "127.0.0.1" || peer == "::1" || peer == "::ffff:127.0.0.1";
    if (fromLocalProxy) {
        const std::size_t comma = forwardedFor.rfind(',');
        const std::string last =
            trimmed(comma == std::string::npos ? forwardedFor : forwardedFor.substr(comma + 1));
        if (!last.empty()) {
            address = last;
        } else if (!trimmed(realIp).empty()) {
            address = trimmed(realIp);
        }
    }
    // Only the characters of an address go back, whatever a header held.
    std::string clean;
    for (unsigned char c : address) {
        if (std::isxdigit(c) || c == '.' || c == ':') clean += static_cast<char>(c);
    }
    Reply reply = LineReply(clean);
    reply.contentType = "text/plain; charset=utf-8";
    return reply;
}

}  // namespace tavik::server
