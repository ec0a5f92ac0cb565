// Reading "Tavik2.ini": the flag line, then the value lines in file order, each applied
// only while every earlier check has passed.
#include <optional>

#include "core/files/atomic_file.h"
#include "core/files/codec.h"
#include "core/files/columns.h"
#include "config/settings_file.h"

namespace tavik::config {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Applies the lines to the settings; every apply step returns false where reading stops.
class SettingsReader {
  public:
    SettingsReader(const std::vector<std::string>& lines, SettingsLoad& load)
        : lines_(lines), load_(load), s_(load.settings) {}

    void run() {
        if (!flags() || !cards() || !fontsAndNetwork() || !backgroundAndName() || !passport() ||
            !statisticsAndGif())
            return;
        load_.outcome = SettingsRead::Complete;
    }

  private:
    const std::string& line(int n) const { return lines_[n - 1]; }

    void note(int n, const std::string& why) {
        load_.notes.push_back("line " + std::to_string(n) + ": " + why);
    }
    bool stop(int n, const std::string& why) {
        note(n, why + "; reading stops here");
        load_.outcome = SettingsRead::Stopped;
        load_.stopLine = n;
        return false;
    }
    // A number text: false (a stop) when it is not a decimal number; a number outside
    // lo..hi leaves the setting at its default and reading goes on.
    bool number(int n, std::string_view text, int lo, int hi, int& target, const char* what) {
        const auto value = files::parseNumber(text);
        if (!value) return stop(n, std::string(what) + " is not a number");
        if (*value < lo || *value > hi)
            note(n, std::string(what) + " " + std::to_string(*value) + " is outside " +
                        std::to_string(lo) + ".." + std::to_string(hi) + "; the default stays");
        else
            target = static_cast<int>(*value);
        return true;
    }
    // A text value; a line that is not Windows-1251 text leaves the setting as it is.
    void text(int n, std::string_view bytes, std::string& target) {
        if (auto utf8 = files::cp1251ToUtf8(bytes))
            target = std::move(*utf8);
        else
            note(n, "not Windows-1251 text; the default stays");
    }
    bool notEmpty(int n, const char* what) {
        return !line(n).empty() || stop(n, std::string(what) + " is empty");
    }

    bool flags();
    bool cards();
    bool fontsAndNetwork();
    bool backgroundAndName();
    bool passport();
    bool statisticsAndGif();

