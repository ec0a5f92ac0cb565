#include "core/files/atomic_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace tavik::files {
namespace {

std::function<bool(const std::string&)>& beforeRenameHook() {
    static std::function<bool(const std::string&)> hook;
    return hook;
}

std::string errnoText(const std::string& what, const std::string& path) {
    return what + " " + path + ": " + std::strerror(errno);
}

constexpr std::string_view kTemporaryMark = ".tmp";
constexpr std::size_t kTemporaryRandomLength = 6;  // the XXXXXX that mkstemp fills in
// A temporary file younger than this may belong to a writer that has created it but
// not yet locked it.
constexpr std::time_t kFreshSeconds = 10;

bool isAlphanumeric(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// NAME of a name NAME.tmpXXXXXX, or an empty view.
std::string_view temporaryBase(std::string_view name) {
    const std::size_t tail = kTemporaryMark.size() + kTemporaryRandomLength;
    if (name.size() <= tail) return {};
    const std::string_view mark = name.substr(name.size() - tail, kTemporaryMark.size());
    if (mark != kTemporaryMark) return {};
    for (char c : name.substr(name.size() - kTemporaryRandomLength))
        if (!isAlphanumeric(c)) return {};
    return name.substr(0, name.size() - tail);
}

// Removes the file when it is a regular file, old enough, and no one holds it locked.
bool removeIfAbandoned(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return false;
    bool removed = false;
    struct stat held {};
    if (::fstat(fd, &held) == 0 && S_ISREG(held.st_mode) &&
        std::time(nullptr) - held.st_mtime >= kFreshSeconds &&
        ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        // Only the file just locked, should another have taken its name meanwhile.
        struct stat named {};
        if (::lstat(path.c_str(), &named) == 0 && named.st_dev == held.st_dev &&
            named.st_ino == held.st_ino)
            removed = ::unlink(path.c_str()) == 0;
    }
    ::close(fd);
    return removed;
}

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
}

}  // namespace

void setBeforeRenameHookForTesting(std::function<bool(const std::string&)> hook) {
    beforeRenameHook() = std::move(hook);
}

Result<std::string> readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return FileError{"cannot open " + path};
    std::ostringstream data;
    data << in.rdbuf();
    if (in.bad()) return FileError{"cannot read " + path};
    return data.str();
}

Status writeFileAtomic(const std::string& path, std::string_view bytes) {
    std::string temp = path + ".tmpXXXXXX";
    const int fd = mkstemp(temp.data());
    if (fd < 0) return FileError{errnoText("cannot create a temporary file beside", path)};
    // Held until the rename: the cleaner of another copy never takes this file for a leftover.
    ::flock(fd, LOCK_EX | LOCK_NB);
    auto fail = [&](const std::string& why) {
        ::close(fd);
        ::unlink(temp.c_str());
        return Status(FileError{why});
    };
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return fail(errnoText("cannot write", temp));
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) return fail(errnoText("cannot flush", temp));
    // Keep the permissions of the file being replaced, or the usual ones for a new file.
    struct stat old {};
    ::fchmod(fd, ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644);
    if (auto& hook = beforeRenameHook(); hook && !hook(temp))
        return fail("interrupted before rename");
    if (::rename(temp.c_str(), path.c_str()) != 0) return fail(errnoText("cannot replace", path));
    // The data is on disk already (fsync above); closing releases the lock.
    ::close(fd);
    // Make the rename itself durable.
    const int dir = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return {};
}

std::vector<std::string> RemoveStaleTemporaryFiles(
    const std::string& folder, const std::function<bool(std::string_view)>& isKnownName) {
    namespace fs = std::filesystem;
    std::vector<std::string> removed;
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    if (ec) return removed;
    for (const fs::directory_entry& entry : it) {
        const std::string name = entry.path().filename().string();
        const std::string_view base = temporaryBase(name);
        if (base.empty()) continue;
        std::error_code missing;
        if (!isKnownName(base) && !fs::is_regular_file(fs::path(folder) / base, missing)) continue;
        if (removeIfAbandoned(entry.path().string())) removed.push_back(name);
    }
    return removed;
}

}  // namespace tavik::files
