// `tavik-cli files` for the player lists and the history files.
#include <cstdio>

#include "app/cli/file_kinds.h"
#include "app/cli/json_writer.h"
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

std::string jsonArray(const std::vector<std::string>& objects) {
    std::string out = "[";
    for (std::size_t i = 0; i < objects.size(); ++i) out += (i ? "," : "") + objects[i];
    return out + "]";
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
    std::vector<std::string> slots, top;
    for (int s = 1; s <= 5; ++s) {
        JsonObject o;
        o.add("slot", s);
        if (const auto r = list->slot(s)) {
            o.add("name", utf8(r->name))
                .addRaw("rating", fixed6(r->rating))
                .add("kons", r->KonCount)
                .add("score", r->score)
                .add("passwordField", r->passwordField);
        } else {
            o.add("empty", true);
        }
        slots.push_back(o.str());
    }
    for (int place = 1; place <= 10; ++place) {
        const auto [name, score] = list->topTen(place);
        top.push_back(
            JsonObject().add("place", place).add("name", utf8(name)).add("score", score).str());
    }
    return JsonObject()
        .add("kind", "player list")
        .addRaw("slots", jsonArray(slots))
        .addRaw("topTen", jsonArray(top))
        .add("gameLine", files::cp1251ToUtf8Lossy(list->line(16)))
        .add("checksum", list->line(17).substr(10))
        .str();
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

std::string historyRowsJson(const std::string& bytes) {
    std::vector<std::string> rows;
    for (const files::HistoryRow& r : files::HistoryRows(bytes)) {
        rows.push_back(JsonObject()
                           .add("time", r.time)
                           .add("date", r.date)
                           .add("player", r.player)
                           .add("games", r.games)
                           .add("result", r.result)
                           .add("rating", r.rating)
                           .add("type", files::HistoryTypeName(r.type))
                           .str());
    }
    return jsonArray(rows);
}

std::optional<std::string> showHistoryFile(const std::string& path, std::string& error) {
    const auto bytes = files::readFile(path);
    if (!bytes) {
        error = "cannot read " + path;
        return std::nullopt;
    }
    const files::HistoryCheck check = files::CheckHistory(*bytes);
    JsonObject o;
    o.add("kind", "history").add("valid", check.valid);
    if (!check.valid) o.add("reason", check.reason);
    return o.add("records", check.records).addRaw("rows", historyRowsJson(*bytes)).str();
}

}  // namespace tavik::cli
