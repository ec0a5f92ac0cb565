#include <gtest/gtest.h>

#include <filesystem>

#include "core/files/codec.h"
#include "core/files/columns.h"
#include "core/files/history_file.h"
#include "core/files/history_folder.h"
#include "core/files/tests/files_test_support.h"

namespace tavik::files {
namespace {

using testing::golden;
using testing::KilledWriter;
using testing::TempFolder;

const HisStr kEntry{"Ann", 30, 120, 4.0, GameKind::Local};
const LocalTime kNoon{2024, 5, 17, 12, 0, 0};

TEST(History, GoldenFileIsWhatTheWriterProducesByteForByte) {
    const std::string expected = golden("Tavik2_I0001.hst");
    std::string bytes =
        AppendHistory("", {{"Вася", 30, 450, 12.5, GameKind::Local}}, {2024, 3, 7, 9, 5, 0});
    bytes = AppendHistory(bytes, {{"Петя/Вася", 3, -30, -0.5, GameKind::Lan}},
                          {2024, 12, 31, 23, 59, 0});
    bytes = AppendHistory(
        bytes,
        {{"Константин Константинович Константинопольский-Длинный", 1, 0, 0.05, GameKind::Account}},
        {2025, 1, 1, 0, 0, 0});
    EXPECT_EQ(bytes, expected);

    const HistoryCheck check = CheckHistory(expected);
    EXPECT_TRUE(check.valid) << check.reason;
    EXPECT_EQ(check.records, 3);
    const auto rows = HistoryRows(expected);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1].time, "23:59");
    EXPECT_EQ(rows[1].date, "31.12.2024");
    EXPECT_EQ(rows[1].player, "Петя/Вася");
    EXPECT_EQ(rows[1].games, "3");
    EXPECT_EQ(rows[1].result, "-30");
    EXPECT_EQ(rows[1].rating, "-0,50");
    EXPECT_EQ(HistoryTypeName(rows[1].type), "Net");
    EXPECT_EQ(rows[2].player, "Константин Константинович Константинопольский-Длинн")
        << "the name is cut to 51 characters";
}

TEST(History, RatingAndResultColumns) {
    struct Case {
        double rating;
        const char* text;
    } cases[] = {{0, "      0,00"},      {0.04, "      0,04"},   {0.5, "      0,50"},
                 {-0.5, "     -0,50"},   {-0.001, "      0,00"}, {12.345678, "     12,35"},
                 {-99.99, "    -99,99"}, {0.125, "      0,12"},  {0.375, "      0,38"},
                 {1234.5, "   1234,50"}};
    for (const Case& c : cases) EXPECT_EQ(twoDecimals(c.rating, 10), c.text) << c.rating;

    const std::string line = HistoryRecordLine({"Ann", 1, -30, 0, GameKind::Online}, kNoon);
    ASSERT_EQ(line.size(), kHistoryLineWidth);
    EXPECT_EQ(line.substr(69, 10), "       -30");
    EXPECT_EQ(line.substr(89, 10), "T#########");
    EXPECT_EQ(line.substr(0, 15), "12:0017.05.2024");
}

TEST(History, ValidityOfChangedFiles) {
    const std::string good = golden("Tavik2_I0001.hst");
    auto changed = [&](std::size_t at, char c) {
        std::string s = good;
        s[at] = c;
        return s;
    };
    std::string lfOnly, crOnly;
    for (char c : good) {
        if (c != '\r') lfOnly += c;
        if (c != '\n') crOnly += c;
    }
    const std::size_t line2 = 116;
    struct Case {
        const char* what;
        std::string bytes;
        bool valid;
    } cases[] = {
        {"as written", good, true},
        {"LF-only line ends", lfOnly, true},
        {"CR-only line ends", crOnly, true},
        {"an overlong record line (the sums cover 99)",
         good.substr(0, line2 + 114) + "extra" + good.substr(line2 + 114), true},
        {"lines after the totals", good + "anything\r\n", true},
        {"a changed checksum column (not compared)", changed(line2 + 105, '9'), true},
        {"a changed character of a record", changed(line2 + 20, 'x'), false},
        {"a changed character of the game line", changed(3 * 116 + 50, '%'), false},
        {"a changed totals digit", changed(4 * 116 + 29, '1'), false},
        {"no totals line", good.substr(0, 4 * 116), false},
        {"a short record line", good.substr(0, line2 + 100) + good.substr(line2 + 114), false},
        {"no game line", good.substr(0, 3 * 116), false},
        {"empty", "", false},
        {"binary", std::string(300, '\0'), false},
    };
    for (const Case& c : cases) EXPECT_EQ(CheckHistory(c.bytes).valid, c.valid) << c.what;
}

