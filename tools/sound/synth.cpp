#include "tools/sound/synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tavik::soundgen {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

struct Biquad {
    double b0, b1, b2, a1, a2;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    float run(float x) {
        const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        return static_cast<float>(y);
    }
};

enum class Kind { Low, High, Band };

Biquad design(Kind kind, double f, double q) {
    f = std::clamp(f, 10.0, kRate * 0.45);
    const double w = kTwoPi * f / kRate, c = std::cos(w), alpha = std::sin(w) / (2 * q);
    double b0 = 0, b1 = 0, b2 = 0;
    switch (kind) {
        case Kind::Low:
            b0 = b2 = (1 - c) / 2;
            b1 = 1 - c;
            break;
        case Kind::High:
            b0 = b2 = (1 + c) / 2;
            b1 = -(1 + c);
            break;
        case Kind::Band:
            b0 = alpha;
            b2 = -alpha;
            break;
    }
    const double a0 = 1 + alpha;
    return {b0 / a0, b1 / a0, b2 / a0, -2 * c / a0, (1 - alpha) / a0};
}

void filter(Signal& s, Kind kind, double f, double q) {
    Biquad b = design(kind, f, q);
    for (float& x : s) x = b.run(x);
}

// A note's linear attack, and a 10 ms release at its end so that no note stops with a
// click wherever it is mixed in.
double edges(double t, double attack, double seconds) {
    const double rise = attack > 0 ? std::min(1.0, t / attack) : 1.0;
    return rise * std::clamp((seconds - t) / 0.01, 0.0, 1.0);
}

}  // namespace

float Noise::next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<float>(state_ / 4294967295.0 * 2.0 - 1.0);
}

int samples(double seconds) {
    return std::max(1, static_cast<int>(std::lround(seconds * kRate)));
}

Signal silence(double seconds) {
    return Signal(static_cast<std::size_t>(samples(seconds)), 0.0f);
}

void mixAt(Signal& dst, const Signal& src, double atSeconds, float gain) {
    const std::size_t at = static_cast<std::size_t>(std::lround(atSeconds * kRate));
    if (dst.size() < at + src.size()) dst.resize(at + src.size(), 0.0f);
    for (std::size_t i = 0; i < src.size(); ++i) dst[at + i] += gain * src[i];
}

Signal additive(double freq, double seconds, const std::vector<Partial>& partials, double attack,
                double vibratoHz, double vibratoDepth) {
    Signal s = silence(seconds);
    std::vector<double> phase(partials.size(), 0.0);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double wobble = 1 + vibratoDepth * std::sin(kTwoPi * vibratoHz * t);
        double v = 0;
        for (std::size_t p = 0; p < partials.size(); ++p) {
            const double f = freq * partials[p].ratio * wobble;
            if (f >= kRate / 2.0) continue;
            phase[p] += kTwoPi * f / kRate;
            v += partials[p].amp * std::exp(-t / partials[p].decay) * std::sin(phase[p]);
        }
        s[i] = static_cast<float>(v * edges(t, attack, seconds));
    }
    return s;
}

Signal fm(double freq, double ratio, double index, double indexDecay, double seconds, double attack,
          double decay) {
    Signal s = silence(seconds);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double depth = index * std::exp(-t / indexDecay);
        const double mod = depth * std::sin(kTwoPi * freq * ratio * t);
        s[i] = static_cast<float>(edges(t, attack, seconds) * std::exp(-t / decay) *
                                  std::sin(kTwoPi * freq * t + mod));
    }
    return s;
}

Signal glide(double f0, double f1, double seconds) {
    Signal s = silence(seconds);
    double phase = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double x = static_cast<double>(i) / static_cast<double>(s.size());
        phase += kTwoPi * f0 * std::pow(f1 / f0, x) / kRate;
        s[i] = static_cast<float>(std::sin(phase));
    }
    return s;
}

Signal noise(double seconds, std::uint32_t seed) {
    Noise n(seed);
    Signal s = silence(seconds);
    for (float& x : s) x = n.next();
    return s;
}

