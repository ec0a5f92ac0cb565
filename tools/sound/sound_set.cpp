#include "tools/sound/sound_set.h"

#include <cmath>
#include <functional>
#include <utility>

namespace tavik::soundgen {
namespace {

// The frequency of a MIDI note number (69 = A4 = 440 Hz).
double hz(double note) {
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

// Timbres.
Signal bell(double note, double seconds) {
    return additive(hz(note), seconds,
                    {{1, 1.0, 0.9},
                     {2.0, 0.35, 0.5},
                     {2.76, 0.25, 0.35},
                     {5.4, 0.12, 0.15},
                     {8.93, 0.06, 0.08}},
                    0.002);
}

Signal marimba(double note, double seconds) {
    return additive(hz(note), seconds, {{1, 1.0, 0.32}, {3.93, 0.28, 0.06}, {9.8, 0.08, 0.02}},
                    0.002);
}

// A soft brass-like note: odd and even harmonics falling as 1/n, a slow attack, a
// little vibrato, held and released.
Signal brass(double note, double seconds, double release = 0.12) {
    std::vector<Partial> partials;
    for (int n = 1; n <= 8; ++n) partials.push_back({double(n), 1.0 / (n * n * 0.6 + 0.4), 3.0});
    Signal s = additive(hz(note), seconds, partials, 0.035, 5.5, 0.003);
    attackRelease(s, 0, release);
    return s;
}

Signal pluck(double note, double seconds) {
    return additive(hz(note), seconds, {{1, 1.0, 0.3}, {2, 0.45, 0.14}, {3, 0.2, 0.07}}, 0.003);
}

Signal electricPiano(double note, double seconds) {
    Signal s = fm(hz(note), 1.0, 1.6, 0.25, seconds, 0.004, 0.5);
    mixAt(s, fm(hz(note) * 2, 7.0, 0.6, 0.03, seconds, 0.001, 0.08), 0, 0.15f);
    return s;
}

// A card landing on felt: a short noise burst in the low-middle band and a soft body.
Signal felt(double at, float gain, std::uint32_t seed, double body = 150) {
    Signal hit = noise(0.16, seed);
    bandpass(hit, 1800, 0.8);
    lowpass(hit, 3500);
    attackDecay(hit, 0.002, 0.022);
    Signal thump = glide(body, body * 0.7, 0.16);
    attackDecay(thump, 0.003, 0.035);
    mixAt(hit, thump, 0, 0.45f);
    Signal out;
    mixAt(out, hit, at, gain);
    return out;
}

// A card sliding over cloth: band-passed noise swelling and fading.
Signal slide(double seconds, double from, double to, std::uint32_t seed) {
    Signal s = noise(seconds, seed);
    sweepBandpass(s, from, to, 1.2);
    attackRelease(s, seconds * 0.45, seconds * 0.55);
    return s;
}

Signal laid() {
    Signal s = felt(0, 1.0f, 11);
    mixAt(s, slide(0.05, 2500, 1500, 12), 0, 0.25f);
    return s;
}

Signal beaten() {
    Signal s = slide(0.42, 700, 3200, 21);
    lowpass(s, 4000);
    mixAt(s, felt(0.36, 0.8f, 22, 120), 0);
    return s;
}

Signal taken() {
    Signal s;
    for (int i = 0; i < 3; ++i) {
        mixAt(s, slide(0.11, 1400, 900, 31 + i), 0.07 * i, 0.7f);
        mixAt(s, felt(0.07 * i + 0.09, 0.5f, 41 + i, 130), 0);
    }
    mixAt(s, pluck(64, 0.5), 0.3, 0.35f);
    mixAt(s, pluck(59, 0.6), 0.42, 0.35f);
    return s;
}

Signal announcement() {
    Signal s;
    const double notes[] = {72, 76, 79, 84};
    for (int i = 0; i < 4; ++i) mixAt(s, bell(notes[i], 1.0), 0.09 * i, i == 3 ? 0.9f : 0.6f);
    return s;
}

Signal ding() {
    Signal s = bell(88, 1.3);
    mixAt(s, bell(100, 0.5), 0, 0.08f);
    return s;
}

Signal deckEmpty() {
    Signal s;
    const double notes[] = {67, 64, 60};
    for (int i = 0; i < 3; ++i) mixAt(s, marimba(notes[i], 0.45), 0.13 * i, 0.8f);
    return s;
}

// A riffle: clicks at a rate that rises and falls, then the cards bridge together.
Signal shuffle() {
    Signal s = silence(0.95);
    Noise n(71);
    double t = 0.02;
    int i = 0;
    while (t < 0.72) {
        Signal click = noise(0.012, 100 + i);
        highpass(click, 1500);
        bandpass(click, 2500 + 1500 * std::fabs(n.next()), 1.5);
        attackDecay(click, 0.0005, 0.0025);
        mixAt(s, click, t, 0.6f + 0.4f * std::fabs(n.next()));
        const double x = t / 0.72;
        t += 0.006 + 0.012 * (1 - std::sin(3.14159 * x)) + 0.002 * n.next();
        ++i;
    }
    mixAt(s, slide(0.2, 1200, 600, 72), 0.72, 0.8f);
    return s;
}

Signal wonGame() {
    Signal s;
    mixAt(s, brass(67, 0.14), 0.0, 0.7f);
    mixAt(s, brass(72, 0.14), 0.15, 0.75f);
    mixAt(s, brass(76, 0.14), 0.3, 0.8f);
    mixAt(s, brass(79, 0.7, 0.35), 0.45, 0.9f);
    mixAt(s, brass(72, 0.7, 0.35), 0.45, 0.45f);
    mixAt(s, bell(91, 0.8), 0.45, 0.15f);
    return s;
}

Signal lostGame() {
    Signal s;
    const double notes[] = {67, 66, 65};
    for (int i = 0; i < 3; ++i) mixAt(s, brass(notes[i] - 12, 0.26, 0.1), 0.34 * i, 0.8f);
    Signal last = brass(52, 0.8, 0.6);
    lowpass(last, 900);
    mixAt(s, last, 1.02, 0.9f);
    return s;
}

Signal draw() {
    Signal s;
    mixAt(s, electricPiano(67, 0.8), 0, 0.6f);
    mixAt(s, electricPiano(72, 0.8), 0, 0.5f);
    mixAt(s, electricPiano(69, 0.7), 0.25, 0.5f);
    mixAt(s, electricPiano(74, 0.7), 0.25, 0.4f);
    return s;
}

Signal opponentTimeout() {
    Signal s;
    mixAt(s, pluck(67, 0.3), 0, 0.7f);
    mixAt(s, bell(84, 0.7), 0.14, 0.5f);
    mixAt(s, pluck(72, 0.6), 0.14, 0.7f);
    return s;
}

// A refusal: two short, low, rounded notes a semitone apart, low-passed so they hum
// rather than rasp.
Signal wrong() {
    Signal s;
    for (int i = 0; i < 2; ++i) {
        Signal tone = additive(hz(i == 0 ? 47 : 46), 0.13,
                               {{1, 1.0, 1}, {2, 0.5, 1}, {3, 0.35, 1}, {4, 0.2, 1}, {5, 0.12, 1}},
                               0.01, 30, 0.01);
        attackRelease(tone, 0.01, 0.05);
        lowpass(tone, 1200);
        mixAt(s, tone, 0.15 * i);
    }
    return s;
}

Signal message() {
    Signal s;
    mixAt(s, fm(hz(81), 2.0, 1.0, 0.03, 0.18, 0.002, 0.06), 0, 0.8f);
    mixAt(s, fm(hz(88), 2.0, 1.0, 0.03, 0.3, 0.002, 0.09), 0.09, 0.8f);
    return s;
}

Signal windowOpens() {
    Signal s = glide(420, 940, 0.18);
    attackRelease(s, 0.05, 0.1);
    Signal air = slide(0.18, 1500, 5000, 81);
    mixAt(s, air, 0, 0.35f);
    mixAt(s, pluck(84, 0.15), 0.12, 0.25f);
    return s;
}

// A wood-block tick: a damped resonance with a tiny noise click.
Signal tick(double freq, double seconds) {
    Signal s = additive(freq, seconds, {{1, 1.0, 0.018}, {2.7, 0.4, 0.008}}, 0.0008);
    Signal click = noise(0.006, static_cast<std::uint32_t>(freq));
    highpass(click, 3000);
    attackDecay(click, 0.0003, 0.001);
    mixAt(s, click, 0, 0.4f);
    return s;
}

Signal tickUrgent() {
    Signal s = tick(1900, 0.07);
    mixAt(s, tick(1900, 0.07), 0.07, 0.7f);
    return s;
}

Signal bestPlace() {
    Signal s;
    const double run[] = {60, 64, 67, 72, 76};
    for (int i = 0; i < 5; ++i) mixAt(s, brass(run[i], 0.12), 0.11 * i, 0.6f);
    for (double note : {72.0, 76.0, 79.0, 84.0}) mixAt(s, brass(note, 1.3, 0.6), 0.6, 0.35f);
    for (int i = 0; i < 6; ++i) mixAt(s, bell(96 + (i % 3) * 3, 0.6), 0.65 + 0.12 * i, 0.12f);
    return s;
}

Signal goodPlace() {
    Signal s;
    mixAt(s, brass(67, 0.16), 0, 0.6f);
    mixAt(s, brass(72, 0.16), 0.18, 0.65f);
    for (double note : {72.0, 76.0, 79.0}) mixAt(s, brass(note, 0.9, 0.45), 0.36, 0.4f);
    return s;
}

Signal badPlace() {
    Signal s;
    const double notes[] = {76, 74, 72, 71};
    for (int i = 0; i < 4; ++i) mixAt(s, electricPiano(notes[i], i == 3 ? 0.9 : 0.4), 0.22 * i);
    mixAt(s, electricPiano(55, 1.0), 0.66, 0.5f);
    return s;
}

}  // namespace

Signal makeSound(std::string_view name) {
    static const std::pair<std::string_view, std::function<Signal()>> kRecipes[] = {
        {"WHodsDo", laid},
        {"WHodOtb", beaten},
        {"WHodBer", taken},
        {"WPlMore", announcement},
        {"WDing_1", ding},
        {"WKoloNo", deckEmpty},
        {"WTasoKo", shuffle},
        {"WKoGood", wonGame},
        {"WKoBads", lostGame},
        {"WNichya", draw},
        {"WKoGutX", opponentTimeout},
        {"WWrongs", wrong},
        {"WToMenK", message},
        {"WOpenFo", windowOpens},
        {"STimerA", [] { return tick(1150, 0.08); }},
        {"STimerB", tickUrgent},
        {"WFiBest", bestPlace},
        {"WFiGood", goodPlace},
        {"WFiBads", badPlace},
    };
    for (const auto& [recipeName, recipe] : kRecipes) {
        if (recipeName != name) continue;
        Signal s = recipe();
        mixAt(s, silence(0.02), static_cast<double>(s.size()) / kRate);  // room for the fade
        finish(s, -1.0, std::min(0.05, 0.25 * static_cast<double>(s.size()) / kRate));
        return s;
    }
    return {};
}

}  // namespace tavik::soundgen
