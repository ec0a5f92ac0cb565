#include "ui/sound/music_cue.h"

namespace tavik::ui {

void MusicCue::mainScreenEntered(bool musicOn) {
    if (musicOn) play(true);
}

void MusicCue::gameDealt() {
    play(false);
}

void MusicCue::musicSwitched(bool musicOn) {
    play(musicOn);
}

void MusicCue::programClosing() {
    play(false);
}

void MusicCue::play(bool on) {
    if (on == playing_) return;
    playing_ = on;
    audio_.PlayMusic(on);
}

}  // namespace tavik::ui
