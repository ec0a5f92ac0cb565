#pragma once
// The state of one kon and of the match around it, in one record.
//
// Field names are the game's established vocabulary (Koloda deck, Stol table,
// Hod move, Bito discard, Kon one game of a match). Arrays count from 1. A card
// carries its own rank value, so the parallel value arrays (CardsJ1, KolodaJ,
// InGameJ, DostHod) are read through Card::value() instead of being stored twice.

#include <array>
#include <cassert>
#include <cstdint>
#include <optional>
#include <string>

#include "core/state/card.h"
#include "core/state/one_based.h"
#include "core/state/words.h"

namespace tavik {

// Seat caption colours, as their letters: yellow (names), blue (announcements),
// red (hints); None clears the caption.
enum class CaptionColour : char { Yellow = 'y', Blue = 'b', Red = 'r', None = 'n' };

// The kinds of move, which are also the computer's modes. The numbers are the ones the
// move log and `analyze` use, and the Step at which a move of the kind is made.
enum class MoveKind {
    Lead = 1,        // the first attack card of a bout
    Add = 2,         // the attacker adds after every attack card is beaten; no card: "Beaten"
    Defend = 3,      // the defender beats KartaHod; no card: "I Take"
    AddToTaker = 4,  // the attacker adds to a taking defender; no card: "That`s All"
};

// The position inside a bout (the controller's Step).
enum class BoutStep {
    Lead = 1,           // the attacker leads
    Add = 2,            // the attacker may add, every attack card is beaten
    Defend = 3,         // the defender beats or takes
    AddToTaker = 4,     // the attacker adds to the taking defender
    ConfirmBeaten = 5,  // seat 2 confirms seat 1's "Beaten"
    ConfirmAdded = 6,   // seat 2 confirms the cards seat 1 added to it
    KonOver = 10,       // the kon is over, its result not yet shown
    ResultShown = 11,   // the result is shown; the next press deals again
    AwaitingTake = 21,  // a network game waits for the remote seat to finish taking
};

// The step at which a move of the kind is made.
constexpr BoutStep StepOf(MoveKind kind) {
    return static_cast<BoutStep>(static_cast<int>(kind));
}
// The kind of move made at a step from Lead to AddToTaker (only those steps have one).
constexpr MoveKind MoveKindAt(BoutStep step) {
    assert(step >= BoutStep::Lead && step <= BoutStep::AddToTaker);
    return static_cast<MoveKind>(static_cast<int>(step));
}

// The stage of a kon (the controller's Phase).
enum class GamePhase {
    Dealt = 1,            // dealt; the first move is not yet allowed
    Play = 2,             // play in progress
    RedealAnnounced = 3,  // a re-deal was announced
};

// How the last kon of the match ended (the controller's KonResult).
enum class KonOutcome {
    None = 0,      // no kon finished yet in this match
    Seat1Won = 1,  // seat 1 ran out of cards
    Seat2Won = 2,  // seat 2 ran out of cards
    Draw = 3,      // both ran out
};

// The seat that won the kon (1 or 2), or 0 for none yet or a draw.
constexpr int WinnerSeat(KonOutcome result) {
    return result == KonOutcome::Seat1Won ? 1 : (result == KonOutcome::Seat2Won ? 2 : 0);
}
// The outcome in which the seat (1 or 2) won.
constexpr KonOutcome WonBy(int seat) {
    return seat == 1 ? KonOutcome::Seat1Won : KonOutcome::Seat2Won;
}

using Hand = OneBased<Card, 36>;  // hand slots 1..36; the layout has room for 64, only 36 are used

// Rules chosen before a match; read-only during it.
struct RuleOptions {
    bool ReDealRule = false;  // "New game, if 5 cards by one suit"
    bool SixesRule = false;   // "To pay for Six on the forehead and shoulders"
    bool HintsRule = false;   // "To suggest, if there is nothing to lay"
};

// The display switches of the settings that change what the rules do on the table.
struct DisplayOptions {
    bool flyCardsOn = false;   // cards fly between hand, table, deck and discard
    bool gifAnimation = true;  // result pictures animate; off shows a still frame
    bool soundOn = true;       // every game sound is silent when off
    bool forecastOn = false;   // the window title shows the computer's forecast
};

struct GameState {
    // --- the deal -----------------------------------------------------------
    OneBased<Card, 36> KolodaI;  // the shuffled deck; [36] is the face-up bottom card
    int Och = 37;                // next card to draw; 13 after the deal, 37 = deck empty
    Suit Koz = 0;                // trump suit (suit of KolodaI[36])
    std::uint8_t Vskr = 0;       // rank value of the revealed bottom card

    // --- hands ---------------------------------------------------------------
    Hand CardsI1, CardsI2;
    int KolCards1 = 0, KolCards2 = 0;

