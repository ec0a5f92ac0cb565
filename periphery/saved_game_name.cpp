#include "periphery/saved_game_name.h"

#include <cstdio>
#include <filesystem>

namespace tavik::periphery {

std::string SavedGameGifName(std::string_view baseName, const files::LocalTime& when) {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "_G%04d%02d%02d_%02d%02d%02d", when.year % 10000,
                  when.month % 100, when.day % 100, when.hour % 100, when.minute % 100,
                  when.second % 100);
    return std::string(baseName) + stamp + ".gif";
}

std::string FreeSavedGamePath(const std::string& folder, std::string_view baseName,
                              const files::LocalTime& when) {
    namespace fs = std::filesystem;
    const std::string name = SavedGameGifName(baseName, when);
    const std::string stem = name.substr(0, name.size() - 4);
    std::error_code error;
    fs::path path = fs::path(folder) / name;
    for (int n = 2; fs::exists(path, error); ++n)
        path = fs::path(folder) / (stem + "_" + std::to_string(n) + ".gif");
    return path.string();
}

}  // namespace tavik::periphery
