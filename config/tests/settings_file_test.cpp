#include "config/settings_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "config/tests/settings_test_support.h"

namespace tavik::config {
namespace {

using testing::chosenSettings;
using testing::golden;

TEST(SettingsFile, WritesTheHandMadeFilesByteForByte) {
    EXPECT_EQ(formatSettings(Settings{}), golden("Tavik2-defaults.ini"));
    EXPECT_EQ(formatSettings(chosenSettings()), golden("Tavik2-chosen.ini"));
}

TEST(SettingsFile, ReadsTheHandMadeFilesWhole) {
    for (const auto& [name, want] : {std::pair{"Tavik2-defaults.ini", Settings{}},
                                     std::pair{"Tavik2-chosen.ini", chosenSettings()}}) {
        const SettingsLoad load = parseSettings(golden(name));
        EXPECT_EQ(load.outcome, SettingsRead::Complete) << name;
        EXPECT_TRUE(load.notes.empty()) << name << ": " << load.notes.front();
        EXPECT_EQ(load.settings, want) << name;
        EXPECT_TRUE(settingsProblems(golden(name)).empty()) << name;
    }
}

TEST(SettingsFile, EveryFlagAndChoiceSurvivesARoundTrip) {
    std::vector<Settings> cases;
    for (int language : {0, 9, 10, 20}) {
        Settings s = chosenSettings();
        s.language = language;
        cases.push_back(s);
    }
    for (int sound = 0; sound < 4; ++sound) {
        Settings s;
        s.soundOn = sound & 1;
        s.musicOn = sound & 2;
        s.installRegistered = sound & 1;
        s.statsRegistered = sound & 2;
        s.radioFromServer = sound & 1;
        s.captionColour = 8 - sound;
        s.auxDesignPurple = true;
        s.tableDesign = 1;
        s.backStyle = 12;
        s.backgroundPattern = 0;
        s.fonts[2].scale = 50;
        s.gifDelay = 5000 - sound;
        cases.push_back(s);
    }
    for (const Settings& s : cases) {
        const SettingsLoad load = parseSettings(formatSettings(s));
        EXPECT_EQ(load.outcome, SettingsRead::Complete);
        EXPECT_EQ(load.settings, s) << formatSettings(s);
    }
}

TEST(SettingsFile, ValuesThatWouldStopTheReaderAreWrittenAsDefaults) {
    Settings s = chosenSettings();
    s.ipAddress = "";
    s.port = "";
    s.playerName = "";
    s.TopTenAddressStored = "";
    s.passportName = "";
    s.passportCountry = "1-1";
    s.passportCity = "";
    s.passportSex = 'x';
    s.deckStyle = 48;
    s.flySpeed = 0;
    s.fonts[0].name = "漢字 Sans\r\nx";  // outside the code page, and a line break
    const SettingsLoad load = parseSettings(formatSettings(s));
    ASSERT_EQ(load.outcome, SettingsRead::Complete);
    const Settings d;
    EXPECT_EQ(load.settings.ipAddress, d.ipAddress);
    EXPECT_EQ(load.settings.port, d.port);
    EXPECT_EQ(load.settings.playerName, d.playerName);
    EXPECT_EQ(load.settings.TopTenAddressStored, d.TopTenAddressStored);
    EXPECT_EQ(load.settings.passportName, d.passportName);
    EXPECT_EQ(load.settings.passportCountry, d.passportCountry);
    EXPECT_EQ(load.settings.passportCity, d.passportCity);
    EXPECT_EQ(load.settings.passportSex, 'M');
    EXPECT_EQ(load.settings.deckStyle, d.deckStyle);
    EXPECT_EQ(load.settings.flySpeed, 4);
    EXPECT_EQ(load.settings.fonts[0].name, "?? Sans  x");
    EXPECT_EQ(load.settings.gifDelay, 250) << "the lines after them are still read";
}

TEST(SettingsFile, LfOnlyAndCrOnlyFilesReadLikeCrLfButAreReported) {
    const std::string crlf = golden("Tavik2-chosen.ini");
    for (const char* end : {"\n", "\r"}) {
        std::string other;
        for (const std::string& line : files::splitLines(crlf)) other += line + end;
        const SettingsLoad load = parseSettings(other);
        EXPECT_EQ(load.outcome, SettingsRead::Complete);
        EXPECT_EQ(load.settings, chosenSettings());
        EXPECT_EQ(settingsProblems(other),
                  std::vector<std::string>{"a line does not end with CR LF"});
    }
}

class SettingsOnDisk : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("tavik-settings-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
        path_ = (dir_ / kSettingsFileName).string();
    }
    void TearDown() override {
        files::setBeforeRenameHookForTesting(nullptr);
        std::filesystem::remove_all(dir_);
    }
    std::filesystem::path dir_;
    std::string path_;
};

TEST_F(SettingsOnDisk, SaveThenLoadGivesTheSameSettings) {
    EXPECT_EQ(LoadSettings(path_).outcome, SettingsRead::NoFile);
    EXPECT_EQ(LoadSettings(path_).settings, Settings{});
    ASSERT_TRUE(SaveSettings(path_, chosenSettings()).ok());
    EXPECT_EQ(files::readFile(path_), golden("Tavik2-chosen.ini"));
    const SettingsLoad load = LoadSettings(path_);
    EXPECT_EQ(load.outcome, SettingsRead::Complete);
    EXPECT_EQ(load.settings, chosenSettings());
}

TEST_F(SettingsOnDisk, AKilledWriterLeavesThePreviousFile) {
    ASSERT_TRUE(SaveSettings(path_, Settings{}).ok());
    int tries = 0;
    files::setBeforeRenameHookForTesting([&](const std::string&) {
        ++tries;
        return false;
    });
    EXPECT_FALSE(SaveSettings(path_, chosenSettings()).ok());
    EXPECT_EQ(tries, 2) << "the write is tried twice";
    EXPECT_EQ(files::readFile(path_), golden("Tavik2-defaults.ini"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 1);
}

TEST_F(SettingsOnDisk, AnUnwritableFolderGivesAnErrorAndNoFile) {
    const std::string inMissingFolder = (dir_ / "no such folder" / "Tavik2.ini").string();
    EXPECT_FALSE(SaveSettings(inMissingFolder, Settings{}).ok());
    EXPECT_FALSE(std::filesystem::exists(inMissingFolder));
}

}  // namespace
}  // namespace tavik::config
