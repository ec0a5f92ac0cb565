#include "core/files/notices.h"

namespace tavik::files {

std::string englishNotice(FileNotice notice, const std::string& path) {
    const std::string quoted = "\"" + path + "\"";
    switch (notice) {
        case FileNotice::CantFindFile:
            return "Can`t find the file " + quoted + "!";
        case FileNotice::IncorrectFile:
            return "The incorrect file " + quoted + "!";
        case FileNotice::IncorrectAttributes:
            return "The file " + quoted +
                   " has incorrect attributes!\nThe work of the program will be incorrect!";
        case FileNotice::DiskWriteError:
            return "Error of disk writing!";
        case FileNotice::CantSaveHistory:
            return "Cann`t save history!";
    }
    return {};
}

}  // namespace tavik::files
