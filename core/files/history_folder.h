#pragma once
// The history files on disk: WriteHistory at the end of every match, the check of
// one file by number, and the list of files the viewer shows.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/files/file_result.h"
#include "core/files/history_file.h"

namespace tavik::files {

// ReadHistoryFile: whether file `number` is valid, its record count and its
// modification date ("dd.mm.yyyy hh:nn:ss").
struct HistoryFileInfo {
    bool exists = false;
    HistoryCheck check;
    std::string modified;
};
HistoryFileInfo ReadHistoryFile(const std::string& folder, std::string_view baseName, int number);

// WriteHistory: appends the entries to the first file that is valid with room,
// or writes a missing or invalid file anew, creating the folder when needed. The
// number of the file written last.
Result<int> WriteHistory(const std::string& folder, std::string_view baseName,
                         const std::vector<HisStr>& entries, const LocalTime& when);

// The viewer's list: files 1, 2, 3, ... while each is valid.
struct HistoryListing {
    int number = 0;
    std::string caption;  // "File I0001 " + the modification date
    std::string modified;
    int records = 0;
    std::string path;
};
std::vector<HistoryListing> ListHistoryFiles(const std::string& folder, std::string_view baseName);

}  // namespace tavik::files
