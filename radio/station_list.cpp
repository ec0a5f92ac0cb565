#include "radio/station_list.h"

#include "core/files/codec.h"

namespace tavik::radio {

const std::array<RadioCountry, 28> kRadioCountries = {{
    {"RUS", "Russian Federation"},
    {"UA0", "Ukraine"},
    {"BEL", "Belarus"},
    {"MOL", "Moldova"},
    {"EST", "Estonia"},
    {"LAT", "Latvia"},
    {"LIT", "Lithuania"},
    {"ARM", "Armenia"},
    {"GEO", "Georgia"},
    {"AZE", "Azerbaijan"},
    {"KZ0", "Kazakhstan"},
    {"UZ0", "Uzbekistan"},
    {"USA", "USA"},
    {"CAN", "Canada"},
    {"UK0", "United Kingdom"},
    {"AUS", "Australia"},
    {"DE0", "Deutschland"},
    {"FRA", "France"},
    {"ITA", "Italy"},
    {"NED", "Netherlands"},
    {"SWE", "Sweden"},
    {"CZ0", "Czech Republic"},
    {"ESP", "Spain"},
    {"BRA", "Brazil"},
    {"IND", "India"},
    {"CHI", "China"},
    {"JAP", "Japan"},
    {"SK0", "South Korea"},
}};

namespace {

std::vector<std::string> splitFields(const std::string& line) {
    std::vector<std::string> fields(1);
    for (const char c : line) {
        if (c == '#')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

// Why the line is not a usable station, or empty when it is one.
std::string lineFault(const std::vector<std::string>& f) {
    if (f.size() < 5) return "fewer than five fields";
    if (f[0].size() != 3) return "the country code is not 3 characters";
    if (f[1].size() != 7) return "the identifier is not 7 characters";
    if (f[2].empty()) return "the station name is empty";
    if (f[3].empty()) return "the country name is empty";
    if (f[4].empty()) return "the stream address is empty";
    return {};
}

}  // namespace

StationList parseStationList(std::string_view bytes) {
    StationList list;
    const std::vector<std::string> lines = files::splitLines(bytes);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].empty() || lines[i][0] == '#') continue;
        const std::string where = "line " + std::to_string(i + 1) + ": ";
        const auto text = files::cp1251ToUtf8(lines[i]);
        if (!text) {
            list.problems.push_back(where + "not Windows-1251 text");
            continue;
        }
        std::vector<std::string> f = splitFields(*text);
        // The fields are counted in bytes of the file, where every character is one byte.
        const std::vector<std::string> raw = splitFields(lines[i]);
        if (const std::string fault = lineFault(raw); !fault.empty()) {
            list.problems.push_back(where + fault);
            continue;
        }
        f.resize(6);
        list.stations.push_back({f[0], f[1], f[2], f[3], f[4], f[5]});
    }
    return list;
}

std::vector<const StationLine*> stationsForFilter(const StationList& list, int filter) {
    std::vector<const StationLine*> shown;
    if (filter < 0 || filter > static_cast<int>(kRadioCountries.size())) return shown;
    for (const StationLine& s : list.stations)
        if (filter == kRadioFilterAll || s.code == kRadioCountries[filter - 1].code)
            shown.push_back(&s);
    return shown;
}

const StationLine* findStation(const StationList& list, std::string_view id) {
    for (const StationLine& s : list.stations)
        if (s.id == id) return &s;
    return nullptr;
}

RadioStation stationOf(const StationLine& line) {
    return RadioStation{line.name, line.address, line.country,
                        line.logo.empty() ? std::string(kUnknownLogo) : line.logo};
}

}  // namespace tavik::radio
