#include "config/settings_table.h"

#include <gtest/gtest.h>

#include <set>

#include "config/settings_file.h"
#include "core/files/codec.h"

namespace tavik::config {
namespace {

// A value of the field that differs from its default and that the file can hold.
SettingValue changed(const SettingsField& f) {
    const SettingValue now = f.access.get(Settings{});
    if (const bool* on = std::get_if<bool>(&now)) return !*on;
    if (const int* n = std::get_if<int>(&now)) return *n == f.hi ? f.lo : f.hi;
    if (f.codec == FieldCodec::Country) return std::string("2-051");
    if (f.codec == FieldCodec::Sex) return std::string("W");
    return std::string("Zed");
}

TEST(SettingsTable, CoversEveryLineOnceInReadingOrder) {
    std::set<int> lines;
    std::set<std::string> keys;
    std::pair<int, int> last{0, -2};
    for (const SettingsField& f : settingsFields()) {
        EXPECT_GE(std::pair(f.line, f.position), last) << settingKey(f);
        last = {f.line, f.position};
        lines.insert(f.line);
        if (!f.isSetting()) continue;
        EXPECT_TRUE(keys.insert(settingKey(f)).second) << settingKey(f);
        EXPECT_EQ(findSettingsField(settingKey(f)), &f);
        EXPECT_TRUE(f.access.get && f.access.set) << settingKey(f);
    }
    EXPECT_EQ(lines.size(), static_cast<std::size_t>(kSettingsLineCount));
    EXPECT_EQ(*lines.begin(), 1);
    EXPECT_EQ(*lines.rbegin(), kSettingsLineCount);
    EXPECT_EQ(findSettingsField("fonts[2].scale")->line, 16);
    EXPECT_EQ(findSettingsField("nothing"), nullptr);
}

// Each setting changed through its accessor changes its own line of the file only, and
// reads back as it was set: the table's line numbers and accessors agree with the file.
TEST(SettingsTable, EachSettingLivesInItsOwnLineAndReadsBack) {
    const std::vector<std::string> defaults = files::splitLines(formatSettings(Settings{}));
    for (const SettingsField& f : settingsFields()) {
        if (!f.isSetting()) continue;
        Settings s;
        f.access.set(s, changed(f));
        EXPECT_NE(s, Settings{}) << settingKey(f);
        EXPECT_EQ(f.access.get(s), changed(f)) << settingKey(f);
        const std::vector<std::string> lines = files::splitLines(formatSettings(s));
        ASSERT_EQ(lines.size(), defaults.size());
        for (std::size_t i = 0; i < lines.size(); ++i)
            EXPECT_EQ(lines[i] != defaults[i], static_cast<int>(i) + 1 == f.line)
                << settingKey(f) << " line " << i + 1;
        const SettingsLoad back = parseSettings(formatSettings(s));
        EXPECT_EQ(back.outcome, SettingsRead::Complete) << settingKey(f);
        EXPECT_EQ(back.settings, s) << settingKey(f);
    }
}

}  // namespace
}  // namespace tavik::config
