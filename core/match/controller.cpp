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
    if (g_.Phase == GamePhase::Dealt) {
        beginPlay();
    } else if (g_.Phase == GamePhase::RedealAnnounced) {
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
            announceRedeal(seat, true);
        }
        if (g_.Phase == GamePhase::RedealAnnounced) return;
    }
    g_.Phase = GamePhase::Play;
    setActionButton(g_, w_, g_.Attacker == 1 ? Word::ITake : Word::ThatsAll, false);
    setMoveTimer(g_, w_, true);
    if (g_.NetGame && g_.NetRole == 1) w_.ports.peer.send(msg::KonStart{});
}

// Shows the offer of a re-deal for `seat`'s hand: its caption and sound, seat 1's cards
// face up, the action button (pressable by the copy that decides re-deals), the
// message to a LAN client and the log.
void MatchController::announceRedeal(int seat, bool buttonEnabled) {
    setCaption(g_, w_, seat, Text::of(Word::NewGame), CaptionColour::Blue);
    playSound(g_, w_, snd::PlMore);
    g_.Seat1Revealed = true;
    redrawHand(g_, w_, 1);
    g_.Phase = GamePhase::RedealAnnounced;
    setActionButton(g_, w_, Word::NewGame, buttonEnabled);
    if (g_.NetGame && g_.NetRole == 1) w_.ports.peer.send(msg::Redeal{seat});
    w_.log.onRedeal(seat);
}

// Announces the sixes with which the attacker has just gone out; returns that seat, or 0.
int MatchController::announceSixes() {
    if (g_.SixesBonus == 0 || !g_.deckEmpty()) return 0;
    const int a = g_.Attacker;
    const BoutStep s = g_.Step;
    int seat = 0;
    if (a == 1 &&
        (s == BoutStep::Defend || s == BoutStep::ConfirmBeaten || s == BoutStep::ConfirmAdded) &&
        g_.KolCards1 == 0 && g_.KolCards2 > 0)
        seat = 1;
    if (a == 2 && (s == BoutStep::Add || s == BoutStep::AddToTaker) && g_.KolCards2 == 0 &&
        g_.KolCards1 > 0)
        seat = 2;
    if (seat == 0) return 0;
    setCaption(g_, w_, seat, Text::of(sixesWord(g_.SixesBonus)), CaptionColour::Blue);
    playSound(g_, w_, snd::PlMore);
    w_.ports.pause.pause(2000);
    return seat;
}

void MatchController::endBout() {
    const BoutStep stepAtPress = g_.Step;
    const bool net = g_.NetGame || g_.OnlineGame;
    showName(g_, w_, 1);
    showName(g_, w_, 2);
    g_.SixesBonus = SixesTest(g_);
    sixesSeat_ = announceSixes();

    if (g_.Attacker == 1 &&
        g_.Step == BoutStep::ConfirmBeaten) {  // seat 2 confirms seat 1's "Beaten"
        g_.Step = BoutStep::Lead;
        setActionEnabled(g_, w_, false);
        Discard(g_, w_);
        Refill(g_, w_, 1);
        Refill(g_, w_, 2);
        ClearTable(g_, w_);
        g_.PrevAttacker = 1;
        g_.Attacker = 2;
        setActionButton(g_, w_, Word::ThatsAll, false);
        w_.log.onBoutEnd(true, 1);
        if (KonEndTest(g_, w_)) g_.Step = BoutStep::KonOver;
    } else if (g_.Attacker == 1 && g_.Step == BoutStep::Defend) {  // seat 2 takes
        g_.Step = BoutStep::AddToTaker;
        setActionEnabled(g_, w_, false);
        w_.log.onMove(2, MoveKind::Defend, kNoCard);
        playSound(g_, w_, snd::HodBer);
        if (net) w_.ports.peer.send(msg::Pass{});
    } else if (g_.Attacker == 1 &&
               g_.Step == BoutStep::ConfirmAdded) {  // seat 2 accepts the added cards
        g_.Step = BoutStep::Lead;
        setActionEnabled(g_, w_, false);
        Take(g_, w_, 2);
        Refill(g_, w_, 1);
        ClearTable(g_, w_);
        g_.PrevAttacker = 1;
        g_.Attacker = 1;
        w_.log.onBoutEnd(false, 1);
        if (KonEndTest(g_, w_))
            g_.Step = BoutStep::KonOver;
        else if (net)
            w_.ports.peer.send(msg::Go{});
    } else if (g_.Attacker == 2 && g_.Step == BoutStep::Add) {  // seat 2 ends its beaten attack
        g_.Step = BoutStep::Lead;
        setActionEnabled(g_, w_, false);
        w_.log.onMove(2, MoveKind::Add, kNoCard);
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
        if (KonEndTest(g_, w_)) g_.Step = BoutStep::KonOver;
    } else if (g_.Attacker == 2 &&
               g_.Step == BoutStep::AddToTaker) {  // seat 2 stops adding to the taking seat 1
        g_.Step = BoutStep::Lead;
        w_.log.onMove(2, MoveKind::AddToTaker, kNoCard);
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
            g_.Step = BoutStep::AwaitingTake;
        }
        if (KonEndTest(g_, w_)) g_.Step = BoutStep::KonOver;
    }

    if (g_.Step == BoutStep::KonOver) {
        konOver();
    } else if (stepAtPress == BoutStep::ResultShown) {
        setMoveTimer(g_, w_, false);
        NewKon(true);
    }
}

