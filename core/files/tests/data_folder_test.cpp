#include "core/files/data_folder.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "core/files/atomic_file.h"
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

// A file with the modification time of a leftover from an earlier run.
void writeOld(const std::string& path) {
    std::ofstream(path) << "partial";
    std::filesystem::last_write_time(
        path, std::filesystem::file_time_type::clock::now() - std::chrono::minutes(1));
}

bool exists(const std::string& path) {
    return std::filesystem::exists(path);
}

TEST(StaleTemporaryFiles, OpeningTheDataFolderRemovesOnlyWhatKilledWritersLeft) {
    TempFolder dir;
    const DataFolder f = ResolveDataFolder(dir / "data");
    ASSERT_TRUE(PrepareDataFolder(f).ok());
    std::filesystem::create_directories(f.history());
    ASSERT_TRUE(writeFileAtomic(f.inParent("QorUser.qor"), "x").ok());
    const struct {
        std::string path;
        bool removed;
        const char* what;
    } cases[] = {
        {f.inProgram("Tavik2.clb.tmpAb3xYz"), true, "a list's leftover"},
        {f.history() + "/Tavik2_I0001.hst.tmpQ1w2E3", true, "a history file's, none written yet"},
        {f.inParent("QorUser.qor.tmp000000"), true, "the leftover of a file that exists"},
        {f.inParent("QorChatQor.ini.tmpAb3xYz"), false, "neither a known name nor a file"},
        {f.inProgram("notes.txt.tmpAb3xYz"), false, "a name of someone else's"},
        {f.inProgram("Tavik2.clb.tmpAb3xY"), false, "five characters after .tmp"},
        {f.inProgram("Tavik2.clb.tmpAb3xY_"), false, "a character mkstemp never writes"},
        {f.inProgram("Tavik2.clb.tmpAb3xYz1"), false, "seven characters after .tmp"},
        {f.inProgram("Tavik2.clb.bak"), false, "another kind of name"},
        {f.history() + "/Tavik2_I001.hst.tmpQ1w2E3", false, "not a history file's name"},
    };
    for (const auto& c : cases) writeOld(c.path);
    // Another copy is writing this one: its descriptor holds the lock.
    const std::string busy = f.inProgram("Tavik2.net.tmpBusy01");
    writeOld(busy);
    const int other = ::open(busy.c_str(), O_RDONLY);
    ASSERT_GE(other, 0);
    ASSERT_EQ(::flock(other, LOCK_EX), 0);
    // Just created by a writer that has not locked it yet.
    const std::string fresh = f.inProgram("Tavik2.clb.tmpFresh1");
    std::ofstream(fresh) << "";

    ASSERT_TRUE(PrepareDataFolder(f).ok());
    for (const auto& c : cases) EXPECT_EQ(exists(c.path), !c.removed) << c.what;
    EXPECT_TRUE(exists(busy)) << "a file another copy is writing";
    EXPECT_TRUE(exists(fresh)) << "a file just created";
    EXPECT_EQ(readFile(f.inProgram(kLocalListName)), PlayerList::empty().bytes());

    // Once the other copy has gone, its leftover goes at the next start.
    ::close(other);
    ASSERT_TRUE(PrepareDataFolder(f).ok());
    EXPECT_FALSE(exists(busy));
}

TEST(StaleTemporaryFiles, TheWriterHoldsItsTemporaryFileLockedUntilTheRename) {
    TempFolder dir;
    const std::string path = dir / "Tavik2.clb";
    bool seen = false;
    setBeforeRenameHookForTesting([&](const std::string& temp) {
        const int fd = ::open(temp.c_str(), O_RDONLY);
        EXPECT_NE(::flock(fd, LOCK_EX | LOCK_NB), 0);
        ::close(fd);
        std::filesystem::last_write_time(
            temp, std::filesystem::file_time_type::clock::now() - std::chrono::minutes(1));
        EXPECT_TRUE(RemoveStaleTemporaryFiles(dir.str(), IsKnownDataFileName).empty());
        seen = true;
        return true;
    });
    const Status written = writeFileAtomic(path, "new");
    setBeforeRenameHookForTesting(nullptr);
    ASSERT_TRUE(written.ok());
    EXPECT_TRUE(seen);
    EXPECT_EQ(readFile(path), "new");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.str()), {}), 1);
}

}  // namespace
}  // namespace tavik::files
