#pragma once
// Rules of the start-up that need no window: the language an installation asks for
// through its player list.

#include <string_view>

namespace tavik::ui {

// True when the bytes of the local player list have its 17 lines of the expected
// lengths and line 17 begins with "1": the installation was made for Russian.
bool RussianInstallation(std::string_view listBytes);

}  // namespace tavik::ui
