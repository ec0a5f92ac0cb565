// When the MIDI song plays, against the silent audio: the main screen starts it only
// with musicOn, a deal stops it, the return to the main screen starts it again only
// while musicOn is still set, and a song already playing is not started over.
#include "ui/sound/music_cue.h"

#include <gtest/gtest.h>

namespace tavik::ui {
namespace {

TEST(MusicCue, DealStopsAndTheReturnStartsOnlyWithMusicOn) {
    struct Case {
        bool musicOnAtStart;
        bool musicOnAtReturn;
        bool playsAtStart;
        bool playsAfterReturn;
    };
    for (const Case& c : {Case{true, true, true, true}, Case{true, false, true, false},
                          Case{false, true, false, true}, Case{false, false, false, false}}) {
        SilentAudio audio;
        MusicCue cue(audio);
        cue.mainScreenEntered(c.musicOnAtStart);
        EXPECT_EQ(audio.musicPlaying, c.playsAtStart);
        cue.gameDealt();
        EXPECT_FALSE(audio.musicPlaying);
        cue.mainScreenEntered(c.musicOnAtReturn);
        EXPECT_EQ(audio.musicPlaying, c.playsAfterReturn)
            << c.musicOnAtStart << " " << c.musicOnAtReturn;
        EXPECT_EQ(cue.playing(), audio.musicPlaying);
    }
}

TEST(MusicCue, PlayingSongIsLeftAloneAndTheSwitchAndTheStopApplyAtOnce) {
    SilentAudio audio;
    MusicCue cue(audio);
    cue.mainScreenEntered(true);
    cue.mainScreenEntered(true);  // the intro ends: the song goes on, not from the start
    EXPECT_EQ(audio.musicCalls, 1);
    cue.musicSwitched(false);
    EXPECT_FALSE(audio.musicPlaying);
    cue.mainScreenEntered(false);
    EXPECT_FALSE(audio.musicPlaying);
    cue.musicSwitched(true);
    EXPECT_TRUE(audio.musicPlaying);
    cue.programClosing();
    EXPECT_FALSE(audio.musicPlaying);
    cue.gameDealt();  // stopping a stopped song asks nothing
    EXPECT_EQ(audio.musicCalls, 4);
}

}  // namespace
}  // namespace tavik::ui
