#include "ui/main_window/local_champions.h"

#include <QPainter>

#include "config/words/word_keys.h"
#include "config/words/word_table.h"
#include "core/files/codec.h"
#include "ui/button/qor_cards_button.h"
#include "ui/fonts/fonts.h"
#include "ui/table/text_drawing.h"

namespace tavik::ui {
namespace {

constexpr int kWidth = 420;
constexpr int kHeight = 440;
constexpr int kRowTop = 96;
constexpr int kRowStep = 28;

}  // namespace

std::vector<ChampionRow> LocalChampions(const files::PlayerList& list) {
    std::vector<ChampionRow> rows;
    for (int place = 1; place <= 10; ++place) {
        const auto [name1251, score] = list.topTen(place);
        const auto utf8 = files::cp1251ToUtf8(name1251);
        QString name = utf8 ? QString::fromStdString(*utf8) : QString::fromLatin1(name1251);
        while (name.endsWith(QLatin1Char(' '))) name.chop(1);
        rows.push_back({place, name, score});
    }
    return rows;
}

LocalChampionsWindow::LocalChampionsWindow(const config::Settings& settings,
                                           const std::optional<files::PlayerList>& list,
                                           QWidget* parent)
    : QDialog(parent), settings_(settings) {
    auto text = [&](words::WordKey key) {
        return QString::fromUtf8(words::word(key, settings.language));
    };
    setWindowTitle(text(words::key::TopTen));
    setFixedSize(kWidth, kHeight);
    heading_ = text(settings.NetGame ? words::key::NetGamesTitle : words::key::LocalGamesTitle);
    if (list) rows_ = LocalChampions(*list);
    auto* ok = new TQorCardsButton(text(words::key::OK), this);
    ok->setColorSB(TColorSB::DRed);
    ok->setFontColor(Qt::white);
    ok->setColorMouse(Qt::yellow);
    ok->setFont(KindFont(settings.font(config::FontKind::Decor), 20));
    ok->setGeometry((kWidth - 120) / 2, kHeight - 46, 120, 30);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void LocalChampionsWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(236, 233, 216));
    p.setPen(QColor(128, 128, 128));
    p.drawRect(rect().adjusted(8, 8, -9, -56));
    const config::FontSetting& serif = settings_.font(config::FontKind::Serif);
    DrawTextCentred(p, KindFont(serif, 20, true), QColor(128, 0, 0), heading_, 0, kWidth, 22);
    const QFont rowFont = KindFont(serif, 20);
    const QString score = QString::fromUtf8(words::word(words::key::ColScore, settings_.language));
    DrawTextAt(p, KindFont(serif, 18, true), QColor(0, 0, 128), score,
               kWidth - 40 - TextWidth(KindFont(serif, 18, true), score), kRowTop - 32);
    for (const ChampionRow& row : rows_) {
        const QColor colour = row.place <= 3 ? QColor(Qt::red) : QColor(0, 0, 128);
        const int y = kRowTop + (row.place - 1) * kRowStep;
        const QString place = QString::number(row.place) + QLatin1Char('.');
        DrawTextAt(p, rowFont, colour, place, 70 - TextWidth(rowFont, place), y);
        DrawTextAt(p, rowFont, colour, row.name, 84, y);
        const QString value = QString::number(row.score);
        DrawTextAt(p, rowFont, colour, value, kWidth - 40 - TextWidth(rowFont, value), y);
    }
}

}  // namespace tavik::ui