void MatchController::konOver() {
    g_.Step = BoutStep::ResultShown;
    const int winner = WinnerSeat(g_.KonResult);
    const bool won = winner != 0;
    // Sixes on the table of the final bout are always the attacker's cards: they earn the
    // bonus only when the attacker went out with them (the announced seat won), never
    // when the defender went out by beating them.
    const int bonus = g_.rules.SixesRule && won && sixesSeat_ == winner ? g_.SixesBonus : 0;
    if (bonus > 0) {
        g_.Wins[static_cast<std::size_t>(winner)] += bonus;
        Rescore(g_);
    }
    if (won) w_.ports.table.drawSeatFrame(winner, g_.Wins[static_cast<std::size_t>(winner)]);
    w_.ports.table.showResult(g_.KonResult, g_.display.gifAnimation);
    playSound(g_, w_,
              g_.KonResult == KonOutcome::Seat1Won
                  ? snd::KoBads
                  : (g_.KonResult == KonOutcome::Seat2Won ? snd::KoGood : snd::Nichya));
    g_.Seat1Revealed = true;
    redrawHand(g_, w_, 1);
    g_.Button7Caption = Word::WePlayStill;
    enableAfterKon();
    if (g_.display.forecastOn) w_.ports.table.forecast(kForecastPending);
    w_.log.onKonEnd(g_.KonResult, bonus);
}

void MatchController::enableAfterKon() {
    // A LAN match is the three kons played in it, whatever the two players' lifetime
    // counts, so that both copies end it after the same kon.
    const bool cycleDone = g_.NetGame ? lanMatchComplete() : g_.KonCount % cycleLength() == 0;
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
        // The server deals the next kon only once the client has its result too ("o"):
        // a deal that overtook the client's last press would meet a running kon there.
        setActionButton(g_, w_, Word::WePlayStill, false);
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
    return (g_.Attacker == 1 && (g_.Step == BoutStep::Lead || g_.Step == BoutStep::Add ||
                                 g_.Step == BoutStep::AddToTaker)) ||
           (g_.Attacker == 2 && g_.Step == BoutStep::Defend);
}

void MatchController::TimerTick() {
    if (!g_.GameActive || g_.NetGame || !g_.MoveTimerOn || g_.Phase != GamePhase::Play) return;
    if (!ComputersTurn()) return;
    const MoveKind k = MoveKindAt(g_.Step);
    ComputerMove(k);
    if (k == MoveKind::AddToTaker) {
        g_.Step = BoutStep::ConfirmAdded;
        setActionEnabled(g_, w_, true);
        setCaption(g_, w_, 1, Text::of(Word::ThatsAllDots), CaptionColour::Blue);
        playSound(g_, w_, snd::Ding1);
    }
}

void MatchController::ComputerMove(MoveKind k) {
    bool passed = false;
    do {
        const Text saved = g_.captions[1];
        const CaptionColour savedColour = g_.captionColours[1];
        setCaption(g_, w_, 1, Text::name(""), CaptionColour::Blue);
        const SeatChoice choice = seat1_.choose(g_, 1, k, thinking_);
        setCaption(g_, w_, 1, saved, savedColour);
        if (choice.Zarp) g_.Zarp = *choice.Zarp;
        if (choice.WasTakes) g_.WasTakes = *choice.WasTakes;
        if (g_.display.forecastOn) w_.ports.table.forecast(choice.forecast);

        // A slot outside the hand would corrupt the state: it counts as a stop.
        bool pass = choice.slot < 1 || choice.slot > g_.KolCards1;
        if (k != MoveKind::Defend && !MayAttack(g_)) pass = true;
        int slot = pass ? 0 : choice.slot;
        // A lead has no stop; an opponent that offers one leads its weakest card.
        if (k == MoveKind::Lead && slot == 0) slot = 1;
        ApplyMove(g_, w_, 1, k, slot);
        passed = slot == 0;
    } while (k == MoveKind::AddToTaker && passed == false);
}

