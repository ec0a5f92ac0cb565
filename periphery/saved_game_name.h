#pragma once
// The names of the games saved as GIF in the history folder, beside the history files
// of the same player list: "Tavik2_G20261211_120355.gif" for the kon that ended on
// 11 December 2026 at 12:03:55, so that they sort by time and stay apart from the
// "Tavik2_I0001.hst" files.

#include <string>
#include <string_view>

#include "core/files/history_file.h"

namespace tavik::periphery {

// base + "_G" + yyyymmdd + "_" + hhmmss + ".gif".
std::string SavedGameGifName(std::string_view baseName, const files::LocalTime& when);

// The path in `folder` for a kon that ended at `when`: the name above, or, when a file
// of that name exists already, the same name with "_2", "_3", ... before ".gif".
std::string FreeSavedGamePath(const std::string& folder, std::string_view baseName,
                              const files::LocalTime& when);

}  // namespace tavik::periphery
