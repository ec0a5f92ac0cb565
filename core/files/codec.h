#pragma once
// The one place where text crosses the file boundary: Windows-1251 bytes and CR LF
// line ends outside, UTF-8 inside. Every reader and writer of the persistent files
// goes through these functions.

#include <string>
#include <string_view>
#include <vector>

#include "core/files/file_result.h"

namespace tavik::files {

// Windows-1251 bytes to UTF-8. An error when a byte has no character (0x98).
Result<std::string> cp1251ToUtf8(std::string_view bytes);
// UTF-8 to Windows-1251 bytes. An error for invalid UTF-8 or a character the code
// page lacks.
Result<std::string> utf8ToCp1251(std::string_view utf8);

// UTF-8 text as one line of a file in Windows-1251: a character the code page lacks
// (or a byte that is not UTF-8) becomes '?', and a CR or LF becomes a blank, so the
// value can never break the line structure of the file it goes into.
std::string cp1251Line(std::string_view utf8);

// Splits file bytes into lines the way the game's text files were always read: a
// line ends at CR LF, at a lone CR or at a lone LF; a final line without an end
// counts; an empty file has no lines.
std::vector<std::string> splitLines(std::string_view bytes);
// True when every line of the bytes ends with CR LF and no lone CR or LF occurs.
bool hasCrLfLinesOnly(std::string_view bytes);
// Joins lines, each followed by CR LF.
std::string joinCrLf(const std::vector<std::string>& lines);

}  // namespace tavik::files
