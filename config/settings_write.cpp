// Writing "Tavik2.ini", and the check that compares a file with what would be written.
#include "config/settings_file.h"
#include "config/settings_table.h"
#include "core/files/atomic_file.h"
#include "core/files/codec.h"
#include "core/files/columns.h"

namespace tavik::config {
namespace {

const Settings kDefaults{};

int inRange(int value, int lo, int hi, int fallback) {
    return value >= lo && value <= hi ? value : fallback;
}

std::string twoDigits(int value) {
    return (value < 10 ? "0" : "") + std::to_string(value);
}

// The text of one row for the settings: what the reader would refuse or stop at (an
// empty name, a malformed country code, a number out of range) is written as the default.
std::string piece(const SettingsField& f, const Settings& s) {
    const SettingValue value = f.access.get ? f.access.get(s) : SettingValue{};
    const SettingValue fallback = f.access.get ? f.access.get(kDefaults) : SettingValue{};
    auto on = [&] { return std::get<bool>(value); };
    auto number = [&] {
        return inRange(std::get<int>(value), f.lo, f.hi, std::get<int>(fallback));
    };
    auto text = [&] { return files::cp1251Line(std::get<std::string>(value)); };
    switch (f.codec) {
        case FieldCodec::Marker:
        case FieldCodec::Filler:
            return std::string(f.text);
        case FieldCodec::FlagLanguage: {
            const int language = number();
            return std::string(
                1, static_cast<char>(language < 10 ? '0' + language : 'a' + (language - 10)));
        }
        case FieldCodec::FlagSound:
        case FieldCodec::FlagMusic:
            return std::string(1, s.soundOn ? (s.musicOn ? '1' : '2') : (s.musicOn ? '3' : '0'));
        case FieldCodec::FlagOnOff:
        case FieldCodec::CharOn:
            return on() ? "1" : "0";
        case FieldCodec::FlagInverted:
            return on() ? "0" : "1";
        case FieldCodec::FlagLetter:
            return std::string(1, on() ? f.mark : '0');
        case FieldCodec::FlagDigit:
        case FieldCodec::Digit:
            return std::string(1, static_cast<char>('0' + number()));
        case FieldCodec::Number:
        case FieldCodec::NumberIfSet:
            return std::to_string(number());
        case FieldCodec::TwoDigits:
            return twoDigits(number());
        case FieldCodec::Text: {
            const std::string line = text();
            return line.empty() ? files::cp1251Line(std::get<std::string>(fallback)) : line;
        }
        case FieldCodec::FontName:
        case FieldCodec::AnyText:
            return text();
        case FieldCodec::Country: {
            const std::string country = text();
            return country.size() == 5 ? country : std::get<std::string>(fallback);
        }
        case FieldCodec::Sex:
            return std::get<std::string>(value) == "W" ? "W" : "M";
        case FieldCodec::GifSwitch:
            return on() ? "\xE8" : "\xEB";  // "и" / "л" in Windows-1251
    }
    return {};
}

}  // namespace

std::string formatSettings(const Settings& s) {
    std::vector<std::string> lines(kSettingsLineCount);
    for (const SettingsField& f : settingsFields()) {
        std::string& line = lines[static_cast<std::size_t>(f.line - 1)];
        const std::string text = piece(f, s);
        if (f.position < 0) {
            line = text;
        } else {
            // Within a line the rows come in order of position; a gap stays "#".
            const auto at = static_cast<std::size_t>(f.position);
            if (line.size() < at) line.resize(at, '#');
            line.replace(at, text.size(), text);
        }
    }
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
