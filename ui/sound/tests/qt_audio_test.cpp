// The Qt audio where no sound server may run (the tests' offscreen platform): a sound
// that is switched off neither sounds nor waits, a waiting sound always returns, the
// voice library gives the card names of the current language, and the MIDI song is
// written to its file or reported when it cannot be.
#include "ui/sound/qt_audio.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

#include "resources/audio_files.h"
#include "resources/builtin_sounds.h"
#include "ui/testing/ui_test_support.h"

namespace tavik::ui {
namespace {

Card C(const char* utf8) {
    return *Card::fromUtf8(utf8);
}

// True when a zero timer started before `act` had its turn while `act` ran, that is
// when `act` ran a local event loop (waited).
template <class Act>
bool RanEventLoop(Act act) {
    bool fired = false;
    QTimer::singleShot(0, [&] { fired = true; });
    act();
    const bool during = fired;
    QCoreApplication::processEvents();  // the timer fires now if it had not
    return during;
}

class QtAudioTest : public ::testing::Test {
  protected:
    QtAudioTest() { test::App(); }
    config::Settings settings;
};

TEST_F(QtAudioTest, SoundOffNeitherSoundsNorWaits) {
    QtAudio audio(settings, PluginFolders{});
    EXPECT_FALSE(RanEventLoop([&] { audio.PlayResourceSound("WHodsDo", true, false); }));
    EXPECT_EQ(audio.lastWaitEnd(), QtAudio::WaitEnd::None);
    // A name the program does not carry: nothing plays and nothing waits.
    EXPECT_FALSE(RanEventLoop([&] { audio.PlayResourceSound("WNoSuch", true, true); }));
    EXPECT_EQ(audio.lastWaitEnd(), QtAudio::WaitEnd::None);
}

TEST_F(QtAudioTest, WaitingSoundReturnsWithOrWithoutADevice) {
    QtAudio audio(settings, PluginFolders{});
    for (const auto& s : sound::kBuiltinSounds) {
        if (!s.wait) continue;
        audio.PlayResourceSound(s.name, true, true);
        EXPECT_NE(audio.lastWaitEnd(), QtAudio::WaitEnd::None) << s.name;
    }
    // A sound that does not wait returns at once, and the next one replaces it.
    EXPECT_FALSE(RanEventLoop([&] { audio.PlayResourceSound("WTasoKo", false, true); }));
    audio.PlayResourceSound("WHodsDo", true, true);
    EXPECT_NE(audio.lastWaitEnd(), QtAudio::WaitEnd::None);
}

TEST_F(QtAudioTest, NoVoiceLibraryNoVoice) {
    QtAudio audio(settings, PluginFolders{{QDir::tempPath()}});
    EXPECT_FALSE(audio.voiceSound(C("1ч")));
    EXPECT_FALSE(RanEventLoop([&] { EXPECT_FALSE(audio.SpeakCard(C("1ч"), true)); }));
}

#ifdef TAVIK_VOICE_LIBRARY
// The names of the voice entries come from resources/sound_names (tested there); here
// the library file is found in the folders and read in the language of the settings.
TEST_F(QtAudioTest, VoiceLibraryGivesTheCardInTheCurrentLanguage) {
    const QString library = QStringLiteral(TAVIK_VOICE_LIBRARY);
    ASSERT_TRUE(QFileInfo::exists(library));
    QtAudio audio(settings, PluginFolders{{QDir::tempPath(), QFileInfo(library).absolutePath()}});
    settings.language = 1;
    const std::optional<QByteArray> russian = audio.voiceSound(C("1ч"));
    ASSERT_TRUE(russian);
    EXPECT_TRUE(sound::readWavInfo(russian->toStdString()));
    settings.language = 2;
    const std::optional<QByteArray> german = audio.voiceSound(C("Дп"));
    ASSERT_TRUE(german);
    EXPECT_NE(*german, *russian);
    settings.language = 0;
    EXPECT_NE(*audio.voiceSound(C("Дп")), *german);
    // The library is released after each card: the next lookup mounts it again.
    EXPECT_EQ(*audio.voiceSound(C("Дп")), *audio.voiceSound(C("Дп")));
    EXPECT_TRUE(audio.SpeakCard(C("Дп"), false));
}
#endif

TEST_F(QtAudioTest, MusicFileWrittenOrReported) {
    QTemporaryDir dir;
    QtAudio audio(settings, PluginFolders{});
    audio.musicFile = dir.filePath("cache/Tavik-Vel/temp10_25.mid");
    ASSERT_TRUE(audio.PrepareMusic());
    QFile written(audio.musicFile);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    QFile song(sound::builtinMidiSongPath());
    ASSERT_TRUE(song.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), song.readAll());
    // Starting and stopping never fails, with or without a device.
    audio.PlayMusic(true);
    audio.PlayMusic(false);
    EXPECT_FALSE(audio.music().playing());

    // A path whose folder cannot be made (a file stands in its way).
    QFile blocker(dir.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    audio.musicFile = dir.filePath("file/Tavik-Vel/temp10_25.mid");
    EXPECT_FALSE(audio.PrepareMusic());
    audio.PlayMusic(true);
    EXPECT_FALSE(audio.music().playing());
}

}  // namespace
}  // namespace tavik::ui
