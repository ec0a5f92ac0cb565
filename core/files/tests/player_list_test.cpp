#include "core/files/player_list.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/files/codec.h"
#include "core/files/columns.h"
#include "core/files/password.h"
#include "core/files/tests/files_test_support.h"

namespace tavik::files {
namespace {

using testing::golden;

const std::string kVasya = "\xC2\xE0\xF1\xFF";  // "Вася" in Windows-1251

std::string record(const std::string& name, double rating, long long kons, long long score,
                   const std::string& password = "") {
    return PlayerRecordLine({name, rating, kons, score, *ScramblePassword(password)});
}

std::array<std::string, kListLines> linesOf(const std::string& bytes) {
    const auto all = splitLines(bytes);
    std::array<std::string, kListLines> lines;
    for (int i = 0; i < kListLines; ++i)
        lines[static_cast<std::size_t>(i)] = all[static_cast<std::size_t>(i)];
    return lines;
}

// The bytes of the lines with a freshly computed checksum line.
std::string resummed(std::array<std::string, kListLines> lines) {
    lines[16].replace(10, 18, ListChecksum(lines));
    return joinCrLf(std::vector<std::string>(lines.begin(), lines.end()));
}

std::optional<PlayerList> parsed(const std::string& bytes) {
    return PlayerList::parse(bytes).optional();
}

TEST(PlayerList, GoldenFileIsWhatTheOperationsWriteByteForByte) {
    const std::string expected = golden("players.clb");
    ASSERT_EQ(expected.size(), 17u * 2 + 583 + 28);

    PlayerList list = PlayerList::empty();
    EXPECT_EQ(list.insertPlayer(record(kVasya, 12.5, 60, 450, "ab"), true).place, 1);
    EXPECT_EQ(list.insertPlayer(record("Petrov", -2, 30, 120, "12345"), true).place, 2);
    EXPECT_EQ(list.insertPlayer(record("Mr.X", 1.0 / 3, 7, 30), false).slot, 2);
    list.removePlayer(3);
    EXPECT_EQ(list.insertPlayer(record("Petrov", -1.428571, 35, -50, "12345"), false).slot, 3);
    EXPECT_EQ(list.bytes(), expected);

    const auto back = parsed(expected);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->bytes(), expected);
    const auto vasya = back->slot(1);
    ASSERT_TRUE(vasya);
    EXPECT_EQ(vasya->name, kVasya + std::string(16, ' '));
    EXPECT_DOUBLE_EQ(vasya->rating, 12.5);
    EXPECT_EQ(vasya->KonCount, 60);
    EXPECT_EQ(vasya->score, 0);
    EXPECT_EQ(UnscramblePassword(vasya->passwordField), "ab   ");
    EXPECT_EQ(back->slot(3)->score, -50);
    EXPECT_FALSE(back->slot(4));
    EXPECT_EQ(back->topTen(2), std::make_pair(std::string("Petrov") + std::string(14, ' '), 120LL));
}

TEST(PlayerList, InstalledTemplatesAreTheEmptyListAndValid) {
    for (const char* name : {"Tavik2.clb", "Tavik2.net"}) {
        const auto bytes = readFile(std::string(TAVIK_FILES_TEMPLATE_DIR) + "/" + name);
        ASSERT_TRUE(bytes) << name;
        EXPECT_EQ(*bytes, PlayerList::empty().bytes()) << name;
        EXPECT_TRUE(parsed(*bytes)) << name;
    }
}

TEST(PlayerList, ValidationOfDamagedAndOddlyWrittenFiles) {
    const std::string good = golden("players.clb");
    auto replaceAll = [](std::string s, const std::string& from, const std::string& to) {
        for (std::size_t at = 0; (at = s.find(from, at)) != std::string::npos; at += to.size())
            s.replace(at, from.size(), to);
        return s;
    };
    auto edited = [&](const std::function<void(std::array<std::string, kListLines>&)>& edit,
                      bool resum) {
        auto lines = linesOf(good);
        edit(lines);
        return resum ? resummed(lines)
                     : joinCrLf(std::vector<std::string>(lines.begin(), lines.end()));
    };
    struct Case {
        const char* what;
        std::string bytes;
        bool valid;
        const char* reason;  // part of the reason when invalid
    } cases[] = {
        // Accepted: everything the established start-up check accepts whose occupied
        // slots still read as numbers and a password field.
        {"as written", good, true, ""},
        {"LF-only line ends", replaceAll(good, "\r\n", "\n"), true, ""},
        {"CR-only line ends", replaceAll(good, "\r\n", "\r"), true, ""},
        {"no end after line 17", good.substr(0, good.size() - 2), true, ""},
        {"more lines after line 17", good + "junk\r\n\r\n", true, ""},
        {"characters 1-10 of line 17 changed", edited([](auto& l) { l[16][0] = 'X'; }, false), true,
         ""},
        {"a trailing blank on a top-ten line", edited([](auto& l) { l[6] += " "; }, true), true,
         ""},
        {"a trailing blank on a slot line", edited([](auto& l) { l[2] += " "; }, true), true, ""},
        {"a longer game line", edited([](auto& l) { l[15] += "##"; }, true), true, ""},
        {"a longer checksum line", edited([](auto& l) { l[16] += "  "; }, false), true, ""},
        {"a name byte the code page lacks", edited([](auto& l) { l[0][5] = '\x98'; }, true), true,
         ""},
        {"control bytes in a top-ten name",
         edited([](auto& l) { l[7].replace(0, 3, std::string("\0\x01\x7F", 3)); }, true), true, ""},
        {"a top-ten line without its trailing score blanks",
         edited([](auto& l) { l[5] = l[5].substr(0, 20) + trimBlanks(l[5].substr(20)); }, true),
         true, ""},
        {"an empty slot with anything in it",
         edited([](auto& l) { l[3] = std::string(36, 'z') + "#" + std::string(22, 'z'); }, true),
         true, ""},
        {"a short empty slot", edited([](auto& l) { l[4] = std::string(37, '#'); }, true), true,
         ""},
        {"a top-ten score not a number", edited([](auto& l) { l[9][24] = '#'; }, true), true, ""},
        {"a top-ten line cut before its score", edited([](auto& l) { l[8].resize(20); }, true),
         true, ""},
        // Refused: a broken checksum, another game's list, or a slot that would
        // read as garbage.
        {"empty", "", false, "0 lines"},
        {"truncated", good.substr(0, 400), false, "lines, 17 expected"},
        {"binary", std::string("\0\x01\xFF\x98garbage\0\0", 13), false, "17 expected"},
        {"written in UTF-8", *cp1251ToUtf8(good), false, "line 1 has 63"},
        {"a line one character longer, checksum as before",
         edited([](auto& l) { l[2] += " "; }, false), false, "line 3 has 60"},
        {"a tampered name", edited([](auto& l) { l[1][0] = 'm'; }, false), false, "checksum"},
        {"a tampered top-ten score", edited([](auto& l) { l[5][25] = '1'; }, false), false,
         "checksum"},
        {"a tampered game line", edited([](auto& l) { l[15][20] = '$'; }, false), false,
         "checksum"},
        {"checksum not a number", edited([](auto& l) { l[16][15] = 'x'; }, false), false,
         "not a number"},
        {"a cut checksum line", edited([](auto& l) { l[16].pop_back(); }, false), false,
         "line 17 has 27"},
        {"a checksum line too short, other lines as written",
         edited([](auto& l) { l[16].resize(20); }, false), false, "line 17 has 20"},
        {"another game's line 16", edited([](auto& l) { l[15][0] = 'o'; }, true), false,
         "game line"},
        {"kons not a number", edited([](auto& l) { l[0][33] = 'x'; }, true), false, "slot 1"},
        {"a password that is not digits", edited([](auto& l) { l[2][50] = 'x'; }, true), false,
         "slot 3"},
        {"an occupied slot one character short", edited([](auto& l) { l[1].pop_back(); }, true),
         false, "line 2 has 58"},
        {"an occupied slot cut before column 37", edited([](auto& l) { l[0].resize(30); }, true),
         false, "line 1 has 30"},
    };
    for (const Case& c : cases) {
        const auto parsedList = PlayerList::parse(c.bytes);
        const bool valid = parsedList.ok();
        const std::string error = valid ? "" : parsedList.error().message;
        if (valid) {
            // An accepted list stays valid through the changes the game makes to it.
            PlayerList changed = *parsedList;
            changed.removePlayer(1);
            changed.insertPlayer(record("New", 0.5, 30, 99), true);
            EXPECT_TRUE(PlayerList::parse(changed.bytes()).ok()) << c.what;
        }
        EXPECT_EQ(valid, c.valid) << c.what << ": " << error;
        if (!c.valid) {
            EXPECT_NE(error.find(c.reason), std::string::npos) << c.what << ": " << error;
        }
    }
}

PlayerList fullList() {
    PlayerList list = PlayerList::empty();
    for (int i = 1; i <= 5; ++i)
        list.insertPlayer(record("P" + std::to_string(i), 10 - i, i, i), false);
    return list;
}

std::string nameIn(const PlayerList& list, int slot) {
    return trimBlanks(list.line(slot).substr(0, 20));
}

TEST(PlayerList, RemovingShiftsTheSlotsBelowUpAndEmptiesSlotFive) {
    for (int removed = 1; removed <= 5; ++removed) {
        PlayerList list = fullList();
        list.removePlayer(removed);
        std::vector<std::string> names;
        for (int s = 1; s <= 4; ++s) names.push_back(nameIn(list, s));
        std::vector<std::string> expected;
        for (int i = 1; i <= 5; ++i)
            if (i != removed) expected.push_back("P" + std::to_string(i));
        EXPECT_EQ(names, expected) << "removed slot " << removed;
        EXPECT_EQ(list.line(5), kEmptySlot);
        EXPECT_TRUE(parsed(list.bytes())) << "removed slot " << removed;
    }
}

TEST(PlayerList, InsertingKeepsTheSlotsOrderedWithTiesAbove) {
    struct Case {
        double rating;
        int slot;  // where the new record lands in the full list rated 9, 8, 7, 6, 5
    } cases[] = {{9.5, 1}, {9, 1}, {7, 3}, {5, 5}, {4.999999, 0}, {-99.99, 0}};
    for (const Case& c : cases) {
        PlayerList list = fullList();
        const auto where = list.insertPlayer(record("New", c.rating, 1, 10), false);
        EXPECT_EQ(where.slot, c.slot) << c.rating;
        EXPECT_EQ(where.place, 0);
        if (c.slot != 0) {
            EXPECT_EQ(nameIn(list, c.slot), "New");
            if (c.slot < 5) {
                EXPECT_EQ(nameIn(list, c.slot + 1), "P" + std::to_string(c.slot));
            }
        } else {
            EXPECT_EQ(list.bytes(), fullList().bytes())
                << "a record that does not fit changes nothing";
        }
    }
}

TEST(PlayerList, ACompletedCycleEntersTheTopTenAndRestartsTheScore) {
    PlayerList list = PlayerList::empty();
    for (int score = 100; score >= 10; score -= 10) {
        list.insertPlayer(record("S" + std::to_string(score), 0, 30, score), true);
    }
    struct Case {
        long long score;
        int place;
    } cases[] = {{200, 1}, {100, 1}, {55, 6}, {10, 10}, {9, 0}, {-5, 0}};
    for (const Case& c : cases) {
        PlayerList l = list;
        const auto where = l.insertPlayer(record("New", 1.25, 60, c.score), true);
        EXPECT_EQ(where.place, c.place) << c.score;
        if (c.place > 0) {
            EXPECT_EQ(l.topTen(c.place).first, "New" + std::string(17, ' ')) << c.score;
            EXPECT_EQ(l.topTen(c.place).second, c.score);
            // The old tenth falls out; the one that was at this place moves down.
            EXPECT_EQ(trimBlanks(l.topTen(10).first), c.place == 10 ? "New" : "S20");
        } else {
            EXPECT_EQ(l.line(15), list.line(15));
        }
        const auto stored = l.slot(where.slot);
        ASSERT_TRUE(stored);
        EXPECT_EQ(stored->score, 0);
        EXPECT_EQ(stored->KonCount, 60);
        EXPECT_DOUBLE_EQ(stored->rating, 1.25);
        EXPECT_TRUE(parsed(l.bytes()));
    }
}

TEST(PlayerList, RecordLineKeepsEveryColumnInPlace) {
    struct Case {
        PlayerRecord r;
        std::string line;
    } cases[] = {
        {{"Ann", 0, 0, 0, "266266266266266"},
         "Ann                   0,000000      0      0266266266266266"},
        {{"Ann", -1e-9, 12, -30, "266266266266266"},
         "Ann                   0,000000     12    -30266266266266266"},
        {{"A very long name that is cut", 1234.5, 123456789, 1234567, "283284285286287"},
         "A very long name tha 99,9900009999999 999999283284285286287"},
        {{"Ann", -250, 1, -1234567, "266266266266266"},
         "Ann                 -99,990000      1 -99999266266266266266"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PlayerRecordLine(c.r), c.line);
        EXPECT_EQ(PlayerRecordLine(c.r).size(), kSlotWidth);
    }
}

}  // namespace
}  // namespace tavik::files
