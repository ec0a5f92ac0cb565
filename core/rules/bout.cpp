#include "core/rules/bout.h"

#include "core/rules/controls.h"
#include "core/rules/sounds.h"

namespace tavik {

void Discard(GameState& g, World& w) {
    for (int i = 1; i <= g.KolCardsStol; ++i) g.Bito[g.BitoNext + i - 1] = g.InGameI[i];
    g.BitoNext += g.KolCardsStol;
    if (g.display.flyCardsOn) {
        w.ports.table.flyCard(Flight{Flight::Path::TableToDiscard, 0, kNoCard, {}});
        w.ports.pause.pause(200);
    }
}

void Take(GameState& g, World& w, int seat) {
    Hand& hand = g.hand(seat);
    int next = g.kolCards(seat) + 1;
    for (int i = 1; i <= g.KolCardsStol; ++i) {
        hand[next] = g.InGameI[i];
        if (g.display.flyCardsOn) {
            // Each flight ends in a redraw, which sorts the hand: the next card goes after the new
            // count.
            w.ports.table.flyCard(Flight{Flight::Path::TableToHand, seat, g.InGameI[i], {}});
            redrawHand(g, w, seat);
            w.ports.pause.pause(200);
            next = g.kolCards(seat) + 1;
        } else {
            ++next;
        }
    }
    redrawHand(g, w, seat);
}

void Refill(GameState& g, World& w, int seat) {
    const int count = g.kolCards(seat);
    if (count >= 6 || g.deckEmpty()) return;
    Hand& hand = g.hand(seat);
    for (int slot = count + 1; slot <= 6 && !g.deckEmpty(); ++slot) {
        const Card card = g.KolodaI[g.Och];
        hand[slot] = card;
        g.Och += 1;
        if (g.display.flyCardsOn) {
            // Each card lands before the next leaves: the deck shows one card fewer and
            // the hand one more (the sorting keeps the filled slots together, so the
            // next free slot is still the next one).
            w.ports.table.flyCard(Flight{Flight::Path::DeckToHand, seat, card, {}});
            redrawDeck(g, w);
            redrawHand(g, w, seat);
            w.ports.pause.pause(200);
        }
    }
    redrawDeck(g, w);
    redrawHand(g, w, seat);
}

void ClearTable(GameState& g, World& w) {
    g.InGameI.fill(kNoCard);
    g.OchGame = 1;
    g.KartaHod = kNoCard;
    g.KolCardsStol = 0;
    g.KolHods = 0;
    g.KolFree = 0;
    w.ports.table.clearTable();
}

void Rescore(GameState& g) {
    g.ScoreDelta = (g.Wins[2] - g.Wins[1]) * 10;
    g.Score = g.BaseScore + g.ScoreDelta;
}

bool KonEndTest(GameState& g, World& w) {
    if (g.deckEmpty() && !g.DeckEmptyAnnounced) {
        g.DeckEmptyAnnounced = true;
        playSound(g, w, snd::KoloNo);
    }
    const bool empty1 = g.KolCards1 == 0, empty2 = g.KolCards2 == 0;
    if (!empty1 && !empty2) return false;
    g.KonResult = empty1 && empty2 ? KonOutcome::Draw : WonBy(empty1 ? 1 : 2);
    if (const int winner = WinnerSeat(g.KonResult); winner != 0)
        g.Wins[static_cast<std::size_t>(winner)] += 1;
    Rescore(g);
    return true;
}

int SixesTest(const GameState& g) {
    if (!g.rules.SixesRule) return 0;
    auto six = [&](int pos) {
        const Card c = g.InGameI[pos];
        return !c.empty() && c.value() == 1 && c.suit() != g.Koz;
    };
    if (!six(1)) return 0;

    struct Row {
        bool p2, p3, p4, p5;  // positions 2..5 that must hold sixes (position 1 always does)
        int n, f, result;
    };
    static constexpr Row kRows[] = {
        {false, false, false, false, 2, 1, 1}, {false, false, false, false, 3, 0, 1},
        {true, false, false, false, 3, 2, 2},  {false, true, false, false, 4, 1, 2},
        {false, true, false, false, 5, 0, 2},  {true, true, false, false, 4, 3, 3},
        {false, true, true, false, 5, 2, 3},   {false, true, false, true, 6, 1, 3},
        {false, true, false, true, 7, 0, 3},
    };
    int result = 0;
    for (const Row& r : kRows) {
        const bool sixes =
            (!r.p2 || six(2)) && (!r.p3 || six(3)) && (!r.p4 || six(4)) && (!r.p5 || six(5));
        if (sixes && g.OchGame == r.n && g.KolFree == r.f) result = r.result;
    }
    return result;
}

}  // namespace tavik