TEST(History, AppendingKeepsADamagedChecksumColumnFromSpoilingTheFile) {
    std::string old = golden("Tavik2_I0001.hst");
    old[116 + 105] = '9';  // the reader ignores this column; so must the writer
    const std::string bytes = AppendHistory(old, {kEntry}, kNoon);
    const HistoryCheck check = CheckHistory(bytes);
    EXPECT_TRUE(check.valid) << check.reason;
    EXPECT_EQ(check.records, 4);
}

TEST(History, TheMatchAfterEightHundredFortyGoesIntoTheNextFile) {
    TempFolder dir;
    const std::string folder = dir / "History";
    std::filesystem::create_directories(folder);
    const std::vector<HisStr> full(kHistoryFileCapacity - 1, kEntry);
    ASSERT_TRUE(writeFileAtomic(folder + "/Tavik2_I0001.hst", AppendHistory("", full, kNoon)).ok());

    auto write = [&] { return WriteHistory(folder, "Tavik2", {kEntry}, kNoon); };
    EXPECT_EQ(write(), 1);  // the 840th
    EXPECT_EQ(ReadHistoryFile(folder, "Tavik2", 1).check.records, 840);
    const Result<int> next = write();  // the 841st
    EXPECT_TRUE(next.ok());
    EXPECT_EQ(next, 2);
    EXPECT_EQ(ReadHistoryFile(folder, "Tavik2", 1).check.records, 840);
    EXPECT_EQ(ReadHistoryFile(folder, "Tavik2", 2).check.records, 1);
}

TEST(History, AnInvalidFileIsReplacedAndAMissingFolderCreated) {
    TempFolder dir;
    const std::string folder = dir / "History";
    EXPECT_EQ(WriteHistory(folder, "Tavik2", {kEntry, kEntry}, kNoon), 1);
    std::string bytes = *readFile(folder + "/Tavik2_I0001.hst");
    bytes[20] = 'Z';
    ASSERT_TRUE(writeFileAtomic(folder + "/Tavik2_I0001.hst", bytes).ok());
    EXPECT_FALSE(ReadHistoryFile(folder, "Tavik2", 1).check.valid);

    EXPECT_EQ(WriteHistory(folder, "Tavik2", {kEntry}, kNoon), 1);
    const HistoryFileInfo info = ReadHistoryFile(folder, "Tavik2", 1);
    EXPECT_TRUE(info.check.valid);
    EXPECT_EQ(info.check.records, 1);
}

TEST(History, AWriterKilledBeforeTheRenameLeavesThePreviousFile) {
    TempFolder dir;
    const std::string folder = dir / "History";
    ASSERT_TRUE(WriteHistory(folder, "Tavik2", {kEntry}, kNoon).ok());
    const auto before = readFile(folder + "/Tavik2_I0001.hst");
    {
        KilledWriter killed;
        const Result<int> r = WriteHistory(folder, "Tavik2", {kEntry}, kNoon);
        ASSERT_FALSE(r.ok());
        EXPECT_FALSE(r.error().message.empty());
    }
    EXPECT_EQ(readFile(folder + "/Tavik2_I0001.hst"), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
}

TEST(History, TheViewerListsFilesUpToTheFirstInvalidOne) {
    TempFolder dir;
    const std::string folder = dir.str();
    ASSERT_TRUE(
        writeFileAtomic(folder + "/Tavik2_I0001.hst", AppendHistory("", {kEntry}, kNoon)).ok());
    ASSERT_TRUE(
        writeFileAtomic(folder + "/Tavik2_I0002.hst", AppendHistory("", {kEntry, kEntry}, kNoon))
            .ok());
    ASSERT_TRUE(writeFileAtomic(folder + "/Tavik2_I0003.hst", "damaged").ok());
    ASSERT_TRUE(
        writeFileAtomic(folder + "/Tavik2_I0004.hst", AppendHistory("", {kEntry}, kNoon)).ok());
    const auto list = ListHistoryFiles(folder, "Tavik2");
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[1].number, 2);
    EXPECT_EQ(list[1].records, 2);
    EXPECT_EQ(list[1].caption.substr(0, 11), "File I0002 ");
    EXPECT_EQ(list[1].caption.size(), 11u + 19u);  // "dd.mm.yyyy hh:nn:ss"
    EXPECT_TRUE(ListHistoryFiles(dir / "none", "Tavik2").empty());
}

}  // namespace
}  // namespace tavik::files
