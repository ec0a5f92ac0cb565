#pragma once
// The messages the file operations show to the player. The window looks each one up
// in the language table; englishNotice() gives the English entry, which the command
// line prints.

#include <string>

namespace tavik::files {

enum class FileNotice {
    CantFindFile,         // a player list is missing at start-up: the program closes
    IncorrectFile,        // a player list is malformed at start-up: the program closes
    IncorrectAttributes,  // a player list cannot be written: writes are blocked for the run
    DiskWriteError,       // "Error of disk writing!"
    CantSaveHistory,      // "Cann`t save history!"
};

// The English text of the message about the file at `path`.
std::string englishNotice(FileNotice notice, const std::string& path);

// Where the file operations report their messages; the window shows message boxes.
class NoticePort {
  public:
    virtual ~NoticePort() = default;
    virtual void notice(FileNotice notice, const std::string& path) = 0;
};

}  // namespace tavik::files
