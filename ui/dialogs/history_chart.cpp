#include "ui/dialogs/history_chart.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

#include "ui/dialogs/dialog_words.h"

namespace tavik::ui {
namespace {

// An axis over the values with a little room (at least `least`), at round numbers.
void fit(QValueAxis& axis, double lo, double hi, double least) {
    const double room = std::max(least, (hi - lo) * 0.08);
    axis.setRange(lo - room, hi + room);
    axis.applyNiceNumbers();
}

}  // namespace

HistoryChart::HistoryChart(files::HistoryCurves curves, int language, QWidget* parent)
    : QWidget(parent),
      curves_(std::move(curves)),
      players_(new QComboBox(this)),
      empty_(new QLabel(WordText(words::key::ChartNoMatches, language), this)),
      view_(new QChartView(this)),
      score_(new QLineSeries),
      rating_(new QLineSeries),
      matches_(new QValueAxis),
      scoreAxis_(new QValueAxis),
      ratingAxis_(new QValueAxis) {
    auto* chart = new QChart;
    score_->setName(WordText(words::key::ColScore, language));
    rating_->setName(WordText(words::key::ColRating, language));
    score_->setPointsVisible(true);
    rating_->setPointsVisible(true);
    chart->addSeries(score_);
    chart->addSeries(rating_);
    matches_->setTitleText(WordText(words::key::ChartMatches, language));
    matches_->setLabelFormat(QStringLiteral("%d"));
    scoreAxis_->setTitleText(score_->name());
    scoreAxis_->setLabelFormat(QStringLiteral("%d"));
    ratingAxis_->setLabelFormat(QStringLiteral("%.2f"));
    ratingAxis_->setTitleText(rating_->name());
    chart->addAxis(matches_, Qt::AlignBottom);
    chart->addAxis(scoreAxis_, Qt::AlignLeft);
    chart->addAxis(ratingAxis_, Qt::AlignRight);
    for (QLineSeries* s : {score_, rating_}) s->attachAxis(matches_);
    score_->attachAxis(scoreAxis_);
    rating_->attachAxis(ratingAxis_);
    view_->setChart(chart);
    view_->setRenderHint(QPainter::Antialiasing);

    for (const files::PlayerSeries& p : curves_.players)
        players_->addItem(QString::fromStdString(p.player));
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(WordText(words::key::ChartPlayer, language), this));
    top->addWidget(players_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(empty_);
    layout->addWidget(view_, 1);
    const bool none = curves_.players.empty();
    empty_->setVisible(none);
    players_->setEnabled(!none);
    if (!none) {
        players_->setCurrentIndex(static_cast<int>(curves_.latest));
        showPlayer(static_cast<int>(curves_.latest));
    }
    connect(players_, &QComboBox::currentIndexChanged, this, &HistoryChart::showPlayer);
}

void HistoryChart::showPlayer(int index) {
    if (index < 0 || index >= static_cast<int>(curves_.players.size())) return;
    const std::vector<files::MatchPoint>& points = curves_.players[std::size_t(index)].points;
    QList<QPointF> score, rating;
    double lo = 0, hi = 0, rlo = 0, rhi = 0;
    for (const files::MatchPoint& p : points) {
        score << QPointF(p.match, p.score);
        rating << QPointF(p.match, p.rating);
        lo = std::min<double>(lo, p.score);
        hi = std::max<double>(hi, p.score);
        rlo = std::min(rlo, p.rating);
        rhi = std::max(rhi, p.rating);
    }
    score_->replace(score);
    rating_->replace(rating);
    const int last = points.empty() ? 1 : points.back().match;
    matches_->setRange(last > 1 ? 1 : 0, std::max(last, 2));
    matches_->setTickCount(std::clamp(last, 2, 11));
    fit(*scoreAxis_, lo, hi, 5);
    fit(*ratingAxis_, rlo, rhi, 0.25);
}

}  // namespace tavik::ui
