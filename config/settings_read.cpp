// Reading "Tavik2.ini": the rows of the settings table in file order, each applied only
// while every earlier check has passed.
#include <optional>

#include "config/settings_file.h"
#include "config/settings_table.h"
#include "core/files/atomic_file.h"
#include "core/files/codec.h"
#include "core/files/columns.h"

namespace tavik::config {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The country code rule: continent digit, '-', three digits within that continent's table.
bool validCountry(const std::string& code) {
    static constexpr int kLastIndex[] = {48, 51, 35, 14, 23, 54};
    if (code.size() != 5 || code[1] != '-' || code[0] < '1' || code[0] > '6') return false;
    if (!isDigit(code[2]) || !isDigit(code[3]) || !isDigit(code[4])) return false;
    const int index = (code[2] - '0') * 100 + (code[3] - '0') * 10 + (code[4] - '0');
    return index <= kLastIndex[code[0] - '1'];
}

std::string range(const SettingsField& f) {
    return std::to_string(f.lo) + ".." + std::to_string(f.hi);
}

// Applies the rows to the settings; read() returns false where reading stops.
class SettingsReader {
  public:
    SettingsReader(const std::vector<std::string>& lines, SettingsLoad& load)
        : lines_(lines), load_(load), s_(load.settings) {}

    void run() {
        for (const SettingsField& f : settingsFields())
            if (!read(f)) return;
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
    void set(const SettingsField& f, SettingValue v) { f.access.set(s_, v); }
    // A number text: false (a stop) when it is not a decimal number; a number outside
    // the field's range leaves the setting at its default and reading goes on.
    bool number(const SettingsField& f, std::string_view text) {
        const auto value = files::parseNumber(text);
        if (!value) return stop(f.line, std::string(f.what) + " is not a number");
        if (*value < f.lo || *value > f.hi)
            note(f.line, std::string(f.what) + " " + std::to_string(*value) + " is outside " +
                             range(f) + "; the default stays");
        else
            set(f, static_cast<int>(*value));
        return true;
    }
    // A text value; a line that is not Windows-1251 text leaves the setting as it is.
    void text(const SettingsField& f, std::string_view bytes) {
        if (auto utf8 = files::cp1251ToUtf8(bytes))
            set(f, std::move(*utf8));
        else
            note(f.line, "not Windows-1251 text; the default stays");
    }
    bool notEmpty(const SettingsField& f) {
        return !f.required || !line(f.line).empty() ||
               stop(f.line, std::string(f.lineWhat) + " is empty");
    }
    // The character of a flag-line or in-line field, when the line reaches it.
    std::optional<char> at(const SettingsField& f) const {
        const std::string& l = line(f.line);
        if (f.position < 0 || l.size() <= static_cast<std::size_t>(f.position)) return std::nullopt;
        return l[static_cast<std::size_t>(f.position)];
    }

    bool read(const SettingsField& f);

    const std::vector<std::string>& lines_;
    SettingsLoad& load_;
    Settings& s_;
};

bool SettingsReader::read(const SettingsField& f) {
    const std::string& l = line(f.line);
    const std::optional<char> c = at(f);
    switch (f.codec) {
        case FieldCodec::Marker:
            return notEmpty(f);
        case FieldCodec::Filler:
            return true;
        case FieldCodec::FlagLanguage:
            if (c && isDigit(*c)) set(f, *c - '0');
            if (c && *c >= 'a' && *c <= 'k') set(f, 10 + (*c - 'a'));
            return true;
        case FieldCodec::FlagSound:
            if (c && *c >= '0' && *c <= '3') set(f, *c == '1' || *c == '2');
            return true;
        case FieldCodec::FlagMusic:
            if (c && *c >= '0' && *c <= '3') set(f, *c == '1' || *c == '3');
            return true;
        case FieldCodec::FlagOnOff:
            if (c && (*c == '0' || *c == '1')) set(f, *c == '1');
            return true;
        case FieldCodec::FlagInverted:
            if (c && (*c == '0' || *c == '1')) set(f, *c == '0');
            return true;
        case FieldCodec::FlagDigit:
            if (c && *c >= '0' + f.lo && *c <= '0' + f.hi) set(f, *c - '0');
            return true;
        case FieldCodec::FlagLetter:
            if (c) set(f, *c == f.mark);
            return true;
        case FieldCodec::Digit:
            if (!c) return true;
            if (!isDigit(*c)) return stop(f.line, std::string(f.lineWhat) + " is not a digit");
            if (*c >= '0' + f.lo && *c <= '0' + f.hi)
                set(f, *c - '0');
            else
                note(f.line,
                     std::string(f.what) + " is outside " + range(f) + "; the default stays");
            return true;
        case FieldCodec::Number:
            return number(f, l);
        case FieldCodec::NumberIfSet:
            return l.empty() || number(f, l);
        case FieldCodec::TwoDigits:
            if (!notEmpty(f)) return false;
            if (l.size() < 3)
                return stop(f.line, std::string(f.lineWhat) + " is shorter than 3 characters");
            return number(f, std::string_view(l).substr(0, 2));
        case FieldCodec::CharOn:
            set(f, c == '1');
            return true;
        case FieldCodec::Text:
            if (!notEmpty(f)) return false;
            text(f, f.hi > 0 ? std::string_view(l).substr(0, static_cast<std::size_t>(f.hi)) : l);
            return true;
        case FieldCodec::FontName:
            if (l.size() > 1) text(f, l);
            return true;
        case FieldCodec::AnyText:
            text(f, l);
            return true;
        case FieldCodec::Country:
            if (!notEmpty(f)) return false;
            if (l.size() != 5)
                return stop(f.line, std::string(f.lineWhat) + " is not 5 characters long");
            if (validCountry(l))
                set(f, l);
            else
                note(f.line,
                     std::string(f.lineWhat) + " is not a known country; the default stays");
            return true;
        case FieldCodec::Sex:
            if (!notEmpty(f)) return false;
            set(f, std::string(1, l[0] == 'W' ? 'W' : 'M'));
            return true;
        case FieldCodec::GifSwitch:
            set(f, l == "\xE8");  // "и" in Windows-1251
            return true;
    }
    return true;
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
