#include "main_window/startup_rules.h"

#include "dialogs/dialog_words.h"
#include "files/codec.h"
#include "files/player_list.h"
#include "words/word_keys.h"

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

QString FileNoticeText(files::FileNotice notice, const std::string& path, int language) {
    const QString quoted = QStringLiteral(" \"") + QString::fromStdString(path) + QLatin1Char('"');
    switch (notice) {
        case files::FileNotice::CantFindFile:
            return WordText(words::key::CantFindFile, language) + quoted + QLatin1Char('!');
        case files::FileNotice::IncorrectFile:
            return WordText(words::key::IncorrectFile, language) + quoted + QLatin1Char('!');
        case files::FileNotice::IncorrectAttributes:
            return WordText(words::key::TheFile, language) + quoted + QLatin1Char(' ') +
                   WordText(words::key::IncorrectAttributes, language) + QLatin1Char('\n') +
                   WordText(words::key::WorkWillBeIncorrect, language);
        case files::FileNotice::DiskWriteError:
            return WordText(words::key::DiskWriteError, language);
        case files::FileNotice::CantSaveHistory:
            return WordText(words::key::CantSaveHistory, language);
    }
    return {};
}

}  // namespace tavik::ui
