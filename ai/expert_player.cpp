#include "ai/expert_player.h"

#include <vector>

#include "ai/choose_move.h"
#include "ai/forecast.h"
#include "ai/snapshot.h"
#include "core/rules/moves.h"

namespace tavik::ai {
namespace {

constexpr int kFewestDeals = 4;

// A seed made of what the seat sees at this decision, so the same sight gives the same
// deals.
std::uint64_t seedOf(const GameState& g, int seat, MoveKind kind, const HiddenCards& hidden) {
    std::uint64_t h = 0xCBF29CE484222325ULL;
    auto mix = [&](std::uint64_t x) { h = (h ^ x) * 0x100000001B3ULL; };
    mix(static_cast<std::uint64_t>(kind));
    mix(static_cast<std::uint64_t>(g.Och));
    mix(static_cast<std::uint64_t>(g.kolCards(3 - seat)));
    mix(static_cast<std::uint64_t>(g.KolHods * 8 + g.KolFree));
    for (int i = 1; i <= g.kolCards(seat); ++i)
        mix(static_cast<std::uint64_t>(g.hand(seat)[i].number()));
    for (int i = 1; i < g.OchGame && i <= 12; ++i)
        mix(static_cast<std::uint64_t>(g.InGameI[i].number()) + 64);
    for (Card c : hidden.otherKnown) mix(static_cast<std::uint64_t>(c.number()) + 128);
    for (Card c : hidden.unseen) mix(static_cast<std::uint64_t>(c.number()) + 192);
    return h;
}

// The moves open to the seat: its legal cards in slot order, then the pass where one is
// allowed.
std::vector<int> candidates(const GameState& g, int seat, MoveKind kind) {
    std::vector<int> out;
    if (kind != MoveKind::Lead && kind != MoveKind::Defend && !MayAttack(g)) return {0};
    for (int slot = 1; slot <= g.kolCards(seat); ++slot)
        if (CheckMove(g, seat, slot, kind) == kMoveOk) out.push_back(slot);
    if (kind != MoveKind::Lead) out.push_back(0);
    return out;
}

}  // namespace

ExpertPlayer::ExpertPlayer(int seat, ExpertOptions options)
    : options_(options), seen_(seat), exact_(22), playoutEnd_(16), playout_(playoutEnd_) {
    playoutEnd_.setTimeLimitMs(options_.playoutLimitMs);
}

void ExpertPlayer::onDeal(const GameState& g) {
    seen_.onDeal(g);
    memory_ = ClassicMemory{};
}

void ExpertPlayer::onBoutEnd(bool discard, int attacker) {
    seen_.onBoutEnd(discard, attacker);
    memory_.wasTakes[static_cast<std::size_t>(3 - attacker)] = !discard;
}

int ExpertPlayer::exactly(const GameState& g, int seat, MoveKind kind, const HiddenCards& hidden,
                          ThinkingPort& thinking) {
    StatTavik2 s = MakeSnapshot(g, seat, 0, false, &thinking);
    s.CardsI2 = OtherHandWhenDeckEmpty(hidden);
    bool stop = false;
    ChoiceDetails choice;
    const int slot = ChooseExactly(kind, s, stop, exact_, &choice);
    details_ = Details{true, choice.value, 0, 0};
    return stop ? 0 : slot;
}

int ExpertPlayer::classicChoice(const GameState& g, int seat, MoveKind kind) {
    std::size_t me = static_cast<std::size_t>(seat);
    StatTavik2 s = MakeSnapshot(g, seat, memory_.zarp[me], memory_.wasTakes[me], nullptr);
    s.CardsI2.fill(kNoCard);  // while the deck holds cards the rules read only the counts
    bool stop = false;
    const int slot = ChooseMove(kind, s, stop, playoutEnd_);
    memory_.zarp[me] = s.Zarp;
    memory_.wasTakes[me] = s.WasTakes;
    return stop ? 0 : slot;
}

int ExpertPlayer::bySampling(const GameState& g, int seat, MoveKind kind,
                             const HiddenCards& hidden) {
    const int classicSlot = classicChoice(g, seat, kind);
    const std::vector<int> moves = candidates(g, seat, kind);
    details_ = Details{false, 0, static_cast<int>(moves.size()), 0};
    if (moves.size() == 1) return moves.front();
    std::vector<int> total(moves.size(), 0);
    SeededRandom random(seedOf(g, seat, kind, hidden));
    const std::uint64_t before = playout_.nodesSearched();
    int d = 0;
    for (; d < options_.deals; ++d) {
        if (options_.decisionNodes > 0 && d >= kFewestDeals &&
            playout_.nodesSearched() - before > options_.decisionNodes)
            break;
        const GameState deal = SampleDeal(g, seat, hidden, random);
        for (std::size_t m = 0; m < moves.size(); ++m)
            total[m] += playout_.valueAfter(deal, seat, kind, moves[m], seat, memory_);
    }
    details_.deals = d;
    std::size_t best = 0;
    for (std::size_t m = 1; m < moves.size(); ++m)
        if (total[m] > total[best] ||
            (total[m] == total[best] && moves[m] == classicSlot && moves[best] != classicSlot))
            best = m;
    details_.value = total[best];
    return moves[best];
}

SeatChoice ExpertPlayer::choose(const GameState& g, int seat, MoveKind kind,
                                ThinkingPort& thinking) {
    const HiddenCards hidden = HiddenFrom(g, seat, seen_.otherHolds());
    int slot = g.deckEmpty() ? exactly(g, seat, kind, hidden, thinking)
                             : bySampling(g, seat, kind, hidden);
    SeatChoice choice;
    choice.forecast = details_.exact ? ForecastCode(details_.value) : kForecastPending;
    if (slot < 1 || slot > g.kolCards(seat)) slot = 0;
    if (kind != MoveKind::Defend && !MayAttack(g)) slot = 0;
    if (kind == MoveKind::Lead && slot == 0) slot = 1;  // a lead is never a pass
    choice.slot = slot;
    return choice;
}

}  // namespace tavik::ai
