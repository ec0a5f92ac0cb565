#include "ai/computer_opponent.h"

#include "ai/choose_move.h"
#include "ai/forecast.h"
#include "ai/snapshot.h"
#include "core/rules/moves.h"

namespace tavik::ai {

std::string englishThink() {
    return std::string(englishWord(Word::IThink)) + " ";
}

OpponentAnswer ComputerOpponent::ChooseMove(const GameState& g, MoveKind mode, TablePort& table) {
    StatTavik2 s = MakeSnapshot(g, 1, g.Zarp, g.WasTakes != 0, think_, &table);
    bool stop = false;
    const int slot = ai::ChooseMove(mode, s, stop, search_);
    OpponentAnswer a;
    a.pass = stop;
    a.slot = stop ? 0 : slot;
    a.Zarp = s.Zarp;
    a.WasTakes = s.WasTakes ? 1 : 0;
    a.forecast = std::string(ForecastText(s.Prognoz));
    return a;
}

int AiSeatPlayer::choose(const GameState& g, int seat, MoveKind kind) {
    StatTavik2 s = MakeSnapshot(g, seat, zarp_, wasTakes_, englishThink(), nullptr);
    bool stop = false;
    int slot = ai::ChooseMove(kind, s, stop, search_);
    zarp_ = s.Zarp;
    wasTakes_ = s.WasTakes;
    if (stop || slot < 1 || slot > g.kolCards(seat)) slot = 0;
    if (kind != MoveKind::Defend && !MayAttack(g)) slot = 0;
    if (kind == MoveKind::Lead && slot == 0) slot = 1;  // a lead is never a pass
    return slot;
}

void AiSeatPlayer::onBoutEnd(bool discard, int attacker) {
    // The other seat's attack ended: taken by this seat, or discarded.
    if (attacker != seat_) wasTakes_ = !discard;
}

}  // namespace tavik::ai
