#pragma once
// Everything the game rules do to the outside world goes through these interfaces,
// called in the order the rules give. The Qt window implements them for play; the
// HeadlessRecorder implements them for tests, simulation and tavik-cli.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/match/peer_message.h"
#include "core/match/thinking.h"
#include "core/state/card.h"
#include "core/state/game_state.h"
#include "core/state/words.h"

namespace tavik {

// A place on the table: the attack row or the defence row, columns 1..6.
enum class Row { Attack, Defence };
struct TablePlace {
    Row row = Row::Attack;
    int column = 1;
    bool operator==(const TablePlace&) const = default;
};

// One card flight of the animation (only when flyCardsOn is set).
struct Flight {
    enum class Path { HandToTable, TableToDiscard, TableToHand, DeckToHand };
    Path path = Path::HandToTable;
    int seat = 0;      // the hand involved (HandToTable, TableToHand, DeckToHand)
    Card card;         // the card that flies (empty for the whole table to the discard)
    TablePlace place;  // the table place (HandToTable)
};

class TablePort {
  public:
    virtual ~TablePort() = default;
    // Enables the menu items of a running game (Quit, GenCount) and redraws the empty
    // table, both hand areas and the deck area; clears both captions.
    virtual void clearTableBoxes() = 0;
    // Redraws a seat's hand (already normalised: `count` cards in slots 1..count);
    // seat 1 is face down unless faceUp.
    virtual void drawHand(int seat, const Hand& cards, int count, bool faceUp) = 0;
    // Draws seat 1's shown lowest trump face up in its hand.
    virtual void drawShownTrump(Card trump) = 0;
    virtual void drawTableCard(TablePlace place, Card card) = 0;
    // Redraws the empty table after a bout.
    virtual void clearTable() = 0;
    virtual void flyCard(const Flight& flight) = 0;
    // Redraws the deck: the stack by the number left, the count, the trump card under it.
    virtual void drawDeck(int cardsLeft, Card bottom, Suit trump) = 0;
    virtual void caption(int seat, const Text& text, CaptionColour colour) = 0;
    // The action button (Button7) and the end-of-match button (Button8).
    virtual void actionButton(Word caption, bool enabled) = 0;
    virtual void endMatchButton(bool visible, bool enabled) = 0;
    // The match score, the two seat scores and the kons played in this match.
    virtual void drawScores(int score, int scoreDelta, int wins1, int wins2, int matchKons) = 0;
    // A seat frame showing "Prizes:" and the seat's wins.
    virtual void drawSeatFrame(int seat, int wins) = 0;
    // The kon result (a seat won or a draw); a still frame when not animated.
    virtual void showResult(KonOutcome konResult, bool animated) = 0;
    // A text across the table ("Please, wait...", "Expectation of the server...").
    virtual void tableText(Word text) = 0;
    // The window title with the computer's forecast (ForecastText of the code), or the
    // plain title for kForecastNone.
    virtual void forecast(int code) = 0;
    // The computer's progress while it searches, shown as its caption
    // ("I think... 3/12 (1 sec.)", see ProgressText).
    virtual void progress(const ThinkingProgress& progress) = 0;
    // The kon indicator's hint: total kons out of the cycle length; the kons played in
    // this match.
    virtual void konIndicator(int konCount, int cycle, int matchKons) = 0;
};

class SoundPort {
  public:
    virtual ~SoundPort() = default;
    // Plays a sound resource by name; with wait the call returns when it has ended.
    virtual void PlayResourceSound(std::string_view name, bool wait) = 0;
};

class PausePort {
  public:
    virtual ~PausePort() = default;
    // Blocks the game for the given time while the window keeps repainting.
    virtual void pause(int milliseconds) = 0;
};

class PeerPort {
  public:
    virtual ~PeerPort() = default;
    // Sends one message to the other copy (the codec in net/ makes its bytes).
    virtual void send(const PeerMessage& message) = 0;
};

class ClockPort {
  public:
    virtual ~ClockPort() = default;
    virtual std::int64_t nowMs() = 0;
    // Starts or stops the computer-move timer that calls the controller's TimerTick.
    virtual void moveTimer(bool running, int intervalMs) = 0;
};

class RandomPort {
  public:
    virtual ~RandomPort() = default;
    // Re-seeds from the clock in play; a seeded generator keeps its stream instead.
    virtual void reseed() = 0;
    // A uniform integer 0..n-1.
    virtual int random(int n) = 0;
};

struct Ports {  // the outside world of one game
    TablePort& table;
    SoundPort& sound;
    PausePort& pause;
    PeerPort& peer;
    ClockPort& clock;
    RandomPort& random;
};

}  // namespace tavik

namespace tavik {

// Observes the course of a match for the move log of tavik-cli; every hook is
// optional. Called after the state has changed.
class GameLog {
  public:
    virtual ~GameLog() = default;
    virtual void onDeal(const GameState&) {}
    virtual void onRedeal(int /*seat*/) {}
    // A move; an empty card is a pass (the attacker's stop or the defender's take).
    virtual void onMove(int /*seat*/, MoveKind /*kind*/, Card /*card*/) {}
    virtual void onBoutEnd(bool /*discard*/, int /*attacker*/) {}
    virtual void onKonEnd(KonOutcome /*result*/, int /*sixes*/) {}
};

// The full set of ports one game talks to.
struct World {
    Ports ports;
    GameLog& log;
};

}  // namespace tavik
