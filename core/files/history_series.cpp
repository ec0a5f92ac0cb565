#include "core/files/history_series.h"

#include <charconv>
#include <optional>

#include "core/files/atomic_file.h"
#include "core/files/history_file.h"
#include "core/files/history_folder.h"

namespace tavik::files {
namespace {

std::optional<int> readInt(std::string_view text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || at != end) return std::nullopt;
    return value;
}

// "-0,50" as the history writes a rating: a sign, digits, a comma and two digits.
std::optional<double> readRating(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos || comma == 0 || text.size() - comma != 3)
        return std::nullopt;
    const std::optional<int> whole = readInt(text.substr(0, comma));
    const std::optional<int> cents = readInt(text.substr(comma + 1));
    if (!whole || !cents || *whole < 0 || *cents < 0) return std::nullopt;
    const double value = *whole + *cents / 100.0;
    return negative ? -value : value;
}

}  // namespace

HistoryCurves HistorySeries(const std::vector<std::string>& fileBytes) {
    HistoryCurves curves;
    for (const std::string& bytes : fileBytes)
        for (const HistoryRow& row : HistoryRows(bytes)) {
            const std::optional<int> kons = readInt(row.games), result = readInt(row.result);
            const std::optional<double> rating = readRating(row.rating);
            if (!kons || !result || !rating) continue;
            const std::string player = row.player.substr(0, row.player.find('/'));
            std::size_t index = 0;
            while (index < curves.players.size() && curves.players[index].player != player) ++index;
            if (index == curves.players.size()) curves.players.push_back({player, {}});
            std::vector<MatchPoint>& points = curves.players[index].points;
            const int before = points.empty() ? 0 : points.back().score;
            points.push_back({int(points.size()) + 1, row.date, *kons, *result, before + *result,
                              *rating, row.type});
            curves.latest = index;
        }
    return curves;
}

HistoryCurves ReadHistorySeries(const std::string& folder, std::string_view baseName) {
    std::vector<std::string> files;
    for (const HistoryListing& listing : ListHistoryFiles(folder, baseName))
        if (Result<std::string> bytes = readFile(listing.path); bytes.ok())
            files.push_back(std::move(*bytes));
    return HistorySeries(files);
}

}  // namespace tavik::files
