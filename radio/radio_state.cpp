#include "radio/radio_state.h"

#include <optional>

#include "core/files/atomic_file.h"
#include "core/files/codec.h"
#include "core/files/columns.h"

namespace tavik::radio {
namespace {

const RadioState kDefaults{};

// A whole number within lo..hi, or nullopt.
std::optional<int> numberIn(const std::string& text, int lo, int hi) {
    const auto value = files::parseNumber(text);
    if (!value || *value < lo || *value > hi) return std::nullopt;
    return static_cast<int>(*value);
}

// The station of lines 1 to 4, or nullopt when one is missing, empty or not text.
std::optional<RadioStation> stationLines(const std::vector<std::string>& lines) {
    if (lines.size() < 4) return std::nullopt;
    RadioStation station;
    std::string* fields[] = {&station.name, &station.address, &station.country, &station.logo};
    for (int i = 0; i < 4; ++i) {
        auto text = files::cp1251ToUtf8(lines[i]);
        if (!text) return std::nullopt;
        *fields[i] = std::move(*text);
    }
    if (!station.complete()) return std::nullopt;
    return station;
}

}  // namespace

RadioState parseRadioState(std::string_view bytes) {
    const std::vector<std::string> lines = files::splitLines(bytes);
    RadioState state;
    if (auto station = stationLines(lines)) state.station = std::move(*station);
    state.radioOn = lines.size() > 4 && lines[4] == "1";
    if (lines.size() > 5)
        state.radioVolume = numberIn(lines[5], 0, 100).value_or(kDefaults.radioVolume);
    if (lines.size() > 6)
        state.radioFilter = numberIn(lines[6], 0, 28).value_or(kDefaults.radioFilter);
    return state;
}

std::string formatRadioState(const RadioState& given) {
    const RadioState& s = given.station.complete() ? given : kDefaults;
    const int volume =
        s.radioVolume >= 0 && s.radioVolume <= 100 ? s.radioVolume : kDefaults.radioVolume;
    const int filter =
        s.radioFilter >= 0 && s.radioFilter <= 28 ? s.radioFilter : kDefaults.radioFilter;
    return files::joinCrLf({files::cp1251Line(s.station.name), files::cp1251Line(s.station.address),
                            files::cp1251Line(s.station.country), files::cp1251Line(s.station.logo),
                            s.radioOn ? "1" : "0", std::to_string(volume), std::to_string(filter)});
}

std::vector<std::string> radioStateProblems(std::string_view bytes) {
    std::vector<std::string> problems;
    const std::vector<std::string> lines = files::splitLines(bytes);
    if (lines.size() != 7)
        problems.push_back("the file has " + std::to_string(lines.size()) + " lines, not 7");
    if (!stationLines(lines))
        problems.push_back("lines 1 to 4 are not a whole station; the default station is used");
    if (lines.size() > 4 && lines[4] != "0" && lines[4] != "1")
        problems.push_back("line 5 is not \"0\" or \"1\"");
    if (lines.size() > 5 && !numberIn(lines[5], 0, 100))
        problems.push_back("line 6 is not a volume 0..100; the default stays");
    if (lines.size() > 6 && !numberIn(lines[6], 0, 28))
        problems.push_back("line 7 is not a filter index 0..28; the default stays");
    if (!files::hasCrLfLinesOnly(bytes)) problems.push_back("a line does not end with CR LF");
    return problems;
}

RadioState ReadRadioState(const std::string& path) {
    auto bytes = files::readFile(path);
    if (!bytes) bytes = files::readFile(path);
    return bytes ? parseRadioState(*bytes) : RadioState{};
}

files::Status WriteRadioState(const std::string& path, const RadioState& state) {
    return files::writeFileAtomic(path, formatRadioState(state));
}

}  // namespace tavik::radio
