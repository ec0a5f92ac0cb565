#pragma once
// Writes 16-bit PCM mono WAV files.

#include <cstdint>
#include <string>
#include <vector>

namespace tavik::soundgen {

// The bytes of a canonical 44-byte-header WAV file.
std::string encodeWav16(const std::vector<std::int16_t>& pcm, int sampleRate);
// Writes the bytes to path; false when the file cannot be written.
bool writeFile(const std::string& path, const std::string& bytes);

}  // namespace tavik::soundgen
