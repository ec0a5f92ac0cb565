#pragma once
// The two hand-made settings files of tests/data and ways to vary their lines.

#include <string>
#include <vector>

#include "core/files/atomic_file.h"
#include "core/files/codec.h"
#include "config/settings.h"

namespace tavik::config::testing {

inline std::string golden(const std::string& name) {
    return files::readFile(std::string(TAVIK_CONFIG_TEST_DATA) + "/" + name).value_or("");
}

// The values written in Tavik2-chosen.ini, set one by one from its lines.
inline Settings chosenSettings() {
    Settings s;
    s.language = 3;
    s.soundOn = true;
    s.musicOn = false;
    s.gifAnimation = false;
    s.flyCardsOn = true;
    s.scoreFormat = 2;
    s.NetGame = true;
    s.ownCursor = false;
    s.flySpeed = 6;
    s.windowSize = 3;
    s.installRegistered = true;
    s.statsRegistered = false;
    s.radioFromServer = false;
    s.captionColour = 5;
    s.newButtons = true;
    s.auxDesignPurple = false;
    s.auxDesign = 3;
    s.menuDesign = 1;
    s.tableDesign = 0;
    s.fireworksButtons = false;
    s.fireworksCards = true;
    s.deckStyle = 17;
    s.backStyle = 7;
    s.oneBack = true;
    s.ReDealRule = true;
    s.SixesRule = false;
    s.HintsRule = true;
    s.fonts = {FontSetting{"Arial", 120}, FontSetting{"Times New Roman", 80},
               FontSetting{"FixedSys", 100}, FontSetting{"Courier New", 150}};
    s.ipAddress = "192.168.0.7";
    s.port = "30000";
    s.backgroundPattern = 10;
    s.backgroundTint = 6;
    s.playerName = "Вася";
    s.passportName = "Пётр";
    s.passportCountry = "2-051";
    s.passportCity = "Новосибирск";
    s.passportSex = 'W';
    s.saveGif = true;
    s.gifCapture = 2;
    s.gifDelay = 250;
    return s;
}

// The lines of a file with line n (1-based) replaced by bytes.
inline std::vector<std::string> withLine(std::vector<std::string> lines, int n,
                                         const std::string& bytes) {
    lines.at(n - 1) = bytes;
    return lines;
}

}  // namespace tavik::config::testing
