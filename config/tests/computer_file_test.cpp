// The computer level's own file: what it reads, what it writes, and that the settings
// file is left as it was.
#include "config/computer_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "config/settings_file.h"
#include "core/files/atomic_file.h"

namespace tavik::config {
namespace {

TEST(ComputerFile, ReadsWhatItWritesAndClassicOtherwise) {
    const struct {
        std::string_view bytes;
        ComputerLevel level;
    } cases[] = {
        {"Computer=Expert\r\n", ComputerLevel::Expert},
        {"Computer=Expert", ComputerLevel::Expert},
        {"Computer=Expert  \nmore", ComputerLevel::Expert},
        {"Computer=Classic\r\n", ComputerLevel::Classic},
        {"computer=expert\r\n", ComputerLevel::Classic},
        {"Computer=Expert2\r\n", ComputerLevel::Classic},
        {"", ComputerLevel::Classic},
        {std::string_view("\0\xff", 2), ComputerLevel::Classic},
    };
    for (const auto& c : cases) EXPECT_EQ(parseComputerFile(c.bytes), c.level) << c.bytes;
    for (ComputerLevel level : {ComputerLevel::Classic, ComputerLevel::Expert})
        EXPECT_EQ(parseComputerFile(formatComputerFile(level)), level);
}

TEST(ComputerFile, LivesBesideTheSettingsWithoutTouchingThem) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("tavik-computer-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const std::string settings = (folder / kSettingsFileName).string();
    const std::string own = (folder / kComputerFileName).string();
    EXPECT_EQ(ReadComputerFile(own), ComputerLevel::Classic);  // no file yet
    Settings s;
    s.computer = ComputerLevel::Expert;
    ASSERT_TRUE(SaveSettings(settings, s).ok());
    const std::string before = files::readFile(settings).value_or("");
    ASSERT_TRUE(WriteComputerFile(own, ComputerLevel::Expert).ok());
    EXPECT_EQ(files::readFile(own).value_or(""), "Computer=Expert\r\n");
    EXPECT_EQ(ReadComputerFile(own), ComputerLevel::Expert);
    // The settings file holds its 35 lines whatever the level, and reads back Classic:
    // the level is not one of its values.
    EXPECT_EQ(files::readFile(settings).value_or(""), before);
    EXPECT_EQ(formatSettings(s), formatSettings(Settings{}));
    EXPECT_EQ(LoadSettings(settings).settings.computer, ComputerLevel::Classic);
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace tavik::config
