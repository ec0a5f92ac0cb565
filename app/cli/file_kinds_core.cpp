// `tavik-cli files` for the player lists and the history files.
#include <cstdio>

#include "app/cli/file_kinds.h"
#include "app/cli/json.h"
#include "core/files/atomic_file.h"
#include "core/files/columns.h"
#include "core/files/history_file.h"
#include "core/files/player_list.h"
#include "core/files/player_list_file.h"

namespace tavik::cli {
namespace {

std::string fixed6(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.6f", value);
    return text;
}

std::string utf8(std::string_view bytes1251) {
    return files::trimBlanks(files::cp1251ToUtf8Lossy(bytes1251));
}

}  // namespace

FileCheck checkPlayerListFile(const std::string& path) {
    const files::ListValidation v = files::ValidateListFile(path);
    FileCheck c;
    c.valid = v.problem == files::ListValidation::Problem::None;
    c.why = v.reason;
    if (c.valid && !v.writable)
        c.note = "the file cannot be written: the game would block writes to the lists";
    return c;
}

std::optional<std::string> showPlayerListFile(const std::string& path, std::string& error) {
    const auto bytes = files::readFile(path);
    if (!bytes) {
        error = "cannot read " + path;
        return std::nullopt;
    }
    const auto list = files::PlayerList::parse(*bytes);
    if (!list) {
        error = list.error().message;
        return std::nullopt;
    }
    Json slots = Json::array(), top = Json::array();
    for (int s = 1; s <= 5; ++s) {
        Json o = {{"slot", s}};
        if (const auto r = list->slot(s)) {
            o["name"] = utf8(r->name);
            o["rating"] = rawNumber(fixed6(r->rating));
            o["kons"] = r->KonCount;
            o["score"] = r->score;
            o["passwordField"] = r->passwordField;
        } else {
            o["empty"] = true;
        }
        slots.push_back(std::move(o));
    }
    for (int place = 1; place <= 10; ++place) {
        const auto [name, score] = list->topTen(place);
        top.push_back({{"place", place}, {"name", utf8(name)}, {"score", score}});
    }
    return jsonLine({{"kind", "player list"},
                     {"slots", slots},
                     {"topTen", top},
                     {"gameLine", files::cp1251ToUtf8Lossy(list->line(16))},
                     {"checksum", list->line(17).substr(10)}});
}

FileCheck checkHistoryFile(const std::string& path) {
    FileCheck c;
    const auto bytes = files::readFile(path);
    if (!bytes) {
        c.why = "the file cannot be read";
        return c;
    }
    const files::HistoryCheck check = files::CheckHistory(*bytes);
    c.valid = check.valid;
    c.why = check.reason;
    c.note = std::to_string(check.records) + " matches";
    return c;
}

Json historyRowsJson(const std::string& bytes) {
    Json rows = Json::array();
    for (const files::HistoryRow& r : files::HistoryRows(bytes)) {
        rows.push_back({{"time", r.time},
                        {"date", r.date},
                        {"player", r.player},
                        {"games", r.games},
                        {"result", r.result},
                        {"rating", r.rating},
                        {"type", std::string(files::HistoryTypeName(r.type))}});
    }
    return rows;
}

std::optional<std::string> showHistoryFile(const std::string& path, std::string& error) {
    const auto bytes = files::readFile(path);
    if (!bytes) {
        error = "cannot read " + path;
        return std::nullopt;
    }
    const files::HistoryCheck check = files::CheckHistory(*bytes);
    Json o = {{"kind", "history"}, {"valid", check.valid}};
    if (!check.valid) o["reason"] = check.reason;
    o["records"] = check.records;
    o["rows"] = historyRowsJson(*bytes);
    return jsonLine(o);
}

}  // namespace tavik::cli
