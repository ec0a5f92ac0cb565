#include "periphery/saved_game_name.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace tavik::periphery {
namespace {

namespace fs = std::filesystem;

TEST(SavedGameName, SortsByTimeBesideTheHistoryFiles) {
    EXPECT_EQ(SavedGameGifName("Tavik2", {2026, 12, 11, 9, 3, 5}), "Tavik2_G20261211_090305.gif");
    // Later kons sort after earlier ones as plain text.
    EXPECT_LT(SavedGameGifName("Tavik2", {2026, 12, 11, 23, 59, 59}),
              SavedGameGifName("Tavik2", {2026, 12, 12, 0, 0, 0}));
}

TEST(SavedGameName, TwoKonsInOneSecondGetTwoFiles) {
    const fs::path folder = fs::path(testing::TempDir()) / "saved-game-names";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const files::LocalTime when{2026, 1, 2, 3, 4, 5};
    const std::string first = FreeSavedGamePath(folder.string(), "Tavik2", when);
    EXPECT_EQ(fs::path(first).filename(), "Tavik2_G20260102_030405.gif");
    std::ofstream(first) << "x";
    const std::string second = FreeSavedGamePath(folder.string(), "Tavik2", when);
    EXPECT_EQ(fs::path(second).filename(), "Tavik2_G20260102_030405_2.gif");
    std::ofstream(second) << "x";
    EXPECT_EQ(fs::path(FreeSavedGamePath(folder.string(), "Tavik2", when)).filename(),
              "Tavik2_G20260102_030405_3.gif");
}

}  // namespace
}  // namespace tavik::periphery
