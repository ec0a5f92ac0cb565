// The sound generator's pieces: the WAV writer against the reader, the MIDI song's
// structure, and the spoken card names.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "resources/audio_files.h"
#include "tools/sound/card_names.h"
#include "tools/sound/midi_song.h"
#include "tools/sound/sound_set.h"
#include "tools/sound/wav_writer.h"

namespace tavik::soundgen {
namespace {

TEST(WavWriter, ReaderGetsBackFormatDurationAndSamples) {
    const std::vector<std::int16_t> pcm = {0, 1000, -32768, 32767, -1};
    const std::string bytes = encodeWav16(pcm, 22050);
    const auto info = sound::readWavInfo(bytes);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->format, 1);
    EXPECT_EQ(info->channels, 1);
    EXPECT_EQ(info->sampleRate, 22050);
    EXPECT_EQ(info->bitsPerSample, 16);
    EXPECT_EQ(info->dataOffset, 44u);
    EXPECT_EQ(sound::readWavSamples16(bytes, *info), pcm);
    const auto second = sound::readWavInfo(encodeWav16(std::vector<std::int16_t>(22050), 22050));
    ASSERT_TRUE(second);
    EXPECT_DOUBLE_EQ(second->durationMs(), 1000.0);
}

TEST(Synth, UnknownSoundIsEmptyAndKnownOnesDiffer) {
    EXPECT_TRUE(makeSound("WNoSuch").empty());
    // Each sound has its own recipe: no two are the same length and samples.
    std::set<Signal> seen;
    for (const auto& s : sound::kBuiltinSounds)
        EXPECT_TRUE(seen.insert(makeSound(s.name)).second) << s.name;
}

// The channel events of a standard MIDI file, walked track by track.
struct Events {
    int noteOns = 0, drumNotes = 0;
    std::set<int> programs;
    bool balanced = true;  // every track switches off each note it switches on
};

Events walk(const std::string& m) {
    Events e;
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(m.at(i)); };
    std::size_t at = 14;
    while (at + 8 <= m.size()) {
        const std::size_t size = (std::size_t(byte(at + 4)) << 24) | (byte(at + 5) << 16) |
                                 (byte(at + 6) << 8) | byte(at + 7);
        std::size_t i = at + 8;
        const std::size_t end = i + size;
        int open = 0;
        unsigned char status = 0;
        while (i < end) {
            while (byte(i) & 0x80) ++i;  // the delta time
            ++i;
            if (byte(i) & 0x80) status = byte(i++);
            if (status == 0xFF) {
                i += 2 + byte(i + 1);
                continue;
            }
            const int kind = status & 0xF0;
            if (kind == 0xC0 || kind == 0xD0) {
                if (kind == 0xC0) e.programs.insert(byte(i));
                i += 1;
                continue;
            }
            if (kind == 0x90 && byte(i + 1) > 0) {
                ++open;
                ++e.noteOns;
                if ((status & 0x0F) == 9) ++e.drumNotes;
            } else if (kind == 0x80 || kind == 0x90) {
                --open;
            }
            i += 2;
        }
        e.balanced = e.balanced && open == 0 && i == end;
        at = end;
    }
    return e;
}

TEST(MidiSong, FormatOneWithFiveEndedTracks) {
    const std::string midi = makeMidiSong();
    const auto info = sound::readMidiInfo(midi);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->format, 1);
    EXPECT_EQ(info->tracks, 5);
    EXPECT_EQ(info->division, 480);
    EXPECT_TRUE(info->tracksEnded);
    // Every note switched on is switched off again in its track, and the instruments
    // are General MIDI programs on the melody, chord and bass channels, drums on channel 10.
    const Events e = walk(midi);
    EXPECT_TRUE(e.balanced);
    EXPECT_GT(e.noteOns, 200);
    EXPECT_GT(e.drumNotes, 50);
    EXPECT_EQ(e.programs, (std::set<int>{21, 45, 32}));
}

TEST(SpokenCardNames, KnownNamesInEveryLanguage) {
    struct Case {
        int number, language;
        const char* text;
    };
    // Card numbers: 1 six of hearts, 17 ten of hearts, 18 ten of diamonds, 20 ten of
    // spades, 22 jack of diamonds, 28 queen of spades, 31 king of clubs, 35 ace of clubs,
    // 36 ace of spades.
    const Case cases[] = {
        {1, 0, "six of hearts"},     {17, 1, "десятка червей"},   {28, 2, "Pik Dame"},
        {22, 3, "valet de carreau"}, {31, 4, "rey de tréboles"},  {17, 5, "hong2tao2 shi2"},
        {28, 6, "donna di picche"},  {35, 7, "křížové eso"},      {31, 7, "křížový král"},
        {1, 7, "srdcová šestka"},    {20, 8, "スペードのじゅう"}, {36, 9, "스페이드 에이스"},
        {18, 1, "десятка бубен"},    {35, 2, "Kreuz Ass"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(spokenCardName(Card::fromNumber(c.number), c.language), c.text)
            << c.number << " " << c.language;
    EXPECT_EQ(spokenCardName(kNoCard, 0), "");
    EXPECT_EQ(spokenCardName(Card::fromNumber(1), 10), "");
}

TEST(SpokenCardNames, ThirtySixDistinctNamesPerLanguage) {
    for (int language = 0; language < sound::kVoiceLanguages; ++language) {
        std::set<std::string> names;
        for (int n = 1; n <= 36; ++n) names.insert(spokenCardName(Card::fromNumber(n), language));
        EXPECT_EQ(names.size(), 36u) << language;
        EXPECT_FALSE(names.count(""));
    }
}

}  // namespace
}  // namespace tavik::soundgen
