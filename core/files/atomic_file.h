#pragma once
// Reading whole files and replacing them atomically: the new content goes to a
// temporary file in the same folder, is flushed to disk, and is renamed over the old
// file, so a crash or a full disk never leaves a half-written file behind.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tavik::files {

// The whole file as bytes; nullopt when it cannot be opened or read.
std::optional<std::string> readFile(const std::string& path);

// Replaces (or creates) the file with the bytes. Returns an error text on failure,
// in which case the previous file is untouched and no temporary file is left.
std::optional<std::string> writeFileAtomic(const std::string& path, std::string_view bytes);

// For tests: called after the temporary file is written and flushed, before the
// rename; returning false makes the write fail there, as a crash would.
void setBeforeRenameHookForTesting(std::function<bool(const std::string& tempPath)> hook);

}  // namespace tavik::files
