#pragma once
// Readers of the two audio formats the program carries: the header of a WAV file
// (RIFF, PCM) and the chunk structure of a standard MIDI file. Plain C++; they
// check the data and never read past its end.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace tavik::sound {

struct WavInfo {
    int format = 0;  // 1 = PCM
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::size_t dataOffset = 0;  // where the sample data begins
    std::size_t dataBytes = 0;   // the size of the "data" chunk
    // The length of the sound in milliseconds.
    double durationMs() const;
};

// The header of a RIFF/WAVE file: nullopt when it is not one, has no "fmt " or "data"
// chunk, or a chunk runs past the end of the data.
std::optional<WavInfo> readWavInfo(std::string_view bytes);

// The samples of a 16-bit PCM WAV, all channels interleaved; empty for other formats.
std::vector<std::int16_t> readWavSamples16(std::string_view bytes, const WavInfo& info);

struct MidiInfo {
    int format = 0;
    int tracks = 0;    // the number of "MTrk" chunks found
    int division = 0;  // ticks per quarter note
    // True when every track ends with the end-of-track event (FF 2F 00).
    bool tracksEnded = false;
};

// The structure of a standard MIDI file: nullopt when the "MThd" chunk is missing,
// the file holds fewer tracks than its header announces, or a chunk runs past the end.
std::optional<MidiInfo> readMidiInfo(std::string_view bytes);

}  // namespace tavik::sound
