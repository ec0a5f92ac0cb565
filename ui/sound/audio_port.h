#pragma once
// The program's one way to make a sound: the short WAV sounds of the game and the
// main screen, the spoken card names of the voice library and the MIDI song of the
// main screen. The window owns one AudioPort and every caller goes through it. Plain
// C++: the silent implementation below serves the tests and the headless runs.

#include <string>
#include <string_view>
#include <vector>

#include "core/state/card.h"

namespace tavik::ui {

class AudioPort {
  public:
    virtual ~AudioPort() = default;
    // Plays the program's sound `name` when `enabled` (callers pass soundOn). With
    // `wait` the call returns when the sound has ended; without it the call returns at
    // once. A new sound replaces one still playing. Disabled: no sound and no delay.
    virtual void PlayResourceSound(std::string_view name, bool wait, bool enabled) = 0;
    // Speaks the card's name in the current language from the voice library; false
    // when the library or the card's entry is missing (nothing happens then).
    virtual bool SpeakCard(Card card, bool wait) = 0;
    // Writes the MIDI song to its file once and opens it; false when the file could
    // not be written (the music then stays silent).
    virtual bool PrepareMusic() = 0;
    // Starts the song from its beginning (looping) or stops it.
    virtual void PlayMusic(bool on) = 0;
};

// Makes no sound and never waits; remembers what it was asked, for the tests.
class SilentAudio : public AudioPort {
  public:
    struct Played {
        std::string name;
        bool wait = false;
    };

    void PlayResourceSound(std::string_view name, bool wait, bool enabled) override {
        if (enabled) played.push_back({std::string(name), wait});
    }
    bool SpeakCard(Card card, bool) override {
        spoken.push_back(card);
        return false;
    }
    bool PrepareMusic() override {
        ++musicPrepared;
        return musicFileWritable;
    }
    void PlayMusic(bool on) override {
        musicPlaying = on;
        ++musicCalls;
    }

    std::vector<Played> played;  // the sounds that would have sounded
    std::vector<Card> spoken;
    bool musicFileWritable = true;  // what PrepareMusic answers
    int musicPrepared = 0;
    bool musicPlaying = false;
    int musicCalls = 0;
};

}  // namespace tavik::ui
