// The files the audio plays from: the wait limit from a WAV header, the private folder
// of the sounds, and the MIDI song's file in the user's cache folder.
#include "ui/sound/sound_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <string>

namespace tavik::ui {
namespace {

void put32(std::string& s, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) s.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}
void put16(std::string& s, std::uint16_t v) {
    for (int i = 0; i < 2; ++i) s.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

// A 16-bit mono PCM WAV of `samples` silent samples at `rate` Hz.
std::string Wav(int rate, int samples) {
    std::string s = "RIFF";
    put32(s, static_cast<std::uint32_t>(36 + 2 * samples));
    s += "WAVEfmt ";
    put32(s, 16);
    put16(s, 1);
    put16(s, 1);
    put32(s, static_cast<std::uint32_t>(rate));
    put32(s, static_cast<std::uint32_t>(rate * 2));
    put16(s, 2);
    put16(s, 16);
    s += "data";
    put32(s, static_cast<std::uint32_t>(2 * samples));
    s.append(static_cast<std::size_t>(2 * samples), '\0');
    return s;
}

TEST(SoundDuration, FromTheHeaderAndNoneWhenTheHeaderIsBroken) {
    EXPECT_EQ(SoundDurationMs(Wav(22050, 11025)), 500);
    EXPECT_EQ(SoundDurationMs(Wav(8000, 1600)), 200);
    EXPECT_EQ(SoundDurationMs(Wav(44100, 0)), 0);

    const std::string good = Wav(22050, 100);
    EXPECT_FALSE(SoundDurationMs(good.substr(0, 30)));                // cut inside "fmt "
    EXPECT_FALSE(SoundDurationMs(good.substr(0, 12)));                // the RIFF header alone
    EXPECT_FALSE(SoundDurationMs(good.substr(0, good.size() - 10)));  // data runs past the end
    EXPECT_FALSE(SoundDurationMs(""));
    std::string zeroRate = good;
    zeroRate[24] = zeroRate[25] = zeroRate[26] = zeroRate[27] = 0;
    EXPECT_FALSE(SoundDurationMs(zeroRate));
}

TEST(SoundFiles, WrittenOnceIntoAFolderOfTheUserAlone) {
    SoundFiles files;
    const QByteArray wav = QByteArray::fromStdString(Wav(8000, 80));
    const QString path = files.fileFor("WHodsDo", wav);
    ASSERT_FALSE(path.isEmpty());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), wav);
    // The folder is a fresh one of this run, closed to other users.
    const QFileInfo folder(QFileInfo(path).absolutePath());
    EXPECT_NE(folder.absoluteFilePath(), QDir::tempPath());
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(folder.absoluteFilePath()).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0077, 0u);
    EXPECT_EQ(st.st_uid, ::getuid());
    EXPECT_EQ(files.fileFor("WHodsDo", wav), path);
    EXPECT_NE(files.fileFor("WHodOtb", wav), path);
}

TEST(MusicFile, InTheUserCacheFolder) {
    const QByteArray saved = qgetenv("XDG_CACHE_HOME");
    qputenv("XDG_CACHE_HOME", "/home/someone/.my-cache");
    EXPECT_EQ(MusicFilePath(), "/home/someone/.my-cache/Tavik-Vel/temp10_25.mid");
    qputenv("XDG_CACHE_HOME", "relative/not/allowed");
    EXPECT_EQ(MusicFilePath(), QDir::homePath() + "/.cache/Tavik-Vel/temp10_25.mid");
    qunsetenv("XDG_CACHE_HOME");
    EXPECT_EQ(MusicFilePath(), QDir::homePath() + "/.cache/Tavik-Vel/temp10_25.mid");
    if (!saved.isNull()) qputenv("XDG_CACHE_HOME", saved);
}

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(MusicFile, WrittenOnceReusedRepairedAndNeverThroughALink) {
    QTemporaryDir dir;
    const QString path = dir.filePath("cache/Tavik-Vel/temp10_25.mid");
    const QByteArray song("MThd-the-song");
    ASSERT_TRUE(WriteMusicFile(path, song));
    EXPECT_EQ(ReadAll(path), song);
    // The folder it made is the user's alone.
    EXPECT_EQ(QFileInfo(QFileInfo(path).absolutePath()).permissions() &
                  (QFile::ReadGroup | QFile::ReadOther | QFile::WriteOther),
              QFileDevice::Permissions());

    // The same song: the file is reused as it is.
    const ino_t first = [&] {
        struct stat st {};
        ::stat(QFile::encodeName(path).constData(), &st);
        return st.st_ino;
    }();
    ASSERT_TRUE(WriteMusicFile(path, song));
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    EXPECT_EQ(st.st_ino, first);

    // A damaged file is replaced.
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("junk");
    }
    ASSERT_TRUE(WriteMusicFile(path, song));
    EXPECT_EQ(ReadAll(path), song);

    // A link planted in its place is replaced; the file it points to is not written.
    const QString victim = dir.filePath("victim");
    {
        QFile f(victim);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("keep me");
    }
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QFile::link(victim, path));
    ASSERT_TRUE(WriteMusicFile(path, song));
    EXPECT_FALSE(QFileInfo(path).isSymLink());
    EXPECT_EQ(ReadAll(path), song);
    EXPECT_EQ(ReadAll(victim), QByteArray("keep me"));

    // A folder that cannot be made: the write fails.
    const QString blocked = dir.filePath("victim/Tavik-Vel/temp10_25.mid");
    EXPECT_FALSE(WriteMusicFile(blocked, song));
}

}  // namespace
}  // namespace tavik::ui
