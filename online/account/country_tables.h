#pragma once
// The countries of the six continents as the account and the passport keep them: a
// code "C-NNN" (continent digit 1 Europe, 2 Asia, 3 North America, 4 South America,
// 5 Oceania, 6 Africa; the index in that continent's table, 000 "Unknown") and the
// country's short name, the blank-free form that goes into the account. The index is
// also the flag's place in the continent's flag list.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tavik::online {

struct Country {
    const char* English;
    const char* Russian;
    const char* Short;  // the blank-free name; "" for Congo Republic
    const char* Iso;    // ISO 3166 two-letter code of its flag; "" for "Unknown"
};

inline constexpr int kContinents = 6;

// The table of continent 1..6, indexed from 0; empty for another number.
std::span<const Country> ContinentCountries(int continent);

// "C-NNN" for continent 1..6 and index 0..999.
std::string CountryCode(int continent, int index);

struct CountryPlace {
    int continent = 1;
    int index = 0;
    bool operator==(const CountryPlace&) const = default;
};
// The continent and index of a code "C-NNN"; nullopt when the text is not of that form
// or names no entry of the tables.
std::optional<CountryPlace> ParseCountryCode(std::string_view code);
// The entry a code names; nullopt as ParseCountryCode.
std::optional<Country> CountryOfCode(std::string_view code);

}  // namespace tavik::online
