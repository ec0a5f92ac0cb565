#pragma once
// Reading whole files and replacing them atomically: the new content goes to a
// temporary file in the same folder, is flushed to disk, and is renamed over the old
// file, so a crash or a full disk never leaves a half-written file behind.

#include <functional>
#include <string>
#include <string_view>

#include "core/files/file_result.h"

namespace tavik::files {

// The whole file as bytes; an error when it cannot be opened or read.
Result<std::string> readFile(const std::string& path);

// Replaces (or creates) the file with the bytes. On failure the previous file is
// untouched and no temporary file is left.
Status writeFileAtomic(const std::string& path, std::string_view bytes);

// For tests: called after the temporary file is written and flushed, before the
// rename; returning false makes the write fail there, as a crash would.
void setBeforeRenameHookForTesting(std::function<bool(const std::string& tempPath)> hook);

}  // namespace tavik::files
