// The audio against a real sound server: a PulseAudio daemon of the test's own, with a
// null sink, in a private runtime folder. A waiting sound returns once it has
// played for its length and the server then reports its end, and the MIDI song's
// player moves on. When the daemon cannot start the test
// reports itself skipped (exit code 77).
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest/QTest>
#include <cstdio>

#include "ui/sound/qt_audio.h"

namespace tavik::ui {
namespace {

constexpr int kSkipped = 77;

TEST(AudioServer, WaitingSoundEndsByItsPlayback) {
    config::Settings settings;
    QtAudio audio(settings, PluginFolders{});
    for (const char* name : {"WHodsDo", "WHodBer", "WDing_1"}) {
        audio.PlayResourceSound(name, true, true);
        EXPECT_EQ(audio.lastWaitEnd(), QtAudio::WaitEnd::Ended) << name;
        // The server took the sound and played it out (without a device the effect
        // never learns of an end).
        EXPECT_TRUE(QTest::qWaitFor([&] { return !audio.soundPlaying(); }, 20000)) << name;
    }
    // A sound that does not wait, replaced by one that waits: the second plays to its end.
    audio.PlayResourceSound("WTasoKo", false, true);
    audio.PlayResourceSound("WHodsDo", true, true);
    EXPECT_EQ(audio.lastWaitEnd(), QtAudio::WaitEnd::Ended);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !audio.soundPlaying(); }, 20000));
}

TEST(AudioServer, MidiSongAdvancesAndStops) {
    config::Settings settings;
    QTemporaryDir dir;
    QtAudio audio(settings, PluginFolders{});
    audio.musicFile = dir.filePath("Tavik-Vel/temp10_25.mid");
    ASSERT_TRUE(audio.PrepareMusic());
    if (audio.music().soundFont().isEmpty()) GTEST_SKIP() << "no General MIDI sound font installed";
    audio.PlayMusic(true);
    ASSERT_TRUE(audio.music().playing());
    ASSERT_TRUE(QTest::qWaitFor([&] { return audio.music().positionTicks() > 0; }, 20000));
    const int first = audio.music().positionTicks();
    EXPECT_TRUE(QTest::qWaitFor([&] { return audio.music().positionTicks() > first; }, 20000));
    audio.PlayMusic(false);
    EXPECT_FALSE(audio.music().playing());
    // Started again, the song plays from its beginning.
    audio.PlayMusic(true);
    EXPECT_TRUE(audio.music().playing());
    EXPECT_LE(audio.music().positionTicks(), first);
    audio.PlayMusic(false);
}

// A PulseAudio daemon for this process alone: its runtime folder, home and socket lie
// in a temporary folder, and it plays into a null sink.
class PrivateSoundServer {
  public:
    // Empty when it is running, else why not.
    QString start() {
        const QString exe = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        if (exe.isEmpty()) return QStringLiteral("pulseaudio is not installed");
        if (!dir_.isValid()) return QStringLiteral("no temporary folder");
        const QString socket = dir_.filePath(QStringLiteral("native"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), dir_.path());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir_.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir_.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("PULSE_RUNTIME_PATH"), dir_.filePath(QStringLiteral("pulse")));
        env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
        process_.setProcessEnvironment(env);
        process_.setProcessChannelMode(QProcess::MergedChannels);
        process_.start(
            exe, {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                  QStringLiteral("--system=false"), QStringLiteral("--exit-idle-time=-1"),
                  QStringLiteral("--disable-shm=true"), QStringLiteral("-L"),
                  QStringLiteral("module-null-sink sink_name=tavik_null"), QStringLiteral("-L"),
                  QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=") + socket});
        if (!process_.waitForStarted(5000)) return QStringLiteral("pulseaudio did not start");
        for (int i = 0; i < 100 && !QFileInfo::exists(socket); ++i) {
            if (process_.state() != QProcess::Running) break;
            QThread::msleep(100);
        }
        if (!QFileInfo::exists(socket)) {
            process_.kill();
            process_.waitForFinished(3000);
            return QStringLiteral("pulseaudio did not open its socket: ") +
                   QString::fromLocal8Bit(process_.readAll()).trimmed();
        }
        // This process's clients (Qt Multimedia, FluidSynth) talk to it alone.
        qputenv("PULSE_SERVER", ("unix:" + socket).toLocal8Bit());
        qputenv("XDG_RUNTIME_DIR", dir_.path().toLocal8Bit());
        qputenv("PULSE_RUNTIME_PATH", dir_.filePath(QStringLiteral("pulse")).toLocal8Bit());
        return {};
    }
    ~PrivateSoundServer() {
        if (process_.state() == QProcess::NotRunning) return;
        process_.terminate();
        if (!process_.waitForFinished(5000)) {
            process_.kill();
            process_.waitForFinished(3000);
        }
    }

  private:
    QTemporaryDir dir_;
    QProcess process_;
};

}  // namespace
}  // namespace tavik::ui

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // The server comes first: Qt Multimedia finds its audio devices when it starts.
    tavik::ui::PrivateSoundServer server;
    {
        const QString why = server.start();
        if (!why.isEmpty()) {
            std::printf("SKIPPED: the sound server cannot start here (%s)\n", qPrintable(why));
            return tavik::ui::kSkipped;
        }
    }
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
