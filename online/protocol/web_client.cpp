#include "online/protocol/web_client.h"

#include "core/files/codec.h"
#include "online/protocol/service_paths.h"

namespace tavik::online {

namespace {

// The form encoding of a field list: letters, digits and *-._ as they are.
std::string FormEncoded(std::string_view utf8) {
    return PercentEncoded(utf8, "*-._", true);
}

}  // namespace

std::string PercentEncoded(std::string_view bytes, std::string_view kept, bool blankAsPlus) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
            (c != 0 && kept.find(ch) != std::string_view::npos)) {
            out += ch;
        } else if (c == ' ' && blankAsPlus) {
            out += '+';
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 0x0F];
        }
    }
    return out;
}

std::string FormBodyBytes(std::string_view utf8) {
    if (auto bytes = files::utf8ToCp1251(utf8)) return *bytes;
    return files::cp1251Line(utf8);
}

std::string FieldListBytes(std::string_view lfcrText) {
    std::string out;
    bool first = true;
    // A string list loaded from text: a line ends at CR LF, a lone CR or a lone LF, so
    // LF CR between two fields leaves an empty entry.
    for (const std::string& entry : files::splitLines(lfcrText)) {
        if (!first) out += '&';
        first = false;
        const std::size_t eq = entry.find('=');
        if (eq == std::string::npos) {
            out += FormEncoded(entry);
        } else {
            out += FormEncoded(std::string_view(entry).substr(0, eq));
            out += '=';
            out += FormEncoded(std::string_view(entry).substr(eq + 1));
        }
    }
    return out;
}

std::string FieldListText(std::initializer_list<std::string> fields) {
    std::string text;
    for (const std::string& field : fields) {
        if (!text.empty()) text += "\n\r";
        text += field;
    }
    return text;
}

WebClient::WebClient(std::unique_ptr<Transport> transport) : transport_(std::move(transport)) {}

std::string WebClient::postFormBody(const std::string& url, std::string_view utf8Body) {
    return post(url, FormBodyBytes(utf8Body));
}

std::string WebClient::postFieldList(const std::string& url, std::string_view lfcrText) {
    return post(url, FieldListBytes(lfcrText));
}

std::string WebClient::post(const std::string& url, std::string body) {
    if (url.empty()) throw RequestError("no service address");
    HttpRequest request;
    request.post = true;
    request.url = url;
    request.body = std::move(body);
    request.headers = {"Content-Type: application/x-www-form-urlencoded", "Accept: text/html, */*"};
    request.userAgent = std::string(paths::kUserAgent);
    request.connectTimeoutMs = kConnectTimeoutMs;
    request.readTimeoutMs = readTimeoutMs_ > 0 ? readTimeoutMs_ : kStallTimeoutMs;
    HttpResponse response = transport_->perform(request);
    if (!response.ok)
        throw RequestError(response.error.empty() ? "HTTP status " + std::to_string(response.status)
                                                  : response.error);
    return std::move(response.body);
}

}  // namespace tavik::online