void lowpass(Signal& s, double cutoff, double q) {
    filter(s, Kind::Low, cutoff, q);
}
void highpass(Signal& s, double cutoff, double q) {
    filter(s, Kind::High, cutoff, q);
}
void bandpass(Signal& s, double centre, double q) {
    filter(s, Kind::Band, centre, q);
}

void sweepBandpass(Signal& s, double centre0, double centre1, double q) {
    Biquad b = design(Kind::Band, centre0, q);
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (i % 32 == 0) {  // redesign every 32 samples, keeping the filter's memory
            const double x = static_cast<double>(i) / static_cast<double>(s.size());
            const Biquad next = design(Kind::Band, centre0 * std::pow(centre1 / centre0, x), q);
            b.b0 = next.b0, b.b1 = next.b1, b.b2 = next.b2, b.a1 = next.a1, b.a2 = next.a2;
        }
        s[i] = b.run(s[i]);
    }
}

void attackDecay(Signal& s, double attack, double decay) {
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double rise = attack > 0 ? std::min(1.0, t / attack) : 1.0;
        s[i] *= static_cast<float>(rise * std::exp(-std::max(0.0, t - attack) / decay));
    }
}

void attackRelease(Signal& s, double attack, double release) {
    const double length = static_cast<double>(s.size()) / kRate;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double rise = attack > 0 ? std::min(1.0, t / attack) : 1.0;
        const double fall = release > 0 ? std::clamp((length - t) / release, 0.0, 1.0) : 1.0;
        s[i] *= static_cast<float>(rise * fall);
    }
}

void finish(Signal& s, double peakDb, double fadeOut) {
    if (s.empty()) return;
    highpass(s, 25.0);  // no DC and no sub-audible rumble
    double mean = 0;
    for (float x : s) mean += x;
    mean /= static_cast<double>(s.size());
    for (float& x : s) x -= static_cast<float>(mean);
    const std::size_t in = std::min(s.size(), static_cast<std::size_t>(samples(0.003)));
    const std::size_t out = std::min(s.size(), static_cast<std::size_t>(samples(fadeOut)));
    for (std::size_t i = 0; i < in; ++i) s[i] *= static_cast<float>(i) / static_cast<float>(in);
    for (std::size_t i = 0; i < out; ++i)
        s[s.size() - 1 - i] *= static_cast<float>(i) / static_cast<float>(out);
    float peak = 0;
    for (float x : s) peak = std::max(peak, std::fabs(x));
    if (peak <= 0) return;
    const float gain = static_cast<float>(std::pow(10.0, peakDb / 20.0)) / peak;
    for (float& x : s) x *= gain;
}

std::vector<std::int16_t> toPcm16(const Signal& s) {
    std::vector<std::int16_t> pcm(s.size());
    for (std::size_t i = 0; i < s.size(); ++i)
        pcm[i] = static_cast<std::int16_t>(std::lround(std::clamp(s[i], -1.0f, 1.0f) * 32767.0f));
    return pcm;
}

SignalStats stats(const std::vector<std::int16_t>& pcm) {
    SignalStats st;
    if (pcm.empty()) return st;
    double peak = 0, sum = 0, squares = 0;
    int crossings = 0;
    for (std::size_t i = 0; i < pcm.size(); ++i) {
        const double x = pcm[i] / 32768.0;
        peak = std::max(peak, std::fabs(x));
        sum += x;
        squares += x * x;
        if (i > 0 && (pcm[i - 1] < 0) != (pcm[i] < 0)) ++crossings;
    }
    const double n = static_cast<double>(pcm.size());
    st.peakDb = 20 * std::log10(std::max(peak, 1e-9));
    st.rmsDb = 10 * std::log10(std::max(squares / n, 1e-18));
    st.dcOffset = sum / n;
    st.firstSample = pcm.front() / 32768.0;
    st.lastSample = pcm.back() / 32768.0;
    st.zeroCrossHz = crossings / 2.0 / (n / kRate);
    return st;
}

}  // namespace tavik::soundgen
