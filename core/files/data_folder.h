#pragma once
// The game's folders on Linux. "The program's folder" (settings, player lists, the
// History folder) is <root>/Tavik2 and "the parent folder" (user, chat, news and
// radio files) is <root>, where <root> is $XDG_DATA_HOME/Tavik-Vel
// (~/.local/share/Tavik-Vel) unless --data-dir names another one.

#include <optional>
#include <string>
#include <string_view>

#include "core/files/file_result.h"

namespace tavik::files {

struct DataFolder {
    std::string parent;   // the parent folder
    std::string program;  // the program's folder

    std::string inProgram(std::string_view name) const { return program + "/" + std::string(name); }
    std::string inParent(std::string_view name) const { return parent + "/" + std::string(name); }
    std::string history() const { return inProgram("History"); }
};

// The folders under `dataDir` when given, else under the XDG data home.
DataFolder ResolveDataFolder(const std::optional<std::string>& dataDir);

// The installed empty copy of a player list ("Tavik2.clb", "Tavik2.net"): beside the
// executable's share/tavik-vel, the install prefix, or the source tree of a build
// that was not installed. An error when none is found.
Result<std::string> FindInstalledTemplate(std::string_view listName);

// The names of the files of the data folder that the game's files library knows: the
// player lists and the history files (Tavik2_I0001.hst ...).
bool IsKnownDataFileName(std::string_view name);

// Every start: creates both folders and removes the temporary files killed writers left
// in the program's folder, its parent and History (RemoveStaleTemporaryFiles, for the
// known names and every file that exists). At the first start, when neither player list
// is there yet, it copies in the installed templates (or writes the same empty lists
// when the installation lacks them). An existing list is never touched. An error when a
// folder or a list cannot be created.
Status PrepareDataFolder(const DataFolder& folder);

}  // namespace tavik::files
