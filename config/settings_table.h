#pragma once
// The settings file described once: one row for every piece of "Tavik2.ini" (a section
// marker, a flag character, a value line or a part of one) with its line, position,
// range or kind, what it means, and accessors that get and set its value on a
// Settings. The reader, the writer, `tavik-cli files` and the options dialog all work
// from this table; the defaults are those of Settings{}.

#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "config/settings.h"

namespace tavik::config {

// How a piece is kept in its line, read and written.
enum class FieldCodec {
    Marker,        // a section marker line, written as `text`; with `required` reading stops when
                   // it is empty
    Filler,        // characters no setting uses, written as `text` at `position`
    FlagLanguage,  // "0".."9" for 0..9, "a".."k" for 10..20
    FlagSound,     // position 1: "0" both off, "1" both on, "2" sound only, "3" music only
    FlagMusic,     // the music half of the same character
    FlagOnOff,     // "1" on, "0" off, any other character keeps the default
    FlagDigit,     // a digit lo..hi, any other character keeps the default
    FlagLetter,    // on exactly when the character is `mark`; written as `mark` or "0"
    FlagInverted,  // "0" on, "1" off, any other character keeps the default
    Digit,         // when present, a digit (else reading stops); lo..hi taken, else the default
    Number,        // the whole line a decimal number (else reading stops); lo..hi taken
    NumberIfSet,   // as Number, but an empty line keeps the default
    TwoDigits,     // the line at least 3 characters long (else reading stops); its first two a
                   // decimal number (else reading stops); lo..hi taken
    CharOn,        // on when the character at `position` is "1"; beyond the end it is off
    Text,          // text; with `required` an empty line stops reading; cut to `hi` characters
                   // when hi > 0; written as the default when empty
    FontName,      // text taken when longer than one character, written as it is
    AnyText,       // text taken as it is, empty too
    Country,       // not empty and 5 characters long (else reading stops); a known country code
                   // is taken, else the default
    Sex,           // not empty (else reading stops); "W" or anything else as "M"
    GifSwitch,     // on exactly when the line is "и" (Windows-1251); written "и" or "л"
};

// The value of a setting as the options dialog and `tavik-cli files show` see it.
using SettingValue = std::variant<bool, int, std::string>;

struct SettingAccess {
    SettingValue (*get)(const Settings&) = nullptr;
    // The value must hold the alternative get() returns (std::get throws otherwise).
    void (*set)(Settings&, const SettingValue&) = nullptr;
};

struct SettingsField {
    int line = 0;       // 1..35
    int position = -1;  // the first character in the line, from 0; -1 for the whole line
    FieldCodec codec = FieldCodec::Marker;
    std::string_view name;   // the setting as the program knows it; empty for markers and fillers
    std::string_view group;  // "fonts" for the members of Settings::fonts, else empty
    int index = 0;           // the font kind within the group
    int lo = 0, hi = 0;      // the range of a number, the cut of a text
    char mark = 0;           // the letter of FlagLetter
    bool required = false;   // reading stops at an empty line
    std::string_view text;   // the marker or filler text
    std::string_view what;   // the value's name in the reader's notes
    std::string_view lineWhat;  // the line's name where reading stops because of it
    std::string_view meaning;
    SettingAccess access;

    bool isSetting() const { return !name.empty(); }
};

// Every piece of the file, in line order and, within a line, in order of position:
// the order in which the reader applies them.
std::span<const SettingsField> settingsFields();
// "language", "fonts[2].scale": the name a setting is known by outside.
std::string settingKey(const SettingsField& field);
// The row of a setting by its key; nullptr for an unknown key.
const SettingsField* findSettingsField(std::string_view key);

}  // namespace tavik::config
