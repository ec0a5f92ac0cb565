// `tavik-cli files` for the settings file and the small state files: the user file,
// the chat and news files, the radio state and the station list.
#include <algorithm>
#include <functional>
#include <map>
#include <variant>

#include "app/cli/file_kinds.h"
#include "app/cli/json.h"
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

Json valueJson(const config::SettingValue& value) {
    return std::visit([](const auto& v) { return Json(v); }, value);
}

// The values in the order of the settings table; the members of a group (the fonts)
// as one array of objects, at the place of the group's first row.
std::string settingsJson(const config::SettingsLoad& load) {
    const config::Settings& s = load.settings;
    Json o = {{"kind", "settings"}, {"read", outcomeName(load.outcome)}};
    if (load.outcome == config::SettingsRead::Stopped) o["stopLine"] = load.stopLine;
    o["notes"] = load.notes;
    std::vector<std::string_view> groupsDone;
    const auto fields = config::settingsFields();
    for (const config::SettingsField& f : fields) {
        if (!f.isSetting()) continue;
        if (f.group.empty()) {
            o[std::string(f.name)] = valueJson(f.access.get(s));
            continue;
        }
        if (std::find(groupsDone.begin(), groupsDone.end(), f.group) != groupsDone.end()) continue;
        groupsDone.push_back(f.group);
        std::map<int, Json> members;
        for (const config::SettingsField& m : fields)
            if (m.isSetting() && m.group == f.group)
                members[m.index][std::string(m.name)] = valueJson(m.access.get(s));
        Json items = Json::array();
        for (const auto& [index, member] : members) items.push_back(member);
        o[std::string(f.group)] = items;
    }
    return jsonLine(o);
}

Json stationJson(const radio::StationLine& l) {
    return {{"code", l.code},       {"id", l.id},           {"name", l.name},
            {"country", l.country}, {"address", l.address}, {"logo", l.logo}};
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
        return jsonLine({{"kind", "user file"},
                         {"Nick", record->Nick},
                         {"PwC", record->PwC},
                         {"passwordDeciphers", deciphers}});
    });
}

FileCheck checkChatFile(const std::string& path) {
    return checkBy(path, [](const std::string& b) { return online::chatFileProblems(b); });
}

std::optional<std::string> showChatFile(const std::string& path, std::string& error) {
    return showBy(path, error, [](const std::string& b) -> std::optional<std::string> {
        const online::ChatFileState s = online::parseChatFile(b);
        return jsonLine({{"kind", "chat state"},
                         {"ChatSeen", s.ChatSeen},
                         {"ChatBottom", s.ChatBottom},
                         {"ChatAutoOpen", s.ChatAutoOpen}});
    });
}

FileCheck checkNewsFile(const std::string& path) {
    return checkBy(path, [](const std::string& b) { return online::newsFileProblems(b); });
}

std::optional<std::string> showNewsFile(const std::string& path, std::string& error) {
    return showBy(path, error, [](const std::string& b) -> std::optional<std::string> {
        return jsonLine({{"kind", "news state"}, {"seen", online::parseNewsFile(b)}});
    });
}

FileCheck checkRadioStateFile(const std::string& path) {
    return checkBy(path, [](const std::string& b) { return radio::radioStateProblems(b); });
}

std::optional<std::string> showRadioStateFile(const std::string& path, std::string& error) {
    return showBy(path, error, [](const std::string& b) -> std::optional<std::string> {
        const radio::RadioState s = radio::parseRadioState(b);
        return jsonLine({{"kind", "radio state"},
                         {"name", s.station.name},
                         {"address", s.station.address},
                         {"country", s.station.country},
                         {"logo", s.station.logo},
                         {"radioOn", s.radioOn},
                         {"radioVolume", s.radioVolume},
                         {"radioFilter", s.radioFilter}});
    });
}

FileCheck checkStationListFile(const std::string& path) {
    return checkBy(path, [](const std::string& b) { return radio::parseStationList(b).problems; });
}

std::optional<std::string> showStationListFile(const std::string& path, std::string& error) {
    return showBy(path, error, [](const std::string& b) -> std::optional<std::string> {
        const radio::StationList list = radio::parseStationList(b);
        Json stations = Json::array();
        for (const radio::StationLine& line : list.stations) stations.push_back(stationJson(line));
        return jsonLine(
            {{"kind", "station list"}, {"stations", stations}, {"problems", list.problems}});
    });
}

}  // namespace tavik::cli
