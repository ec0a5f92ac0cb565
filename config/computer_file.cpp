#include "config/computer_file.h"

#include "core/files/atomic_file.h"

namespace tavik::config {

std::string formatComputerFile(ComputerLevel level) {
    return level == ComputerLevel::Expert ? "Computer=Expert\r\n" : "Computer=Classic\r\n";
}

ComputerLevel parseComputerFile(std::string_view bytes) {
    const std::size_t end = bytes.find_first_of("\r\n");
    std::string_view line = bytes.substr(0, end);
    while (!line.empty() && line.back() == ' ') line.remove_suffix(1);
    return line == "Computer=Expert" ? ComputerLevel::Expert : ComputerLevel::Classic;
}

ComputerLevel ReadComputerFile(const std::string& path) {
    const auto bytes = files::readFile(path);
    return bytes ? parseComputerFile(*bytes) : ComputerLevel::Classic;
}

files::Status WriteComputerFile(const std::string& path, ComputerLevel level) {
    return files::writeFileAtomic(path, formatComputerFile(level));
}

}  // namespace tavik::config
