#pragma once
// The headless implementation of the presentation, sound, pause, peer and clock
// ports: it records every call as one line of text, so that a scripted kon is a
// test whose expected output is the list of events it produced, and tavik-cli can
// play without a window.

#include <cstdint>
#include <string>
#include <vector>

#include "core/match/seeded_random.h"
#include "core/ports.h"

namespace tavik {

class HeadlessRecorder : public TablePort,
                         public SoundPort,
                         public PausePort,
                         public PeerPort,
                         public ClockPort {
  public:
    // With recording off, calls are only counted (fast simulation).
    explicit HeadlessRecorder(bool recording = true) : recording_(recording) {}

    // TablePort
    void clearTableBoxes() override;
    void drawHand(int seat, const Hand& cards, int count, bool faceUp) override;
    void drawShownTrump(Card trump) override;
    void drawTableCard(TablePlace place, Card card) override;
    void clearTable() override;
    void flyCard(const Flight& flight) override;
    void drawDeck(int cardsLeft, Card bottom, Suit trump) override;
    void caption(int seat, const Text& text, CaptionColour colour) override;
    void actionButton(Word caption, bool enabled) override;
    void endMatchButton(bool visible, bool enabled) override;
    void drawScores(int score, int scoreDelta, int wins1, int wins2, int matchKons) override;
    void drawSeatFrame(int seat, int wins) override;
    void showResult(KonOutcome konResult, bool animated) override;
    void tableText(Word text) override;
    // The forecast and the progress as the English window shows them.
    void forecast(int code) override;
    void progress(const ThinkingProgress& progress) override;
    void konIndicator(int konCount, int cycle, int matchKons) override;
    // SoundPort
    void PlayResourceSound(std::string_view name, bool wait) override;
    // PausePort: time passes on the recorder's clock only.
    void pause(int milliseconds) override;
    // PeerPort
    // Records the message in its readable form (describe), not its bytes.
    void send(const PeerMessage& message) override;
    // ClockPort: a fixed clock that moves only with pauses.
    std::int64_t nowMs() override { return nowMs_; }
    void moveTimer(bool running, int intervalMs) override;

    const std::vector<std::string>& events() const { return events_; }
    // The recorded lines that start with the given prefix (e.g. "sound ").
    std::vector<std::string> eventsStartingWith(std::string_view prefix) const;
    void clear() { events_.clear(); }

  private:
    void record(std::string line);

    bool recording_;
    std::vector<std::string> events_;
    std::int64_t nowMs_ = 0;
};

// A ready world for headless play: the recorder for every port, a seeded generator
// and a log. A match session takes its ports().
struct HeadlessWorld {
    explicit HeadlessWorld(std::uint64_t seed, bool recording = true, GameLog* log = nullptr)
        : recorder(recording),
          random(seed),
          world{{recorder, recorder, recorder, recorder, recorder, random}, log ? *log : noLog} {}
    Ports ports() { return world.ports; }
    HeadlessRecorder recorder;
    SeededRandom random;
    GameLog noLog;
    World world;
};

}  // namespace tavik
