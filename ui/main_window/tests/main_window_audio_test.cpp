// The main window's sounds and music through its one audio object: the opening sound
// of the buttons, the closing sound that the program waits for, the MIDI song on the
// main screen and off during a match, and the message when the song's file cannot be
// written.
#include <gtest/gtest.h>

#include <QtTest/QTest>

#include "ui/main_window/main_screen.h"
#include "ui/main_window/tests/main_window_test_support.h"

namespace tavik::ui {
namespace {

MainWindow& StartedWith(test::WindowFixture& f, SilentAudio& audio, bool musicOn, bool soundOn) {
    config::Settings s;
    s.musicOn = musicOn;
    s.soundOn = soundOn;
    f.writeSettings(s);
    MainWindow& w = f.makeWindow();
    w.setAudio(audio);
    EXPECT_TRUE(w.runStartup());
    w.finishIntro();
    w.settings().fireworksButtons = false;
    return w;
}

TEST(MainWindowAudio, SongOnTheMainScreenOffDuringAMatchAndAtTheStop) {
    test::WindowFixture f;
    SilentAudio audio;
    MainWindow& w = StartedWith(f, audio, true, true);
    EXPECT_EQ(audio.musicPrepared, 1);
    EXPECT_TRUE(audio.musicPlaying);
    EXPECT_EQ(audio.musicCalls, 1);  // the end of the intro does not start it over
    EXPECT_TRUE(f.messages.empty());

    w.hideMainScreen();  // a game is dealt
    EXPECT_FALSE(audio.musicPlaying);
    w.showMainScreen();  // back after the match
    EXPECT_TRUE(audio.musicPlaying);

    w.setMusicOn(false);
    EXPECT_FALSE(audio.musicPlaying);
    w.hideMainScreen();
    w.showMainScreen();
    EXPECT_FALSE(audio.musicPlaying);
    w.setMusicOn(true);
    EXPECT_TRUE(audio.musicPlaying);

    audio.played.clear();
    EXPECT_TRUE(w.close());
    EXPECT_FALSE(audio.musicPlaying);
    ASSERT_EQ(audio.played.size(), 1u);
    EXPECT_EQ(audio.played[0].name, "WOpenFo");
    EXPECT_TRUE(audio.played[0].wait);
}

TEST(MainWindowAudio, ButtonsOpenWithASoundOnlyWhileSoundIsOn) {
    for (const bool soundOn : {true, false}) {
        test::WindowFixture f;
        SilentAudio audio;
        MainWindow& w = StartedWith(f, audio, false, soundOn);
        EXPECT_FALSE(audio.musicPlaying);
        QTest::mouseClick(&w.mainScreen().modeButton(), Qt::LeftButton);
        if (soundOn) {
            ASSERT_EQ(audio.played.size(), 1u);
            EXPECT_EQ(audio.played[0].name, "WOpenFo");
            EXPECT_FALSE(audio.played[0].wait);
        } else {
            EXPECT_TRUE(audio.played.empty());
        }
        EXPECT_TRUE(w.close());
        EXPECT_EQ(audio.played.size(), soundOn ? 2u : 0u);
    }
}

TEST(MainWindowAudio, SongFileThatCannotBeWrittenIsReported) {
    test::WindowFixture f;
    SilentAudio audio;
    audio.musicFileWritable = false;
    StartedWith(f, audio, true, true);
    ASSERT_EQ(f.messages.size(), 1u);
    EXPECT_EQ(f.messages[0].text, QStringLiteral("Can`t create music file!"));
}

}  // namespace
}  // namespace tavik::ui
