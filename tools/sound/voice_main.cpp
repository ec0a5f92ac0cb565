// tavik-voicegen: speaks the 36 card names in the ten languages through espeak-ng and
// writes them as WAV files under their voice resource names ("Ch10VoiceRus.wav"), with
// a .qrc that packs them into the voice library QorCVoice3.rcc.
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "resources/audio_files.h"
#include "resources/sound_names.h"
#include "tools/sound/card_names.h"
#include "tools/sound/synth.h"
#include "tools/sound/wav_writer.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace tavik;

// Runs espeak-ng without a shell; true when it exits with status 0.
bool speak(const std::string& espeak, std::string_view voice, const std::string& text,
           const std::string& wav) {
    std::vector<std::string> args = {espeak, "-v", std::string(voice), "-s", "150", "-w",
                                     wav,    text};
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, espeak.c_str(), nullptr, nullptr, argv.data(), environ) != 0)
        return false;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid) return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::string readFile(const fs::path& path) {
    std::ifstream f(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

// Cuts the silence espeak-ng leaves around the words (keeping 30 ms) and finishes the
// sound like the game's own: no DC, faded edges, the peak at -1 dBFS.
soundgen::Signal tidy(const std::vector<std::int16_t>& pcm) {
    const auto loud = [](std::int16_t s) { return std::abs(static_cast<int>(s)) > 300; };
    const auto first = std::find_if(pcm.begin(), pcm.end(), loud);
    const auto last = std::find_if(pcm.rbegin(), pcm.rend(), loud);
    if (first == pcm.end()) return {};
    const auto margin = static_cast<std::ptrdiff_t>(soundgen::samples(0.03));
    const std::ptrdiff_t begin = std::max<std::ptrdiff_t>(0, (first - pcm.begin()) - margin);
    const std::ptrdiff_t end = std::min<std::ptrdiff_t>(static_cast<std::ptrdiff_t>(pcm.size()),
                                                        (pcm.rend() - last) + margin);
    soundgen::Signal s;
    for (std::ptrdiff_t i = begin; i < end; ++i)
        s.push_back(pcm[static_cast<std::size_t>(i)] / 32768.0f);
    soundgen::finish(s, -1.0, 0.02);
    return s;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5 || std::string(argv[1]) != "--espeak" || std::string(argv[3]) != "--out") {
        std::fprintf(stderr, "usage: tavik-voicegen --espeak PATH --out DIR\n");
        return 2;
    }
    const std::string espeak = argv[2];
    const fs::path dir = fs::absolute(argv[4]);
    fs::create_directories(dir);
    const fs::path raw = dir / "espeak-output.wav";
    std::string qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    int written = 0;
    for (int language = 0; language < sound::kVoiceLanguages; ++language) {
        double longest = 0;
        for (int n = 1; n <= 36; ++n) {
            const Card card = Card::fromNumber(n);
            const std::string name = sound::voiceResourceName(card, language) + ".wav";
            const std::string text = soundgen::spokenCardName(card, language);
            const auto voice = soundgen::kEspeakVoices[static_cast<std::size_t>(language)];
            if (!speak(espeak, voice, text, raw.string())) {
                std::fprintf(stderr, "tavik-voicegen: espeak-ng failed on \"%s\"\n", text.c_str());
                return 1;
            }
            const std::string bytes = readFile(raw);
            const auto info = sound::readWavInfo(bytes);
            if (!info || info->channels != 1) {
                std::fprintf(stderr, "tavik-voicegen: unexpected output for \"%s\"\n",
                             text.c_str());
                return 1;
            }
            const soundgen::Signal s = tidy(sound::readWavSamples16(bytes, *info));
            if (s.empty()) {
                std::fprintf(stderr, "tavik-voicegen: silence for \"%s\"\n", text.c_str());
                return 1;
            }
            longest = std::max(longest, static_cast<double>(s.size()) / info->sampleRate);
            if (!soundgen::writeFile((dir / name).string(),
                                     soundgen::encodeWav16(soundgen::toPcm16(s), info->sampleRate)))
                return 1;
            qrc += "  <file alias=\"" + name + "\">" + (dir / name).string() + "</file>\n";
            ++written;
        }
        std::printf(
            "%s (%s): 36 cards, longest %.2f s\n",
            std::string(sound::kVoiceLanguageParts[static_cast<std::size_t>(language)]).c_str(),
            std::string(soundgen::kEspeakVoices[static_cast<std::size_t>(language)]).c_str(),
            longest);
    }
    fs::remove(raw);
    qrc += "</qresource>\n</RCC>\n";
    if (!soundgen::writeFile((dir / "QorCVoice3.qrc").string(), qrc)) return 1;
    std::printf("%d voice entries\n", written);
    return 0;
}
