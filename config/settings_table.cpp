// The rows of the settings file, line by line.
#include "config/settings_table.h"

#include <array>
#include <type_traits>

namespace tavik::config {
namespace {

template <auto Member>
constexpr SettingAccess member() {
    using T = std::remove_cvref_t<decltype(std::declval<Settings&>().*Member)>;
    return {[](const Settings& s) -> SettingValue { return s.*Member; },
            [](Settings& s, const SettingValue& v) { s.*Member = std::get<T>(v); }};
}

template <int Kind>
constexpr SettingAccess fontName() {
    return {
        [](const Settings& s) -> SettingValue { return s.fonts[Kind].name; },
        [](Settings& s, const SettingValue& v) { s.fonts[Kind].name = std::get<std::string>(v); }};
}

template <int Kind>
constexpr SettingAccess fontScale() {
    return {[](const Settings& s) -> SettingValue { return s.fonts[Kind].scale; },
            [](Settings& s, const SettingValue& v) { s.fonts[Kind].scale = std::get<int>(v); }};
}

constexpr SettingAccess sex() {
    return {[](const Settings& s) -> SettingValue { return std::string(1, s.passportSex); },
            [](Settings& s, const SettingValue& v) {
                const std::string& text = std::get<std::string>(v);
                s.passportSex = text == "W" ? 'W' : 'M';
            }};
}

using C = FieldCodec;

constexpr SettingsField marker(int line, std::string_view text, bool required = false) {
    SettingsField f;
    f.line = line;
    f.codec = C::Marker;
    f.text = text;
    f.required = required;
    f.lineWhat = "the marker line";
    f.meaning = "section marker";
    return f;
}

// A character of the flag line (line 2).
constexpr SettingsField flag(int position, C codec, std::string_view name, SettingAccess access,
                             std::string_view meaning, int lo = 0, int hi = 0, char mark = 0) {
    SettingsField f;
    f.line = 2;
    f.position = position;
    f.codec = codec;
    f.name = name;
    f.access = access;
    f.meaning = meaning;
    f.lo = lo;
    f.hi = hi;
    f.mark = mark;
    return f;
}

constexpr SettingsField value(int line, int position, C codec, std::string_view name,
                              SettingAccess access, std::string_view meaning, int lo = 0,
                              int hi = 0, std::string_view what = {},
                              std::string_view lineWhat = {}, bool required = false) {
    SettingsField f;
    f.line = line;
    f.position = position;
    f.codec = codec;
    f.name = name;
    f.access = access;
    f.meaning = meaning;
    f.lo = lo;
    f.hi = hi;
    f.what = what;
    f.lineWhat = lineWhat;
    f.required = required;
    return f;
}

constexpr SettingsField font(int line, C codec, int kind, SettingAccess access,
                             std::string_view meaning) {
    SettingsField f = codec == C::FontName
                          ? value(line, -1, codec, "name", access, meaning)
                          : value(line, -1, codec, "scale", access, meaning, 50, 150, "font scale");
    f.group = "fonts";
    f.index = kind;
    return f;
}

constexpr SettingsField filler(int line, int position, std::string_view text) {
    SettingsField f;
    f.line = line;
    f.position = position;
    f.codec = C::Filler;
    f.text = text;
    f.meaning = "unused, kept as written";
    return f;
}

const auto kFields = std::to_array<SettingsField>({
    marker(1, "<# General>"),
    flag(0, C::FlagLanguage, "language", member<&Settings::language>(),
         "interface language 0..20 (above 9 shows English)", 0, 20),
    flag(1, C::FlagSound, "soundOn", member<&Settings::soundOn>(), "sound effects"),
    flag(1, C::FlagMusic, "musicOn", member<&Settings::musicOn>(), "music"),
    flag(2, C::FlagOnOff, "gifAnimation", member<&Settings::gifAnimation>(), "animated pictures"),
    flag(3, C::FlagOnOff, "flyCardsOn", member<&Settings::flyCardsOn>(), "card flight animation"),
    flag(4, C::FlagDigit, "scoreFormat", member<&Settings::scoreFormat>(),
         "score list column: 1 scores, 2 ratings", 1, 2),
    flag(5, C::FlagOnOff, "NetGame", member<&Settings::NetGame>(), "network game mode"),
    flag(6, C::FlagOnOff, "ownCursor", member<&Settings::ownCursor>(),
         "the program's own mouse cursors"),
    flag(7, C::FlagDigit, "flySpeed", member<&Settings::flySpeed>(), "card flight speed", 1, 6),
    flag(8, C::FlagDigit, "windowSize", member<&Settings::windowSize>(), "window size", 1, 5),
    flag(9, C::FlagLetter, "installRegistered", member<&Settings::installRegistered>(),
         "the installation has been reported to the statistics service", 0, 0, 'R'),
    flag(10, C::FlagLetter, "statsRegistered", member<&Settings::statsRegistered>(),
         "the player has registered on the statistics window", 0, 0, 'L'),
    flag(11, C::FlagInverted, "radioFromServer", member<&Settings::radioFromServer>(),
         "the radio station list is read from the server first"),
    value(2, 12, C::Digit, "captionColour", member<&Settings::captionColour>(),
          "caption colour variant", 1, 8, "caption colour (position 12)",
          "caption colour (position 12)"),
    flag(13, C::FlagOnOff, "newButtons", member<&Settings::newButtons>(), "new-style buttons"),
    flag(14, C::FlagOnOff, "auxDesignPurple", member<&Settings::auxDesignPurple>(),
         "auxiliary-window design \"Purple\""),
    flag(15, C::FlagDigit, "auxDesign", member<&Settings::auxDesign>(),
         "auxiliary-window design: 1 grey concise, 2 grey aristocratic, 3 grey with red ribbons", 1,
         3),
    flag(16, C::FlagDigit, "menuDesign", member<&Settings::menuDesign>(),
         "main menu design: 0 customizable, 1 purple", 0, 1),
    flag(17, C::FlagDigit, "tableDesign", member<&Settings::tableDesign>(),
         "game table design: 0 customizable, 1 purple", 0, 1),
    flag(18, C::FlagOnOff, "fireworksButtons", member<&Settings::fireworksButtons>(),
         "fireworks on buttons"),
    flag(19, C::FlagOnOff, "fireworksCards", member<&Settings::fireworksCards>(),
         "fireworks on cards"),
    marker(3, "<# Cards>"),
    value(4, -1, C::Number, "deckStyle", member<&Settings::deckStyle>(), "card face style", 0, 47,
          "face style"),
    marker(5, "<# Decks>"),
    value(6, 0, C::TwoDigits, "backStyle", member<&Settings::backStyle>(), "card back style", 0, 12,
          "back style", "the back style line"),
    value(6, 2, C::CharOn, "oneBack", member<&Settings::oneBack>(),
          "one back always (else the backs change)"),
    marker(7, "<# Individual>"),
    value(8, 0, C::CharOn, "ReDealRule", member<&Settings::ReDealRule>(), "the re-deal rule"),
    value(8, 1, C::CharOn, "SixesRule", member<&Settings::SixesRule>(), "the sixes rule"),
    value(8, 2, C::CharOn, "HintsRule", member<&Settings::HintsRule>(), "hints"),
    filler(8, 3, "###"),
    marker(9, "<# Fonts>"),
    font(10, C::FontName, 0, fontName<0>(), "name of the large font"),
    font(11, C::FontName, 1, fontName<1>(), "name of the small font"),
    font(12, C::FontName, 2, fontName<2>(), "name of special font 1"),
    font(13, C::FontName, 3, fontName<3>(), "name of special font 2"),
    font(14, C::NumberIfSet, 0, fontScale<0>(), "scale of the large font in percent"),
    font(15, C::NumberIfSet, 1, fontScale<1>(), "scale of the small font in percent"),
    font(16, C::NumberIfSet, 2, fontScale<2>(), "scale of special font 1 in percent"),
    font(17, C::NumberIfSet, 3, fontScale<3>(), "scale of special font 2 in percent"),
    marker(18, "<# IP & Port>", true),
    value(19, -1, C::Text, "ipAddress", member<&Settings::ipAddress>(),
          "IP address for a network game", 0, 0, {}, "the IP address", true),
    value(20, -1, C::Text, "port", member<&Settings::port>(), "port for a network game", 0, 0, {},
          "the port", true),
    marker(21, "<# Background>", true),
    value(22, 0, C::TwoDigits, "backgroundPattern", member<&Settings::backgroundPattern>(),
          "table background pattern, 0 no picture", 0, 10, "background pattern",
          "the background line", true),
    value(22, 2, C::Digit, "backgroundTint", member<&Settings::backgroundTint>(),
          "table background tint", 0, 6, "background tint", "the background tint"),
    marker(23, "<# Name Of Player>", true),
    value(24, -1, C::Text, "playerName", member<&Settings::playerName>(),
          "name of the local player", 0, 0, {}, "the player name", true),
    marker(25, "<# World Top Ten>"),
    value(26, -1, C::Text, "TopTenAddressStored", member<&Settings::TopTenAddressStored>(),
          "address of the world top-ten service, enciphered", 0, 0, {}, "the world top-ten address",
          true),
    value(27, -1, C::Text, "passportName", member<&Settings::passportName>(),
          "nickname for the world top ten, at most 12 characters", 0, 12, {}, "the passport name",
          true),
    value(28, -1, C::Country, "passportCountry", member<&Settings::passportCountry>(),
          "country code: continent digit, \"-\", three-digit country number", 0, 0, {},
          "the country code", true),
    value(29, -1, C::Text, "passportCity", member<&Settings::passportCity>(),
          "city, at most 15 characters", 0, 15, {}, "the city", true),
    value(30, -1, C::Sex, "passportSex", sex(), "sex, \"M\" or \"W\"", 0, 0, {}, "the sex", true),
    value(31, -1, C::AnyText, "StatAddressStored", member<&Settings::StatAddressStored>(),
          "address of the statistics service, enciphered"),
    marker(32, "<# Save Games as GIF>"),
    value(33, -1, C::GifSwitch, "saveGif", member<&Settings::saveGif>(),
          "saving games as GIF animation"),
    value(34, -1, C::Number, "gifCapture", member<&Settings::gifCapture>(),
          "what a saved GIF frame shows: 1 the main window, 2 the whole screen", 1, 2,
          "the GIF capture choice"),
    value(35, -1, C::Number, "gifDelay", member<&Settings::gifDelay>(),
          "delay between GIF frames in milliseconds", 10, 5000, "the GIF frame delay"),
});

}  // namespace

std::span<const SettingsField> settingsFields() {
    return kFields;
}

std::string settingKey(const SettingsField& field) {
    if (field.group.empty()) return std::string(field.name);
    return std::string(field.group) + "[" + std::to_string(field.index) + "]." +
           std::string(field.name);
}

const SettingsField* findSettingsField(std::string_view key) {
    for (const SettingsField& f : kFields)
        if (f.isSetting() && settingKey(f) == key) return &f;
    return nullptr;
}

}  // namespace tavik::config
