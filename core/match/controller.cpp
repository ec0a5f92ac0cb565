// The match flow: the action button, the end of a bout and of a kon, the computer's turn.
#include "core/match/controller.h"

#include "core/rules/bout.h"
#include "core/rules/controls.h"
#include "core/rules/deal.h"
#include "core/rules/moves.h"
#include "core/rules/sounds.h"

namespace tavik {
namespace {

Word sixesWord(int bonus) {
    return bonus == 1 ? Word::SixForehead
                      : (bonus == 2 ? Word::SixsShoulders : Word::SixsForeheadShoulders);
}

}  // namespace

void MatchController::ActionButton() {
    if (!g_.Button7Enabled) return;
    if (g_.Phase == 1) {
        beginPlay();
    } else if (g_.Phase == 3) {
        setMoveTimer(g_, w_, false);
        NewKon(true);
    } else {
        endBout();
    }
}

void MatchController::beginPlay() {
    if (g_.rules.ReDealRule) {
        for (int seat = 1; seat <= 2; ++seat) {
            if (!QualifiesForRedeal(g_, seat)) continue;
            setCaption(g_, w_, seat, Text::of(Word::NewGame), 'b');
            playSound(g_, w_, snd::PlMore);
            g_.Seat1Revealed = true;
            redrawHand(g_, w_, 1);
            g_.Phase = 3;
            setActionButton(g_, w_, Word::NewGame, true);
            if (g_.NetGame && g_.NetRole == 1) w_.ports.peer.send(msg::Redeal{seat});
            w_.log.onRedeal(seat);
        }
        if (g_.Phase == 3) return;
    }
    g_.Phase = 2;
    setActionButton(g_, w_, g_.Attacker == 1 ? Word::ITake : Word::ThatsAll, false);
    setMoveTimer(g_, w_, true);
    if (g_.NetGame && g_.NetRole == 1) w_.ports.peer.send(msg::KonStart{});
}

// Announces the sixes with which the attacker has just gone out; returns that seat, or 0.
int MatchController::announceSixes() {
    if (g_.SixesBonus == 0 || !g_.deckEmpty()) return 0;
    const int a = g_.Attacker, s = g_.Step;
    int seat = 0;
    if (a == 1 && (s == 3 || s == 5 || s == 6) && g_.KolCards1 == 0 && g_.KolCards2 > 0) seat = 1;
    if (a == 2 && (s == 2 || s == 4) && g_.KolCards2 == 0 && g_.KolCards1 > 0) seat = 2;
    if (seat == 0) return 0;
    setCaption(g_, w_, seat, Text::of(sixesWord(g_.SixesBonus)), 'b');
    playSound(g_, w_, snd::PlMore);
    w_.ports.pause.pause(2000);
    return seat;
}

void MatchController::endBout() {
    const int stepAtPress = g_.Step;
    const bool net = g_.NetGame || g_.OnlineGame;
    showName(g_, w_, 1);
    showName(g_, w_, 2);
    g_.SixesBonus = SixesTest(g_);
    sixesSeat_ = announceSixes();

    if (g_.Attacker == 1 && g_.Step == 5) {  // seat 2 confirms seat 1's "Beaten"
        g_.Step = 1;
        setActionEnabled(g_, w_, false);
        Discard(g_, w_);
        Refill(g_, w_, 1);
        Refill(g_, w_, 2);
        ClearTable(g_, w_);
        g_.PrevAttacker = 1;
        g_.Attacker = 2;
        setActionButton(g_, w_, Word::ThatsAll, false);
        w_.log.onBoutEnd(true, 1);
        if (KonEndTest(g_, w_)) g_.Step = 10;
    } else if (g_.Attacker == 1 && g_.Step == 3) {  // seat 2 takes
        g_.Step = 4;
        setActionEnabled(g_, w_, false);
        w_.log.onMove(2, 3, kNoCard);
        playSound(g_, w_, snd::HodBer);
        if (net) w_.ports.peer.send(msg::Pass{});
    } else if (g_.Attacker == 1 && g_.Step == 6) {  // seat 2 accepts the added cards
        g_.Step = 1;
        setActionEnabled(g_, w_, false);
        Take(g_, w_, 2);
        Refill(g_, w_, 1);
        ClearTable(g_, w_);
        g_.PrevAttacker = 1;
        g_.Attacker = 1;
        w_.log.onBoutEnd(false, 1);
        if (KonEndTest(g_, w_))
            g_.Step = 10;
        else if (net)
            w_.ports.peer.send(msg::Go{});
    } else if (g_.Attacker == 2 && g_.Step == 2) {  // seat 2 ends its beaten attack
        g_.Step = 1;
        setActionEnabled(g_, w_, false);
        w_.log.onMove(2, 2, kNoCard);
        playSound(g_, w_, snd::HodOtb);
        Discard(g_, w_);
        g_.WasTakes = 0;
        Refill(g_, w_, 2);
        Refill(g_, w_, 1);
        ClearTable(g_, w_);
        g_.PrevAttacker = 2;
        g_.Attacker = 1;
        w_.log.onBoutEnd(true, 2);
        if (net) w_.ports.peer.send(msg::Pass{});
        if (KonEndTest(g_, w_)) g_.Step = 10;
    } else if (g_.Attacker == 2 && g_.Step == 4) {  // seat 2 stops adding to the taking seat 1
        g_.Step = 1;
        w_.log.onMove(2, 4, kNoCard);
        Take(g_, w_, 1);
        Refill(g_, w_, 2);
        g_.WasTakes = 1;
        ClearTable(g_, w_);
        setActionEnabled(g_, w_, false);
        g_.PrevAttacker = 2;
        g_.Attacker = 2;
        w_.log.onBoutEnd(false, 2);
        if (net) {
            w_.ports.table.tableText(Word::PleaseWait);
            w_.ports.peer.send(msg::Pass{});
            g_.Step = 21;
        }
        if (KonEndTest(g_, w_)) g_.Step = 10;
    }

    if (g_.Step == 10) {
        konOver();
    } else if (stepAtPress == 11) {
        setMoveTimer(g_, w_, false);
        NewKon(true);
    }
}

void MatchController::konOver() {
    g_.Step = 11;
    const bool won = g_.KonResult == 1 || g_.KonResult == 2;
    // Sixes on the table of the final bout are always the attacker's cards: they earn the
    // bonus only when the attacker went out with them (the announced seat won), never
    // when the defender went out by beating them.
    const int bonus = g_.rules.SixesRule && won && sixesSeat_ == g_.KonResult ? g_.SixesBonus : 0;
    if (bonus > 0) {
        g_.Wins[static_cast<std::size_t>(g_.KonResult)] += bonus;
        Rescore(g_);
    }
    if (won)
        w_.ports.table.drawSeatFrame(g_.KonResult, g_.Wins[static_cast<std::size_t>(g_.KonResult)]);
    w_.ports.table.showResult(g_.KonResult, g_.display.gifAnimation);
    playSound(g_, w_,
              g_.KonResult == 1 ? snd::KoBads : (g_.KonResult == 2 ? snd::KoGood : snd::Nichya));
    g_.Seat1Revealed = true;
    redrawHand(g_, w_, 1);
    g_.Button7Caption = Word::WePlayStill;
    enableAfterKon();
    if (g_.display.forecastOn) w_.ports.table.forecast(kForecastPending);
    w_.log.onKonEnd(g_.KonResult, bonus);
}

void MatchController::enableAfterKon() {
    const bool cycleDone = g_.KonCount % cycleLength() == 0;
    if (g_.OnlineGame) {
        setActionButton(g_, w_, Word::WePlayStill, false);
        setEndMatchButton(g_, w_, true, true);
        w_.ports.peer.send(msg::KonOver{g_.ScoreDelta});
        g_.KonOver = true;
    } else if (g_.NetGame && cycleDone) {
        setActionButton(g_, w_, Word::WePlayStill, false);
        setEndMatchButton(g_, w_, true, true);
        g_.KonOver = true;
    } else if (g_.NetGame && g_.NetRole == 1) {
        const bool serverDeals =
            (g_.PrevAttacker == 1 && (g_.KonResult == 1 || g_.KonResult == 2)) ||
            (g_.KonResult == 3 && g_.Attacker == 2);
        setActionButton(g_, w_, Word::WePlayStill, serverDeals);
        setEndMatchButton(g_, w_, true, false);
    } else if (g_.NetGame) {
        setActionButton(g_, w_, Word::WePlayStill, false);
        setEndMatchButton(g_, w_, true, false);
        w_.ports.peer.send(msg::KonOver{});
    } else {
        setActionButton(g_, w_, Word::WePlayStill, !cycleDone);
        setEndMatchButton(g_, w_, true, true);
        g_.KonOver = true;
    }
}

void MatchController::EndMatchButton() {
    if (!g_.KonOver || !g_.Button8Enabled) return;
    if (g_.display.forecastOn) w_.ports.table.forecast(kForecastPending);
    setMoveTimer(g_, w_, false);
    hooks_.EndMatch(g_, g_.ScoreDelta, g_.KonCount - g_.KonCountStart);
    if (g_.OnlineGame) g_.OnlineGame = false;
}

bool MatchController::ComputersTurn() const {
    return (g_.Attacker == 1 && (g_.Step == 1 || g_.Step == 2 || g_.Step == 4)) ||
           (g_.Attacker == 2 && g_.Step == 3);
}

void MatchController::TimerTick() {
    if (!g_.GameActive || g_.NetGame || !g_.MoveTimerOn || g_.Phase != 2) return;
    if (!ComputersTurn()) return;
    const int k = g_.Step;
    ComputerMove(k);
    if (k == kAddToTaker) {
        g_.Step = 6;
        setActionEnabled(g_, w_, true);
        setCaption(g_, w_, 1, Text::of(Word::ThatsAllDots), 'b');
        playSound(g_, w_, snd::Ding1);
    }
}

void MatchController::ComputerMove(int k) {
    bool passed = false;
    do {
        const Text saved = g_.captions[1];
        const CaptionColour savedColour = g_.captionColours[1];
        setCaption(g_, w_, 1, Text::name(""), 'b');
        const SeatChoice choice = seat1_.choose(g_, 1, k, thinking_);
        setCaption(g_, w_, 1, saved, savedColour);
        if (choice.Zarp) g_.Zarp = *choice.Zarp;
        if (choice.WasTakes) g_.WasTakes = *choice.WasTakes;
        if (g_.display.forecastOn) w_.ports.table.forecast(choice.forecast);

        // A slot outside the hand would corrupt the state: it counts as a stop.
        bool pass = choice.slot < 1 || choice.slot > g_.KolCards1;
        if (k != kDefend && !MayAttack(g_)) pass = true;
        int slot = pass ? 0 : choice.slot;
        // A lead has no stop; an opponent that offers one leads its weakest card.
        if (k == kLead && slot == 0) slot = 1;
        ApplyMove(g_, w_, 1, k, slot);
        passed = slot == 0;
    } while (k == kAddToTaker && passed == false);
}

int MatchController::HumanMoveKind() const {
    if (g_.Attacker == 1 && g_.Step == 3) return kDefend;
    if (g_.Attacker == 2 && g_.Step == 1) return kLead;
    if (g_.Attacker == 2 && g_.Step == 2) return kAdd;
    if (g_.Attacker == 2 && g_.Step == 4) return kAddToTaker;
    return 0;
}

ClickResult MatchController::HandClick(int slot) {
    const int kind = HumanMoveKind();
    if (kind == 0 || !g_.GameActive || g_.Phase != 2) return ClickResult::Ignored;
    if (slot < 1 || slot > g_.KolCards2) return ClickResult::Ignored;
    if (CheckMove(g_, slot, kind) != kMoveOk) {
        playSound(g_, w_, snd::Wrongs);
        return ClickResult::Refused;
    }
    if (kind != kDefend && !MayAttack(g_)) return ClickResult::Ignored;
    showName(g_, w_, 2);
    const Card card = g_.CardsI2[slot];
    g_.KartaHod = card;  // the move message is built from it, for a defence too
    if (g_.NetGame || g_.OnlineGame) {
        w_.ports.peer.send(msg::Move{card});
        if (kind != kAddToTaker) setActionEnabled(g_, w_, false);
    }
    ApplyMove(g_, w_, 2, kind, slot);
    return ClickResult::Played;
}

}  // namespace tavik
