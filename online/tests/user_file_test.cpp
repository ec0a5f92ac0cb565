#include "online/account/user_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "core/files/atomic_file.h"
#include "core/files/codec.h"

namespace tavik::online {
namespace {

std::string golden(const std::string& name) {
    return files::readFile(std::string(TAVIK_ONLINE_TEST_DATA) + "/" + name).value_or("");
}

const UserFileRecord kVasya{"Вася_01", "BXZTVQRQSMXCZXVKQK"};

TEST(UserFile, WritesAndReadsTheHandMadeFile) {
    EXPECT_EQ(formatUserFile(kVasya), golden("QorUser.qor"));
    EXPECT_EQ(parseUserFile(golden("QorUser.qor")), kVasya);
    EXPECT_TRUE(userFileProblems(golden("QorUser.qor")).empty());
    EXPECT_EQ(signInPassword(kVasya.PwC), "my-pw--1") << "blank, '#' and '$' become '-'";
    EXPECT_EQ(signInPassword(encipherPassword("abcd")), "abcd");
}

TEST(UserFile, ReadingEndsAsTheFileDeserves) {
    struct Case {
        const char* name;
        std::string bytes;
        std::optional<UserFileRecord> record;
    } cases[] = {
        {"LF only", "Qor User File\nNick\nPQ\n", UserFileRecord{"Nick", "PQ"}},
        {"CR only", "Qor User File\rNick\rPQ", UserFileRecord{"Nick", "PQ"}},
        {"header only", "Qor User File\r\n", UserFileRecord{}},
        {"extra lines ignored", "Qor User File\r\nA\r\nB\r\nC\r\n", UserFileRecord{"A", "B"}},
        {"wrong header", "Qor user file\r\nNick\r\nPQ\r\n", std::nullopt},
        {"header with a trailing blank", "Qor User File \r\nNick\r\n", std::nullopt},
        {"empty", "", std::nullopt},
        {"binary", std::string("\0\x98\xFF\r\n", 5), std::nullopt},
        {"nick not in the code page", "Qor User File\r\nA\x98\r\nPQ\r\n", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(parseUserFile(c.bytes).optional(), c.record) << c.name;
        EXPECT_FALSE(userFileProblems(c.bytes).empty()) << c.name;
    }
    EXPECT_EQ(signInPassword("not a cipher"), "");
}

class UserFileOnDisk : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ =
            std::filesystem::temp_directory_path() / ("tavik-user-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
        path_ = (dir_ / kUserFileName).string();
    }
    void TearDown() override {
        files::setBeforeRenameHookForTesting(nullptr);
        std::filesystem::remove_all(dir_);
    }
    std::filesystem::path dir_;
    std::string path_;
};

TEST_F(UserFileOnDisk, SaveReadAndDelete) {
    EXPECT_FALSE(ReadUserFile(path_).ok());
    EXPECT_TRUE(DeleteUserFile(path_)) << "no file remains";
    ASSERT_TRUE(WriteUserFile(path_, kVasya).ok());
    EXPECT_EQ(files::readFile(path_), golden("QorUser.qor"));
    EXPECT_EQ(ReadUserFile(path_), kVasya);
    EXPECT_TRUE(DeleteUserFile(path_));
    EXPECT_FALSE(std::filesystem::exists(path_));
}

TEST_F(UserFileOnDisk, AKilledWriterLeavesThePreviousFile) {
    ASSERT_TRUE(WriteUserFile(path_, kVasya).ok());
    files::setBeforeRenameHookForTesting([](const std::string&) { return false; });
    EXPECT_FALSE(WriteUserFile(path_, UserFileRecord{"Other", "KQ"}).ok());
    EXPECT_EQ(ReadUserFile(path_), kVasya);
}

TEST_F(UserFileOnDisk, APathThatCannotBeDeletedIsReported) {
    std::filesystem::create_directories(std::filesystem::path(path_) / "inside");
    EXPECT_FALSE(DeleteUserFile(path_));
    EXPECT_TRUE(std::filesystem::exists(path_));
}

}  // namespace
}  // namespace tavik::online
