#include "ui/sound/midi_player.h"

#include <fluidsynth.h>

#include <QFile>
#include <QFileInfo>

namespace tavik::ui {
namespace {

// FluidSynth reports a missing device or sound server on stderr; the game simply stays
// silent then.
void quietLibrary() {
    static const bool done = [] {
        for (int level : {FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            fluid_set_log_function(level, nullptr, nullptr);
        return true;
    }();
    (void)done;
}

}  // namespace

QStringList SoundFontCandidates() {
    return {QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2"),
            QStringLiteral("/usr/share/sounds/sf2/default-GM.sf2"),
            QStringLiteral("/usr/share/sounds/sf2/FluidR3_GM.sf2")};
}

MidiPlayer::MidiPlayer(QStringList soundFonts) : soundFonts_(std::move(soundFonts)) {}

MidiPlayer::~MidiPlayer() {
    stop();
    if (synth_) delete_fluid_synth(synth_);
    if (settings_) delete_fluid_settings(settings_);
}

bool MidiPlayer::open(const QString& midiFile) {
    stop();
    file_ = midiFile;
    if (synth_) return true;
    for (const QString& font : soundFonts_)
        if (QFileInfo(font).isFile()) {
            soundFont_ = font;
            break;
        }
    if (soundFont_.isEmpty()) return false;
    quietLibrary();
    settings_ = new_fluid_settings();
    if (!settings_) return false;
    fluid_settings_setnum(settings_, "synth.gain", 0.5);
    synth_ = new_fluid_synth(settings_);
    if (synth_ &&
        fluid_synth_sfload(synth_, QFile::encodeName(soundFont_).constData(), 1) != FLUID_FAILED)
        return true;
    if (synth_) delete_fluid_synth(synth_);
    synth_ = nullptr;
    soundFont_.clear();
    return false;
}

bool MidiPlayer::play() {
    stop();
    if (!isOpen()) return false;
    // The sound server first, then the sound card directly.
    for (const char* name : {"pulseaudio", "alsa"}) {
        fluid_settings_setstr(settings_, "audio.driver", name);
        driver_ = new_fluid_audio_driver(settings_, synth_);
        if (driver_) break;
    }
    if (!driver_) return false;
    player_ = new_fluid_player(synth_);
    if (!player_ || fluid_player_add(player_, QFile::encodeName(file_).constData()) != FLUID_OK) {
        stop();
        return false;
    }
    fluid_player_set_loop(player_, -1);
    if (fluid_player_play(player_) != FLUID_OK) {
        stop();
        return false;
    }
    return true;
}

void MidiPlayer::stop() {
    // The driver's thread renders the player: it goes first.
    if (player_) fluid_player_stop(player_);
    if (driver_) {
        delete_fluid_audio_driver(driver_);
        driver_ = nullptr;
    }
    if (player_) {
        delete_fluid_player(player_);
        player_ = nullptr;
    }
    if (synth_) fluid_synth_system_reset(synth_);
}

bool MidiPlayer::playing() const {
    return player_ != nullptr && fluid_player_get_status(player_) == FLUID_PLAYER_PLAYING;
}

int MidiPlayer::positionTicks() const {
    return player_ ? fluid_player_get_current_tick(player_) : 0;
}

}  // namespace tavik::ui
