#pragma once
// The settings of the game: the values kept in "Tavik2.ini", in one record, under the
// names the rest of the program knows them by. Text is UTF-8 in memory.

#include <array>
#include <string>
#include <string_view>

namespace tavik::config {

// In the program's folder: files::DataFolder::inProgram(kSettingsFileName).
inline constexpr std::string_view kSettingsFileName = "Tavik2.ini";

// The four font kinds of the presentation, in the order of the settings file.
enum class FontKind { Decor = 0, Serif = 1, Fixed = 2, Conew = 3 };

struct FontSetting {
    std::string name;
    int scale = 100;  // size in percent
    bool operator==(const FontSetting&) const = default;
};

// The built-in service addresses, in their enciphered form (StringCipher with the
// configuration key; the online tests check that they decipher to
// "http://localhost:8740/wtgames/" and "http://localhost:8740/stat/").
inline constexpr std::string_view kBuiltInTopTenAddress =
    "KKXXCPSPRLSMDLNVCKVQPLLDDVKRNNTDDDPSNBBDSTLRKXHPMLDKDXVSVSXBHL";
inline constexpr std::string_view kBuiltInStatAddress =
    "KKXXCPSPRLSMDLNVCKVQPLLDDVKRNNTDDDPSNBBDSTLRKMHBMZCMRLPT";

// Which computer plays a game against the computer: the classic one or the Expert.
enum class ComputerLevel { Classic = 0, Expert = 1 };

struct Settings {
    // The flag line.
    int language = 0;  // 0..9; 10..20 may come from a file
    bool soundOn = true;
    bool musicOn = true;
    bool gifAnimation = true;
    bool flyCardsOn = true;
    int scoreFormat = 1;  // 1 scores, 2 ratings
    bool NetGame = false;
    bool ownCursor = true;
    int flySpeed = 4;    // 1..6
    int windowSize = 1;  // 1..5
    bool installRegistered = true;
    bool statsRegistered = true;
    bool radioFromServer = true;  // the station list is read from the server first
    int captionColour = 1;        // 1..8
    bool newButtons = false;
    bool auxDesignPurple = false;
    int auxDesign = 2;    // 1 grey concise, 2 grey aristocratic, 3 grey with red ribbons
    int menuDesign = 0;   // 0 customizable, 1 purple
    int tableDesign = 0;  // 0 customizable, 1 purple
    bool fireworksButtons = true;
    bool fireworksCards = true;

    // Cards and backs.
    int deckStyle = 0;  // 0..47
    int backStyle = 0;  // 0..12
    bool oneBack = false;

    // The rule options.
    bool ReDealRule = false;
    bool SixesRule = false;
    bool HintsRule = false;

    // Fonts, indexed by FontKind.
    std::array<FontSetting, 4> fonts = {
        FontSetting{"Comic Sans MS", 100}, FontSetting{"Comic Sans MS", 100},
        FontSetting{"FixedSys", 100}, FontSetting{"Courier New", 100}};

    // The network game.
    std::string ipAddress = "127.0.0.1";
    std::string port = "25666";

    // The table background.
    int backgroundPattern = 2;  // 0..10, 0 no picture
    int backgroundTint = 0;     // 0..6

    std::string playerName = "Mr.X";

    // Not in Tavik2.ini: kept in a file of its own (config/computer_file.h).
    ComputerLevel computer = ComputerLevel::Classic;

    // The world top ten and the passport. The two addresses are kept in the enciphered
    // form in which the file stores them; the online services decipher them for use.
    std::string TopTenAddressStored{kBuiltInTopTenAddress};
    std::string passportName = "Incognito";  // at most 12 characters
    std::string passportCountry = "1-001";   // continent digit, '-', three digits
    std::string passportCity = "Moscow";     // at most 15 characters
    char passportSex = 'M';                  // 'M' or 'W'
    std::string StatAddressStored{kBuiltInStatAddress};

    // Saving games as GIF animation.
    bool saveGif = false;
    int gifCapture = 1;   // 1 the main window only, 2 the whole screen
    int gifDelay = 1000;  // milliseconds between frames, 10..5000

    FontSetting& font(FontKind kind) { return fonts[static_cast<int>(kind)]; }
    const FontSetting& font(FontKind kind) const { return fonts[static_cast<int>(kind)]; }
    bool operator==(const Settings&) const = default;
};

}  // namespace tavik::config
