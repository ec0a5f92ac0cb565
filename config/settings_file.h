#pragma once
// Reading and writing "Tavik2.ini": 35 lines of Windows-1251 text with CR LF ends, ten
// section markers and 25 values. Reading is forgiving in the established way: a file of
// fewer than 35 lines is not used at all, and the values are applied in file order
// until the first line that fails its check, after which everything keeps its default.

#include <string>
#include <string_view>
#include <vector>

#include "config/settings.h"
#include "core/files/file_result.h"

namespace tavik::config {

inline constexpr int kSettingsLineCount = 35;

// How a reading of the settings file ended.
enum class SettingsRead {
    NoFile,    // missing or unreadable: every setting has its default
    Short,     // fewer than 35 lines: nothing of the file is used
    Stopped,   // a line failed its check: the values before it are in force
    Complete,  // every value was read; the caller applies the remote configuration next
};

struct SettingsLoad {
    Settings settings;
    SettingsRead outcome = SettingsRead::NoFile;
    int stopLine = 0;                // with Stopped, the line that failed its check
    std::vector<std::string> notes;  // each refused value and the stop, "line N: why"
};

// The settings in file bytes (the bytes of an existing file; an empty one is Short).
SettingsLoad parseSettings(std::string_view bytes);
// LoadSettings: the defaults (the passport and the two addresses included, so a first
// start without a file has them too), then the file at path if it can be read (the
// open is tried twice) and is complete.
SettingsLoad LoadSettings(const std::string& path);

// The 35 lines for the settings, each followed by CR LF. A value that the reader would
// refuse or stop at (an empty name, an address or IP, a malformed country code, a
// number out of range) is written as its default, so a saved file always reads back
// whole.
std::string formatSettings(const Settings& settings);
// SaveSettings: replaces the file atomically, trying twice. An error when both tries
// fail; the old file and the settings in memory are then untouched. (Whether
// saving is allowed at all, with the player lists malformed or blocked, is the caller's
// decision.)
files::Status SaveSettings(const std::string& path, const Settings& settings);

// Why the bytes are not exactly the file SaveSettings would write for the values read
// from them; empty for a good file.
std::vector<std::string> settingsProblems(std::string_view bytes);

}  // namespace tavik::config
