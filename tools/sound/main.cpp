// tavik-soundgen: writes the game's nineteen sounds as 16-bit mono WAV files, the MIDI
// song, and a .qrc listing them under the prefix "/sounds"; prints each sound's
// statistics and checks the limits every sound must keep.
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

#include "resources/audio_files.h"
#include "resources/sound_names.h"
#include "tools/sound/midi_song.h"
#include "tools/sound/sound_set.h"
#include "tools/sound/wav_writer.h"

namespace {

namespace fs = std::filesystem;
using namespace tavik;

// A sound is fit to ship when it lasts 0.05..5 s, peaks at about -1 dBFS, has no DC
// and starts and ends at silence.
bool fit(const soundgen::SignalStats& st, double ms) {
    return ms >= 50 && ms <= 5000 && st.peakDb > -1.5 && st.peakDb <= 0 &&
           std::fabs(st.dcOffset) < 0.002 && std::fabs(st.firstSample) < 0.01 &&
           std::fabs(st.lastSample) < 0.01;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 || std::string(argv[1]) != "--out") {
        std::fprintf(stderr, "usage: tavik-soundgen --out DIR\n");
        return 2;
    }
    const fs::path dir = fs::absolute(argv[2]);
    fs::create_directories(dir);
    std::string qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/sounds\">\n";
    int failures = 0;
    std::printf("%-8s %7s %8s %8s %9s %8s\n", "name", "ms", "peak dB", "rms dB", "dc", "zc Hz");
    for (const sound::BuiltinSound& s : sound::kBuiltinSounds) {
        const std::string file = std::string(s.name) + ".wav";
        const std::string bytes =
            soundgen::encodeWav16(soundgen::toPcm16(soundgen::makeSound(s.name)), soundgen::kRate);
        const auto info = sound::readWavInfo(bytes);
        const auto st = soundgen::stats(sound::readWavSamples16(bytes, *info));
        const double ms = info->durationMs();
        std::printf("%-8s %7.0f %8.2f %8.2f %9.5f %8.0f%s\n", file.c_str(), ms, st.peakDb, st.rmsDb,
                    st.dcOffset, st.zeroCrossHz, fit(st, ms) ? "" : "  <- out of limits");
        if (!fit(st, ms)) ++failures;
        if (!soundgen::writeFile((dir / file).string(), bytes)) ++failures;
        qrc += "  <file alias=\"" + file + "\">" + (dir / file).string() + "</file>\n";
    }
    const std::string midiFile = std::string(sound::kMidiSongName) + ".mid";
    const std::string midi = soundgen::makeMidiSong();
    const auto midiInfo = sound::readMidiInfo(midi);
    std::printf("%s: %zu bytes, %d tracks\n", midiFile.c_str(), midi.size(),
                midiInfo ? midiInfo->tracks : 0);
    if (!midiInfo || !midiInfo->tracksEnded) ++failures;
    if (!soundgen::writeFile((dir / midiFile).string(), midi)) ++failures;
    qrc += "  <file alias=\"" + midiFile + "\">" + (dir / midiFile).string() + "</file>\n";
    qrc += "</qresource>\n</RCC>\n";
    if (!soundgen::writeFile((dir / "sounds.qrc").string(), qrc)) ++failures;
    if (failures != 0) std::fprintf(stderr, "tavik-soundgen: %d failures\n", failures);
    return failures == 0 ? 0 : 1;
}
