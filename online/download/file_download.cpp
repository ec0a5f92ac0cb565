#include "online/download/file_download.h"

#include <curl/curl.h>

#include <cstdio>
#include <mutex>
#include <system_error>

#include "online/protocol/service_paths.h"

namespace tavik::download {

namespace {

void GlobalInit() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

size_t WriteToFile(char* data, size_t size, size_t count, void* file) {
    return std::fwrite(data, size, count, static_cast<std::FILE*>(file)) * size;
}

DownloadResult Failure(DownloadStatus status, std::string message, long http = 0) {
    return DownloadResult{status, http, std::move(message)};
}

}  // namespace

std::filesystem::path PartialName(const std::filesystem::path& target) {
    std::filesystem::path part = target;
    part += ".part";
    return part;
}

std::string PluginDownloadUrl(std::string_view base, std::string_view fileName) {
    return online::paths::Join(base, online::paths::kPlugins) + std::string(fileName);
}

DownloadResult DownloadFile(const std::string& url, const std::filesystem::path& target,
                            const DownloadLimits& limits, const FileCheck& check) {
    GlobalInit();
    const std::filesystem::path part = PartialName(target);
    std::error_code ignored;
    std::FILE* file = std::fopen(part.c_str(), "wb");
    if (file == nullptr) return Failure(DownloadStatus::WriteError, "cannot create " + part.string());

    CURL* curl = curl_easy_init();
    if (curl == nullptr) {
        std::fclose(file);
        std::filesystem::remove(part, ignored);
        return Failure(DownloadStatus::NetworkError, "curl_easy_init failed");
    }
    char error[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &WriteToFile);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, file);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, error);
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, limits.connectTimeoutMs);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, limits.totalTimeoutMs);
    if (limits.stallSeconds > 0) {
        curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
        curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, limits.stallSeconds);
    }
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);  // time-outs without signals, on any thread
    curl_easy_setopt(curl, CURLOPT_USERAGENT, "Tavik-Vel");
    const CURLcode code = curl_easy_perform(curl);
    long http = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &http);
    curl_off_t received = 0;
    curl_easy_getinfo(curl, CURLINFO_SIZE_DOWNLOAD_T, &received);
    curl_easy_cleanup(curl);
    const bool flushed = std::fflush(file) == 0;
    const bool closed = std::fclose(file) == 0;

    DownloadResult result;
    if (code != CURLE_OK) {
        result = Failure(code == CURLE_WRITE_ERROR ? DownloadStatus::WriteError
                                                   : DownloadStatus::NetworkError,
                         error[0] != 0 ? error : curl_easy_strerror(code), http);
    } else if (http >= 400) {
        result = Failure(DownloadStatus::HttpError, "HTTP status " + std::to_string(http), http);
    } else if (!flushed || !closed) {
        result = Failure(DownloadStatus::WriteError, "cannot write " + part.string(), http);
    } else if (received <= 0 || (check && !check(part))) {
        result = Failure(DownloadStatus::Invalid, "the downloaded file is not valid", http);
    } else {
        std::error_code renamed;
        std::filesystem::rename(part, target, renamed);
        if (!renamed) return DownloadResult{DownloadStatus::Ok, http, {}};
        result = Failure(DownloadStatus::WriteError, renamed.message(), http);
    }
    std::filesystem::remove(part, ignored);
    return result;
}

}  // namespace tavik::download
