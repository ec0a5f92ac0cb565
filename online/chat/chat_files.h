#pragma once
// The two small state files of the chat and the news, in the parent folder beside the
// user file. "QorChatQor.ini" has three lines: the number of the newest chat message the
// player has seen, "1"/"0" for the newest message at the bottom, "1"/"0" for opening the
// chat window by itself. "QorNewsQor.ini" has one line: the last news number seen.
// Windows-1251 text (digits only) with CR LF line ends.

#include <string>
#include <string_view>
#include <vector>

#include "core/files/file_result.h"

namespace tavik::online {

// Both in the parent folder: files::DataFolder::inParent(kChatFileName).
inline constexpr std::string_view kChatFileName = "QorChatQor.ini";
inline constexpr std::string_view kNewsFileName = "QorNewsQor.ini";

struct ChatFileState {
    int ChatSeen = 0;
    bool ChatBottom = false;
    bool ChatAutoOpen = false;
    bool operator==(const ChatFileState&) const = default;
};

// The state in file bytes: a first line that is not a number (a whole non-negative
// decimal) reads as 0; a box is on exactly when its line is "1"; missing lines read as
// 0 and off.
ChatFileState parseChatFile(std::string_view bytes);
std::string formatChatFile(int ChatLatest, bool ChatBottom, bool ChatAutoOpen);
std::vector<std::string> chatFileProblems(std::string_view bytes);

// Reads the chat file; a missing one is first created with the lines "1", "0", "0". A
// file that cannot be created or read gives 0 with both boxes off.
ChatFileState ReadChatFile(const std::string& path);
// Writes the three lines (the newest known number counts as seen); on failure the
// old file is untouched.
files::Status WriteChatFile(const std::string& path, int ChatLatest, bool ChatBottom,
                            bool ChatAutoOpen);

// The last news number seen: 0 when the first line is not a number.
int parseNewsFile(std::string_view bytes);
std::string formatNewsFile(int seen);
std::vector<std::string> newsFileProblems(std::string_view bytes);
// 0 when the file is missing or unreadable.
int ReadNewsFile(const std::string& path);
files::Status WriteNewsFile(const std::string& path, int NewsLatest);

}  // namespace tavik::online
