#pragma once
// Downloads one file over HTTP into a folder without ever leaving a partial or broken
// file under the real name: the transfer goes to "<name>.part" beside the target, the
// caller's check looks at the complete file, and only a file that passes is renamed
// onto the target (a rename, so a reader of the old file keeps what it opened).
// Blocking; run it off the window's thread. No Qt.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace tavik::download {

enum class DownloadStatus {
    Ok,
    NetworkError,  // no connection, a time-out, a transfer cut short
    HttpError,     // the server answered with a status of 400 or more
    Invalid,       // the file arrived whole but the check refused it
    WriteError,    // the temporary file could not be written or renamed
};

struct DownloadResult {
    DownloadStatus status = DownloadStatus::NetworkError;
    long httpStatus = 0;  // 0 when no answer came
    std::string message;  // libcurl's or the file system's words, for a log or a test
    bool ok() const { return status == DownloadStatus::Ok; }
};

struct DownloadLimits {
    long connectTimeoutMs = 10'000;  // to have a connection
    long totalTimeoutMs = 120'000;   // for the whole transfer
    long stallSeconds = 30;          // no byte for this long ends the transfer (0: no limit)
};

// Accepts or refuses the complete temporary file before it takes the target's name.
using FileCheck = std::function<bool(const std::filesystem::path& file)>;

// Fetches `url` into `target`. Without a check every complete, non-empty file counts.
DownloadResult DownloadFile(const std::string& url, const std::filesystem::path& target,
                            const DownloadLimits& limits = {}, const FileCheck& check = {});

// The address of a plug-in library on the web service: base + "downloads/progr/cards/"
// + file name (a missing "/" at the end of base is added).
std::string PluginDownloadUrl(std::string_view base, std::string_view fileName);

// The temporary name a download of `target` is written to.
std::filesystem::path PartialName(const std::filesystem::path& target);

}  // namespace tavik::download
