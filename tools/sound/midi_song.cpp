#include "tools/sound/midi_song.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace tavik::soundgen {
namespace {

constexpr int kDivision = 480;  // ticks per quarter note
constexpr int kBar = 4 * kDivision;

// A note of the melody: MIDI note number (0 = rest) and length in quarter notes.
struct Note {
    int key;
    double beats;
};

// The tune, section A (eight bars) and section B (eight bars), in A minor.
const std::vector<Note> kSectionA = {
    {76, 1},   {71, .5}, {72, .5}, {74, 1},  {72, .5}, {71, .5},  // E B C D C B
    {69, 1},   {69, .5}, {72, .5}, {76, 1},  {74, .5}, {72, .5},  // A A C E D C
    {71, 1.5}, {72, .5}, {74, 1},  {76, 1},                       // B C D E
    {72, 1},   {69, 1},  {69, 1},  {0, 1},                        // C A A
    {0, .5},   {74, 1},  {77, .5}, {81, 1},  {79, .5}, {77, .5},  // D F A G F
    {76, 1.5}, {72, .5}, {76, 1},  {74, .5}, {72, .5},            // E C E D C
    {71, 1},   {71, .5}, {72, .5}, {74, 1},  {76, 1},             // B B C D E
    {72, 1},   {69, 1},  {69, 1},  {0, 1},                        // C A A
};
const std::vector<Note> kSectionB = {
    {76, 2}, {72, 2}, {74, 2}, {71, 2}, {72, 2}, {69, 2}, {68, 2}, {71, 2},
    {76, 2}, {72, 2}, {74, 2}, {71, 2}, {72, 1}, {76, 1}, {81, 2}, {80, 4},
};

enum Chord { Am, E, Dm, C };
const std::vector<Chord> kChordsA = {Am, Am, E, Am, Dm, C, E, Am};
const std::vector<Chord> kChordsB = {Am, E, Am, E, Am, E, Am, E};

int bassRoot(Chord c) {
    switch (c) {
        case Am:
            return 45;
        case E:
            return 40;
        case Dm:
            return 38;
        case C:
            return 48;
    }
    return 45;
}

std::vector<int> chordKeys(Chord c) {
    switch (c) {
        case Am:
            return {57, 60, 64};
        case E:
            return {56, 59, 64};
        case Dm:
            return {57, 62, 65};
        case C:
            return {55, 60, 64};
    }
    return {};
}

struct Event {
    int tick;
    int order;  // note-offs before note-ons at the same tick
    std::vector<std::uint8_t> bytes;
};

class Track {
  public:
    void meta(int tick, std::uint8_t type, const std::string& data) {
        std::vector<std::uint8_t> b = {0xFF, type, static_cast<std::uint8_t>(data.size())};
        b.insert(b.end(), data.begin(), data.end());
        events_.push_back({tick, 0, b});
    }
    void program(int channel, int instrument) {
        events_.push_back(
            {0,
             1,
             {static_cast<std::uint8_t>(0xC0 | channel), static_cast<std::uint8_t>(instrument)}});
    }
    void note(int channel, int tick, int length, int key, int velocity) {
        const auto ch = static_cast<std::uint8_t>(channel), k = static_cast<std::uint8_t>(key);
        events_.push_back(
            {tick,
             2,
             {static_cast<std::uint8_t>(0x90 | ch), k, static_cast<std::uint8_t>(velocity)}});
        events_.push_back({tick + length, 0, {static_cast<std::uint8_t>(0x80 | ch), k, 0}});
    }
    // The chunk "MTrk" with delta times, ending with the end-of-track event.
    std::string chunk() {
        std::stable_sort(events_.begin(), events_.end(), [](const Event& a, const Event& b) {
            return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
        });
        std::string body;
        int last = 0;
        for (const Event& e : events_) {
            variable(body, e.tick - last);
            last = e.tick;
            body.append(e.bytes.begin(), e.bytes.end());
        }
        body += std::string("\x00\xFF\x2F\x00", 4);
        return "MTrk" + bigEndian(body.size(), 4) + body;
    }
    static std::string bigEndian(std::size_t v, int bytes) {
        std::string out;
        for (int i = bytes - 1; i >= 0; --i)
            out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
        return out;
    }

