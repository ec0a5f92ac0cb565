#include "online/protocol/photo_upload.h"

#include <curl/curl.h>

#include <cstring>

#include "online/account/string_cipher.h"
#include "online/protocol/downloads.h"
#include "online/protocol/transport.h"
#include "online/protocol/web_client.h"

namespace tavik::online {

namespace {

struct Source {
    const std::string* bytes;
    std::size_t sent = 0;
};

size_t ReadChunk(char* buffer, size_t size, size_t count, void* data) {
    auto* source = static_cast<Source*>(data);
    const std::size_t n = std::min(size * count, source->bytes->size() - source->sent);
    std::memcpy(buffer, source->bytes->data() + source->sent, n);
    source->sent += n;
    return n;
}

UploadResult Failed(std::string error) {
    return UploadResult{false, std::move(error)};
}

}  // namespace

UploadResult UploadPhoto(const PhotoStore& store, const std::string& nick,
                         const std::string& jpegBytes) {
    const StringCipher cipher(CipherKey::Account);
    const auto folder = cipher.decipher(store.FolderEnciphered);
    const auto user = cipher.decipher(store.UserEnciphered);
    const auto password = cipher.decipher(store.PasswordEnciphered);
    if (!folder || folder->empty() || !user || !password)
        return Failed("the photo store is not set up");
    if (nick.empty() || nick.find_first_of("/\r\n") != std::string::npos)
        return Failed("not a nick that can name a file");
    InitCurl();

    // The file goes up under a temporary name and is renamed when complete, so the
    // store never serves half a photo.
    // The address carries the name %-encoded; libcurl sends it decoded in STOR, and the
    // rename commands go as they are, so they name the file plainly.
    const std::string name = nick + ".jpg";
    const std::string partial = name + ".part";
    std::string url = *folder;
    if (url.back() != '/') url += '/';
    url += PhotoPathSegment(nick) + ".jpg.part";

    CURL* c = curl_easy_init();
    if (c == nullptr) return Failed("curl_easy_init failed");
    char error[CURL_ERROR_SIZE] = {};
    Source source{&jpegBytes};
    const std::string from = "RNFR " + partial;
    const std::string to = "RNTO " + name;
    curl_slist* rename = curl_slist_append(nullptr, from.c_str());
    rename = curl_slist_append(rename, to.c_str());
    curl_easy_setopt(c, CURLOPT_URL, url.c_str());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "ftp,ftps");
    curl_easy_setopt(c, CURLOPT_USERNAME, user->c_str());
    curl_easy_setopt(c, CURLOPT_PASSWORD, password->c_str());
    curl_easy_setopt(c, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(c, CURLOPT_READFUNCTION, &ReadChunk);
    curl_easy_setopt(c, CURLOPT_READDATA, &source);
    curl_easy_setopt(c, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(jpegBytes.size()));
    curl_easy_setopt(c, CURLOPT_POSTQUOTE, rename);
    // Passive mode (libcurl's default; no PORT command is ever sent).
    curl_easy_setopt(c, CURLOPT_FTPPORT, nullptr);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, kConnectTimeoutMs);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, kStallTimeoutMs / 1000);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, error);
    const CURLcode code = curl_easy_perform(c);
    curl_easy_cleanup(c);
    curl_slist_free_all(rename);
    if (code != CURLE_OK) return Failed(error[0] != 0 ? error : curl_easy_strerror(code));
    return UploadResult{true, {}};
}

}  // namespace tavik::online
