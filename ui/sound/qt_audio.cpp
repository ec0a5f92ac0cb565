#include "ui/sound/qt_audio.h"

#include <QElapsedTimer>
#include <QFile>
#include <QResource>
#include <QUrl>

#include "resources/builtin_sounds.h"
#include "ui/waiting/local_wait.h"

namespace tavik::ui {
namespace {

QString qstr(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QByteArray readResource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

// How long a sound may take to load and start, and how long past its own length the
// caller waits for it.
constexpr int kStartLimitMs = 1000;
constexpr int kEndMarginMs = 30;

const QString kVoiceRoot = QStringLiteral("/voice/") + qstr(sound::kVoiceLibraryName);

}  // namespace

QtAudio::QtAudio(const config::Settings& settings, PluginFolders voiceFolders, QObject* parent)
    : QObject(parent),
      musicFile(MusicFilePath()),
      settings_(settings),
      voiceFolders_(std::move(voiceFolders)) {
    sound::initBuiltinSounds();
}

QtAudio::~QtAudio() {
    effect_.stop();
    midi_.stop();
}

void QtAudio::PlayResourceSound(std::string_view name, bool wait, bool enabled) {
    if (!enabled) return;
    const QString qname = qstr(name);
    const QByteArray wav = readResource(sound::builtinSoundPath(qname));
    if (wav.isEmpty()) return;  // no such sound: nothing plays
    play(qname, wav, wait);
}

std::optional<QByteArray> QtAudio::voiceSound(Card card) const {
    const std::string name = sound::voiceResourceName(card, settings_.language);
    if (name.empty()) return std::nullopt;
    // The library is opened for each spoken card and released at once, so a new copy
    // of the file takes effect without a restart.
    const QString file =
        FindLibraryFile(voiceFolders_, qstr(sound::kVoiceLibraryName) + QStringLiteral(".rcc"));
    if (file.isEmpty() || !QResource::registerResource(file, kVoiceRoot)) return std::nullopt;
    QByteArray wav = readResource(QStringLiteral(":") + kVoiceRoot + QStringLiteral("/") +
                                  QString::fromStdString(name) + QStringLiteral(".wav"));
    QResource::unregisterResource(file, kVoiceRoot);
    if (wav.isEmpty()) return std::nullopt;
    return wav;
}

bool QtAudio::SpeakCard(Card card, bool wait) {
    const std::optional<QByteArray> wav = voiceSound(card);
    if (!wav) return false;
    play(QString::fromStdString(sound::voiceResourceName(card, settings_.language)), *wav, wait);
    return true;
}

void QtAudio::play(const QString& name, const QByteArray& wav, bool wait) {
    const int generation = ++generation_;
    if (wait) lastWaitEnd_ = WaitEnd::NotPlayed;
    const std::optional<int> durationMs =
        SoundDurationMs(std::string_view(wav.constData(), static_cast<std::size_t>(wav.size())));
    const QString file = files_.fileFor(name, wav);
    if (!durationMs || file.isEmpty()) return;
    effect_.stop();
    effect_.setSource(QUrl::fromLocalFile(file));
    effect_.play();
    if (!wait) return;
    // The sound server reports the end only when its buffer has drained, long after
    // the sound itself: the wait ends when the sound has played for its own length,
    // or earlier when the device reports the end. A sound that never starts (no
    // device) is waited for no longer than kStartLimitMs.
    QElapsedTimer clock;
    clock.start();
    std::optional<qint64> startedAt;
    WaitEnd end = WaitEnd::NotPlayed;
    WaitExcludingInput([&] {
        if (generation != generation_) {
            end = WaitEnd::Ended;  // a newer sound took its place
            return true;
        }
        if (effect_.status() == QSoundEffect::Error) return true;
        const bool sounding = effect_.isPlaying() && effect_.status() == QSoundEffect::Ready;
        if (sounding && !startedAt) startedAt = clock.elapsed();
        if (startedAt &&
            (!effect_.isPlaying() || clock.elapsed() - *startedAt >= *durationMs + kEndMarginMs)) {
            end = WaitEnd::Ended;
            return true;
        }
        return !startedAt && clock.elapsed() >= kStartLimitMs;
    });
    lastWaitEnd_ = end;
}

bool QtAudio::PrepareMusic() {
    const QByteArray song = readResource(sound::builtinMidiSongPath());
    if (song.isEmpty() || !WriteMusicFile(musicFile, song)) {
        musicReady_ = false;
        return false;
    }
    musicReady_ = midi_.open(musicFile);
    return true;
}

void QtAudio::PlayMusic(bool on) {
    if (!on) {
        midi_.stop();
        return;
    }
    if (musicReady_) midi_.play();
}

}  // namespace tavik::ui
