#include "core/files/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
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
    if (::close(fd) != 0) {
        ::unlink(temp.c_str());
        return FileError{errnoText("cannot close", temp)};
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const std::string why = errnoText("cannot replace", path);
        ::unlink(temp.c_str());
        return FileError{why};
    }
    // Make the rename itself durable.
    const int dir = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return {};
}

}  // namespace tavik::files
