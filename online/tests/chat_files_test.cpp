#include "online/chat/chat_files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "core/files/atomic_file.h"

namespace tavik::online {
namespace {

std::string golden(const std::string& name) {
    return files::readFile(std::string(TAVIK_ONLINE_TEST_DATA) + "/" + name).value_or("");
}

TEST(ChatFiles, WriteAndReadTheHandMadeFiles) {
    EXPECT_EQ(formatChatFile(17, true, false), golden("QorChatQor.ini"));
    EXPECT_EQ(parseChatFile(golden("QorChatQor.ini")), (ChatFileState{17, true, false}));
    EXPECT_TRUE(chatFileProblems(golden("QorChatQor.ini")).empty());
    EXPECT_EQ(formatNewsFile(42), golden("QorNewsQor.ini"));
    EXPECT_EQ(parseNewsFile(golden("QorNewsQor.ini")), 42);
    EXPECT_TRUE(newsFileProblems(golden("QorNewsQor.ini")).empty());
}

TEST(ChatFiles, AnythingButANumberReadsAsNothingSeen) {
    struct Case {
        const char* name;
        std::string bytes;
        ChatFileState chat;
    } cases[] = {
        {"LF only", "5\n1\n1\n", {5, true, true}},
        {"CR only", "5\r0\r1", {5, false, true}},
        {"empty", "", {0, false, false}},
        {"not a number", "x17\r\n1\r\n1\r\n", {0, true, true}},
        {"blanks around the number", " 17 \r\n", {17, false, false}},
        {"negative", "-3\r\n1\r\n", {0, true, false}},
        {"too large", "99999999999\r\n", {0, false, false}},
        {"boxes other than 1", "8\r\nyes\r\n2\r\n", {8, false, false}},
        {"binary", std::string("\0\xFF\r\n\x01", 5), {0, false, false}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(parseChatFile(c.bytes), c.chat) << c.name;
        EXPECT_EQ(parseNewsFile(c.bytes), c.chat.ChatSeen) << c.name;
        EXPECT_FALSE(chatFileProblems(c.bytes).empty()) << c.name;
    }
}

class ChatFilesOnDisk : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ =
            std::filesystem::temp_directory_path() / ("tavik-chat-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override {
        files::setBeforeRenameHookForTesting(nullptr);
        std::filesystem::remove_all(dir_);
    }
    std::string path(std::string_view name) const { return (dir_ / name).string(); }
    std::filesystem::path dir_;
};

TEST_F(ChatFilesOnDisk, AMissingChatFileIsCreatedWithOneSeen) {
    const std::string chat = path(kChatFileName);
    EXPECT_EQ(ReadChatFile(chat), (ChatFileState{1, false, false}));
    EXPECT_EQ(files::readFile(chat), "1\r\n0\r\n0\r\n");
    ASSERT_TRUE(WriteChatFile(chat, 23, false, true).ok());
    EXPECT_EQ(ReadChatFile(chat), (ChatFileState{23, false, true}));
}

TEST_F(ChatFilesOnDisk, AChatFileThatCannotBeCreatedReadsAsNothingSeen) {
    EXPECT_EQ(ReadChatFile(path("no folder/QorChatQor.ini")), (ChatFileState{0, false, false}));
}

TEST_F(ChatFilesOnDisk, TheNewsFileIsNeverCreatedByReading) {
    const std::string news = path(kNewsFileName);
    EXPECT_EQ(ReadNewsFile(news), 0);
    EXPECT_FALSE(std::filesystem::exists(news));
    ASSERT_TRUE(WriteNewsFile(news, 31).ok());
    EXPECT_EQ(ReadNewsFile(news), 31);
}

TEST_F(ChatFilesOnDisk, AKilledWriterLeavesThePreviousFiles) {
    ASSERT_TRUE(WriteChatFile(path(kChatFileName), 9, true, true).ok());
    ASSERT_TRUE(WriteNewsFile(path(kNewsFileName), 4).ok());
    files::setBeforeRenameHookForTesting([](const std::string&) { return false; });
    EXPECT_FALSE(WriteChatFile(path(kChatFileName), 10, false, false).ok());
    EXPECT_FALSE(WriteNewsFile(path(kNewsFileName), 5).ok());
    files::setBeforeRenameHookForTesting(nullptr);
    EXPECT_EQ(ReadChatFile(path(kChatFileName)), (ChatFileState{9, true, true}));
    EXPECT_EQ(ReadNewsFile(path(kNewsFileName)), 4);
}

}  // namespace
}  // namespace tavik::online