    const std::vector<std::string>& lines_;
    SettingsLoad& load_;
    Settings& s_;
};

bool SettingsReader::flags() {
    const std::string& f = line(2);
    auto on = [&](std::size_t pos, bool& target) {
        if (f.size() > pos && (f[pos] == '0' || f[pos] == '1')) target = f[pos] == '1';
    };
    auto digit = [&](std::size_t pos, int lo, int hi, int& target) {
        if (f.size() > pos && f[pos] >= '0' + lo && f[pos] <= '0' + hi) target = f[pos] - '0';
    };
    if (!f.empty()) {
        if (isDigit(f[0])) s_.language = f[0] - '0';
        if (f[0] >= 'a' && f[0] <= 'k') s_.language = 10 + (f[0] - 'a');
    }
    if (f.size() > 1 && f[1] >= '0' && f[1] <= '3') {
        s_.soundOn = f[1] == '1' || f[1] == '2';
        s_.musicOn = f[1] == '1' || f[1] == '3';
    }
    on(2, s_.gifAnimation);
    on(3, s_.flyCardsOn);
    digit(4, 1, 2, s_.scoreFormat);
    on(5, s_.NetGame);
    on(6, s_.ownCursor);
    digit(7, 1, 6, s_.flySpeed);
    digit(8, 1, 5, s_.windowSize);
    if (f.size() > 9) s_.installRegistered = f[9] == 'R';
    if (f.size() > 10) s_.statsRegistered = f[10] == 'L';
    if (f.size() > 11 && (f[11] == '0' || f[11] == '1')) s_.radioFromServer = f[11] == '0';
    if (f.size() > 12) {
        if (!isDigit(f[12])) return stop(2, "caption colour (position 12) is not a digit");
        if (f[12] >= '1' && f[12] <= '8')
            s_.captionColour = f[12] - '0';
        else
            note(2, "caption colour (position 12) is outside 1..8; the default stays");
    }
    on(13, s_.newButtons);
    on(14, s_.auxDesignPurple);
    digit(15, 1, 3, s_.auxDesign);
    digit(16, 0, 1, s_.menuDesign);
    digit(17, 0, 1, s_.tableDesign);
    on(18, s_.fireworksButtons);
    on(19, s_.fireworksCards);
    return true;
}

bool SettingsReader::cards() {
    if (!number(4, line(4), 0, 47, s_.deckStyle, "face style")) return false;
    const std::string& backs = line(6);
    if (backs.size() <= 2) return stop(6, "the back style line is shorter than 3 characters");
    if (!number(6, backs.substr(0, 2), 0, 12, s_.backStyle, "back style")) return false;
    s_.oneBack = backs[2] == '1';
    const std::string& rules = line(8);
    s_.ReDealRule = rules.size() > 0 && rules[0] == '1';
    s_.SixesRule = rules.size() > 1 && rules[1] == '1';
    s_.HintsRule = rules.size() > 2 && rules[2] == '1';
    return true;
}

bool SettingsReader::fontsAndNetwork() {
    for (int k = 0; k < 4; ++k)
        if (line(10 + k).size() > 1) text(10 + k, line(10 + k), s_.fonts[k].name);
    for (int k = 0; k < 4; ++k)
        if (!line(14 + k).empty() &&
            !number(14 + k, line(14 + k), 50, 150, s_.fonts[k].scale, "font scale"))
            return false;
    if (!notEmpty(18, "the marker line")) return false;
    if (!notEmpty(19, "the IP address")) return false;
    text(19, line(19), s_.ipAddress);
    if (!notEmpty(20, "the port")) return false;
    text(20, line(20), s_.port);
    return notEmpty(21, "the marker line");
}

bool SettingsReader::backgroundAndName() {
    const std::string& bg = line(22);
    if (!notEmpty(22, "the background line")) return false;
    if (bg.size() < 3) return stop(22, "the background line is shorter than 3 characters");
    if (!number(22, bg.substr(0, 2), 0, 10, s_.backgroundPattern, "background pattern"))
        return false;
    if (!isDigit(bg[2])) return stop(22, "the background tint is not a digit");
    if (bg[2] <= '6')
        s_.backgroundTint = bg[2] - '0';
    else
        note(22, "background tint is outside 0..6; the default stays");
    if (!notEmpty(23, "the marker line")) return false;
    if (!notEmpty(24, "the player name")) return false;
    text(24, line(24), s_.playerName);
    return true;
}

// The country code rule: continent digit, '-', three digits within that continent's table.
bool validCountry(const std::string& code) {
    static constexpr int kLastIndex[] = {48, 51, 35, 14, 23, 54};
    if (code.size() != 5 || code[1] != '-' || code[0] < '1' || code[0] > '6') return false;
    if (!isDigit(code[2]) || !isDigit(code[3]) || !isDigit(code[4])) return false;
    const int index = (code[2] - '0') * 100 + (code[3] - '0') * 10 + (code[4] - '0');
    return index <= kLastIndex[code[0] - '1'];
}

bool SettingsReader::passport() {
    if (!notEmpty(26, "the world top-ten address")) return false;
    text(26, line(26), s_.TopTenAddressStored);
    if (!notEmpty(27, "the passport name")) return false;
    text(27, line(27).substr(0, 12), s_.passportName);
    if (!notEmpty(28, "the country code")) return false;
    if (line(28).size() != 5) return stop(28, "the country code is not 5 characters long");
    if (validCountry(line(28)))
        s_.passportCountry = line(28);
    else
        note(28, "the country code is not a known country; the default stays");
    if (!notEmpty(29, "the city")) return false;
    text(29, line(29).substr(0, 15), s_.passportCity);
    if (!notEmpty(30, "the sex")) return false;
    s_.passportSex = line(30)[0] == 'W' ? 'W' : 'M';
    return true;
}

bool SettingsReader::statisticsAndGif() {
    text(31, line(31), s_.StatAddressStored);
    s_.saveGif = line(33) == "\xE8";  // "и" in Windows-1251
    return number(34, line(34), 1, 2, s_.gifCapture, "the GIF capture choice") &&
           number(35, line(35), 10, 5000, s_.gifDelay, "the GIF frame delay");
}

}  // namespace

SettingsLoad parseSettings(std::string_view bytes) {
    SettingsLoad load;
    const std::vector<std::string> lines = files::splitLines(bytes);
    if (static_cast<int>(lines.size()) < kSettingsLineCount) {
        load.outcome = SettingsRead::Short;
        load.notes.push_back("the file has " + std::to_string(lines.size()) +
                             " lines, fewer than 35; nothing of it is used");
        return load;
    }
    SettingsReader(lines, load).run();
    return load;
}

SettingsLoad LoadSettings(const std::string& path) {
    auto bytes = files::readFile(path);
    if (!bytes) bytes = files::readFile(path);
    if (!bytes) return SettingsLoad{};
    return parseSettings(*bytes);
}

}  // namespace tavik::config
