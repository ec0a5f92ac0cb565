// `tavik-cli files` for the settings file and the small state files: the user file,
// the chat and news files, the radio state and the station list.
#include <functional>

#include "app/cli/file_kinds.h"
#include "app/cli/json.h"
#include "config/settings_file.h"
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

std::string settingsJson(const config::SettingsLoad& load) {
    const config::Settings& s = load.settings;
    Json fonts = Json::array();
    for (const config::FontSetting& f : s.fonts)
        fonts.push_back({{"name", f.name}, {"scale", f.scale}});
    Json o = {{"kind", "settings"}, {"read", outcomeName(load.outcome)}};
    if (load.outcome == config::SettingsRead::Stopped) o["stopLine"] = load.stopLine;
    o["notes"] = load.notes;
    o["language"] = s.language;
    o["soundOn"] = s.soundOn;
    o["musicOn"] = s.musicOn;
    o["gifAnimation"] = s.gifAnimation;
    o["flyCardsOn"] = s.flyCardsOn;
    o["scoreFormat"] = s.scoreFormat;
    o["NetGame"] = s.NetGame;
    o["ownCursor"] = s.ownCursor;
    o["flySpeed"] = s.flySpeed;
    o["windowSize"] = s.windowSize;
    o["installRegistered"] = s.installRegistered;
    o["statsRegistered"] = s.statsRegistered;
    o["radioFromServer"] = s.radioFromServer;
    o["captionColour"] = s.captionColour;
    o["newButtons"] = s.newButtons;
    o["auxDesignPurple"] = s.auxDesignPurple;
    o["auxDesign"] = s.auxDesign;
    o["menuDesign"] = s.menuDesign;
    o["tableDesign"] = s.tableDesign;
    o["fireworksButtons"] = s.fireworksButtons;
    o["fireworksCards"] = s.fireworksCards;
    o["deckStyle"] = s.deckStyle;
    o["backStyle"] = s.backStyle;
    o["oneBack"] = s.oneBack;
    o["ReDealRule"] = s.ReDealRule;
    o["SixesRule"] = s.SixesRule;
    o["HintsRule"] = s.HintsRule;
    o["fonts"] = fonts;
    o["ipAddress"] = s.ipAddress;
    o["port"] = s.port;
    o["backgroundPattern"] = s.backgroundPattern;
    o["backgroundTint"] = s.backgroundTint;
    o["playerName"] = s.playerName;
    o["TopTenAddressStored"] = s.TopTenAddressStored;
    o["passportName"] = s.passportName;
    o["passportCountry"] = s.passportCountry;
    o["passportCity"] = s.passportCity;
    o["passportSex"] = std::string(1, s.passportSex);
    o["StatAddressStored"] = s.StatAddressStored;
    o["saveGif"] = s.saveGif;
    o["gifCapture"] = s.gifCapture;
    o["gifDelay"] = s.gifDelay;
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
