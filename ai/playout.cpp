#include "ai/playout.h"

#include "ai/choose_move.h"
#include "ai/snapshot.h"
#include "core/rules/bout.h"
#include "core/rules/moves.h"

namespace tavik::ai {

Playout::Playout(EndgameSearch& search) : search_(search), world_(0, /*recording=*/false) {}

int Playout::classic(GameState& g, int seat, MoveKind kind, ClassicMemory& memory) {
    if (kind != MoveKind::Lead && kind != MoveKind::Defend && !MayAttack(g)) return 0;
    StatTavik2 s = MakeSnapshot(g, seat, memory.zarp[static_cast<std::size_t>(seat)],
                                memory.wasTakes[static_cast<std::size_t>(seat)], nullptr);
    bool stop = false;
    int slot = ChooseMove(kind, s, stop, search_);
    memory.zarp[static_cast<std::size_t>(seat)] = s.Zarp;
    memory.wasTakes[static_cast<std::size_t>(seat)] = s.WasTakes;
    if (stop || slot < 1 || slot > g.kolCards(seat) || CheckMove(g, seat, slot, kind) != kMoveOk)
        slot = 0;
    if (kind == MoveKind::Lead && slot == 0) slot = 1;  // a lead is never a pass
    return slot;
}

Playout::Next Playout::play(GameState& g, int seat, MoveKind kind, int slot) {
    if (slot == 0)
        return kind == MoveKind::Defend ? Next::AddToTaker
               : kind == MoveKind::Add  ? Next::Discard
                                        : Next::Take;
    ApplyMove(g, world_.world, seat, kind, slot);
    return kind == MoveKind::Defend       ? Next::Add
           : kind == MoveKind::AddToTaker ? Next::AddToTaker
                                          : Next::Defend;
}

void Playout::endBout(GameState& g, bool discard, ClassicMemory& memory) {
    World& w = world_.world;
    const int attacker = g.Attacker, defender = 3 - attacker;
    if (discard) {
        Discard(g, w);
        Refill(g, w, attacker);
        Refill(g, w, defender);
        g.Attacker = defender;
    } else {
        Take(g, w, defender);
        Refill(g, w, attacker);
    }
    ClearTable(g, w);
    // WasTakes: the defender took (or not) a bout the other seat led.
    memory.wasTakes[static_cast<std::size_t>(defender)] = !discard;
}

int Playout::finalValue(const GameState& g, int me) {
    const bool empty1 = g.KolCards1 == 0, empty2 = g.KolCards2 == 0;
    if (empty1 || empty2) {
        if (empty1 && empty2) return kValueDraw;
        return (empty1 ? 1 : 2) == me ? kValueWin : kValueLoss;
    }
    SearchRoot root;
    const int attacker = g.Attacker;
    for (int i = 1; i <= g.kolCards(attacker); ++i) root.mover.push_back(g.hand(attacker)[i]);
    for (int i = 1; i <= g.kolCards(3 - attacker); ++i)
        root.other.push_back(g.hand(3 - attacker)[i]);
    root.trump = g.Koz;
    const int v = search_.value(root);
    nodes_ += search_.lastNodes();
    return attacker == me ? v : -v;
}

int Playout::valueAfter(GameState g, int seat, MoveKind kind, int slot, int me,
                        ClassicMemory memory) {
    g.display = DisplayOptions{false, false, false, false};
    g.rules.HintsRule = false;
    Next next = play(g, seat, kind, slot);
    while (true) {
        const int attacker = g.Attacker, defender = 3 - attacker;
        switch (next) {
            case Next::Lead:
                if (g.deckEmpty() || g.KolCards1 == 0 || g.KolCards2 == 0) return finalValue(g, me);
                next =
                    play(g, attacker, MoveKind::Lead, classic(g, attacker, MoveKind::Lead, memory));
                break;
            case Next::Defend:
                next = play(g, defender, MoveKind::Defend,
                            classic(g, defender, MoveKind::Defend, memory));
                break;
            case Next::Add:
                next =
                    play(g, attacker, MoveKind::Add, classic(g, attacker, MoveKind::Add, memory));
                break;
            case Next::AddToTaker:
                next = play(g, attacker, MoveKind::AddToTaker,
                            classic(g, attacker, MoveKind::AddToTaker, memory));
                break;
            case Next::Discard:
            case Next::Take:
                endBout(g, next == Next::Discard, memory);
                next = Next::Lead;
                break;
        }
    }
}

}  // namespace tavik::ai
