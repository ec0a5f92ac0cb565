// tavik-cli files: check and show the persistent files, and list the history files
// as the history viewer does.
#include <cstdio>
#include <filesystem>

#include "app/cli/arguments.h"
#include "app/cli/commands.h"
#include "app/cli/file_kinds.h"
#include "app/cli/json.h"
#include "core/files/atomic_file.h"
#include "core/files/history_folder.h"

namespace tavik::cli {
namespace {

int fail(const std::string& message) {
    std::fprintf(stderr, "tavik-cli files: %s\n", message.c_str());
    return 2;
}

int check(const std::string& path) {
    const FileKind* kind = fileKindOf(path);
    if (!kind) return fail("unknown kind of file " + path + " (known: " + knownFileKinds() + ")");
    const FileCheck c = kind->check(path);
    if (!c.valid) {
        std::printf("%s: invalid %s: %s\n", path.c_str(), kind->kind, c.why.c_str());
        return 1;
    }
    std::printf("%s: valid %s%s%s\n", path.c_str(), kind->kind, c.note.empty() ? "" : "; ",
                c.note.c_str());
    return 0;
}

int show(const std::string& path) {
    const FileKind* kind = fileKindOf(path);
    if (!kind) return fail("unknown kind of file " + path + " (known: " + knownFileKinds() + ")");
    std::string error;
    const auto json = kind->show(path, error);
    if (!json) {
        std::fprintf(stderr, "%s: invalid %s: %s\n", path.c_str(), kind->kind, error.c_str());
        return 1;
    }
    std::printf("%s\n", json->c_str());
    return 0;
}

// The History folder of a data folder, of a program folder, or the folder itself.
std::string historyFolder(const std::string& dir) {
    for (const char* inside : {"Tavik2/History", "History"}) {
        const std::filesystem::path p = std::filesystem::path(dir) / inside;
        std::error_code ec;
        if (std::filesystem::is_directory(p, ec)) return p.string();
    }
    return dir;
}

int history(const std::string& dir) {
    const std::string folder = historyFolder(dir);
    const auto list = files::ListHistoryFiles(folder, "Tavik2");
    if (list.empty()) std::printf("%s\n", jsonLine({{"caption", "No History Files"}}).c_str());
    for (const files::HistoryListing& h : list) {
        std::printf("%s\n", jsonLine({{"file", h.number},
                                      {"caption", h.caption},
                                      {"modified", h.modified},
                                      {"rows", h.records},
                                      {"path", h.path}})
                                .c_str());
    }
    return 0;
}

}  // namespace

int filesCommand(const std::vector<std::string>& args) {
    std::string error;
    const auto parsed = Arguments::parse(args, {}, {}, error);
    if (!parsed) return fail(error);
    const auto& words = parsed->positional();
    if (words.size() != 2)
        return fail("expected: files check PATH | files show PATH | files history DIR");
    if (words[0] == "check") return check(words[1]);
    if (words[0] == "show") return show(words[1]);
    if (words[0] == "history") return history(words[1]);
    return fail("unknown files action '" + words[0] + "' (check, show, history)");
}

}  // namespace tavik::cli
