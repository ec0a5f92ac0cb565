// The sounds and the MIDI song compiled into the program, the WAV and MIDI readers on
// damaged files, and the voice resource names.
#include <gtest/gtest.h>

#include <QFile>
#include <algorithm>
#include <cmath>
#include <set>
#include <string>

#include "core/rules/sounds.h"
#include "resources/audio_files.h"
#include "resources/builtin_sounds.h"

namespace tavik::sound {
namespace {

std::string resource(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll().toStdString();
}

std::string soundBytes(std::string_view name) {
    initBuiltinSounds();
    return resource(builtinSoundPath(QString::fromLatin1(name.data(), qsizetype(name.size()))));
}

// Every sound of the table is there as a 16-bit mono PCM WAV of 0.05..5 s at 22050 or
// 44100 Hz, its peak at -3..0 dBFS, starting and ending at silence, without DC.
TEST(BuiltinSounds, EverySoundIsAShortNormalisedWav) {
    for (const BuiltinSound& s : kBuiltinSounds) {
        SCOPED_TRACE(std::string(s.name));
        const std::string bytes = soundBytes(s.name);
        ASSERT_FALSE(bytes.empty());
        const auto info = readWavInfo(bytes);
        ASSERT_TRUE(info);
        EXPECT_EQ(info->format, 1);
        EXPECT_EQ(info->channels, 1);
        EXPECT_EQ(info->bitsPerSample, 16);
        EXPECT_TRUE(info->sampleRate == 22050 || info->sampleRate == 44100);
        EXPECT_GE(info->durationMs(), 50.0);
        EXPECT_LE(info->durationMs(), 5000.0);
        const auto pcm = readWavSamples16(bytes, *info);
        ASSERT_FALSE(pcm.empty());
        int peak = 0;
        double sum = 0;
        for (std::int16_t x : pcm) {
            peak = std::max(peak, std::abs(int(x)));
            sum += x;
        }
        const double peakDb = 20 * std::log10(peak / 32768.0);
        EXPECT_GE(peakDb, -3.0);
        EXPECT_LE(peakDb, 0.0);
        EXPECT_LT(std::fabs(sum / double(pcm.size()) / 32768.0), 0.002);
        EXPECT_LT(std::abs(int(pcm.front())), 300);
        EXPECT_LT(std::abs(int(pcm.back())), 300);
    }
    EXPECT_TRUE(soundBytes("WNoSuch").empty());
}

// The table's wait flags agree with the rules' own: the game waits for the same sounds
// that the presentation is told to wait for.
TEST(BuiltinSounds, WaitFlagsAgreeWithTheRules) {
    for (const BuiltinSound& s : kBuiltinSounds) EXPECT_EQ(s.wait, soundWaits(s.name)) << s.name;
    std::set<std::string_view> names;
    for (const BuiltinSound& s : kBuiltinSounds) names.insert(s.name);
    EXPECT_EQ(names.size(), kBuiltinSounds.size());
    for (std::string_view coreName :
         {snd::HodsDo, snd::TasoKo, snd::KoGood, snd::KoBads, snd::Nichya, snd::Wrongs})
        EXPECT_TRUE(names.count(coreName)) << coreName;
}

TEST(BuiltinSounds, MidiSongIsAFormatOneFileWithEndedTracks) {
    initBuiltinSounds();
    EXPECT_EQ(builtinMidiSongPath(), QStringLiteral(":/sounds/MidiSong.mid"));
    const std::string midi = resource(builtinMidiSongPath());
    const auto info = readMidiInfo(midi);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->format, 1);
    EXPECT_GE(info->tracks, 3);
    EXPECT_TRUE(info->tracksEnded);
}

TEST(AudioReaders, RefuseDamagedFiles) {
    const std::string wav = soundBytes("STimerA");
    ASSERT_TRUE(readWavInfo(wav));
    EXPECT_FALSE(readWavInfo(wav.substr(0, wav.size() - 1)));  // data runs past the end
    EXPECT_FALSE(readWavInfo(wav.substr(0, 30)));
    EXPECT_FALSE(readWavInfo("RIFX" + wav.substr(4)));
    // A chunk of odd size before "data" is padded to an even size.
    std::string listed = wav.substr(0, 36) +
                         std::string(
                             "LIST\x03\x00\x00\x00"
                             "abc"
                             "\x00",
                             12) +
                         wav.substr(36);
    const auto padded = readWavInfo(listed);
    ASSERT_TRUE(padded);
    EXPECT_EQ(padded->dataOffset, 56u);
    EXPECT_EQ(padded->durationMs(), readWavInfo(wav)->durationMs());

    initBuiltinSounds();
    const std::string midi = resource(builtinMidiSongPath());
    ASSERT_TRUE(readMidiInfo(midi));
    EXPECT_FALSE(readMidiInfo(midi.substr(0, midi.size() - 1)));
    EXPECT_FALSE(readMidiInfo("MThx" + midi.substr(4)));
    std::string unended = midi;
    unended[unended.size() - 2] = 0x01;  // the last event is no longer end-of-track
    const auto info = readMidiInfo(unended);
    ASSERT_TRUE(info);
    EXPECT_FALSE(info->tracksEnded);
    std::string moreAnnounced = midi;
    moreAnnounced[11] = static_cast<char>(moreAnnounced[11] + 1);
    EXPECT_FALSE(readMidiInfo(moreAnnounced));
}

TEST(VoiceNames, CardAndLanguageMakeTheResourceName) {
    struct Case {
        Card card;
        int language;
        const char* name;
    };
    const Case cases[] = {
        {Card(5, kHearts), 1, "Ch10VoiceRus"},
        {Card(7, kSpades), 2, "Pi3QVoiceDeu"},
        {Card(1, kDiamonds), 0, "Bu06VoiceEng"},
        {Card(9, kClubs), 9, "Kr5AVoiceKor"},
        {Card(6, kHearts), 3, "Ch2JVoiceFra"},
        {Card(8, kDiamonds), 4, "Bu4KVoiceSpa"},
        {Card(2, kClubs), 5, "Kr07VoiceChi"},
        {Card(3, kSpades), 6, "Pi08VoiceIta"},
        {Card(4, kHearts), 7, "Ch09VoiceCze"},
        {Card(9, kSpades), 8, "Pi5AVoiceJap"},
        {kNoCard, 1, ""},
        {Card(5, kHearts), 10, ""},
        {Card(5, kHearts), -1, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(voiceResourceName(c.card, c.language), c.name);
    // The code the table uses reaches the same name.
    EXPECT_EQ(voiceResourceName(*Card::fromUtf8("1ч"), 1), "Ch10VoiceRus");
    std::set<std::string> all;
    for (int language = 0; language < kVoiceLanguages; ++language)
        for (int n = 1; n <= 36; ++n) all.insert(voiceResourceName(Card::fromNumber(n), language));
    EXPECT_EQ(all.size(), 360u);
}

}  // namespace
}  // namespace tavik::sound
