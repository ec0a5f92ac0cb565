#include "online/chat/chat_files.h"

#include <filesystem>
#include <limits>
#include <system_error>

#include "core/files/atomic_file.h"
#include "core/files/codec.h"
#include "core/files/columns.h"

namespace tavik::online {
namespace {

// A seen number: a whole non-negative decimal, else 0.
int seenNumber(const std::vector<std::string>& lines) {
    if (lines.empty()) return 0;
    const auto n = files::parseNumber(lines[0]);
    return n && *n >= 0 && *n <= std::numeric_limits<int>::max() ? static_cast<int>(*n) : 0;
}

files::Result<std::string> readTwice(const std::string& path) {
    auto bytes = files::readFile(path);
    return bytes ? bytes : files::readFile(path);
}

// The problems shared by both files: line count, line ends, a first line that is no number.
std::vector<std::string> numberFileProblems(std::string_view bytes, std::size_t lineCount) {
    std::vector<std::string> problems;
    const std::vector<std::string> lines = files::splitLines(bytes);
    if (lines.size() != lineCount)
        problems.push_back("the file has " + std::to_string(lines.size()) + " lines, not " +
                           std::to_string(lineCount));
    if (!files::hasCrLfLinesOnly(bytes)) problems.push_back("a line does not end with CR LF");
    if (lines.empty() || lines[0] != std::to_string(seenNumber(lines)))
        problems.push_back("line 1 is not a number as the game writes it (reads as " +
                           std::to_string(seenNumber(lines)) + ")");
    return problems;
}

}  // namespace

ChatFileState parseChatFile(std::string_view bytes) {
    const std::vector<std::string> lines = files::splitLines(bytes);
    ChatFileState state;
    state.ChatSeen = seenNumber(lines);
    state.ChatBottom = lines.size() > 1 && lines[1] == "1";
    state.ChatAutoOpen = lines.size() > 2 && lines[2] == "1";
    return state;
}

std::string formatChatFile(int ChatLatest, bool ChatBottom, bool ChatAutoOpen) {
    return files::joinCrLf(
        {std::to_string(ChatLatest), ChatBottom ? "1" : "0", ChatAutoOpen ? "1" : "0"});
}

std::vector<std::string> chatFileProblems(std::string_view bytes) {
    std::vector<std::string> problems = numberFileProblems(bytes, 3);
    const std::vector<std::string> lines = files::splitLines(bytes);
    for (std::size_t i = 1; i < 3 && i < lines.size(); ++i)
        if (lines[i] != "0" && lines[i] != "1")
            problems.push_back("line " + std::to_string(i + 1) + " is not \"0\" or \"1\"");
    return problems;
}

ChatFileState ReadChatFile(const std::string& path) {
    std::error_code error;
    if (std::filesystem::symlink_status(path, error).type() ==
        std::filesystem::file_type::not_found)
        (void)files::writeFileAtomic(path, formatChatFile(1, false, false));
    const auto bytes = readTwice(path);
    return bytes ? parseChatFile(*bytes) : ChatFileState{};
}

files::Status WriteChatFile(const std::string& path, int ChatLatest, bool ChatBottom,
                            bool ChatAutoOpen) {
    return files::writeFileAtomic(path, formatChatFile(ChatLatest, ChatBottom, ChatAutoOpen));
}

int parseNewsFile(std::string_view bytes) {
    return seenNumber(files::splitLines(bytes));
}

std::string formatNewsFile(int seen) {
    return files::joinCrLf({std::to_string(seen)});
}

std::vector<std::string> newsFileProblems(std::string_view bytes) {
    return numberFileProblems(bytes, 1);
}

int ReadNewsFile(const std::string& path) {
    const auto bytes = readTwice(path);
    return bytes ? parseNewsFile(*bytes) : 0;
}

files::Status WriteNewsFile(const std::string& path, int NewsLatest) {
    return files::writeFileAtomic(path, formatNewsFile(NewsLatest));
}

}  // namespace tavik::online
