// tavik-cli sounds: the built-in sounds with their durations (read from each WAV's
// header), the MIDI song's size and track count, and the number of spoken card names
// found in the voice library QorCVoice3.rcc (0 without it). One JSON line:
// {"sounds":[{"name","ms"}...],"midi":{"bytes","tracks"},"voice":N}
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QResource>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "app/cli/arguments.h"
#include "app/cli/commands.h"
#include "app/cli/json.h"
#include "core/files/data_folder.h"
#include "resources/audio_files.h"
#include "resources/builtin_sounds.h"
#include "ui/pictures/plugin_library.h"

namespace tavik::cli {
namespace {

std::string readResource(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll().toStdString();
}

// The voice library in the folders: the number of the 360 voice names it holds.
int countVoiceEntries(const QStringList& folders) {
    const QString file = QString::fromLatin1(sound::kVoiceLibraryName.data(),
                                             qsizetype(sound::kVoiceLibraryName.size())) +
                         QStringLiteral(".rcc");
    for (const QString& folder : folders) {
        const QFileInfo info(QDir(folder), file);
        if (!info.isFile()) continue;
        const QString root = QStringLiteral("/voice-count");
        if (!QResource::registerResource(info.absoluteFilePath(), root)) return 0;
        int found = 0;
        for (int language = 0; language < sound::kVoiceLanguages; ++language)
            for (int n = 1; n <= 36; ++n) {
                const std::string name = sound::voiceResourceName(Card::fromNumber(n), language);
                if (QFile::exists(QStringLiteral(":") + root + QStringLiteral("/") +
                                  QString::fromStdString(name) + QStringLiteral(".wav")))
                    ++found;
            }
        QResource::unregisterResource(info.absoluteFilePath(), root);
        return found;
    }
    return 0;
}

}  // namespace

int soundsCommand(const std::vector<std::string>& args) {
    std::string error;
    const auto parsed = Arguments::parse(args, {"plugins", "data-dir"}, {}, error);
    if (!parsed) {
        std::fprintf(stderr, "tavik-cli sounds: %s\n", error.c_str());
        return 2;
    }
    std::optional<std::string> dataDir;
    if (parsed->has("data-dir")) dataDir = parsed->get("data-dir");
    sound::initBuiltinSounds();
    Json sounds = Json::array();
    int failures = 0;
    for (const sound::BuiltinSound& s : sound::kBuiltinSounds) {
        const std::string name(s.name);
        const auto info =
            sound::readWavInfo(readResource(sound::builtinSoundPath(QString::fromStdString(name))));
        if (!info) ++failures;
        sounds.push_back({{"name", name}, {"ms", info ? std::lround(info->durationMs()) : 0L}});
    }
    const std::string midi = readResource(sound::builtinMidiSongPath());
    const auto midiInfo = sound::readMidiInfo(midi);
    if (!midiInfo) ++failures;
    Json json = {{"sounds", sounds},
                 {"midi", {{"bytes", midi.size()}, {"tracks", midiInfo ? midiInfo->tracks : 0}}}};

    // The plug-in folders beside the executable are found through the application
    // object, which this command otherwise has no need of.
    int argc = 1;
    char name[] = "tavik-cli";
    char* argv[] = {name, nullptr};
    std::optional<QCoreApplication> app;
    if (QCoreApplication::instance() == nullptr) app.emplace(argc, argv);
    QStringList folders;
    if (parsed->has("plugins")) folders << QString::fromStdString(parsed->get("plugins"));
    folders << ui::DefaultPluginFolders(
                   QString::fromStdString(files::ResolveDataFolder(dataDir).program))
                   .folders;
    json["voice"] = countVoiceEntries(folders);
    std::printf("%s\n", jsonLine(json).c_str());
    return failures == 0 ? 0 : 1;
}

}  // namespace tavik::cli
