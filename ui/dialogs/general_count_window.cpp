#include "ui/dialogs/general_count_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/dialogs/dialog_words.h"

namespace tavik::ui {

GeneralCountWindow::GeneralCountWindow(const QString& playerName, const files::TCount& count,
                                       int language, QWidget* parent)
    : QDialog(parent) {
    const auto w = [language](std::string_view key) { return WordText(key, language); };
    const auto q = [](const std::string& s) { return QString::fromStdString(s); };
    setWindowTitle(w("Player") + ":  " + playerName);
    rows_ = {{{w("GeneralNumberOfGame"), q(count.Count_KonAll)},
              {w("RoundInCycle"), q(count.Count_KonCur)},
              {w("ScoreInitial"), q(count.Count_ScoBeg)},
              {w("ScoreCurrent"), q(count.Count_ScoCur)},
              {w("ScoreGeneral"), q(count.Count_ScoAll)},
              {w("RatingInitial"), q(count.Count_ReiBeg)},
              {w("RatingCurrent"), q(count.Count_ReiCur)}}};
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(w("InfoAboutGame"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    heading->setAlignment(Qt::AlignCenter);
    layout->addWidget(heading);
    auto* grid = new QGridLayout;
    for (int i = 0; i < static_cast<int>(rows_.size()); ++i) {
        const auto& [label, value] = rows_[static_cast<std::size_t>(i)];
        grid->addWidget(new QLabel(label, this), i, 0);
        auto* field = new QLabel(value.trimmed(), this);
        field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        field->setFont(bold);
        grid->addWidget(field, i, 1);
    }
    layout->addLayout(grid);
    layout->addLayout(OkButtonRow(*this, language));
}

}  // namespace tavik::ui
