#include "ui/main_window/startup_rules.h"

#include "ui/dialogs/dialog_words.h"
#include "core/files/codec.h"
#include "core/files/player_list.h"
#include "config/words/word_keys.h"

namespace tavik::ui {

bool RussianInstallation(std::string_view listBytes) {
    const std::vector<std::string> lines = files::splitLines(listBytes);
    if (lines.size() < files::kListLines) return false;
    for (int n = 1; n <= files::kListLines; ++n) {
        const std::size_t expected = n <= 5    ? files::kSlotWidth
                                     : n <= 15 ? files::kTopTenWidth
                                               : files::kGameLineWidth;
        if (lines[static_cast<std::size_t>(n - 1)].size() != expected) return false;
    }
    return lines[16][0] == '1';
}

}  // namespace tavik::ui
