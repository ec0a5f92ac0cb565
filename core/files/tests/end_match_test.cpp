#include "core/files/end_match.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "core/files/data_folder.h"
#include "core/files/file_match_hooks.h"
#include "core/files/history_folder.h"
#include "core/files/password.h"
#include "core/files/tests/files_test_support.h"
#include "core/match/recorder.h"

namespace tavik::files {
namespace {

using testing::RecordingNotices;
using testing::TempFolder;

TEST(EndMatchArithmetic, RatingIsTheRoundedClampedAverage) {
    struct Case {
        double R0;
        int K0, scoreDelta, K;
        double rating;
    } cases[] = {
        {0, 0, 10, 1, 10},
        {0, 0, 10, 3, 3.333333},
        {0, 0, 20, 3, 6.666667},
        {1.5, 30, -30, 31, 0.483871},
        {2, 10, -20, 20, 0},
        {0, 0, -1, 3000000, -0.0},  // -0.00000033 rounds to zero, never "-0"
        {0, 0, 1200, 1, 99.99},
        {0, 0, -5000, 1, -99.99},
        {99.99, 1000000, 1000000, 1000001, 99.99},
        {4.5, 7, 0, 0, 4.5},  // no kon: the stored rating stands
    };
    for (const Case& c : cases) {
        const double r = MatchRating(c.R0, c.K0, c.scoreDelta, c.K);
        EXPECT_NEAR(r, c.rating, 1e-9) << c.R0 << " " << c.K0 << " " << c.scoreDelta << " " << c.K;
        EXPECT_FALSE(std::signbit(r) && r == 0) << "negative zero";
    }
}

TEST(EndMatchArithmetic, GeneralCountForEachKindOfGame) {
    GameState g;
    g.KonCount = 45;
    g.KonCountStart = 30;
    g.BaseScore = 100;
    g.ScoreDelta = -20;
    g.Rating = 1.5;
    TCount c = GeneralCount(g, {});
    EXPECT_EQ(c.Count_KonAll, "45");
    EXPECT_EQ(c.Count_KonCur, "15");
    EXPECT_EQ(c.Count_ScoBeg, "100");
    EXPECT_EQ(c.Count_ScoCur, "-20");
    EXPECT_EQ(c.Count_ScoAll, "80");
    EXPECT_EQ(c.Count_ReiBeg, "  1,50");
    EXPECT_EQ(c.Count_ReiCur, "  0,56");  // (30 x 1.5 - 20) / 45
    g.KonCount = 60;
    EXPECT_EQ(GeneralCount(g, {}).Count_KonCur, "30");

    ServiceStanding s;
    s.accountRating = 7.6;
    s.accountCycleKons = 12;
    s.clientScore = 500;
    s.clientRating = 1499.5;
    g.UserSlot = 7;
    c = GeneralCount(g, s);
    EXPECT_EQ(c.Count_KonCur, "42");  // 12 + the 30 kons of this series
    EXPECT_EQ(c.Count_ReiBeg, "8");
    EXPECT_EQ(c.Count_ReiCur, "?");
    g.UserSlot = 8;
    g.OnlineGame = true;
    c = GeneralCount(g, s);
    EXPECT_EQ(c.Count_KonCur, "-");
    EXPECT_EQ(c.Count_ScoBeg, "500");
    EXPECT_EQ(c.Count_ScoAll, "480");
    EXPECT_EQ(c.Count_ReiBeg, "1500");  // halves to the even neighbour
    EXPECT_EQ(c.Count_ReiCur, "?");
}

// A data folder, its lists and the hooks, with a fixed clock and a recording world.
struct Bookkeeping {
    Bookkeeping() : folder(ResolveDataFolder(dir / "data")), lists(folder.program, notices) {
        EXPECT_TRUE(PrepareDataFolder(folder).ok());
        EXPECT_TRUE(lists.ValidateAtStartup());
    }
    FileMatchHooks hooks(HeadlessWorld* w = nullptr) {
        return FileMatchHooks(lists, folder.history(), notices, w ? &w->world : nullptr,
                              [] { return LocalTime{2024, 6, 1, 18, 30, 0}; });
    }
    std::string historyBytes(int n = 1) const {
        return readFile(folder.history() + "/" + HistoryFileName("Tavik2", n)).value_or("");
    }
    TempFolder dir;
    DataFolder folder;
    RecordingNotices notices;
    PlayerListFiles lists;
};

// The match state as NewKon leaves it for a standing, after `kons` kons won by `delta`.
void playedMatch(GameState& g, const Standing& s, int kons, int delta) {
    g.UserName = s.name;
    g.Rating = s.rating;
    g.KonCountStart = s.KonCount;
    g.BaseScore = s.BaseScore;
    g.KonCount = s.KonCount + kons;
    g.ScoreDelta = delta;
    g.Score = s.BaseScore + delta;
    g.GameActive = true;
}

TEST(FileMatchHooks, ANewPlayerIsStoredAndContinuesFromTheList) {
    Bookkeeping b;
    HeadlessWorld world(1);
    FileMatchHooks hooks = b.hooks(&world);
    GameState g;
    g.UserSlot = 6;
    hooks.setPasswordField(*ScramblePassword("ab"));
    playedMatch(g, Standing{"Вася", 0, 0, 0}, 30, 50);
    hooks.EndMatch(g, 50, 30);

    EXPECT_FALSE(g.GameActive);
    const EndMatchResult& first = hooks.lastEnd();
    EXPECT_TRUE(first.cycleComplete);
    EXPECT_EQ(first.place, 1);
    EXPECT_EQ(first.slot, 1);
    EXPECT_TRUE(first.historySaved);
    EXPECT_EQ(first.recordLine,
              "\xC2\xE0\xF1\xFF                  1,666667     30     50331332266266266");
    EXPECT_TRUE(world.recorder.eventsStartingWith("sound ").empty())
        << "the end-game window sounds instead";
    const auto list = b.lists.load(ListKind::Local);
    ASSERT_TRUE(list);
    EXPECT_EQ(list->line(1),
              "\xC2\xE0\xF1\xFF                  1,666667     30      0331332266266266");
    EXPECT_EQ(list->topTen(1).second, 50);

    // The next match starts from the stored line and ends below the cycle.
    g.UserSlot = 1;
    const Standing s = hooks.loadStanding(g, 1);
    EXPECT_EQ(s.name, "Вася");
    EXPECT_DOUBLE_EQ(s.rating, 1.666667);
    EXPECT_EQ(s.KonCount, 30);
    playedMatch(g, s, 5, -20);
    hooks.EndMatch(g, -20, 5);
    EXPECT_FALSE(hooks.lastEnd().cycleComplete);
    EXPECT_EQ(hooks.lastEnd().place, 0);
    EXPECT_EQ(b.lists.load(ListKind::Local)->line(1),
              "\xC2\xE0\xF1\xFF                  0,857143     35    -20331332266266266");
    EXPECT_EQ(world.recorder.eventsStartingWith("sound "),
              std::vector<std::string>{"sound WKoBads"});

    const std::string history = b.historyBytes();
    EXPECT_EQ(CheckHistory(history).records, 2);
    const auto rows = HistoryRows(history);
    EXPECT_EQ(rows[0].player, "Вася");
    EXPECT_EQ(rows[0].rating, "1,67");
    EXPECT_EQ(rows[1].games, "5");
    EXPECT_EQ(rows[1].result, "-20");
    EXPECT_EQ(rows[1].rating, "0,86");
    EXPECT_EQ(rows[1].time, "18:30");
    EXPECT_EQ(rows[1].type, 'L');
    EXPECT_TRUE(b.notices.seen.empty());
}

TEST(FileMatchHooks, LeavingAMatchRemovesTheStoredLineEvenWithAGoodScore) {
    Bookkeeping b;
    b.lists.InsertPlayer(ListKind::Local,
                         PlayerRecordLine({"Ann", 2, 10, 90, *ScramblePassword("")}), false);
    FileMatchHooks hooks = b.hooks();
    GameState g;
    g.UserSlot = 1;
    playedMatch(g, hooks.loadStanding(g, 1), 3, 30);
    hooks.LeaveMatch(g);
    EXPECT_FALSE(g.GameActive);
    EXPECT_TRUE(b.lists.load(ListKind::Local)->slotEmpty(1));
    EXPECT_TRUE(b.historyBytes().empty()) << "an unfinished match is not history";
}

TEST(FileMatchHooks, AfterARenameTheMatchEndReplacesTheRenamedLineOnly) {
    Bookkeeping b;
    b.lists.InsertPlayer(ListKind::Local,
                         PlayerRecordLine({"Ann", 1, 10, 0, *ScramblePassword("")}), false);
    b.lists.InsertPlayer(ListKind::Local,
                         PlayerRecordLine({"Bob", 1, 20, 0, *ScramblePassword("")}), false);
    FileMatchHooks hooks = b.hooks();
    GameState g;
    g.UserSlot = 2;  // Ann, below Bob's equal rating
    playedMatch(g, hooks.loadStanding(g, 2), 2, 20);
    ASSERT_EQ(g.UserName, "Ann");
    hooks.RenamePlayer(g, "Anna", *ScramblePassword("x"));
    EXPECT_EQ(g.UserSlot, 1);
    EXPECT_EQ(g.names[2], "Anna");
    hooks.EndMatch(g, 20, 2);

    const auto list = b.lists.load(ListKind::Local);
    EXPECT_EQ(list->slot(1)->name.substr(0, 5), "Anna ");
    EXPECT_EQ(list->slot(1)->KonCount, 12);
    EXPECT_EQ(list->slot(1)->passwordField, *ScramblePassword("x"));
    EXPECT_EQ(list->slot(2)->name.substr(0, 4), "Bob ");
    EXPECT_TRUE(list->slotEmpty(3));
}

TEST(FileMatchHooks, EachKindOfGameWritesItsOwnEntryAndList) {
    ServiceStanding service;
    service.accountRating = 3.25;
    service.clientScore = 700;
    service.returnedScore = 650;
    service.returnedRating = 12.5;
    struct Case {
        const char* what;
        bool net, online;
        int slot;
        std::string player, games, result, rating;
        char type;
        bool inLocalList, inLanList;
    } cases[] = {
        {"local", false, false, 6, "Ann", "3", "10", "3,33", 'L', true, false},
        {"LAN", true, false, 6, "Ann/Bob", "3", "10", "3,33", 'N', false, true},
        {"account series", false, false, 7, "Ann", "3", "10", "3,25", 'A', false, false},
        {"online table", false, true, 8, "Ann/Bob", "1", "-50", "12,50", 'T', false, false},
    };
    for (const Case& c : cases) {
        Bookkeeping b;
        FileMatchHooks hooks = b.hooks();
        hooks.setServiceStanding(service);
        GameState g;
        g.NetGame = c.net;
        g.OnlineGame = c.online;
        g.UserSlot = c.slot;
        g.names = {"", "Bob ", "Ann"};
        playedMatch(g, Standing{"Ann", 0, 0, 0}, 3, 10);
        hooks.EndMatch(g, 10, 3);
        const auto rows = HistoryRows(b.historyBytes());
        ASSERT_EQ(rows.size(), 1u) << c.what;
        EXPECT_EQ(rows[0].player, c.player) << c.what;
        EXPECT_EQ(rows[0].games, c.games) << c.what;
        EXPECT_EQ(rows[0].result, c.result) << c.what;
        EXPECT_EQ(rows[0].rating, c.rating) << c.what;
        EXPECT_EQ(rows[0].type, c.type) << c.what;
        EXPECT_EQ(!b.lists.load(ListKind::Local)->slotEmpty(1), c.inLocalList) << c.what;
        EXPECT_EQ(!b.lists.load(ListKind::Lan)->slotEmpty(1), c.inLanList) << c.what;
    }
}

TEST(FileMatchHooks, AHistoryThatCannotBeSavedIsReportedAndTheListStillWritten) {
    Bookkeeping b;
    ASSERT_TRUE(writeFileAtomic(b.folder.history(), "a file where the folder should be").ok());
    FileMatchHooks hooks = b.hooks();
    GameState g;
    g.UserSlot = 6;
    playedMatch(g, Standing{"Ann", 0, 0, 0}, 2, 10);
    hooks.EndMatch(g, 10, 2);
    EXPECT_FALSE(hooks.lastEnd().historySaved);
    ASSERT_EQ(b.notices.seen.size(), 1u);
    EXPECT_EQ(englishNotice(b.notices.seen[0].first, b.notices.seen[0].second),
              "Cann`t save history!");
    EXPECT_EQ(hooks.lastEnd().slot, 1);
    EXPECT_FALSE(b.lists.load(ListKind::Local)->slotEmpty(1));
}

TEST(FileMatchHooks, WithWritesBlockedTheHistoryIsStillWritten) {
    Bookkeeping b;
    ASSERT_EQ(::chmod(b.lists.path(ListKind::Local).c_str(), 0444), 0);
    PlayerListFiles blocked(b.folder.program, b.notices);
    ASSERT_TRUE(blocked.ValidateAtStartup());
    FileMatchHooks hooks(blocked, b.folder.history(), b.notices);
    GameState g;
    g.UserSlot = 6;
    playedMatch(g, Standing{"Ann", 0, 0, 0}, 30, 10);
    hooks.EndMatch(g, 10, 30);
    EXPECT_EQ(readFile(b.lists.path(ListKind::Local)), PlayerList::empty().bytes());
    EXPECT_EQ(hooks.lastEnd().place, 1);
    EXPECT_EQ(CheckHistory(b.historyBytes()).records, 1);
}

}  // namespace
}  // namespace tavik::files
