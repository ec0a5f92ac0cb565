// `tavik-cli files` for the settings file and the small state files: the user file,
// the chat and news files, the radio state and the station list.
#include <algorithm>
#include <functional>
#include <map>
#include <variant>

#include "app/cli/file_kinds.h"
#include "app/cli/json_writer.h"
#include "config/settings_file.h"
#include "config/settings_table.h"
#include "core/files/atomic_file.h"
#include "online/account/string_cipher.h"
#include "online/account/user_file.h"
#include "online/chat/chat_files.h"
#include "radio/radio_state.h"
#include "radio/station_list.h"

namespace tavik::cli {
namespace {

std::string arrayOf(const std::vector<std::string>& objects) {
    std::string out = "[";
    for (std::size_t i = 0; i < objects.size(); ++i) out += (i ? "," : "") + objects[i];
    return out + "]";
}

std::string joined(const std::vector<std::string>& problems) {
    std::string out;
    for (const std::string& p : problems) out += (out.empty() ? "" : "; ") + p;
    return out;
}

// Reads the file and judges it by its list of problems.
FileCheck checkBy(const std::string& path,
                  const std::function<std::vector<std::string>(const std::string&)>& problems) {
    FileCheck c;
    const auto bytes = files::readFile(path);
    if (!bytes) {
        c.why = "the file cannot be read";
        return c;
    }
    c.why = joined(problems(*bytes));
    c.valid = c.why.empty();
    return c;
}

// Reads the file and turns its bytes into JSON.
std::optional<std::string> showBy(
    const std::string& path, std::string& error,
    const std::function<std::optional<std::string>(const std::string&)>& json) {
    const auto bytes = files::readFile(path);
    if (!bytes) {
        error = "cannot read " + path;
        return std::nullopt;
    }
    auto out = json(*bytes);
    if (!out) error = "not a file of this kind";
    return out;
}

const char* outcomeName(config::SettingsRead r) {
    switch (r) {
        case config::SettingsRead::NoFile:
            return "no file";
        case config::SettingsRead::Short:
            return "short";
        case config::SettingsRead::Stopped:
            return "stopped";
        case config::SettingsRead::Complete:
            return "complete";
    }
    return "";
}

void addValue(JsonObject& o, std::string_view key, const config::SettingValue& value) {
    std::visit([&](const auto& v) { o.add(key, v); }, value);
}

// The values in the order of the settings table; the members of a group (the fonts)
// as one array of objects, at the place of the group's first row.
std::string settingsJson(const config::SettingsLoad& load) {
    const config::Settings& s = load.settings;
    JsonObject o;
    o.add("kind", "settings").add("read", outcomeName(load.outcome));
    if (load.outcome == config::SettingsRead::Stopped) o.add("stopLine", load.stopLine);
    o.addRaw("notes", jsonStringArray(load.notes));
    std::vector<std::string_view> groupsDone;
    const auto fields = config::settingsFields();
    for (const config::SettingsField& f : fields) {
        if (!f.isSetting()) continue;
        if (f.group.empty()) {
            addValue(o, f.name, f.access.get(s));
            continue;
        }
        if (std::find(groupsDone.begin(), groupsDone.end(), f.group) != groupsDone.end()) continue;
        groupsDone.push_back(f.group);
        std::map<int, JsonObject> members;
        for (const config::SettingsField& m : fields)
            if (m.isSetting() && m.group == f.group)
                addValue(members[m.index], m.name, m.access.get(s));
        std::vector<std::string> items;
        for (const auto& [index, member] : members) items.push_back(member.str());
        o.addRaw(f.group, arrayOf(items));
    }
    return o.str();
}

std::string stationJson(const radio::StationLine& l) {
    return JsonObject()
        .add("code", l.code)
        .add("id", l.id)
        .add("name", l.name)
        .add("country", l.country)
        .add("address", l.address)
        .add("logo", l.logo)
        .str();
}

}  // namespace

FileCheck checkSettingsFile(const std::string& path) {
    return checkBy(path, [](const std::string& b) { return config::settingsProblems(b); });
}

std::optional<std::string> showSettingsFile(const std::string& path, std::string& error) {
    return showBy(path, error,
                  [](const std::string& b) { return settingsJson(config::parseSettings(b)); });
}

FileCheck checkUserFile(const std::string& path) {
    return checkBy(path, [](const std::string& b) { return online::userFileProblems(b); });
}

std::optional<std::string> showUserFile(const std::string& path, std::string& error) {
    return showBy(path, error, [](const std::string& b) -> std::optional<std::string> {
        const auto record = online::parseUserFile(b);
        if (!record) return std::nullopt;
        const bool deciphers =
            online::StringCipher(online::CipherKey::Account).decipher(record->PwC).has_value();
        return JsonObject()
            .add("kind", "user file")
            .add("Nick", record->Nick)
            .add("PwC", record->PwC)
            .add("passwordDeciphers", deciphers)
            .str();
    });
}

FileCheck checkChatFile(const std::string& path) {
    return checkBy(path, [](const std::string& b) { return online::chatFileProblems(b); });
}

std::optional<std::string> showChatFile(const std::string& path, std::string& error) {
    return showBy(path, error, [](const std::string& b) -> std::optional<std::string> {
        const online::ChatFileState s = online::parseChatFile(b);
        return JsonObject()
            .add("kind", "chat state")
            .add("ChatSeen", s.ChatSeen)
            .add("ChatBottom", s.ChatBottom)
            .add("ChatAutoOpen", s.ChatAutoOpen)
            .str();
    });
}

FileCheck checkNewsFile(const std::string& path) {
    return checkBy(path, [](const std::string& b) { return online::newsFileProblems(b); });
}

std::optional<std::string> showNewsFile(const std::string& path, std::string& error) {
    return showBy(path, error, [](const std::string& b) -> std::optional<std::string> {
        return JsonObject().add("kind", "news state").add("seen", online::parseNewsFile(b)).str();
    });
}

FileCheck checkRadioStateFile(const std::string& path) {
    return checkBy(path, [](const std::string& b) { return radio::radioStateProblems(b); });
}

std::optional<std::string> showRadioStateFile(const std::string& path, std::string& error) {
    return showBy(path, error, [](const std::string& b) -> std::optional<std::string> {
        const radio::RadioState s = radio::parseRadioState(b);
        return JsonObject()
            .add("kind", "radio state")
            .add("name", s.station.name)
            .add("address", s.station.address)
            .add("country", s.station.country)
            .add("logo", s.station.logo)
            .add("radioOn", s.radioOn)
            .add("radioVolume", s.radioVolume)
            .add("radioFilter", s.radioFilter)
            .str();
    });
}

FileCheck checkStationListFile(const std::string& path) {
    return checkBy(path, [](const std::string& b) { return radio::parseStationList(b).problems; });
}

std::optional<std::string> showStationListFile(const std::string& path, std::string& error) {
    return showBy(path, error, [](const std::string& b) -> std::optional<std::string> {
        const radio::StationList list = radio::parseStationList(b);
        std::vector<std::string> stations;
        for (const radio::StationLine& line : list.stations) stations.push_back(stationJson(line));
        return JsonObject()
            .add("kind", "station list")
            .addRaw("stations", arrayOf(stations))
            .addRaw("problems", jsonStringArray(list.problems))
            .str();
    });
}

}  // namespace tavik::cli
