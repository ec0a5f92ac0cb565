#include "core/files/codec.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "core/files/atomic_file.h"

namespace tavik::files {
namespace {

TEST(Codec, RoundTripsCyrillicAndRejectsWhatTheCodePageLacks) {
    const std::string cp = "\xC2\xE0\xF1\xFF \xB8\xA8";  // "Вася ёЁ"
    const auto utf = cp1251ToUtf8(cp);
    ASSERT_TRUE(utf);
    EXPECT_EQ(*utf, "Вася ёЁ");
    EXPECT_EQ(utf8ToCp1251(*utf), cp);
    EXPECT_FALSE(cp1251ToUtf8("\x98").ok());      // the one undefined byte
    EXPECT_FALSE(utf8ToCp1251("漢").ok());        // no such character in the code page
    EXPECT_FALSE(utf8ToCp1251("\xC3\x28").ok());  // invalid UTF-8
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
    const auto dir =
        std::filesystem::temp_directory_path() / ("tavik-atomic-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "Tavik2.clb").string();
    ASSERT_TRUE(writeFileAtomic(path, "old").ok());

    setBeforeRenameHookForTesting([](const std::string&) { return false; });
    EXPECT_FALSE(writeFileAtomic(path, "new").ok());
    setBeforeRenameHookForTesting(nullptr);

    EXPECT_EQ(readFile(path), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1)
        << "temporary file left";
    ASSERT_TRUE(writeFileAtomic(path, "new").ok());
    EXPECT_EQ(readFile(path), "new");
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace tavik::files
