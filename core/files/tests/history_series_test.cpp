#include "core/files/history_series.h"

#include <gtest/gtest.h>

#include "core/files/atomic_file.h"
#include "core/files/history_file.h"
#include "core/files/tests/files_test_support.h"

namespace tavik::files {
namespace {

using testing::golden;
using testing::TempFolder;

TEST(HistorySeries, TheGoldenFileGivesOnePointPerMatchOfEachLocalPlayer) {
    const HistoryCurves curves = HistorySeries({golden("Tavik2_I0001.hst")});
    ASSERT_EQ(curves.players.size(), 3u);
    // The LAN line "Петя/Вася" counts for the local player, Петя.
    EXPECT_EQ(curves.players[0].player, "Вася");
    EXPECT_EQ(curves.players[1].player, "Петя");
    EXPECT_EQ(curves.players[2].player.rfind("Константин Константинович", 0), 0u);
    const MatchPoint& lan = curves.players[1].points.at(0);
    EXPECT_EQ(lan.match, 1);
    EXPECT_EQ(lan.kons, 3);
    EXPECT_EQ(lan.result, -30);
    EXPECT_EQ(lan.score, -30);
    EXPECT_DOUBLE_EQ(lan.rating, -0.5);
    EXPECT_EQ(lan.type, 'N');
    EXPECT_EQ(lan.date, "31.12.2024");
    EXPECT_DOUBLE_EQ(curves.players[0].points.at(0).rating, 12.5);
    EXPECT_DOUBLE_EQ(curves.players[2].points.at(0).rating, 0.05);
    EXPECT_EQ(curves.latest, 2u);
}

TEST(HistorySeries, TheScoreRunsOverTheMatchesOfEveryFileInOrder) {
    const LocalTime when{2025, 6, 1, 10, 0, 0};
    std::string first;
    for (auto [result, rating] : {std::pair{20, 2.0}, {-10, 0.75}, {40, 1.8}})
        first = AppendHistory(first, {{"Ivan", 3, result, rating, GameKind::Local}}, when);
    first = AppendHistory(first, {{"Olga", 2, 10, 5.0, GameKind::Local}}, when);
    const std::string second =
        AppendHistory("", {{"Ivan", 1, -100, -99.99, GameKind::Local}}, when);

    const HistoryCurves curves = HistorySeries({first, second});
    ASSERT_EQ(curves.players.size(), 2u);
    const std::vector<MatchPoint>& ivan = curves.players[0].points;
    ASSERT_EQ(ivan.size(), 4u);
    std::vector<int> scores, matches;
    std::vector<double> ratings;
    for (const MatchPoint& p : ivan) {
        scores.push_back(p.score);
        matches.push_back(p.match);
        ratings.push_back(p.rating);
    }
    EXPECT_EQ(scores, (std::vector<int>{20, 10, 50, -50}));
    EXPECT_EQ(matches, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(ratings, (std::vector<double>{2.0, 0.75, 1.8, -99.99}));
    EXPECT_EQ(curves.latest, 0u);  // Ivan played last
}

TEST(HistorySeries, LinesThatDoNotReadAndInvalidFilesAreLeftOut) {
    std::string bytes = AppendHistory("", {{"Ivan", 3, 20, 2.0, GameKind::Local}}, {});
    bytes = AppendHistory(bytes, {{"Ivan", 3, 30, 3.0, GameKind::Local}}, {});
    // A record line whose rating column holds no number.
    std::string bad = bytes;
    const std::size_t second = bad.find("\r\n") + 2;
    bad.replace(second + 79, 10, "      abcd");
    const HistoryCurves curves = HistorySeries({bad});
    ASSERT_EQ(curves.players.size(), 1u);
    EXPECT_EQ(curves.players[0].points.size(), 1u);

    // From the folder only the valid files count: file 2 with a wrong total is skipped.
    TempFolder folder;
    ASSERT_TRUE(writeFileAtomic(folder / HistoryFileName("Tavik2", 1), bytes).ok());
    ASSERT_TRUE(writeFileAtomic(folder / HistoryFileName("Tavik2", 2), bad).ok());
    const HistoryCurves read = ReadHistorySeries(folder.str(), "Tavik2");
    ASSERT_EQ(read.players.size(), 1u);
    EXPECT_EQ(read.players[0].points.back().score, 50);
    EXPECT_TRUE(ReadHistorySeries(folder / "none", "Tavik2").players.empty());
}

}  // namespace
}  // namespace tavik::files
