#pragma once
// The MIDI song through the FluidSynth synthesiser: a General MIDI sound font, a
// player that loops the file, and an audio driver that runs only while the song plays.
// Without a sound font or an audio device the player stays silent; nothing fails.

#include <QString>
#include <QStringList>

// FluidSynth's handles, declared as its own header does.
typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;
typedef struct _fluid_player_t fluid_player_t;
typedef struct _fluid_audio_driver_t fluid_audio_driver_t;

namespace tavik::ui {

// The General MIDI sound fonts looked for, in order.
QStringList SoundFontCandidates();

class MidiPlayer {
  public:
    // Looks for the first of the sound fonts that exists.
    explicit MidiPlayer(QStringList soundFonts = SoundFontCandidates());
    ~MidiPlayer();
    MidiPlayer(const MidiPlayer&) = delete;
    MidiPlayer& operator=(const MidiPlayer&) = delete;

    // Takes the file to play and loads the sound font; false when there is no sound
    // font or the synthesiser cannot be made (the player then stays silent).
    bool open(const QString& midiFile);
    bool isOpen() const { return synth_ != nullptr && !file_.isEmpty(); }
    const QString& soundFont() const { return soundFont_; }

    // Starts the song from its beginning, looping; false when it cannot sound (not
    // open, no audio device).
    bool play();
    // Stops the song and releases the audio device.
    void stop();
    bool playing() const;
    // The player's position in MIDI ticks; 0 when stopped.
    int positionTicks() const;

  private:
    QStringList soundFonts_;
    QString soundFont_;
    QString file_;
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    fluid_player_t* player_ = nullptr;
    fluid_audio_driver_t* driver_ = nullptr;
};

}  // namespace tavik::ui
