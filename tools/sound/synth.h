#pragma once
// A small synthesiser for the built-in sounds: signals are float samples at 22050 Hz,
// built from additive and FM voices, filtered noise and envelopes, then finished
// (DC removed, faded in and out, peak-normalised) before they are written.

#include <cstdint>
#include <vector>

namespace tavik::soundgen {

inline constexpr int kRate = 22050;
using Signal = std::vector<float>;

// A seeded noise source, so that every build writes the same sounds.
class Noise {
  public:
    explicit Noise(std::uint32_t seed) : state_(seed ? seed : 1) {}
    float next();  // uniform in -1..1
  private:
    std::uint32_t state_;
};

int samples(double seconds);
Signal silence(double seconds);
// Adds src into dst from the time atSeconds on, scaled by gain; dst grows as needed.
void mixAt(Signal& dst, const Signal& src, double atSeconds, float gain = 1.0f);

// One partial of an additive voice: frequency ratio, amplitude and decay time in seconds
// (the time to fall to 1/e).
struct Partial {
    double ratio, amp, decay;
};
// A note of an additive voice with a linear attack and per-partial exponential decay;
// vibratoHz/vibratoDepth add a gentle pitch wobble (depth as a frequency fraction).
Signal additive(double freq, double seconds, const std::vector<Partial>& partials, double attack,
                double vibratoHz = 0, double vibratoDepth = 0);
// A two-operator FM note: the modulation index falls from index to 0 with indexDecay,
// the amplitude decays with decay (1/e time) after a linear attack.
Signal fm(double freq, double ratio, double index, double indexDecay, double seconds, double attack,
          double decay);
// A sine gliding exponentially from f0 to f1 over the note.
Signal glide(double f0, double f1, double seconds);
Signal noise(double seconds, std::uint32_t seed);

// Filters (biquads after the RBJ cookbook) applied in place.
void lowpass(Signal& s, double cutoff, double q = 0.707);
void highpass(Signal& s, double cutoff, double q = 0.707);
void bandpass(Signal& s, double centre, double q);
// A band-pass whose centre moves exponentially from centre0 to centre1.
void sweepBandpass(Signal& s, double centre0, double centre1, double q);

// Envelopes applied in place: a linear attack then an exponential decay; a linear
// attack, a hold at full level and a linear release to the end.
void attackDecay(Signal& s, double attack, double decay);
void attackRelease(Signal& s, double attack, double release);

// Statistics of a finished sound.
struct SignalStats {
    double peakDb = 0;  // dBFS of the largest sample
    double rmsDb = 0;
    double dcOffset = 0;     // the mean, as a fraction of full scale
    double firstSample = 0;  // fractions of full scale
    double lastSample = 0;
    double zeroCrossHz = 0;  // zero crossings per second / 2: a rough pitch/brightness
};

// Removes the DC offset, fades the first 3 ms in and the last fadeOut seconds out, and
// scales the peak to peakDb dBFS.
void finish(Signal& s, double peakDb = -1.0, double fadeOut = 0.015);
SignalStats stats(const std::vector<std::int16_t>& pcm);
std::vector<std::int16_t> toPcm16(const Signal& s);

}  // namespace tavik::soundgen
