// Writing "Tavik2.ini", and the check that compares a file with what would be written.
#include "config/settings_file.h"
#include "core/files/atomic_file.h"
#include "core/files/codec.h"
#include "core/files/columns.h"

namespace tavik::config {
namespace {

const Settings kDefaults{};

char flag(bool on) {
    return on ? '1' : '0';
}

int inRange(int value, int lo, int hi, int fallback) {
    return value >= lo && value <= hi ? value : fallback;
}

// A text line; an empty value, which the reader would stop at, is written as the default.
std::string required(const std::string& value, const std::string& fallback) {
    const std::string line = files::cp1251Line(value);
    return line.empty() ? files::cp1251Line(fallback) : line;
}

std::string flagLine(const Settings& s) {
    std::string f(20, '#');
    const int language = inRange(s.language, 0, 20, kDefaults.language);
    f[0] = static_cast<char>(language < 10 ? '0' + language : 'a' + (language - 10));
    f[1] = s.soundOn ? (s.musicOn ? '1' : '2') : (s.musicOn ? '3' : '0');
    f[2] = flag(s.gifAnimation);
    f[3] = flag(s.flyCardsOn);
    f[4] = static_cast<char>('0' + inRange(s.scoreFormat, 1, 2, kDefaults.scoreFormat));
    f[5] = flag(s.NetGame);
    f[6] = flag(s.ownCursor);
    f[7] = static_cast<char>('0' + inRange(s.flySpeed, 1, 6, kDefaults.flySpeed));
    f[8] = static_cast<char>('0' + inRange(s.windowSize, 1, 5, kDefaults.windowSize));
    f[9] = s.installRegistered ? 'R' : '0';
    f[10] = s.statsRegistered ? 'L' : '0';
    f[11] = s.radioFromServer ? '0' : '1';
    f[12] = static_cast<char>('0' + inRange(s.captionColour, 1, 8, kDefaults.captionColour));
    f[13] = flag(s.newButtons);
    f[14] = flag(s.auxDesignPurple);
    f[15] = static_cast<char>('0' + inRange(s.auxDesign, 1, 3, kDefaults.auxDesign));
    f[16] = static_cast<char>('0' + inRange(s.menuDesign, 0, 1, kDefaults.menuDesign));
    f[17] = static_cast<char>('0' + inRange(s.tableDesign, 0, 1, kDefaults.tableDesign));
    f[18] = flag(s.fireworksButtons);
    f[19] = flag(s.fireworksCards);
    return f;
}

std::string twoDigits(int value) {
    return (value < 10 ? "0" : "") + std::to_string(value);
}

}  // namespace

std::string formatSettings(const Settings& s) {
    std::vector<std::string> lines;
    lines.reserve(kSettingsLineCount);
    lines.push_back("<# General>");
    lines.push_back(flagLine(s));
    lines.push_back("<# Cards>");
    lines.push_back(std::to_string(inRange(s.deckStyle, 0, 47, kDefaults.deckStyle)));
    lines.push_back("<# Decks>");
    lines.push_back(twoDigits(inRange(s.backStyle, 0, 12, kDefaults.backStyle)) + flag(s.oneBack));
    lines.push_back("<# Individual>");
    lines.push_back(std::string{flag(s.ReDealRule), flag(s.SixesRule), flag(s.HintsRule)} + "###");
    lines.push_back("<# Fonts>");
    for (const FontSetting& font : s.fonts) lines.push_back(files::cp1251Line(font.name));
    for (int k = 0; k < 4; ++k)
        lines.push_back(
            std::to_string(inRange(s.fonts[k].scale, 50, 150, kDefaults.fonts[k].scale)));
    lines.push_back("<# IP & Port>");
    lines.push_back(required(s.ipAddress, kDefaults.ipAddress));
    lines.push_back(required(s.port, kDefaults.port));
    lines.push_back("<# Background>");
    lines.push_back(twoDigits(inRange(s.backgroundPattern, 0, 10, kDefaults.backgroundPattern)) +
                    std::to_string(inRange(s.backgroundTint, 0, 6, kDefaults.backgroundTint)));
    lines.push_back("<# Name Of Player>");
    lines.push_back(required(s.playerName, kDefaults.playerName));
    lines.push_back("<# World Top Ten>");
    lines.push_back(required(s.TopTenAddressStored, kDefaults.TopTenAddressStored));
    lines.push_back(required(s.passportName, kDefaults.passportName));
    const std::string country = files::cp1251Line(s.passportCountry);
    lines.push_back(country.size() == 5 ? country : kDefaults.passportCountry);
    lines.push_back(required(s.passportCity, kDefaults.passportCity));
    lines.push_back(std::string(1, s.passportSex == 'W' ? 'W' : 'M'));
    lines.push_back(files::cp1251Line(s.StatAddressStored));
    lines.push_back("<# Save Games as GIF>");
    lines.push_back(s.saveGif ? "\xE8" : "\xEB");  // "и" / "л" in Windows-1251
    lines.push_back(std::to_string(inRange(s.gifCapture, 1, 2, kDefaults.gifCapture)));
    lines.push_back(std::to_string(inRange(s.gifDelay, 10, 5000, kDefaults.gifDelay)));
    return files::joinCrLf(lines);
}

files::Status SaveSettings(const std::string& path, const Settings& settings) {
    const std::string bytes = formatSettings(settings);
    if (files::Status first = files::writeFileAtomic(path, bytes); first.ok()) return first;
    return files::writeFileAtomic(path, bytes);
}

std::vector<std::string> settingsProblems(std::string_view bytes) {
    const SettingsLoad load = parseSettings(bytes);
    std::vector<std::string> problems = load.notes;
    if (load.outcome != SettingsRead::Complete) return problems;
    const std::vector<std::string> have = files::splitLines(bytes);
    const std::vector<std::string> want = files::splitLines(formatSettings(load.settings));
    if (have.size() > want.size())
        problems.push_back("the file has " + std::to_string(have.size()) +
                           " lines; those after line 35 are ignored");
    for (std::size_t i = 0; i < want.size(); ++i)
        if (have[i] != want[i])
            problems.push_back("line " + std::to_string(i + 1) + " is \"" +
                               files::cp1251ToUtf8Lossy(have[i]) + "\", the game writes \"" +
                               files::cp1251ToUtf8Lossy(want[i]) + "\"");
    if (!files::hasCrLfLinesOnly(bytes)) problems.push_back("a line does not end with CR LF");
    return problems;
}

}  // namespace tavik::config
