#pragma once
// The computer level ("Computer: Classic / Expert") lives in a file of its own,
// "TavikVel.ini" in the program's folder, one line "Computer=Classic" or
// "Computer=Expert" (CR LF). Tavik2.ini keeps its exact 35 lines, which other
// installations read and rewrite: a 36th line there would be dropped by every save of
// the established program, and a changed line would disturb its readers.

#include <string>
#include <string_view>

#include "config/settings.h"
#include "core/files/file_result.h"

namespace tavik::config {

inline constexpr std::string_view kComputerFileName = "TavikVel.ini";

// The level the file names; Classic when the file is missing or holds anything else.
ComputerLevel ReadComputerFile(const std::string& path);
// Replaces the file atomically.
files::Status WriteComputerFile(const std::string& path, ComputerLevel level);

// The file's bytes for a level, and the level of a file's bytes (Classic by default).
std::string formatComputerFile(ComputerLevel level);
ComputerLevel parseComputerFile(std::string_view bytes);

}  // namespace tavik::config
