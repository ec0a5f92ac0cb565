#pragma once
// When the MIDI song of the main screen plays: it starts when the main screen is
// entered with musicOn set (the start, the return after a match, quitting to the menu,
// a network game ended by a disconnection) or when musicOn is switched on, and stops
// when a game is dealt, when musicOn is switched off and when the program closes. A
// song already playing is left alone, so entering the main screen again does not
// start it over. Plain C++.

#include "ui/sound/audio_port.h"

namespace tavik::ui {

class MusicCue {
  public:
    explicit MusicCue(AudioPort& audio) : audio_(audio) {}

    void mainScreenEntered(bool musicOn);
    void gameDealt();
    void musicSwitched(bool musicOn);
    void programClosing();
    bool playing() const { return playing_; }

  private:
    void play(bool on);

    AudioPort& audio_;
    bool playing_ = false;
};

}  // namespace tavik::ui
