#include "core/rules/controls.h"

#include "core/rules/sounds.h"

namespace tavik {

void setActionButton(GameState& g, World& w, Word caption, bool enabled) {
    g.Button7Caption = caption;
    g.Button7Enabled = enabled;
    w.ports.table.actionButton(caption, enabled);
}

void setActionEnabled(GameState& g, World& w, bool enabled) {
    setActionButton(g, w, g.Button7Caption, enabled);
}

void setEndMatchButton(GameState& g, World& w, bool visible, bool enabled) {
    g.Button8Visible = visible;
    g.Button8Enabled = enabled;
    w.ports.table.endMatchButton(visible, enabled);
}

void setCaption(GameState& g, World& w, int seat, const Text& text, CaptionColour colour) {
    g.captions[static_cast<std::size_t>(seat)] = text;
    g.captionColours[static_cast<std::size_t>(seat)] = colour;
    w.ports.table.caption(seat, text, colour);
}

void showName(GameState& g, World& w, int seat) {
    setCaption(g, w, seat, Text::name(g.names[static_cast<std::size_t>(seat)]),
               CaptionColour::Yellow);
}

void playSound(const GameState& g, World& w, std::string_view name) {
    if (g.display.soundOn) w.ports.sound.PlayResourceSound(name, soundWaits(name));
}

void redrawHand(GameState& g, World& w, int seat) {
    NormaliseHand(g, seat);
    w.ports.table.drawHand(seat, g.hand(seat), g.kolCards(seat),
                           seat == 2 || g.OpenCards || g.Seat1Revealed);
}

void setMoveTimer(GameState& g, World& w, bool running) {
    g.MoveTimerOn = running;
    w.ports.clock.moveTimer(running, 200);
}

void redrawDeck(const GameState& g, World& w) {
    w.ports.table.drawDeck(g.deckEmpty() ? 0 : 37 - g.Och, g.KolodaI[36], g.Koz);
}

}  // namespace tavik
