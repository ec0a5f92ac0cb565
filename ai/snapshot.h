#pragma once
// StatTavik2: the computer opponent's private copy of the game state for one
// decision. The choice reads only this record; of the game state it changes only
// the plan memory (Zarp) and WasTakes, which the caller copies back.
//
// The deciding seat always sits in the CardsI1 fields and its opponent in CardsI2:
// for seat 1 (the computer's seat) that is the game state as it is, for seat 2 the
// two hands are swapped, so the same rules can play either seat.

#include <cstdint>
#include <string>

#include "core/match/thinking.h"
#include "core/state/card.h"
#include "core/state/game_state.h"
#include "core/state/one_based.h"

namespace tavik::ai {

// The largest number of cards in play for which the exact search decides.
inline constexpr int kMaxSuper = 12;

struct StatTavik2 {
    Hand CardsI1;  // the deciding seat's hand by slot (the computer's)
    int KolCards1 = 0;
    Hand CardsI2;  // the other seat's hand (the human's)
    int KolCards2 = 0;
    int Och = 37;                // next card of the deck; 37 = the deck is empty
    Suit Koz = 0;                // trump suit
    std::uint8_t Vskr = 0;       // rank value of the face-up bottom card
    OneBased<Card, 12> InGameI;  // the table in the order laid
    int KolFree = 0;             // unbeaten attack cards on the table
    ThinkingPort* Image = nullptr;  // where a search reports its progress; none when null
    OneBased<Card, 36> Bito;     // the discard pile
    std::uint8_t Zarp = 0;       // the plan memory, 0..3
    Card KartaHod;               // the attack card to beat now
    std::uint8_t Prognoz = 0;    // the forecast code the choice leaves
    int KolCardsStol = 0;        // cards on the table
    int OchGame = 1;             // cards on the table + 1
    int KolHods = 0;             // attack cards of this bout
    bool WasTakes = false;       // the decider took the last bout the other seat led
    int MaxSuper = kMaxSuper;

    int DostHod() const { return KartaHod.value(); }
    int cardsLeftInDeck() const { return Och <= 36 ? 37 - Och : 0; }
    int cardsInPlay() const { return KolCards1 + KolCards2 + KolCardsStol; }
    bool deckEmpty() const { return Och > 36; }
};

// Fills the snapshot for a decision of the given seat (1 or 2): the seat's hand goes
// to CardsI1. Zarp and WasTakes come from the arguments, because only seat 1 keeps
// them in the game state. Prognoz = 0, MaxSuper = 12.
StatTavik2 MakeSnapshot(const GameState& g, int seat, std::uint8_t zarp, bool wasTakes,
                        ThinkingPort* image);

}  // namespace tavik::ai
