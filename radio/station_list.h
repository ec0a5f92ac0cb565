#pragma once
// The radio station list "QorRadio.rad" (on disk) or "QorRadio.ser" (its copy from the
// web service): Windows-1251 text, one station a line, fields separated by '#':
//   country code (3 characters) # identifier (7 characters) # station name #
//   country name # stream address # logo resource name
// so the identifier stands at characters 5 to 11 of its line. A line that begins with
// '#' is a comment.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "radio/radio_state.h"

namespace tavik::radio {

inline constexpr std::string_view kStationListFileName = "QorRadio.rad";
inline constexpr std::string_view kServerStationListFileName = "QorRadio.ser";
// The logo of a station whose line names none.
inline constexpr std::string_view kUnknownLogo = "RRADIO_LOGO_RADIOUN";

struct RadioCountry {
    std::string_view code;
    std::string_view name;
};
// The countries of the filter list, index 1..28 at [index - 1]; index 0 is "All".
extern const std::array<RadioCountry, 28> kRadioCountries;
inline constexpr int kRadioFilterAll = 0;

// One station line, text in UTF-8.
struct StationLine {
    std::string code;
    std::string id;
    std::string name;
    std::string country;
    std::string address;
    std::string logo;  // may be empty
    bool operator==(const StationLine&) const = default;
};

struct StationList {
    std::vector<StationLine> stations;  // the usable lines in file order
    // Each line that is neither a comment, nor empty, nor a usable station: "line N: why".
    std::vector<std::string> problems;
};

// The stations of the file bytes. A line is usable when it is Windows-1251 text with a
// 3-character code, a 7-character identifier, a name and a stream address.
StationList parseStationList(std::string_view bytes);

// The stations the list shows for a filter index (0: all; 1..28 a country of
// kRadioCountries; any other index shows none), in file order.
std::vector<const StationLine*> stationsForFilter(const StationList& list, int filter);
// The first station with the identifier, or nullptr.
const StationLine* findStation(const StationList& list, std::string_view id);
// The station as the radio plays it: the logo is kUnknownLogo when the line has none.
RadioStation stationOf(const StationLine& line);

}  // namespace tavik::radio
