#include "core/rules/moves.h"

#include "core/rules/controls.h"
#include "core/rules/sounds.h"

namespace tavik {

int CheckMove(const GameState& g, int seat, int slot, MoveKind kind) {
    const Card card = g.hand(seat)[slot];
    if (kind == MoveKind::Lead) return kMoveOk;
    if (kind == MoveKind::Add || kind == MoveKind::AddToTaker) {
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
        (g.Attacker == 1 && g.Step == BoutStep::Defend) ||
        (g.Attacker == 2 && (g.Step == BoutStep::Add || g.Step == BoutStep::AddToTaker));
    if (seat2Turn && g.Step == BoutStep::Add && NothingToAdd(g))
        setCaption(g, w, 2, Text::hint(Word::Beaten), CaptionColour::Red);
    else if (seat2Turn && g.Step == BoutStep::AddToTaker && NothingToAdd(g))
        setCaption(g, w, 2, Text::hint(Word::ThatsAllDots), CaptionColour::Red);
    else if (seat2Turn && g.Step == BoutStep::Defend && CannotBeat(g))
        setCaption(g, w, 2, Text::hint(Word::ITake), CaptionColour::Red);
    else
        showName(g, w, 2);
}

// Step 2 of ApplyMove: the card leaves the hand and lands on the table.
void layCard(GameState& g, World& w, int seat, MoveKind kind, int slot) {
    if (kind == MoveKind::AddToTaker)
        g.KolFree += 1;
    else if (kind == MoveKind::Defend)
        g.KolFree = 0;
    else
        g.KolFree = 1;

    Hand& hand = g.hand(seat);
    const Card card = hand[slot];
    hand[slot] = kNoCard;
    g.kolCards(seat) -= 1;

    const bool attack = kind != MoveKind::Defend;
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

void ApplyMove(GameState& g, World& w, int seat, MoveKind kind, int slot) {
    g.ShownTrump = kNoCard;
    const Card card = slot != 0 ? g.hand(seat)[slot] : kNoCard;
    if (slot != 0) layCard(g, w, seat, kind, slot);
    w.log.onMove(seat, kind, card);

    if (seat == 1) {
        if (kind == MoveKind::Lead && slot != 0) {
            g.Step = BoutStep::Defend;
            setActionButton(g, w, Word::ITake, true);
        } else if (kind == MoveKind::Add && slot == 0) {
            g.Step = BoutStep::ConfirmBeaten;
            setActionButton(g, w, Word::Beaten, true);
            playSound(g, w, snd::HodOtb);
        } else if (kind == MoveKind::Add) {
            g.Step = BoutStep::Defend;
            setActionEnabled(g, w, true);
        } else if (kind == MoveKind::Defend && slot != 0) {
            g.Step = BoutStep::Add;
            setActionEnabled(g, w, true);
        } else if (kind == MoveKind::Defend) {
            g.Step = BoutStep::AddToTaker;
            setCaption(g, w, 1, Text::of(Word::ITake), CaptionColour::Blue);
            setActionEnabled(g, w, true);
            playSound(g, w, snd::HodBer);
        }
    } else if (slot != 0) {
        if (kind == MoveKind::Lead || kind == MoveKind::Add)
            g.Step = BoutStep::Defend;
        else if (kind == MoveKind::Defend)
            g.Step = BoutStep::Add;
    }
    showHint(g, w);
}

}  // namespace tavik
