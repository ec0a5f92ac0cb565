#include "ai/choose_move.h"

#include "ai/attack_rules.h"
#include "ai/defence_rules.h"
#include "ai/forecast.h"
#include "ai/queries.h"
#include "ai/solvers.h"

namespace tavik::ai {
namespace {

int withDeck(MoveKind mode, StatTavik2& s, bool& stop) {
    switch (mode) {
        case MoveKind::Lead:
            stop = false;
            s.Zarp = 0;
            return LeadWithDeck(s);
        case MoveKind::Add:
            return ThrowInWithDeck(s, stop);
        case MoveKind::Defend:
            return DefendWithDeck(s, stop);
        case MoveKind::AddToTaker:
            break;
    }
    return AddToTakerWithDeck(s, stop);
}

int solved(StatTavik2& s, const SolverAnswer& answer) {
    s.Prognoz = static_cast<std::uint8_t>(answer.guaranteed);
    return FindCard(s.CardsI1, answer.card);
}

int searched(MoveKind mode, StatTavik2& s, bool& stop, EndgameSearch& search,
             ChoiceDetails* details) {
    const SearchRoot root = mode == MoveKind::Defend ? DefenceRoot(s) : AttackRoot(s, mode);
    const SearchAnswer answer = search.run(root, SearchProgress{s.Image});
    s.Prognoz = ForecastCode(answer.value);
    if (details) *details = ChoiceDetails{true, answer.value, answer.nodes, answer.timedOut};
    const int slot = FindCard(s.CardsI1, answer.card);
    if (mode != MoveKind::Lead) stop = slot == 0;
    return slot;
}

}  // namespace

int ChooseMove(MoveKind mode, StatTavik2& s, bool& stop, EndgameSearch& search,
               ChoiceDetails* details) {
    if (details) *details = ChoiceDetails{};
    s.Prognoz = kForecastPending;
    stop = false;
    if (!s.deckEmpty()) return withDeck(mode, s, stop);

    const bool heuristics = s.cardsInPlay() > s.MaxSuper;
    switch (mode) {
        case MoveKind::Lead:
            if (s.KolCards1 == 2 && s.KolCards2 == 2)
                return solved(s, SolveTwoVsTwo(s.CardsI1[1], s.CardsI1[2], s.CardsI2[1],
                                               s.CardsI2[2], s.Koz));
            if (s.KolCards1 == 3 && s.KolCards2 == 1)
                return solved(s, SolveThreeVsOne(s.CardsI1[1], s.CardsI1[2], s.CardsI1[3],
                                                 s.CardsI2[1], s.Koz));
            if (heuristics) return LeadEndgame(s);
            break;
        case MoveKind::Add:
            if (heuristics) return ThrowInEndgame(s, stop);
            break;
        case MoveKind::Defend:
            if (heuristics) return DefendEndgame(s, stop);
            break;
        case MoveKind::AddToTaker:
            if (heuristics) return AddToTakerEndgame(s, stop);
            break;
    }
    return searched(mode, s, stop, search, details);
}

int ChooseExactly(MoveKind mode, StatTavik2& s, bool& stop, EndgameSearch& search,
                  ChoiceDetails* details) {
    if (details) *details = ChoiceDetails{};
    s.Prognoz = kForecastPending;
    stop = false;
    return searched(mode, s, stop, search, details);
}

}  // namespace tavik::ai
