// Feeds any bytes to the settings reader: it must never crash, and what it keeps must
// survive a save and a fresh read unchanged.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "config/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavik::config;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const SettingsLoad load = parseSettings(bytes);
    settingsProblems(bytes);
    const SettingsLoad again = parseSettings(formatSettings(load.settings));
    if (again.outcome != SettingsRead::Complete || !(again.settings == load.settings)) std::abort();
    return 0;
}
