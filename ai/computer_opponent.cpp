#include "ai/computer_opponent.h"

#include "ai/choose_move.h"
#include "ai/forecast.h"
#include "ai/snapshot.h"
#include "core/rules/moves.h"

namespace tavik::ai {

SeatChoice ComputerOpponent::choose(const GameState& g, int seat, MoveKind kind,
                                    ThinkingPort& thinking) {
    const bool stateKeeps = seat == 1;  // the game state keeps seat 1's memory
    StatTavik2 s = stateKeeps ? MakeSnapshot(g, seat, g.Zarp, g.WasTakes != 0, &thinking)
                              : MakeSnapshot(g, seat, zarp_, wasTakes_, &thinking);
    bool stop = false;
    int slot = ai::ChooseMove(kind, s, stop, search_);
    SeatChoice choice;
    choice.forecast = s.Prognoz;
    if (stateKeeps) {
        choice.Zarp = s.Zarp;
        choice.WasTakes = s.WasTakes ? 1 : 0;
        choice.slot = stop ? 0 : slot;
        return choice;
    }
    zarp_ = s.Zarp;
    wasTakes_ = s.WasTakes;
    if (stop || slot < 1 || slot > g.kolCards(seat)) slot = 0;
    if (kind != MoveKind::Defend && !MayAttack(g)) slot = 0;
    if (kind == MoveKind::Lead && slot == 0) slot = 1;  // a lead is never a pass
    choice.slot = slot;
    return choice;
}

void ComputerOpponent::onBoutEnd(bool discard, int attacker) {
    // The other seat's attack ended: taken by this seat, or discarded.
    if (seat_ != 1 && attacker != seat_) wasTakes_ = !discard;
}

}  // namespace tavik::ai
