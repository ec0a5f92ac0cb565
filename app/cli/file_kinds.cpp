// The table of the kinds of file `tavik-cli files` knows. Each kind's check and show
// are written beside the others of their library: the player lists and the history
// files in file_kinds_core.cpp, the settings and the small state files in
// file_kinds_settings.cpp.
#include "app/cli/file_kinds.h"

#include <filesystem>

namespace tavik::cli {

// file_kinds_core.cpp
FileCheck checkPlayerListFile(const std::string& path);
std::optional<std::string> showPlayerListFile(const std::string& path, std::string& error);
FileCheck checkHistoryFile(const std::string& path);
std::optional<std::string> showHistoryFile(const std::string& path, std::string& error);
// file_kinds_settings.cpp
FileCheck checkSettingsFile(const std::string& path);
std::optional<std::string> showSettingsFile(const std::string& path, std::string& error);
FileCheck checkUserFile(const std::string& path);
std::optional<std::string> showUserFile(const std::string& path, std::string& error);
FileCheck checkChatFile(const std::string& path);
std::optional<std::string> showChatFile(const std::string& path, std::string& error);
FileCheck checkNewsFile(const std::string& path);
std::optional<std::string> showNewsFile(const std::string& path, std::string& error);
FileCheck checkRadioStateFile(const std::string& path);
std::optional<std::string> showRadioStateFile(const std::string& path, std::string& error);
FileCheck checkStationListFile(const std::string& path);
std::optional<std::string> showStationListFile(const std::string& path, std::string& error);

namespace {

const FileKind kFileKinds[] = {
    {".clb", "player list", checkPlayerListFile, showPlayerListFile},
    {".net", "player list", checkPlayerListFile, showPlayerListFile},
    {".hst", "history", checkHistoryFile, showHistoryFile},
    {"Tavik2.ini", "settings file", checkSettingsFile, showSettingsFile},
    {"QorUser.qor", "user file", checkUserFile, showUserFile},
    {"QorChatQor.ini", "chat state file", checkChatFile, showChatFile},
    {"QorNewsQor.ini", "news state file", checkNewsFile, showNewsFile},
    {"QorRadio.ini", "radio state file", checkRadioStateFile, showRadioStateFile},
    {"QorRadio.rad", "station list", checkStationListFile, showStationListFile},
    {"QorRadio.ser", "station list", checkStationListFile, showStationListFile},
};

}  // namespace

std::span<const FileKind> fileKinds() {
    return kFileKinds;
}

const FileKind* fileKindOf(const std::string& path) {
    const std::string name = std::filesystem::path(path).filename().string();
    for (const FileKind& k : kFileKinds) {
        const std::string end = k.nameEnd;
        if (name.size() >= end.size() &&
            name.compare(name.size() - end.size(), end.size(), end) == 0)
            return &k;
    }
    return nullptr;
}

std::string knownFileKinds() {
    std::string list;
    for (const FileKind& k : kFileKinds)
        list += (list.empty() ? "" : ", ") + std::string(k.nameEnd);
    return list;
}

}  // namespace tavik::cli
