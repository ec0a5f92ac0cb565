#pragma once
// Rules of the start-up that need no window: the language an installation asks for
// through its player list, and the texts of the player-list messages.

#include <QString>
#include <string>
#include <string_view>

#include "files/notices.h"

namespace tavik::ui {

// True when the bytes of the local player list have its 17 lines of the expected
// lengths and line 17 begins with "1": the installation was made for Russian.
bool RussianInstallation(std::string_view listBytes);

// The message about a player list or the history in the language.
QString FileNoticeText(files::FileNotice notice, const std::string& path, int language);

}  // namespace tavik::ui
