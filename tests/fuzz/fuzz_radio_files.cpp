// Feeds any bytes to the radio state and station list readers: they must never crash,
// a state they read must survive a write and a fresh read, and every listed station
// must be playable.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "radio/radio_state.h"
#include "radio/station_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavik::radio;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    radioStateProblems(bytes);
    const RadioState state = parseRadioState(bytes);
    if (!state.station.complete() || parseRadioState(formatRadioState(state)) != state)
        std::abort();

    const StationList list = parseStationList(bytes);
    std::size_t shown = 0;
    for (int filter = 1; filter <= static_cast<int>(kRadioCountries.size()); ++filter)
        shown += stationsForFilter(list, filter).size();
    if (stationsForFilter(list, kRadioFilterAll).size() != list.stations.size() ||
        shown > list.stations.size())
        std::abort();
    for (const StationLine& line : list.stations)
        if (!stationOf(line).complete() || findStation(list, line.id) == nullptr) std::abort();
    return 0;
}
