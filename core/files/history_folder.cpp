#include "core/files/history_folder.h"

#include <sys/stat.h>

#include <ctime>
#include <filesystem>

#include "core/files/atomic_file.h"
#include "core/files/columns.h"

namespace tavik::files {
namespace {

std::string modificationDate(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return {};
    std::tm tm{};
    localtime_r(&st.st_mtime, &tm);
    char text[64];
    std::strftime(text, sizeof text, "%d.%m.%Y %H:%M:%S", &tm);
    return text;
}

std::string pathOf(const std::string& folder, std::string_view baseName, int number) {
    return folder + "/" + HistoryFileName(baseName, number);
}

}  // namespace

HistoryFileInfo ReadHistoryFile(const std::string& folder, std::string_view baseName, int number) {
    HistoryFileInfo info;
    const std::string path = pathOf(folder, baseName, number);
    const auto bytes = readFile(path);
    if (!bytes) {
        info.check.reason = "the file cannot be read";
        return info;
    }
    info.exists = true;
    info.check = CheckHistory(*bytes);
    info.modified = modificationDate(path);
    return info;
}

Result<int> WriteHistory(const std::string& folder, std::string_view baseName,
                         const std::vector<HisStr>& entries, const LocalTime& when) {
    int written = 0;
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    // One entry at a time, so that no file grows beyond its 840 matches.
    for (const HisStr& entry : entries) {
        int number = 1;
        std::optional<std::string> old;
        for (; number <= kHistoryLastFile; ++number) {
            old = readFile(pathOf(folder, baseName, number)).optional();
            if (!old) break;
            const HistoryCheck check = CheckHistory(*old);
            if (!check.valid || check.records < kHistoryFileCapacity) break;
        }
        if (number > kHistoryLastFile)
            return FileError{"every history file up to number 9999 is full"};
        const std::string bytes =
            AppendHistory(old ? std::string_view(*old) : std::string_view(), {entry}, when);
        if (Status saved = writeFileAtomic(pathOf(folder, baseName, number), bytes); !saved.ok())
            return saved.error();
        written = number;
    }
    return written;
}

std::vector<HistoryListing> ListHistoryFiles(const std::string& folder, std::string_view baseName) {
    std::vector<HistoryListing> list;
    for (int number = 1; number <= kHistoryLastFile; ++number) {
        const HistoryFileInfo info = ReadHistoryFile(folder, baseName, number);
        if (!info.check.valid) break;
        list.push_back({number, "File I" + zeroPadded(number, 4) + " " + info.modified,
                        info.modified, info.check.records, pathOf(folder, baseName, number)});
    }
    return list;
}

}  // namespace tavik::files
