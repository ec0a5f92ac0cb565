#pragma once
// The visible controls the rules drive: buttons, seat captions, hands and sounds.
// Each helper records the new look in the game state and tells the presentation,
// so that the state always says what the player sees.

#include <string_view>

#include "core/ports.h"
#include "core/state/game_state.h"

namespace tavik {

void setActionButton(GameState& g, World& w, Word caption, bool enabled);
void setActionEnabled(GameState& g, World& w, bool enabled);
void setEndMatchButton(GameState& g, World& w, bool visible, bool enabled);
void setCaption(GameState& g, World& w, int seat, const Text& text, CaptionColour colour);
// The seat's caption shows the player's name in yellow.
void showName(GameState& g, World& w, int seat);
// Plays a game sound when sound is on, waiting where the game's rhythm needs it.
void playSound(const GameState& g, World& w, std::string_view name);
// Normalises a seat's hand and redraws it, seat 1 face down unless revealed.
void redrawHand(GameState& g, World& w, int seat);
void setMoveTimer(GameState& g, World& w, bool running);
// The deck's redraw: cards left, the bottom card and the trump.
void redrawDeck(const GameState& g, World& w);

}  // namespace tavik
