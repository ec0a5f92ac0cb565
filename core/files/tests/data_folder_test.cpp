#include "core/files/data_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

#include "core/files/password.h"
#include "core/files/player_list_file.h"
#include "core/files/tests/files_test_support.h"

namespace tavik::files {
namespace {

using testing::KilledWriter;
using testing::RecordingNotices;
using testing::TempFolder;

// Sets an environment variable for the life of the object.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedEnv() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(DataFolder, ResolvesTheXdgDataHomeOrTheGivenFolder) {
    ScopedEnv home("HOME", "/home/ann");
    {
        ScopedEnv xdg("XDG_DATA_HOME", "/data");
        const DataFolder f = ResolveDataFolder(std::nullopt);
        EXPECT_EQ(f.parent, "/data/Tavik-Vel");
        EXPECT_EQ(f.program, "/data/Tavik-Vel/Tavik2");
        EXPECT_EQ(f.history(), "/data/Tavik-Vel/Tavik2/History");
    }
    for (const char* ignored : {"", "relative/path"}) {
        ScopedEnv xdg("XDG_DATA_HOME", ignored);
        EXPECT_EQ(ResolveDataFolder(std::nullopt).program,
                  "/home/ann/.local/share/Tavik-Vel/Tavik2");
    }
    const DataFolder given = ResolveDataFolder(std::string("/tmp/run/"));
    EXPECT_EQ(given.parent, "/tmp/run");
    EXPECT_EQ(given.inProgram("Tavik2.clb"), "/tmp/run/Tavik2/Tavik2.clb");
    EXPECT_EQ(given.inParent("QorUser.qor"), "/tmp/run/QorUser.qor");
}

TEST(DataFolder, FirstStartCreatesTheFolderWithValidEmptyLists) {
    TempFolder dir;
    const DataFolder f = ResolveDataFolder(dir / "data");
    ASSERT_TRUE(PrepareDataFolder(f).ok());
    for (auto name : {kLocalListName, kLanListName})
        EXPECT_EQ(readFile(f.inProgram(name)), PlayerList::empty().bytes()) << name;
    RecordingNotices notices;
    PlayerListFiles lists(f.program, notices);
    EXPECT_TRUE(lists.ValidateAtStartup());
    EXPECT_TRUE(notices.seen.empty());
    EXPECT_TRUE(lists.writesAllowed());

    // A later start leaves the lists as they are, even when one has gone.
    ASSERT_TRUE(writeFileAtomic(f.inProgram(kLocalListName), "changed").ok());
    std::filesystem::remove(f.inProgram(kLanListName));
    ASSERT_TRUE(PrepareDataFolder(f).ok());
    EXPECT_EQ(readFile(f.inProgram(kLocalListName)), "changed");
    EXPECT_FALSE(std::filesystem::exists(f.inProgram(kLanListName)));
}

TEST(StartupCheck, MissingOrMalformedListsStopWithTheirMessage) {
    struct Case {
        const char* what;
        std::string clb, net;  // "" for a missing file
        FileNotice notice;
        std::string_view file;
    } cases[] = {
        {"no local list", "", PlayerList::empty().bytes(), FileNotice::CantFindFile,
         kLocalListName},
        {"no LAN list", PlayerList::empty().bytes(), "", FileNotice::CantFindFile, kLanListName},
        {"a malformed LAN list", PlayerList::empty().bytes(), "x\r\n", FileNotice::IncorrectFile,
         kLanListName},
    };
    for (const Case& c : cases) {
        TempFolder dir;
        if (!c.clb.empty()) {
            ASSERT_TRUE(writeFileAtomic(dir / "Tavik2.clb", c.clb).ok());
        }
        if (!c.net.empty()) {
            ASSERT_TRUE(writeFileAtomic(dir / "Tavik2.net", c.net).ok());
        }
        RecordingNotices notices;
        PlayerListFiles lists(dir.str(), notices);
        EXPECT_FALSE(lists.ValidateAtStartup()) << c.what;
        ASSERT_EQ(notices.seen.size(), 1u) << c.what;
        EXPECT_EQ(notices.seen[0].first, c.notice) << c.what;
        EXPECT_EQ(notices.seen[0].second, dir / std::string(c.file)) << c.what;
    }
    EXPECT_EQ(englishNotice(FileNotice::CantFindFile, "/x/Tavik2.clb"),
              "Can`t find the file \"/x/Tavik2.clb\"!");
    EXPECT_EQ(englishNotice(FileNotice::IncorrectFile, "/x/Tavik2.clb"),
              "The incorrect file \"/x/Tavik2.clb\"!");
}

std::string ann(double rating) {
    return PlayerRecordLine({"Ann", rating, 30, 40, *ScramblePassword("pw")});
}

TEST(StartupCheck, AListTheUserCannotWriteBlocksEveryWriteForTheRun) {
    TempFolder dir;
    const std::string empty = PlayerList::empty().bytes();
    ASSERT_TRUE(writeFileAtomic(dir / "Tavik2.clb", empty).ok());
    ASSERT_TRUE(writeFileAtomic(dir / "Tavik2.net", empty).ok());
    ASSERT_EQ(::chmod((dir / "Tavik2.net").c_str(), 0444), 0);

    RecordingNotices notices;
    PlayerListFiles lists(dir.str(), notices);
    EXPECT_TRUE(lists.ValidateAtStartup()) << "the game still starts";
    EXPECT_FALSE(lists.writesAllowed());
    ASSERT_EQ(notices.seen.size(), 1u);
    EXPECT_EQ(englishNotice(notices.seen[0].first, notices.seen[0].second),
              "The file \"" + (dir / "Tavik2.net") +
                  "\" has incorrect attributes!\nThe work of the program will be incorrect!");

    // Neither list is written, the writable one included, and no error is shown;
    // the place in the top ten is still worked out.
    const auto where = lists.StoreStanding(ListKind::Local, 6, ann(1.5), true);
    EXPECT_EQ(where.place, 1);
    EXPECT_EQ(where.slot, 0);
    lists.RemovePlayer(ListKind::Local, 1);
    EXPECT_EQ(readFile(dir / "Tavik2.clb"), empty);
    EXPECT_EQ(notices.seen.size(), 1u);
}

TEST(PlayerListFiles, AKilledWriterLeavesThePreviousListAndSaysSo) {
    TempFolder dir;
    RecordingNotices notices;
    PlayerListFiles lists(dir.str(), notices);
    ASSERT_TRUE(writeFileAtomic(lists.path(ListKind::Local), PlayerList::empty().bytes()).ok());
    ASSERT_EQ(lists.InsertPlayer(ListKind::Local, ann(1.5), false).slot, 1);
    const auto before = readFile(lists.path(ListKind::Local));
    {
        KilledWriter killed;
        EXPECT_EQ(lists.StoreStanding(ListKind::Local, 1, ann(2.5), false).slot, 0);
    }
    EXPECT_EQ(readFile(lists.path(ListKind::Local)), before);
    ASSERT_EQ(notices.seen.size(), 1u);
    EXPECT_EQ(notices.seen[0].first, FileNotice::DiskWriteError);
    EXPECT_EQ(englishNotice(FileNotice::DiskWriteError, ""), "Error of disk writing!");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.str()), {}), 1)
        << "temporary file left";
}

