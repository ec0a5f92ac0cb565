#pragma once
// Helpers of the file tests: a fresh temporary folder, the golden files, and a
// notice port that remembers what it was told.

#include <unistd.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "core/files/atomic_file.h"
#include "core/files/notices.h"

namespace tavik::files::testing {

// A folder of its own for one test, removed afterwards.
class TempFolder {
  public:
    TempFolder() {
        static int counter = 0;
        path_ = std::filesystem::temp_directory_path() /
                ("tavik-files-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    std::string str() const { return path_.string(); }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

inline std::string golden(const std::string& name) {
    return readFile(std::string(TAVIK_FILES_GOLDEN_DIR) + "/" + name).value_or("");
}

struct RecordingNotices : NoticePort {
    void notice(FileNotice n, const std::string& path) override { seen.emplace_back(n, path); }
    std::vector<std::pair<FileNotice, std::string>> seen;
};

// Makes the next atomic writes fail between the write and the rename, as a
// crash there would, while the object lives.
struct KilledWriter {
    KilledWriter() {
        setBeforeRenameHookForTesting([](const std::string&) { return false; });
    }
    ~KilledWriter() { setBeforeRenameHookForTesting(nullptr); }
};

}  // namespace tavik::files::testing
