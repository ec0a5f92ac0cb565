#include "tools/sound/wav_writer.h"

#include <fstream>

namespace tavik::soundgen {
namespace {

void put(std::string& out, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

}  // namespace

std::string encodeWav16(const std::vector<std::int16_t>& pcm, int sampleRate) {
    const auto dataBytes = static_cast<std::uint32_t>(pcm.size() * 2);
    std::string out = "RIFF";
    put(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    put(out, 16, 4);
    put(out, 1, 2);  // PCM
    put(out, 1, 2);  // mono
    put(out, static_cast<std::uint32_t>(sampleRate), 4);
    put(out, static_cast<std::uint32_t>(sampleRate * 2), 4);  // bytes per second
    put(out, 2, 2);                                           // block align
    put(out, 16, 2);                                          // bits per sample
    out += "data";
    put(out, dataBytes, 4);
    for (std::int16_t s : pcm) put(out, static_cast<std::uint16_t>(s), 2);
    return out;
}

bool writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(f.flush());
}

}  // namespace tavik::soundgen