TEST(PlayerListFiles, RenameFollowsTheRecordWhenATieMovesItUp) {
    TempFolder dir;
    RecordingNotices notices;
    PlayerListFiles lists(dir.str(), notices);
    ASSERT_TRUE(writeFileAtomic(lists.path(ListKind::Lan), PlayerList::empty().bytes()).ok());
    lists.InsertPlayer(ListKind::Lan, ann(1.0), false);
    lists.InsertPlayer(ListKind::Lan, PlayerRecordLine({"Bob", 1.0, 3, 0, *ScramblePassword("")}),
                       false);
    ASSERT_EQ(lists.ReadSlot(ListKind::Lan, 2)->name.substr(0, 3), "Ann");

    const std::string field = *ScramblePassword("new");
    EXPECT_EQ(lists.RenamePlayer(ListKind::Lan, 2, "Anna", field), 1);
    const auto renamed = lists.ReadSlot(ListKind::Lan, 1);
    ASSERT_TRUE(renamed);
    EXPECT_EQ(renamed->name, "Anna" + std::string(16, ' '));
    EXPECT_EQ(renamed->passwordField, field);
    EXPECT_EQ(renamed->score, 40);
    EXPECT_EQ(lists.ReadSlot(ListKind::Lan, 2)->name.substr(0, 3), "Bob");
}

}  // namespace
}  // namespace tavik::files
