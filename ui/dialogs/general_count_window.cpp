#include "ui/dialogs/general_count_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/dialogs/dialog_words.h"

namespace tavik::ui {

GeneralCountWindow::GeneralCountWindow(const QString& playerName, const files::TCount& count,
                                       int language, QWidget* parent)
    : QDialog(parent) {
    const auto w = [language](words::WordKey key) { return WordText(key, language); };
    const auto q = [](const std::string& s) { return QString::fromStdString(s); };
    setWindowTitle(w(words::key::Player) + ":  " + playerName);
    rows_ = {{{w(words::key::GeneralNumberOfGame), q(count.Count_KonAll)},
              {w(words::key::RoundInCycle), q(count.Count_KonCur)},
              {w(words::key::ScoreInitial), q(count.Count_ScoBeg)},
              {w(words::key::ScoreCurrent), q(count.Count_ScoCur)},
              {w(words::key::ScoreGeneral), q(count.Count_ScoAll)},
              {w(words::key::RatingInitial), q(count.Count_ReiBeg)},
              {w(words::key::RatingCurrent), q(count.Count_ReiCur)}}};
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(w(words::key::InfoAboutGame), this);
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