std::string MatchController::RemoteMove() {
    if (!g_.NetGame || !g_.GameActive || g_.Phase != GamePhase::Play || !ComputersTurn())
        return "a move out of turn";
    const MoveKind k = MoveKindAt(g_.Step);
    NoThinking quiet;
    const int slot = seat1_.choose(g_, 1, k, quiet).slot;
    if (slot < 0 || slot > g_.KolCards1) return "a card the player does not hold";
    if (slot == 0 && k == MoveKind::Lead) return "a pass where a card must be led";
    if (slot != 0 && CheckMove(g_, 1, slot, k) != kMoveOk) return "a card against the rules";
    if (slot != 0 && k != MoveKind::Defend && !MayAttack(g_))
        return "a card beyond the attack limit";
    ApplyMove(g_, w_, 1, k, slot);
    if (k == MoveKind::AddToTaker && slot == 0) {  // the remote stops adding to the taker
        g_.Step = BoutStep::ConfirmAdded;
        setActionEnabled(g_, w_, true);
        setCaption(g_, w_, 1, Text::of(Word::ThatsAllDots), CaptionColour::Blue);
        playSound(g_, w_, snd::Ding1);
    }
    return {};
}

std::string MatchController::RemoteGo() {
    if (!g_.NetGame || !g_.GameActive || g_.Step != BoutStep::AwaitingTake)
        return "\"hgo\" while no table is being taken";
    w_.ports.table.clearTable();
    g_.Step = BoutStep::Lead;
    if (KonEndTest(g_, w_)) {
        g_.Step = BoutStep::KonOver;
        konOver();
    }
    return {};
}

std::string MatchController::RemoteKonOver() {
    if (!g_.NetGame || g_.NetRole != 1 || !g_.GameActive || g_.Step != BoutStep::ResultShown ||
        lanMatchComplete() || g_.Button7Enabled)
        return "a kon end while no kon waits for it";
    setActionButton(g_, w_, Word::WePlayStill, true);
    return {};
}

bool MatchController::PeerLeavingInterrupts() const {
    if (!g_.GameActive) return false;
    if (g_.AwaitingDeal || !lanMatchComplete()) return true;
    if (g_.Step == BoutStep::KonOver || g_.Step == BoutStep::ResultShown) return false;
    // The last kon is decided once the deck is empty and a hand is out; it can still be
    // finished here only while no move of the other copy is due.
    const bool decided = g_.deckEmpty() && (g_.KolCards1 == 0 || g_.KolCards2 == 0);
    return !decided || ComputersTurn() || g_.Step == BoutStep::AwaitingTake;
}

std::optional<MoveKind> MatchController::HumanMoveKind() const {
    if (g_.Attacker == 1 && g_.Step == BoutStep::Defend) return MoveKind::Defend;
    if (g_.Attacker == 2 && g_.Step == BoutStep::Lead) return MoveKind::Lead;
    if (g_.Attacker == 2 && g_.Step == BoutStep::Add) return MoveKind::Add;
    if (g_.Attacker == 2 && g_.Step == BoutStep::AddToTaker) return MoveKind::AddToTaker;
    return std::nullopt;
}

ClickResult MatchController::HandClick(int slot) {
    const std::optional<MoveKind> humanKind = HumanMoveKind();
    if (!humanKind || !g_.GameActive || g_.Phase != GamePhase::Play) return ClickResult::Ignored;
    const MoveKind kind = *humanKind;
    if (slot < 1 || slot > g_.KolCards2) return ClickResult::Ignored;
    if (CheckMove(g_, slot, kind) != kMoveOk) {
        playSound(g_, w_, snd::Wrongs);
        return ClickResult::Refused;
    }
    if (kind != MoveKind::Defend && !MayAttack(g_)) return ClickResult::Ignored;
    showName(g_, w_, 2);
    const Card card = g_.CardsI2[slot];
    g_.KartaHod = card;  // the move message is built from it, for a defence too
    if (g_.NetGame || g_.OnlineGame) {
        w_.ports.peer.send(msg::Move{card});
        if (kind != MoveKind::AddToTaker) setActionEnabled(g_, w_, false);
    }
    ApplyMove(g_, w_, 2, kind, slot);
    return ClickResult::Played;
}

}  // namespace tavik
