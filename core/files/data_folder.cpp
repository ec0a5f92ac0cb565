#include "core/files/data_folder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "core/files/atomic_file.h"
#include "core/files/player_list.h"
#include "core/files/player_list_file.h"

namespace fs = std::filesystem;

namespace tavik::files {
namespace {

std::string homeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) return pw->pw_dir;
    return ".";
}

std::string dataHome() {
    // A relative XDG_DATA_HOME is invalid and ignored, as the XDG rules say.
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && xdg[0] == '/') return xdg;
    return homeFolder() + "/.local/share";
}

std::vector<std::string> templateFolders() {
    std::vector<std::string> folders;
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (!ec) folders.push_back((exe.parent_path().parent_path() / "share" / "tavik-vel").string());
#ifdef TAVIK_INSTALL_DATADIR
    folders.push_back(TAVIK_INSTALL_DATADIR);
#endif
#ifdef TAVIK_SOURCE_TEMPLATES
    folders.push_back(TAVIK_SOURCE_TEMPLATES);
#endif
    return folders;
}

}  // namespace

DataFolder ResolveDataFolder(const std::optional<std::string>& dataDir) {
    DataFolder f;
    f.parent = dataDir ? *dataDir : dataHome() + "/Tavik-Vel";
    while (f.parent.size() > 1 && f.parent.back() == '/') f.parent.pop_back();
    f.program = f.parent + "/Tavik2";
    return f;
}

Result<std::string> FindInstalledTemplate(std::string_view listName) {
    for (const std::string& folder : templateFolders()) {
        const std::string path = folder + "/" + std::string(listName);
        std::error_code ec;
        if (fs::is_regular_file(path, ec)) return path;
    }
    return FileError{"no installed copy of " + std::string(listName)};
}

bool IsKnownDataFileName(std::string_view name) {
    if (name == kLocalListName || name == kLanListName) return true;
    // Tavik2_I0001.hst ... Tavik2_I9999.hst
    const std::string_view prefix = "Tavik2_I", suffix = ".hst";
    if (name.size() != prefix.size() + 4 + suffix.size() || !name.starts_with(prefix) ||
        !name.ends_with(suffix))
        return false;
    for (char c : name.substr(prefix.size(), 4))
        if (c < '0' || c > '9') return false;
    return true;
}

Status PrepareDataFolder(const DataFolder& folder) {
    std::error_code ec;
    fs::create_directories(folder.program, ec);
    if (ec) return FileError{"cannot create the folder " + folder.program + ": " + ec.message()};
    for (const std::string& f : {folder.program, folder.parent, folder.history()})
        RemoveStaleTemporaryFiles(f, IsKnownDataFileName);
    const std::string lists[] = {std::string(kLocalListName), std::string(kLanListName)};
    for (const std::string& name : lists)
        if (fs::exists(folder.inProgram(name), ec)) return {};
    for (const std::string& name : lists) {
        std::optional<std::string> bytes;
        if (auto installed = FindInstalledTemplate(name)) bytes = readFile(*installed).optional();
        if (!bytes) bytes = PlayerList::empty().bytes();
        if (Status written = writeFileAtomic(folder.inProgram(name), *bytes); !written.ok())
            return written;
    }
    return {};
}

}  // namespace tavik::files
