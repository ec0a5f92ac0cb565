#include "ui/dialogs/history_viewer.h"

#include <QComboBox>
#include <QHeaderView>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <optional>

#include "core/files/atomic_file.h"
#include "core/files/columns.h"
#include "ui/dialogs/dialog_words.h"
#include "ui/dialogs/history_chart.h"

namespace tavik::ui {
namespace {

// The type text of a history line and its colour (invalid: the window text colour).
std::pair<std::optional<words::WordKey>, QColor> TypeOf(char letter) {
    switch (letter) {
        case 'N':
            return {words::key::TypeNet, QColor(0, 128, 0)};
        case 'A':
            return {words::key::TypeAccount, QColor(Qt::red)};
        case 'T':
            return {words::key::TypeTourney, QColor(Qt::blue)};
        case 'L':
            return {words::key::TypeLocal, QColor()};
        default:
            return {std::nullopt, QColor()};
    }
}

}  // namespace

HistoryViewer::HistoryViewer(const std::string& historyFolder, int& selected, int language,
                             QWidget* parent)
    : QDialog(parent),
      listing_(files::ListHistoryFiles(historyFolder, files::kHistoryBaseName)),
      selected_(selected),
      language_(language),
      files_(new QComboBox(this)),
      grid_(new QTableWidget(0, 7, this)),
      tabs_(new QTabWidget(this)),
      chart_(new HistoryChart(files::ReadHistorySeries(historyFolder, files::kHistoryBaseName),
                              language, this)) {
    const auto w = [language](words::WordKey key) { return WordText(key, language); };
    setWindowTitle(w(words::key::HistoryTitle));
    grid_->setHorizontalHeaderLabels({w(words::key::ColTime), w(words::key::ColDate),
                                      w(words::key::Player), w(words::key::ColGames),
                                      w(words::key::ColResult), w(words::key::ColRating),
                                      w(words::key::ColType)});
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->verticalHeader()->hide();
    grid_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);

    int current = static_cast<int>(listing_.size()) - 1;
    for (int i = 0; i < static_cast<int>(listing_.size()); ++i) {
        const files::HistoryListing& file = listing_[static_cast<std::size_t>(i)];
        files_->addItem(w(words::key::HistoryFile) +
                        QString::fromStdString(files::zeroPadded(file.number, 4)) + " " +
                        QString::fromStdString(file.modified));
        if (file.number == selected) current = i;
    }
    if (listing_.empty()) {
        files_->addItem(w(words::key::NoHistoryFiles));
        files_->setEnabled(false);
    } else {
        files_->setCurrentIndex(current);
        showFile(current);
    }
    connect(files_, &QComboBox::currentIndexChanged, this, &HistoryViewer::showFile);

    auto* games = new QWidget(tabs_);
    auto* gamesLayout = new QVBoxLayout(games);
    gamesLayout->addWidget(files_);
    gamesLayout->addWidget(grid_);
    tabs_->addTab(games, w(words::key::GridTab));
    tabs_->addTab(chart_, w(words::key::ChartTab));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(OkButtonRow(*this, language));
    resize(760, 480);
}

void HistoryViewer::showFile(int index) {
    if (index < 0 || index >= static_cast<int>(listing_.size())) return;
    const files::HistoryListing& file = listing_[static_cast<std::size_t>(index)];
    selected_ = file.number;
    const auto bytes = files::readFile(file.path);
    const std::vector<files::HistoryRow> rows =
        bytes ? files::HistoryRows(*bytes) : std::vector<files::HistoryRow>{};
    grid_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const files::HistoryRow& row = rows[static_cast<std::size_t>(r)];
        const auto [typeKey, colour] = TypeOf(row.type);
        const std::string cells[] = {row.time,  row.date,   row.player,
                                     row.games, row.result, row.rating};
        for (int c = 0; c < 6; ++c) {
            auto* item = new QTableWidgetItem(QString::fromStdString(cells[c]));
            if (c >= 3) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid_->setItem(r, c, item);
        }
        auto* type = new QTableWidgetItem(typeKey ? WordText(*typeKey, language_) : QString());
        if (colour.isValid()) type->setForeground(colour);
        grid_->setItem(r, 6, type);
    }
    grid_->resizeColumnsToContents();
}

}  // namespace tavik::ui
