// Starting a kon: NewKon and the standing it loads.
#include <string>

#include "core/match/controller.h"
#include "core/rules/bout.h"
#include "core/rules/controls.h"
#include "core/rules/deal.h"
#include "core/rules/sounds.h"

namespace tavik {

MatchController::MatchController(GameState& g, World& w, Seat& seat1, MatchHooks& hooks)
    : g_(g), w_(w), seat1_(seat1), hooks_(hooks) {}

int MatchController::cycleLength() const {
    if (g_.OnlineGame) return 1;
    if (g_.NetGame) return 3;
    return 30;
}

void MatchController::loadStanding() {
    if (g_.UserSlot >= 1 && g_.UserSlot <= 5) {
        const Standing s = hooks_.loadStanding(g_, g_.UserSlot);
        g_.UserName = s.name;
        g_.Rating = s.rating;
        g_.KonCount = s.KonCount;
        g_.BaseScore = s.BaseScore;
    } else {
        // A new player, an account without kons, or a tournament client start from zero.
        g_.KonCount = 0;
        g_.BaseScore = 0;
        g_.Rating = 0;
    }
    g_.KonCountStart = g_.KonCount;
    g_.ScoreDelta = 0;
    g_.Score = g_.BaseScore;
}

void MatchController::NewKon(bool continuing) {
    TablePort& table = w_.ports.table;
    // 1. The empty table, both hand areas and the deck area; both captions cleared.
    table.clearTableBoxes();
    setCaption(g_, w_, 1, Text{}, CaptionColour::None);
    setCaption(g_, w_, 2, Text{}, CaptionColour::None);

    // 2-3. A new match starts from zero wins and loads the player's standing.
    if (!continuing) {
        g_.Wins = {};
        g_.KonResult = KonOutcome::None;
        g_.OpenCards = false;
    }
    if (!continuing || g_.UserSlot == 8) loadStanding();

    // A LAN client counts and deals nothing itself: it waits for the server's deal,
    // which ReceiveDeal applies and counts.
    if (g_.NetGame && g_.NetRole == 2) {
        g_.AwaitingDeal = true;
        g_.GameActive = true;
        g_.KonOver = false;
        g_.Phase = GamePhase::Dealt;
        g_.Step = BoutStep::Lead;
        setActionButton(g_, w_, Word::ToBegin, false);
        setEndMatchButton(g_, w_, true, false);
        table.drawScores(g_.Score, g_.ScoreDelta, g_.Wins[1], g_.Wins[2], matchKons());
        table.tableText(Word::ExpectationOfServer);
        setMoveTimer(g_, w_, false);
        return;
    }

    // 4. A re-deal is not counted again.
    const bool redeal = continuing && g_.Phase == GamePhase::RedealAnnounced;
    if (!redeal) g_.KonCount += 1;

    // 5. Seat names of a local game.
    if (!g_.NetGame && !g_.OnlineGame) {
        g_.names[1] = "PC";
        g_.names[2] = WithoutTrailingBlanks(g_.UserName);
    }

    // 6-8. Shuffle, deal, trump and the first attacker.
    Shuffle(g_, w_.ports.random);
    DealHands(g_);
    ChooseFirstAttacker(g_, continuing, 2);

    // 9. A LAN server sends the deal to the client.
    if (g_.NetGame && g_.NetRole == 1)
        w_.ports.peer.send(msg::Deal{g_.KolodaI, g_.Attacker, g_.rules});
    startKon();
}

std::string MatchController::ReceiveDeal(const msg::Deal& deal) {
    if (!g_.NetGame || g_.NetRole != 2) return "a deal sent to the server";
    const bool redeal = !g_.AwaitingDeal && g_.Phase == GamePhase::RedealAnnounced;
    const bool nextKon =
        !g_.AwaitingDeal && g_.Step == BoutStep::ResultShown && !lanMatchComplete();
    if (!g_.AwaitingDeal && !redeal && !nextKon) return "a deal while a kon is on the table";
    w_.ports.table.clearTableBoxes();
    setCaption(g_, w_, 1, Text{}, CaptionColour::None);
    setCaption(g_, w_, 2, Text{}, CaptionColour::None);
    // The client counts every deal but a re-deal, so both copies count the same kons.
    if (!redeal) g_.KonCount += 1;
    g_.AwaitingDeal = false;
    g_.KolodaI = deal.deck;
    g_.rules = deal.rules;
    DealHands(g_, /*receivedFromServer=*/true);
    // The server decides the first attacker; the client only shows why: the server's
    // lowest trump when the server leads by it.
    const int attacker = deal.attacker == 1 ? 2 : 1;
    ChooseFirstAttacker(g_, true, attacker);
    g_.Attacker = attacker;
    if (attacker != 1) g_.ShownTrump = kNoCard;
    startKon();
    return {};
}

std::string MatchController::ReceiveKonStart() {
    if (!g_.NetGame || g_.NetRole != 2 || g_.AwaitingDeal || !g_.GameActive ||
        g_.Phase != GamePhase::Dealt)
        return "a kon start outside a fresh deal";
    g_.Phase = GamePhase::Play;
    setActionButton(g_, w_, g_.Attacker == 1 ? Word::ITake : Word::ThatsAll, false);
    return {};
}

std::string MatchController::ReceiveRedeal(int serverSeat) {
    const int seat = 3 - serverSeat;
    if (!g_.NetGame || g_.NetRole != 2 || g_.AwaitingDeal || !g_.GameActive ||
        (g_.Phase != GamePhase::Dealt && g_.Phase != GamePhase::RedealAnnounced))
        return "a re-deal outside a fresh deal";
    if (!g_.rules.ReDealRule || !QualifiesForRedeal(g_, seat))
        return "a re-deal for a hand that does not qualify";
    announceRedeal(seat, false);
    return {};
}

void MatchController::startKon() {
    TablePort& table = w_.ports.table;
    // 10. Reset the kon.
    g_.Step = BoutStep::Lead;
    g_.KonOver = false;
    g_.DeckEmptyAnnounced = false;
    g_.Och = 13;
    g_.BitoNext = 1;
    g_.Bito.fill(kNoCard);
    g_.WasTakes = 0;
    g_.Phase = GamePhase::Dealt;
    g_.GameActive = true;
    g_.Seat1Revealed = false;
    g_.SixesBonus = 0;
    ClearTable(g_, w_);
    w_.log.onDeal(g_);

    // 11-12. Buttons and scores; a LAN client waits for the server to start.
    setActionButton(g_, w_, Word::ToBegin, !(g_.NetGame && g_.NetRole == 2));
    setEndMatchButton(g_, w_, true, false);
    table.drawScores(g_.Score, g_.ScoreDelta, g_.Wins[1], g_.Wins[2],
                     g_.KonCount - g_.KonCountStart);

    // 14. Hands, the shown trump, names, the deck; the computer-move timer stays stopped.
    redrawHand(g_, w_, 1);
    redrawHand(g_, w_, 2);
    if (!g_.ShownTrump.empty()) table.drawShownTrump(g_.ShownTrump);
    showName(g_, w_, 1);
    showName(g_, w_, 2);
    redrawDeck(g_, w_);
    playSound(g_, w_, snd::TasoKo);
    setMoveTimer(g_, w_, false);
    table.konIndicator(g_.KonCount, g_.OnlineGame ? 1 : 30, g_.KonCount - g_.KonCountStart);
}

}  // namespace tavik
