#pragma once
// Reading whole files and replacing them atomically: the new content goes to a
// temporary file in the same folder (NAME.tmpXXXXXX), is flushed to disk, and is
// renamed over the old file, so a crash or a full disk never leaves a half-written file
// behind. The writer holds an exclusive flock() on its temporary file until the rename,
// which tells a temporary file being written from one a killed writer left.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/files/file_result.h"

namespace tavik::files {

// The whole file as bytes; an error when it cannot be opened or read.
Result<std::string> readFile(const std::string& path);

// Replaces (or creates) the file with the bytes. On failure the previous file is
// untouched and no temporary file is left.
Status writeFileAtomic(const std::string& path, std::string_view bytes);

// Removes what killed writers left in `folder`: files named NAME.tmpXXXXXX (six letters
// or digits after ".tmp", as the writer makes them) where NAME is a file in the folder
// or a name `isKnownName` accepts, that no writer holds locked, and that were not
// created in the last few seconds (a writer locks its file just after creating it).
// Any other file is kept. Returns the names removed.
std::vector<std::string> RemoveStaleTemporaryFiles(
    const std::string& folder, const std::function<bool(std::string_view name)>& isKnownName);

// For tests: called after the temporary file is written and flushed, before the
// rename; returning false makes the write fail there, as a crash would.
void setBeforeRenameHookForTesting(std::function<bool(const std::string& tempPath)> hook);

}  // namespace tavik::files