  private:
    static void variable(std::string& out, int value) {
        std::uint32_t v = static_cast<std::uint32_t>(value);
        std::string rev(1, static_cast<char>(v & 0x7F));
        while ((v >>= 7) != 0) rev.push_back(static_cast<char>((v & 0x7F) | 0x80));
        out.append(rev.rbegin(), rev.rend());
    }
    std::vector<Event> events_;
};

// Appends a section of the tune to the melody from tick on; returns the tick after it.
int melody(Track& t, const std::vector<Note>& notes, int tick) {
    for (const Note& n : notes) {
        const int length = static_cast<int>(n.beats * kDivision);
        if (n.key != 0) t.note(0, tick, length * 9 / 10, n.key, n.beats >= 1 ? 96 : 84);
        tick += length;
    }
    return tick;
}

// The accompaniment of a section: bass on the eighths (root and octave), the chord on
// the off-beats, drums (kick on 1 and 3, tambourine on 2 and 4, a soft hi-hat).
void accompany(Track& chords, Track& bass, Track& drums, const std::vector<Chord>& bars, int tick) {
    for (Chord c : bars) {
        for (int e = 0; e < 8; ++e)
            bass.note(2, tick + e * kDivision / 2, kDivision / 2 - 20, bassRoot(c) + (e % 2) * 12,
                      e % 2 ? 70 : 90);
        for (int beat : {1, 3})
            for (int key : chordKeys(c))
                chords.note(1, tick + beat * kDivision, kDivision / 2, key, 64);
        for (int beat : {0, 2}) drums.note(9, tick + beat * kDivision, kDivision / 4, 36, 90);
        for (int beat : {1, 3}) drums.note(9, tick + beat * kDivision, kDivision / 4, 54, 60);
        for (int e = 0; e < 8; ++e) drums.note(9, tick + e * kDivision / 2, kDivision / 8, 42, 35);
        tick += kBar;
    }
}

}  // namespace

std::string makeMidiSong() {
    Track tempo, lead, chords, bass, drums;
    tempo.meta(0, 0x03, "Korobeiniki");
    tempo.meta(0, 0x58, std::string("\x04\x02\x18\x08", 4));  // 4/4
    tempo.meta(0, 0x51, std::string("\x06\x1A\x80", 3));      // 400000 us a quarter: 150 bpm
    lead.meta(0, 0x03, "Accordion");
    chords.meta(0, 0x03, "Pizzicato strings");
    bass.meta(0, 0x03, "Bass");
    drums.meta(0, 0x03, "Drums");
    lead.program(0, 21);    // Accordion
    chords.program(1, 45);  // Pizzicato Strings
    bass.program(2, 32);    // Acoustic Bass

    int tick = 0;
    const std::vector<std::pair<const std::vector<Note>*, const std::vector<Chord>*>> form = {
        {&kSectionA, &kChordsA},
        {&kSectionA, &kChordsA},
        {&kSectionB, &kChordsB},
        {&kSectionA, &kChordsA}};
    for (const auto& [notes, bars] : form) {
        accompany(chords, bass, drums, *bars, tick);
        tick = melody(lead, *notes, tick);
    }
    tempo.meta(tick, 0x01, "");  // the song's end, so that a loop restarts on the bar

    std::string file = "MThd" + Track::bigEndian(6, 4) + Track::bigEndian(1, 2) +
                       Track::bigEndian(5, 2) + Track::bigEndian(kDivision, 2);
    for (Track* t : {&tempo, &lead, &chords, &bass, &drums}) file += t->chunk();
    return file;
}

}  // namespace tavik::soundgen
