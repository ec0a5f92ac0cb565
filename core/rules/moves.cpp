#include "core/rules/moves.h"

#include "core/rules/controls.h"
#include "core/rules/sounds.h"

namespace tavik {

int CheckMove(const GameState& g, int seat, int slot, int kind) {
    const Card card = g.hand(seat)[slot];
    if (kind == kLead) return kMoveOk;
    if (kind == kAdd || kind == kAddToTaker) {
        for (int i = 1; i <= 12; ++i)
            if (!g.InGameI[i].empty() && g.InGameI[i].value() == card.value()) return kMoveOk;
        return kNoSuchRank;
    }
    // Defence.
    if (card.suit() != g.KartaHod.suit() && card.suit() != g.Koz) return kWrongSuit;
    if (card.suit() == g.KartaHod.suit() && card.value() < g.DostHod()) return kTooLow;
    return kMoveOk;
}

bool MayAttack(const GameState& g) {
    const int defenderCards = g.kolCards(Defender(g));
    return g.KolHods < 6 && defenderCards > 0 && defenderCards != g.KolFree;
}

bool NothingToAdd(const GameState& g) {
    for (int slot = 1; slot <= g.KolCards2; ++slot)
        for (int i = 1; i < g.OchGame; ++i)
            if (g.CardsI2[slot].value() == g.InGameI[i].value()) return false;
    return true;
}

bool CannotBeat(const GameState& g) {
    for (int slot = 1; slot <= g.KolCards2; ++slot)
        if (CardBeats(g.KartaHod, g.CardsI2[slot], g.Koz)) return false;
    return true;
}

namespace {

// After a move: the hint of seat 2's caption when it is seat 2's turn and no card fits.
void showHint(GameState& g, World& w) {
    if (!g.rules.HintsRule) return;
    const bool seat2Turn =
        (g.Attacker == 1 && g.Step == 3) || (g.Attacker == 2 && (g.Step == 2 || g.Step == 4));
    if (seat2Turn && g.Step == 2 && NothingToAdd(g))
        setCaption(g, w, 2, Text::hint(Word::Beaten), 'r');
    else if (seat2Turn && g.Step == 4 && NothingToAdd(g))
        setCaption(g, w, 2, Text::hint(Word::ThatsAllDots), 'r');
    else if (seat2Turn && g.Step == 3 && CannotBeat(g))
        setCaption(g, w, 2, Text::hint(Word::ITake), 'r');
    else
        showName(g, w, 2);
}

// Step 2 of ApplyMove: the card leaves the hand and lands on the table.
void layCard(GameState& g, World& w, int seat, int kind, int slot) {
    if (kind == kAddToTaker)
        g.KolFree += 1;
    else if (kind == kDefend)
        g.KolFree = 0;
    else
        g.KolFree = 1;

    Hand& hand = g.hand(seat);
    const Card card = hand[slot];
    hand[slot] = kNoCard;
    g.kolCards(seat) -= 1;

    const bool attack = kind != kDefend;
    if (attack) g.KartaHod = card;
    g.InGameI[g.OchGame] = card;
    g.OchGame += 1;
    g.KolCardsStol += 1;
    if (attack) g.KolHods += 1;

    redrawHand(g, w, seat);
    const TablePlace place{attack ? Row::Attack : Row::Defence, g.KolHods};
    if (g.display.flyCardsOn)
        w.ports.table.flyCard(Flight{Flight::Path::HandToTable, seat, card, place});
    w.ports.table.drawTableCard(place, card);
    playSound(g, w, snd::HodsDo);
}

}  // namespace

void ApplyMove(GameState& g, World& w, int seat, int kind, int slot) {
    g.ShownTrump = kNoCard;
    const Card card = slot != 0 ? g.hand(seat)[slot] : kNoCard;
    if (slot != 0) layCard(g, w, seat, kind, slot);
    w.log.onMove(seat, kind, card);

    if (seat == 1) {
        if (kind == kLead && slot != 0) {
            g.Step = 3;
            setActionButton(g, w, Word::ITake, true);
        } else if (kind == kAdd && slot == 0) {
            g.Step = 5;
            setActionButton(g, w, Word::Beaten, true);
            playSound(g, w, snd::HodOtb);
        } else if (kind == kAdd) {
            g.Step = 3;
            setActionEnabled(g, w, true);
        } else if (kind == kDefend && slot != 0) {
            g.Step = 2;
            setActionEnabled(g, w, true);
        } else if (kind == kDefend) {
            g.Step = 4;
            setCaption(g, w, 1, Text::of(Word::ITake), 'b');
            setActionEnabled(g, w, true);
            playSound(g, w, snd::HodBer);
        }
    } else if (slot != 0) {
        if (kind == kLead || kind == kAdd)
            g.Step = 3;
        else if (kind == kDefend)
            g.Step = 2;
    }
    showHint(g, w);
}

}  // namespace tavik
