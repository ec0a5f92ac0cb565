#include "core/match/seat_players.h"

#include <vector>

#include "core/rules/moves.h"

namespace tavik {

bool IsLegalMove(const GameState& g, int seat, int slot, MoveKind kind) {
    if (slot < 1 || slot > g.kolCards(seat)) return false;
    if (CheckMove(g, seat, slot, kind) != kMoveOk) return false;
    return kind == MoveKind::Defend || MayAttack(g);
}

SeatChoice RandomPlayer::choose(const GameState& g, int seat, MoveKind kind, ThinkingPort&) {
    std::vector<int> options;
    for (int slot = 1; slot <= g.kolCards(seat); ++slot)
        if (IsLegalMove(g, seat, slot, kind)) options.push_back(slot);
    if (kind != MoveKind::Lead) options.push_back(0);
    if (options.empty()) return {};
    return {options[static_cast<std::size_t>(random_.random(static_cast<int>(options.size())))]};
}

SeatChoice LowestPlayer::choose(const GameState& g, int seat, MoveKind kind, ThinkingPort&) {
    for (int slot = 1; slot <= g.kolCards(seat); ++slot)
        if (IsLegalMove(g, seat, slot, kind)) return {slot};
    return {};
}

std::unique_ptr<Seat> makeSeatPlayer(const std::string& name, std::uint64_t seed) {
    if (name == "random") return std::make_unique<RandomPlayer>(seed);
    if (name == "lowest") return std::make_unique<LowestPlayer>();
    return nullptr;
}

}  // namespace tavik
