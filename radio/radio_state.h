#pragma once
// The radio state file "QorRadio.ini" in the parent folder: seven lines of Windows-1251
// text with CR LF ends: the current station's name, stream address, country and logo
// resource name, "1" when the radio plays, the volume and the country filter index.

#include <string>
#include <string_view>
#include <vector>

#include "core/files/file_result.h"

namespace tavik::radio {

// In the parent folder: files::DataFolder::inParent(kRadioStateFileName).
inline constexpr std::string_view kRadioStateFileName = "QorRadio.ini";
// The stream of the built-in default station.
inline constexpr std::string_view kDefaultStreamAddress = "http://localhost:8740/radio/avtoradio";

struct RadioStation {
    std::string name = "Авторадио Moscow";
    std::string address{kDefaultStreamAddress};
    std::string country = "Russian Federation";
    std::string logo = "RRADIO_LOGO_AVTORADIO";
    // A station can be played and stored only with all four values.
    bool complete() const {
        return !name.empty() && !address.empty() && !country.empty() && !logo.empty();
    }
    bool operator==(const RadioStation&) const = default;
};

struct RadioState {
    RadioStation station;
    bool radioOn = false;
    int radioVolume = 30;  // 0..100
    int radioFilter = 0;   // 0 all, 1..28 a country
    bool operator==(const RadioState&) const = default;
};

// The state in file bytes, starting from the defaults. The station (lines 1 to 4) is
// taken only as a whole: all four lines present, non-empty and Windows-1251 text. The
// radio plays when line 5 is "1". Lines 6 and 7 are taken when they are numbers within
// 0..100 and 0..28.
RadioState parseRadioState(std::string_view bytes);
// The seven lines. A station with an empty value is replaced by the whole default
// state (the default station, off, volume 30, filter 0).
std::string formatRadioState(const RadioState& state);
std::vector<std::string> radioStateProblems(std::string_view bytes);

// The defaults, then the file if it can be read (the open is tried twice).
RadioState ReadRadioState(const std::string& path);
// Replaces the file atomically; on failure the old file is untouched.
files::Status WriteRadioState(const std::string& path, const RadioState& state);

}  // namespace tavik::radio