    // --- the table -----------------------------------------------------------
    OneBased<Card, 12> InGameI;  // cards in the order laid: attack, defence, attack, ...
    int OchGame = 1;             // next free table position = cards on the table + 1
    int KolCardsStol = 0;        // cards on the table
    int KolHods = 0;             // attack cards of this bout (at most 6)
    int KolFree = 0;             // attack cards not yet beaten
    Card KartaHod;               // the attack card to beat now (DostHod is KartaHod.value())

    // --- discard and opponent memory -----------------------------------------
    OneBased<Card, 36> Bito;  // discarded cards in order
    int BitoNext = 1;
    std::uint8_t WasTakes = 0;  // 1 when seat 1 took the last bout of seat 2's attack
    std::uint8_t Zarp = 0;      // the computer opponent's plan memory; the core never reads it
    Card ShownTrump;            // seat 1's lowest trump shown to justify its first lead

    // --- controller ------------------------------------------------------------
    GamePhase Phase = GamePhase::Dealt;
    BoutStep Step = BoutStep::Lead;  // position inside the bout
    int Attacker = 2;
    int PrevAttacker = 2;
    KonOutcome KonResult = KonOutcome::None;
    int SixesBonus = 0;
    bool GameActive = false;
    bool AwaitingDeal = false;  // a LAN client has begun a match and waits for the server's deal
    bool KonOver = false;
    bool DeckEmptyAnnounced = false;
    bool OpenCards = false;      // seat 1's hand drawn face up (the open-cards code)
    bool Seat1Revealed = false;  // seat 1's hand turned face up (re-deal, kon result)
    bool MoveTimerOn = false;    // the computer-move timer runs

    // --- the controls the rules drive (as last shown) ---------------------------
    Word Button7Caption = Word::ToBegin;  // the action button
    bool Button7Enabled = false;
    bool Button8Visible = false;  // the end-of-match button
    bool Button8Enabled = false;
    std::array<Text, 3> captions;  // seat captions [1], [2]
    std::array<CaptionColour, 3> captionColours{CaptionColour::None, CaptionColour::None,
                                                CaptionColour::None};

    // --- the match -------------------------------------------------------------
    int KonCount = 0;
    int KonCountStart = 0;
    std::array<int, 3> Wins{};  // [1], [2]; index 0 unused
    int BaseScore = 0;
    int ScoreDelta = 0;
    int Score = 0;
    double Rating = 0;  // the player's stored rating, as loaded at the start of the match

    // --- mode ------------------------------------------------------------------
    RuleOptions rules;
    DisplayOptions display;
    bool NetGame = false;
    int NetRole = 1;  // 1 server (deals), 2 client
    bool OnlineGame = false;
    int UserSlot = 6;                  // 1..5 stored player, 6 new player, 7 account, 8 tournament
    std::string UserName;              // the local player's name as chosen or stored
    std::array<std::string, 3> names;  // seat names; [1] "PC" in a local game

    Hand& hand(int seat) { return seat == 1 ? CardsI1 : CardsI2; }
    const Hand& hand(int seat) const { return seat == 1 ? CardsI1 : CardsI2; }
    int& kolCards(int seat) { return seat == 1 ? KolCards1 : KolCards2; }
    int kolCards(int seat) const { return seat == 1 ? KolCards1 : KolCards2; }
    bool deckEmpty() const { return Och > 36; }
    int DostHod() const { return KartaHod.value(); }

    // Checks the invariants that hold between operations: every card of the deck in
    // exactly one place, hands without gaps and rightly counted, table counters in
    // step. Returns a description of the first broken one, or nullopt.
    std::optional<std::string> isConsistent() const;
};

// --- hand queries ---------------------------------------------------------------

// Sorts a seat's hand into display order (plain cards by rank, then trumps by rank,
// cards of equal rank keeping their order) and recounts it.
void NormaliseHand(GameState& g, int seat);
// Number of slots of the hand holding the given suit.
int CountOfSuit(const Hand& hand, Suit suit);
// Slot (1..36) of the trump of lowest rank, first hit for each rank; 0 when none.
int LowestTrump(const Hand& hand, Suit trump);
// The card at that slot, or the empty card.
Card LowestTrumpCode(const Hand& hand, Suit trump);
// True when the defence has the attack's suit and a higher rank, or is a trump on a plain card.
bool CardBeats(Card attack, Card defence, Suit trump);
inline bool IsEmpty(Card c) {
    return c.empty();
}

// A player's name without the blanks that pad it in the lists and the settings.
std::string WithoutTrailingBlanks(std::string name);

// A readable dump of the whole position, for invariant failures and debugging.
std::string describePosition(const GameState& g);

}  // namespace tavik
