#pragma once
// The program's audio on Qt Multimedia and FluidSynth: the short sounds and the
// spoken card names through one QSoundEffect (a new sound replaces the one playing),
// and the MIDI song through MidiPlayer. A caller that waits runs a local event loop
// without user input until the sound has ended, that is for the WAV's own duration
// from the header once it sounds, so a machine without a sound device never hangs.

#include <QByteArray>
#include <QObject>
#include <QSoundEffect>
#include <optional>

#include "config/settings.h"
#include "ui/pictures/plugin_library.h"
#include "ui/sound/audio_port.h"
#include "ui/sound/midi_player.h"
#include "ui/sound/sound_files.h"

namespace tavik::ui {

class QtAudio : public QObject, public AudioPort {
    Q_OBJECT
  public:
    // The language of the voice comes from the settings at each spoken card; the voice
    // library is looked for in the folders.
    QtAudio(const config::Settings& settings, PluginFolders voiceFolders,
            QObject* parent = nullptr);
    ~QtAudio() override;

    // AudioPort
    void PlayResourceSound(std::string_view name, bool wait, bool enabled) override;
    bool SpeakCard(Card card, bool wait) override;
    bool PrepareMusic() override;
    void PlayMusic(bool on) override;

    // How the last waiting call ended: the sound played to its end (or was replaced),
    // or it never started (no device, a file that cannot be written or read).
    enum class WaitEnd { None, Ended, NotPlayed };
    WaitEnd lastWaitEnd() const { return lastWaitEnd_; }
    // True until the device reports that the last sound has played out.
    bool soundPlaying() const { return effect_.isPlaying(); }
    // The WAV of the spoken card in the current language from the voice library, read
    // afresh each time; nullopt without the library or the entry.
    std::optional<QByteArray> voiceSound(Card card) const;
    // Where the MIDI song is written; MusicFilePath() unless a test sets another.
    QString musicFile;
    const MidiPlayer& music() const { return midi_; }

  private:
    void play(const QString& name, const QByteArray& wav, bool wait);

    const config::Settings& settings_;
    PluginFolders voiceFolders_;
    QSoundEffect effect_;
    SoundFiles files_;
    MidiPlayer midi_;
    bool musicReady_ = false;
    int generation_ = 0;  // counts the sounds started, to tell a replaced one
    WaitEnd lastWaitEnd_ = WaitEnd::None;
};

}  // namespace tavik::ui
