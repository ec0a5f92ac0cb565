#include "ai/solvers.h"

#include <algorithm>

#include "core/state/game_state.h"

namespace tavik::ai {
namespace {

struct Rating {
    int guaranteed = 0, secondary = 0;
};

// Of two leads, the one with the higher guaranteed outcome; at equal guarantees the
// earlier only when its secondary outcome is strictly higher.
bool preferEarlier(Rating earlier, Rating later) {
    if (earlier.guaranteed != later.guaranteed) return earlier.guaranteed > later.guaranteed;
    return earlier.secondary > later.secondary;
}

}  // namespace

SolverAnswer SolveTwoVsTwo(Card a1, Card a2, Card h1, Card h2, Suit trump) {
    auto beats = [&](Card defence, Card attack) { return CardBeats(attack, defence, trump); };

    // 1. A pair: the second card follows as a throw-in.
    if (a1.value() == a2.value()) {
        const bool draw = (beats(h1, a1) && beats(h2, a2)) || (beats(h2, a1) && beats(h1, a2));
        const int outcome = draw ? kOutcomeDraw : kOutcomeWin;
        return {a1, outcome, outcome};
    }
    // 2. A card the human cannot beat wins at once.
    if (!beats(h1, a1) && !beats(h2, a1)) return {a1, kOutcomeWin, kOutcomeWin};
    if (!beats(h1, a2) && !beats(h2, a2)) return {a2, kOutcomeWin, kOutcomeWin};

    // 3. Rate each lead over the human's possible answers.
    auto rate = [&](Card lead, Card kept) {
        Rating r{kOutcomeWin + 1, 0};
        for (int i = 0; i < 2; ++i) {
            const Card hi = i == 0 ? h1 : h2, hm = i == 0 ? h2 : h1;
            if (!beats(hi, lead)) continue;
            int rating;
            if (hi.value() == kept.value())  // the kept card can be thrown in
                rating = beats(hm, kept) ? kOutcomeDraw : kOutcomeWin;
            else  // the human attacks with its other card
                rating = beats(kept, hm) ? kOutcomeDraw : kOutcomeLoss;
            r.guaranteed = std::min(r.guaranteed, rating);
            r.secondary = std::max(r.secondary, rating);
        }
        return r;
    };
    const Rating r1 = rate(a1, a2), r2 = rate(a2, a1);
    // 4. The higher guarantee; A1 on a tie only with a strictly higher secondary outcome.
    if (preferEarlier(r1, r2)) return {a1, r1.guaranteed, r1.secondary};
    return {a2, r2.guaranteed, r2.secondary};
}

SolverAnswer SolveThreeVsOne(Card a1, Card a2, Card a3, Card h, Suit trump) {
    const Card a[3] = {a1, a2, a3};
    // 1. The human beats everything.
    bool eligible[3];
    int count = 0;
    for (int i = 0; i < 3; ++i) {
        eligible[i] = !CardBeats(a[i], h, trump);
        count += eligible[i];
    }
    if (count == 0) return {a1, kOutcomeLoss, kOutcomeLoss};

    // 2. A lead the human cannot beat is taken; then two against two follows.
    Rating rating[3];
    for (int i = 0; i < 3; ++i) {
        if (!eligible[i]) continue;
        const Card x = a[i == 0 ? 1 : 0], y = a[i == 2 ? 1 : 2];
        const SolverAnswer r = SolveTwoVsTwo(x, y, h, a[i], trump);
        rating[i] = {r.guaranteed, r.secondary};
    }
    auto answer = [&](int i) {
        return SolverAnswer{a[i], rating[i].guaranteed, rating[i].secondary};
    };

    // 3-4. One or two eligible leads.
    if (count == 1)
        for (int i = 0; i < 3; ++i)
            if (eligible[i]) return answer(i);
    if (count == 2) {
        const int first = eligible[0] ? 0 : 1, second = eligible[2] ? 2 : 1;
        return answer(preferEarlier(rating[first], rating[second]) ? first : second);
    }

    // 5. Three eligible leads.
    const int g1 = rating[0].guaranteed, g2 = rating[1].guaranteed, g3 = rating[2].guaranteed;
    if (g1 > g2 && g1 > g3) return answer(0);
    if (g2 > g1 && g2 > g3) return answer(1);
    if (g3 > g1 && g3 > g2) return answer(2);
    if (g1 == g2 && g1 > g3) return answer(preferEarlier(rating[0], rating[1]) ? 0 : 1);
    if (g1 == g3 && g1 > g2) return answer(preferEarlier(rating[0], rating[2]) ? 0 : 2);
    if (g2 == g3 && g2 > g1) return answer(preferEarlier(rating[1], rating[2]) ? 1 : 2);
    // All three equal: the best secondary outcome, led by the last card that has it.
    const int best = std::max({rating[0].secondary, rating[1].secondary, rating[2].secondary});
    int last = 0;
    for (int i = 0; i < 3; ++i)
        if (rating[i].secondary == best) last = i;
    return {a[last], g1, best};
}

}  // namespace tavik::ai
