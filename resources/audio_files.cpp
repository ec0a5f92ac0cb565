#include "resources/audio_files.h"

#include <string>

namespace tavik::sound {
namespace {

std::uint32_t le(std::string_view b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(b[at + i]);
    return v;
}

std::uint32_t be(std::string_view b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = 0; i < bytes; ++i) v = (v << 8) | static_cast<unsigned char>(b[at + i]);
    return v;
}

}  // namespace

double WavInfo::durationMs() const {
    const int frameBytes = channels * (bitsPerSample / 8);
    if (sampleRate <= 0 || frameBytes <= 0) return 0;
    return 1000.0 * static_cast<double>(dataBytes / static_cast<std::size_t>(frameBytes)) /
           sampleRate;
}

std::optional<WavInfo> readWavInfo(std::string_view bytes) {
    if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE")
        return std::nullopt;
    WavInfo info;
    bool haveFormat = false;
    std::size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const std::string_view id = bytes.substr(at, 4);
        const std::size_t size = le(bytes, at + 4, 4);
        const std::size_t body = at + 8;
        if (size > bytes.size() - body) return std::nullopt;
        if (id == "fmt ") {
            if (size < 16) return std::nullopt;
            info.format = static_cast<int>(le(bytes, body, 2));
            info.channels = static_cast<int>(le(bytes, body + 2, 2));
            info.sampleRate = static_cast<int>(le(bytes, body + 4, 4));
            info.bitsPerSample = static_cast<int>(le(bytes, body + 14, 2));
            haveFormat = info.channels > 0 && info.sampleRate > 0 && info.bitsPerSample > 0;
        } else if (id == "data") {
            if (!haveFormat) return std::nullopt;
            info.dataOffset = body;
            info.dataBytes = size;
            return info;
        }
        at = body + size + (size & 1);  // chunks are padded to an even size
    }
    return std::nullopt;
}

std::vector<std::int16_t> readWavSamples16(std::string_view bytes, const WavInfo& info) {
    std::vector<std::int16_t> samples;
    if (info.format != 1 || info.bitsPerSample != 16) return samples;
    if (info.dataOffset > bytes.size() || info.dataBytes > bytes.size() - info.dataOffset)
        return samples;
    samples.resize(info.dataBytes / 2);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<std::int16_t>(le(bytes, info.dataOffset + 2 * i, 2));
    return samples;
}

std::optional<MidiInfo> readMidiInfo(std::string_view bytes) {
    if (bytes.size() < 14 || bytes.substr(0, 4) != "MThd" || be(bytes, 4, 4) < 6)
        return std::nullopt;
    MidiInfo info;
    info.format = static_cast<int>(be(bytes, 8, 2));
    const int announced = static_cast<int>(be(bytes, 10, 2));
    info.division = static_cast<int>(be(bytes, 12, 2));
    info.tracksEnded = true;
    std::size_t at = 8 + be(bytes, 4, 4);
    while (at + 8 <= bytes.size()) {
        const std::size_t size = be(bytes, at + 4, 4);
        const std::size_t body = at + 8;
        if (size > bytes.size() - body) return std::nullopt;
        if (bytes.substr(at, 4) == "MTrk") {
            ++info.tracks;
            const bool ended = size >= 3 && bytes.substr(body + size - 3, 3) ==
                                                std::string_view("\xFF\x2F\x00", 3);
            info.tracksEnded = info.tracksEnded && ended;
        }
        at = body + size;
    }
    if (at != bytes.size() || info.tracks < announced || info.tracks == 0) return std::nullopt;
    return info;
}

}  // namespace tavik::sound
