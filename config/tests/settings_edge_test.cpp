// The reading rules at their edges: each case is the hand-made file with some lines
// changed, the way the reading must end, and what the settings then hold.
#include <gtest/gtest.h>

#include <functional>

#include "config/settings_file.h"
#include "config/tests/settings_test_support.h"

namespace tavik::config {
namespace {

using testing::chosenSettings;
using testing::golden;
using testing::withLine;

using Lines = std::vector<std::string>;

Lines chosenLines() {
    return files::splitLines(golden("Tavik2-chosen.ini"));
}

struct EdgeCase {
    const char* name;
    Lines lines;
    SettingsRead outcome;
    int stopLine;
    std::function<void(const Settings&)> check;
    bool written = false;  // the file is exactly what the game writes for what it holds
};

// The chosen values up to and including the back style line; defaults after it.
void readUpToDeckStyleOnly(const Settings& s) {
    const Settings d;
    EXPECT_EQ(s.language, 3);
    EXPECT_EQ(s.deckStyle, 17);
    EXPECT_EQ(s.backStyle, d.backStyle);
    EXPECT_EQ(s.oneBack, d.oneBack);
    EXPECT_EQ(s.ReDealRule, d.ReDealRule);
    EXPECT_EQ(s.fonts, d.fonts);
    EXPECT_EQ(s.ipAddress, d.ipAddress);
    EXPECT_EQ(s.backgroundPattern, d.backgroundPattern);
    EXPECT_EQ(s.playerName, d.playerName);
    EXPECT_EQ(s.passportName, d.passportName);
    EXPECT_EQ(s.saveGif, d.saveGif);
}

std::vector<EdgeCase> edgeCases() {
    const Lines g = chosenLines();
    const Settings d;
    Lines lines34(g.begin(), g.end() - 1);
    Lines lines36 = g;
    lines36.push_back("garbage after the end");
    return {
        {"34 lines: nothing is used", lines34, SettingsRead::Short, 0,
         [d](const Settings& s) { EXPECT_EQ(s, d); }},
        {"36 lines: read, the last ignored", lines36, SettingsRead::Complete, 0,
         [](const Settings& s) { EXPECT_EQ(s, chosenSettings()); }},
        {"empty file", {}, SettingsRead::Short, 0, [d](const Settings& s) { EXPECT_EQ(s, d); }},
        {"empty line 6", withLine(g, 6, ""), SettingsRead::Stopped, 6, readUpToDeckStyleOnly},
        {"line 6 of two characters", withLine(g, 6, "07"), SettingsRead::Stopped, 6,
         readUpToDeckStyleOnly},
        {"line 6 not a number", withLine(g, 6, "x71"), SettingsRead::Stopped, 6,
         readUpToDeckStyleOnly},
        {"flag line \"3\"", withLine(g, 2, "3"), SettingsRead::Complete, 0,
         [d](const Settings& s) {
             EXPECT_EQ(s.language, 3);
             EXPECT_EQ(s.soundOn, d.soundOn);
             EXPECT_EQ(s.musicOn, d.musicOn);
             EXPECT_EQ(s.flySpeed, d.flySpeed);
             EXPECT_EQ(s.installRegistered, d.installRegistered);
             EXPECT_EQ(s.fireworksButtons, d.fireworksButtons);
             EXPECT_EQ(s.gifDelay, 250);
         }},
        {"flag letters and unknown characters", withLine(g, 2, "f9x0z"), SettingsRead::Complete, 0,
         [d](const Settings& s) {
             EXPECT_EQ(s.language, 15);
             EXPECT_EQ(s.soundOn, d.soundOn);
             EXPECT_EQ(s.gifAnimation, d.gifAnimation);
             EXPECT_EQ(s.flyCardsOn, false);
             EXPECT_EQ(s.scoreFormat, d.scoreFormat);
         }},
        {"caption colour not a digit", withLine(g, 2, "320121063R01x1031001"),
         SettingsRead::Stopped, 2,
         [d](const Settings& s) {
             EXPECT_EQ(s.radioFromServer, false) << "positions before 12 are read";
             EXPECT_EQ(s.newButtons, d.newButtons) << "positions after 12 are not";
             EXPECT_EQ(s.deckStyle, d.deckStyle);
         }},
        {"caption colour 8", withLine(g, 2, "320121063R0181031001"), SettingsRead::Complete, 0,
         [](const Settings& s) { EXPECT_EQ(s.captionColour, 8); }, true},
        {"caption colour 0", withLine(g, 2, "320121063R0101031001"), SettingsRead::Complete, 0,
         [d](const Settings& s) { EXPECT_EQ(s.captionColour, d.captionColour); }},
        {"face style not a number", withLine(g, 4, "x"), SettingsRead::Stopped, 4,
         [d](const Settings& s) {
             EXPECT_EQ(s.flySpeed, 6);
             EXPECT_EQ(s.deckStyle, d.deckStyle);
             EXPECT_EQ(s.backStyle, d.backStyle);
         }},
        {"a scale that is not a number", withLine(g, 15, "8O"), SettingsRead::Stopped, 15,
         [d](const Settings& s) {
             EXPECT_EQ(s.fonts[3].name, "Courier New");
             EXPECT_EQ(s.fonts[0].scale, 120);
             EXPECT_EQ(s.fonts[1].scale, 100);
             EXPECT_EQ(s.ipAddress, d.ipAddress);
         }},
        {"out-of-range numbers keep their defaults and reading goes on",
         withLine(withLine(withLine(g, 4, "48"), 14, "151"), 6, "131"), SettingsRead::Complete, 0,
         [d](const Settings& s) {
             EXPECT_EQ(s.deckStyle, d.deckStyle);
             EXPECT_EQ(s.backStyle, d.backStyle);
             EXPECT_TRUE(s.oneBack);
             EXPECT_EQ(s.fonts[0].scale, 100);
             EXPECT_EQ(s.gifDelay, 250);
         }},
        {"a one-character font name and an empty scale are skipped",
         withLine(withLine(g, 10, "A"), 16, ""), SettingsRead::Complete, 0,
         [](const Settings& s) {
             EXPECT_EQ(s.fonts[0].name, "Comic Sans MS");
             EXPECT_EQ(s.fonts[2].scale, 100);
             EXPECT_EQ(s.port, "30000");
         }},
        {"empty IP", withLine(g, 19, ""), SettingsRead::Stopped, 19,
         [d](const Settings& s) {
             EXPECT_EQ(s.fonts[3].scale, 150);
             EXPECT_EQ(s.ipAddress, d.ipAddress);
             EXPECT_EQ(s.port, d.port);
         }},
        {"background of one character", withLine(g, 22, "2"), SettingsRead::Stopped, 22,
         [d](const Settings& s) { EXPECT_EQ(s.backgroundPattern, d.backgroundPattern); }},
        {"line 28 of four characters", withLine(g, 28, "2-05"), SettingsRead::Stopped, 28,
         [d](const Settings& s) {
             EXPECT_EQ(s.passportName, "Пётр");
             EXPECT_EQ(s.passportCountry, d.passportCountry);
             EXPECT_EQ(s.passportCity, d.passportCity);
             EXPECT_EQ(s.passportSex, d.passportSex);
             EXPECT_EQ(s.saveGif, d.saveGif);
         }},
        {"country 2-052 is refused, reading goes on", withLine(g, 28, "2-052"),
         SettingsRead::Complete, 0,
         [d](const Settings& s) {
             EXPECT_EQ(s.passportCountry, d.passportCountry);
             EXPECT_EQ(s.passportCity, "Новосибирск");
         }},
        {"the last country of Africa", withLine(g, 28, "6-054"), SettingsRead::Complete, 0,
         [](const Settings& s) { EXPECT_EQ(s.passportCountry, "6-054"); }, true},
        {"country with a sign", withLine(g, 28, "1--01"), SettingsRead::Complete, 0,
         [d](const Settings& s) { EXPECT_EQ(s.passportCountry, d.passportCountry); }},
        {"long nick and city are cut",
         withLine(withLine(g, 27, "ABCDEFGHIJKLMNO"), 29,
                  *files::utf8ToCp1251("Санкт-Петербург-на-Неве")),
         SettingsRead::Complete, 0,
         [](const Settings& s) {
             EXPECT_EQ(s.passportName, "ABCDEFGHIJKL");
             EXPECT_EQ(s.passportCity, "Санкт-Петербург");
         }},
        {"sex other than M or W", withLine(g, 30, "X"), SettingsRead::Complete, 0,
         [](const Settings& s) { EXPECT_EQ(s.passportSex, 'M'); }},
        {"empty statistics address is taken", withLine(g, 31, ""), SettingsRead::Complete, 0,
         [](const Settings& s) { EXPECT_EQ(s.StatAddressStored, ""); }, true},
        {"line 33 \"л\" switches GIF saving off", withLine(g, 33, "\xEB"), SettingsRead::Complete,
         0, [](const Settings& s) { EXPECT_FALSE(s.saveGif); }, true},
        {"line 33 \"и\" in UTF-8 switches it off too", withLine(g, 33, "и"), SettingsRead::Complete,
         0, [](const Settings& s) { EXPECT_FALSE(s.saveGif); }},
        {"GIF delay not a number", withLine(g, 35, "1e3"), SettingsRead::Stopped, 35,
         [d](const Settings& s) {
             EXPECT_EQ(s.gifCapture, 2);
             EXPECT_EQ(s.gifDelay, d.gifDelay);
         }},
        {"a name with the byte the code page lacks keeps the default, reading goes on",
         withLine(g, 24, "\xC2\x98\xF1"), SettingsRead::Complete, 0,
         [d](const Settings& s) {
             EXPECT_EQ(s.playerName, d.playerName);
             EXPECT_EQ(s.passportName, "Пётр");
         }},
        {"a name written in UTF-8 is read as Windows-1251 text", withLine(g, 24, "Вася"),
         SettingsRead::Complete, 0, [](const Settings& s) { EXPECT_EQ(s.playerName, "Р’Р°СЃСЏ"); },
         true},
    };
}

TEST(SettingsEdges, EachEdgeEndsAsTheReadingRulesSay) {
    for (const EdgeCase& c : edgeCases()) {
        SCOPED_TRACE(c.name);
        const std::string bytes = files::joinCrLf(c.lines);
        const SettingsLoad load = parseSettings(bytes);
        EXPECT_EQ(load.outcome, c.outcome);
        EXPECT_EQ(load.stopLine, c.stopLine);
        c.check(load.settings);
        EXPECT_EQ(settingsProblems(bytes).empty(), c.written);
    }
}

TEST(SettingsEdges, TheFlagLineSavesSoundAndMusicAsOneCharacter) {
    Settings s;
    s.soundOn = true;
    s.musicOn = false;
    s.backStyle = 7;
    s.oneBack = true;
    const Lines lines = files::splitLines(formatSettings(s));
    EXPECT_EQ(lines[1][1], '2');
    EXPECT_EQ(lines[5], "071");
    EXPECT_EQ(lines[21], "020");
    const Settings back = parseSettings(formatSettings(s)).settings;
    EXPECT_TRUE(back.soundOn);
    EXPECT_FALSE(back.musicOn);
}

TEST(SettingsEdges, ProblemsNameTheLineAndWhy) {
    const std::string bytes = files::joinCrLf(withLine(chosenLines(), 28, "2-052"));
    const std::vector<std::string> problems = settingsProblems(bytes);
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0], "line 28: the country code is not a known country; the default stays");
    EXPECT_EQ(problems[1], "line 28 is \"2-052\", the game writes \"1-001\"");
    EXPECT_EQ(settingsProblems(files::joinCrLf(withLine(chosenLines(), 19, ""))),
              std::vector<std::string>{"line 19: the IP address is empty; reading stops here"});
}

TEST(SettingsEdges, BinaryAndOverlongInputNeverBreakTheReader) {
    std::string noise;
    for (int i = 0; i < 4000; ++i) noise += static_cast<char>((i * 7919) % 256);
    const SettingsLoad load = parseSettings(noise);
    EXPECT_NE(load.outcome, SettingsRead::Complete);
    Lines longLines = chosenLines();
    longLines[23] = std::string(100000, '\xC0');
    const SettingsLoad big = parseSettings(files::joinCrLf(longLines));
    EXPECT_EQ(big.outcome, SettingsRead::Complete);
    EXPECT_EQ(big.settings.playerName.size(), 200000u);
    EXPECT_EQ(parseSettings(formatSettings(big.settings)).settings, big.settings);
}

}  // namespace
}  // namespace tavik::config
