#include "ui/dialogs/history_viewer.h"

#include <gtest/gtest.h>

#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineSeries>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>

#include "core/files/atomic_file.h"
#include "core/files/history_file.h"
#include "ui/dialogs/history_chart.h"
#include "ui/testing/ui_test_support.h"

namespace tavik::ui {
namespace {

files::HisStr Entry(const char* name, files::GameKind kind, int result) {
    return {name, 3, result, 1.25, kind};
}

class HistoryViewerTest : public ::testing::Test {
  protected:
    HistoryViewerTest() {
        test::App();
        folder = dir.path().toStdString() + "/History";
        QDir().mkpath(QString::fromStdString(folder));
    }
    void Write(int number, std::string_view bytes) {
        ASSERT_TRUE(
            files::writeFileAtomic(folder + "/" + files::HistoryFileName("Tavik2", number), bytes)
                .ok());
    }
    std::string Valid(const std::vector<files::HisStr>& entries) {
        return files::AppendHistory("", entries, files::LocalTime{2024, 5, 6, 9, 5, 0});
    }

    QTemporaryDir dir;
    std::string folder;
};

TEST_F(HistoryViewerTest, ListsValidFilesUpToTheFirstInvalidOne) {
    Write(1, Valid({Entry("Ivan", files::GameKind::Local, 30)}));
    Write(2, Valid({Entry("Anna", files::GameKind::Local, -10),
                    Entry("Anna/Boris", files::GameKind::Lan, 20)}));
    Write(3, "not a history file\r\n");
    Write(4, Valid({Entry("Later", files::GameKind::Local, 0)}));

    int selected = 0;
    HistoryViewer viewer(folder, selected, 0);
    viewer.show();
    test::SaveRender(viewer.grab().toImage(), "history-viewer");
    ASSERT_EQ(viewer.fileList().count(), 2);
    EXPECT_TRUE(viewer.fileList().itemText(0).startsWith("File I0001 "));
    // The first time, the last file is shown.
    EXPECT_EQ(viewer.fileList().currentIndex(), 1);
    EXPECT_EQ(selected, 2);
    QTableWidget& grid = viewer.grid();
    ASSERT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(grid.horizontalHeaderItem(2)->text(), "Player");
    const QStringList row = {"09:05", grid.item(1, 1)->text(), "Anna/Boris", "3", "20", "1,25",
                             "Net"};
    for (int c = 0; c < 7; ++c) EXPECT_EQ(grid.item(1, c)->text(), row[c]) << c;
    EXPECT_EQ(grid.item(1, 6)->foreground().color(), QColor(0, 128, 0));
    EXPECT_EQ(grid.item(0, 6)->text(), "Local");

    viewer.fileList().setCurrentIndex(0);
    EXPECT_EQ(grid.rowCount(), 1);
    EXPECT_EQ(grid.item(0, 4)->text(), "30");
    EXPECT_EQ(selected, 1);
    // Opened again, the file viewed before stays selected.
    HistoryViewer again(folder, selected, 0);
    EXPECT_EQ(again.fileList().currentIndex(), 0);
}

TEST_F(HistoryViewerTest, NoFiles) {
    int selected = 0;
    HistoryViewer viewer(folder + "/missing", selected, 1);
    EXPECT_EQ(viewer.fileList().count(), 1);
    EXPECT_EQ(viewer.fileList().itemText(0), "Нет файлов истории");
    EXPECT_FALSE(viewer.fileList().isEnabled());
    EXPECT_EQ(viewer.grid().rowCount(), 0);
    // The chart says there is nothing to draw.
    EXPECT_FALSE(viewer.chart().players().isEnabled());
    EXPECT_FALSE(viewer.chart().emptyNote().isHidden());
    EXPECT_EQ(viewer.chart().emptyNote().text(), "В файлах истории пока нет матчей");
    EXPECT_EQ(viewer.chart().scoreSeries().count(), 0);
}

std::vector<QPointF> PointsOf(const QLineSeries& s) {
    const QList<QPointF> points = s.points();
    return {points.begin(), points.end()};
}

TEST_F(HistoryViewerTest, TheChartDrawsThePlayersScoreAndRatingOverEveryFile) {
    Write(1, Valid({{"Ivan", 3, 20, 2.0, files::GameKind::Local},
                    {"Anna/Ivan", 3, -10, -1.5, files::GameKind::Lan},
                    {"Ivan", 2, -30, 0.5, files::GameKind::Local}}));
    Write(2, Valid({{"Ivan", 4, 40, 1.75, files::GameKind::Local},
                    {"Anna", 1, 10, 0.25, files::GameKind::Local}}));
    int selected = 0;
    HistoryViewer viewer(folder, selected, 0);
    viewer.resize(760, 480);
    viewer.show();
    ASSERT_EQ(viewer.tabs().count(), 2);
    EXPECT_EQ(viewer.tabs().tabText(0), "Games");
    EXPECT_EQ(viewer.tabs().tabText(1), "Chart");
    HistoryChart& chart = viewer.chart();
    ASSERT_EQ(chart.players().count(), 2);
    EXPECT_EQ(chart.players().itemText(0), "Ivan");
    // Anna played the latest match; her LAN match counts for her.
    EXPECT_EQ(chart.players().currentText(), "Anna");
    EXPECT_EQ(PointsOf(chart.scoreSeries()), (std::vector<QPointF>{{1, -10}, {2, 0}}));
    EXPECT_EQ(PointsOf(chart.ratingSeries()), (std::vector<QPointF>{{1, -1.5}, {2, 0.25}}));

    chart.players().setCurrentIndex(0);
    EXPECT_EQ(PointsOf(chart.scoreSeries()), (std::vector<QPointF>{{1, 20}, {2, -10}, {3, 30}}));
    EXPECT_EQ(PointsOf(chart.ratingSeries()),
              (std::vector<QPointF>{{1, 2.0}, {2, 0.5}, {3, 1.75}}));
    EXPECT_EQ(chart.scoreSeries().name(), "Score");
    viewer.tabs().setCurrentIndex(1);
    test::SaveRender(viewer.grab().toImage(), "history-chart");
}

}  // namespace
}  // namespace tavik::ui
