#pragma once
// What `tavik-cli files` can do with one kind of persistent file: check it and show
// its records. Each kind provides these two functions; files_command.cpp picks the
// kind by the file's name from its table.

#include <optional>
#include <string>

#include "app/cli/json.h"

namespace tavik::cli {

struct FileCheck {
    bool valid = false;
    std::string why;   // what is wrong, when not valid
    std::string note;  // anything else worth saying about a valid file
};

// The checks the game makes when it reads the file.
using CheckFile = FileCheck (*)(const std::string& path);
// The records as one line of JSON, text in UTF-8; nullopt (with `error`) when the
// file cannot be read as this kind.
using ShowFile = std::optional<std::string> (*)(const std::string& path, std::string& error);

// Tavik2.clb and Tavik2.net.
FileCheck checkPlayerListFile(const std::string& path);
std::optional<std::string> showPlayerListFile(const std::string& path, std::string& error);
// Tavik2_I0001.hst and the following.
FileCheck checkHistoryFile(const std::string& path);
std::optional<std::string> showHistoryFile(const std::string& path, std::string& error);
// The viewer's rows of a history file as a JSON array.
Json historyRowsJson(const std::string& bytes);
// Tavik2.ini.
FileCheck checkSettingsFile(const std::string& path);
std::optional<std::string> showSettingsFile(const std::string& path, std::string& error);
// QorUser.qor.
FileCheck checkUserFile(const std::string& path);
std::optional<std::string> showUserFile(const std::string& path, std::string& error);
// QorChatQor.ini and QorNewsQor.ini.
FileCheck checkChatFile(const std::string& path);
std::optional<std::string> showChatFile(const std::string& path, std::string& error);
FileCheck checkNewsFile(const std::string& path);
std::optional<std::string> showNewsFile(const std::string& path, std::string& error);
// QorRadio.ini, and the station lists QorRadio.rad and QorRadio.ser.
FileCheck checkRadioStateFile(const std::string& path);
std::optional<std::string> showRadioStateFile(const std::string& path, std::string& error);
FileCheck checkStationListFile(const std::string& path);
std::optional<std::string> showStationListFile(const std::string& path, std::string& error);

}  // namespace tavik::cli
