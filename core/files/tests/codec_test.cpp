#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "core/files/atomic_file.h"
#include "core/files/codec.h"

namespace tavik::files {
namespace {

TEST(Codec, RoundTripsCyrillicAndRejectsWhatTheCodePageLacks) {
    const std::string cp = "\xC2\xE0\xF1\xFF \xB8\xA8";  // "Вася ёЁ"
    const auto utf = cp1251ToUtf8(cp);
    ASSERT_TRUE(utf);
    EXPECT_EQ(*utf, "Вася ёЁ");
    EXPECT_EQ(utf8ToCp1251(*utf), cp);
    EXPECT_EQ(cp1251ToUtf8("\x98"), std::nullopt);      // the one undefined byte
    EXPECT_EQ(utf8ToCp1251("漢"), std::nullopt);          // no such character in the code page
    EXPECT_EQ(utf8ToCp1251("\xC3\x28"), std::nullopt);   // invalid UTF-8
}

TEST(Codec, SplitsEveryKindOfLineEnd) {
    struct Case {
        std::string bytes;
        std::vector<std::string> lines;
        bool crlfOnly;
    } cases[] = {
        {"a\r\nb\r\n", {"a", "b"}, true},
        {"a\nb\n", {"a", "b"}, false},
        {"a\rb\r", {"a", "b"}, false},
        {"a\r\n\r\nb", {"a", "", "b"}, false},
        {"", {}, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(splitLines(c.bytes), c.lines) << c.bytes;
        EXPECT_EQ(hasCrLfLinesOnly(c.bytes), c.crlfOnly) << c.bytes;
    }
    EXPECT_EQ(joinCrLf({"x", ""}), "x\r\n\r\n");
}

TEST(AtomicFile, AWriterKilledBeforeTheRenameLeavesTheOldFile) {
    const auto dir = std::filesystem::temp_directory_path() / ("tavik-atomic-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "Tavik2.clb").string();
    ASSERT_EQ(writeFileAtomic(path, "old"), std::nullopt);

    setBeforeRenameHookForTesting([](const std::string&) { return false; });
    EXPECT_NE(writeFileAtomic(path, "new"), std::nullopt);
    setBeforeRenameHookForTesting(nullptr);

    EXPECT_EQ(readFile(path), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1) << "temporary file left";
    ASSERT_EQ(writeFileAtomic(path, "new"), std::nullopt);
    EXPECT_EQ(readFile(path), "new");
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace tavik::files
