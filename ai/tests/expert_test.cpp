// The Expert: it decides from what its seat sees only, its sampled deals agree with
// that sight, it plays exactly once the deck is empty, and it plays whole matches by
// the rules from either seat.
#include <gtest/gtest.h>

#include <algorithm>

#include "ai/choose_move.h"
#include "ai/computer_opponent.h"
#include "ai/expert_player.h"
#include "ai/hidden_cards.h"
#include "ai/snapshot.h"
#include "core/match/headless_play.h"
#include "core/match/match_session.h"
#include "core/match/recorder.h"
#include "core/rules/deal.h"

#ifndef TAVIK_EXPERT_SEEDS
#define TAVIK_EXPERT_SEEDS 4
#endif
#ifndef TAVIK_EXPERT_KONS
#define TAVIK_EXPERT_KONS 6
#endif

namespace tavik::ai {
namespace {

struct NoThinking : ThinkingPort {
    void thinking(const ThinkingProgress&) override {}
};

// A fresh deal from the seed, seat 1 to lead.
GameState dealt(std::uint64_t seed) {
    GameState g;
    SeededRandom random(seed);
    Shuffle(g, random);
    DealHands(g);
    g.Och = 13;  // as a new kon leaves it
    g.Attacker = 1;
    g.Step = BoutStep::Lead;
    return g;
}

// Moves the card from one hand to the other and normalises both.
void moveCard(GameState& g, int from, int slot, int to) {
    const Card c = g.hand(from)[slot];
    g.hand(from)[slot] = kNoCard;
    g.hand(to)[g.kolCards(to) + 1] = c;
    NormaliseHand(g, from);
    NormaliseHand(g, to);
}

// Deals the cards seat `seat` cannot see anew: the other hand's cards not in `known`
// and the deck above its bottom card, shuffled together.
GameState permuteHidden(const GameState& g, int seat, const std::vector<Card>& known,
                        std::uint64_t seed) {
    GameState p = g;
    const int other = 3 - seat;
    std::vector<Card> hidden;
    std::vector<int> otherSlots, deckSlots;
    for (int i = 1; i <= g.kolCards(other); ++i)
        if (std::find(known.begin(), known.end(), g.hand(other)[i]) == known.end()) {
            hidden.push_back(g.hand(other)[i]);
            otherSlots.push_back(i);
        }
    for (int i = g.Och; i <= 35; ++i) {
        hidden.push_back(g.KolodaI[i]);
        deckSlots.push_back(i);
    }
    SeededRandom random(seed);
    for (int i = static_cast<int>(hidden.size()) - 1; i > 0; --i)
        std::swap(hidden[static_cast<std::size_t>(i)],
                  hidden[static_cast<std::size_t>(random.random(i + 1))]);
    std::size_t next = 0;
    for (int slot : otherSlots) p.hand(other)[slot] = hidden[next++];
    for (int slot : deckSlots) p.KolodaI[slot] = hidden[next++];
    NormaliseHand(p, other);
    return p;
}

TEST(Expert, ChoiceDoesNotDependOnCardsItCannotSee) {
    NoThinking quiet;
    int decisions = 0;
    for (std::uint64_t seed = 1; seed <= TAVIK_EXPERT_SEEDS; ++seed) {
        for (int seat = 1; seat <= 2; ++seat) {
            // The other seat took a card from the table earlier: the Expert knows it holds it.
            GameState g = dealt(seed);
            moveCard(g, seat, 1, 3 - seat);
            const Card taken = g.hand(3 - seat)[1];
            ExpertPlayer expert(seat,
                                ExpertOptions{6, 40, 0});  // no node limit: a fixed number of deals
            expert.onDeal(g);
            expert.onMove(seat, MoveKind::Lead, taken);
            expert.onMove(3 - seat, MoveKind::Defend, kNoCard);
            expert.onBoutEnd(false, seat);
            // The lead, and a defence against the other seat's lowest card.
            GameState defence = g;
            defence.Attacker = 3 - seat;
            defence.Step = BoutStep::Defend;
            const Card led = defence.hand(3 - seat)[defence.kolCards(3 - seat)];
            ASSERT_NE(led, taken);
            defence.hand(3 - seat)[defence.kolCards(3 - seat)] = kNoCard;
            NormaliseHand(defence, 3 - seat);
            defence.InGameI[1] = led;
            defence.OchGame = 2;
            defence.KolCardsStol = 1;
            defence.KolHods = 1;
            defence.KolFree = 1;
            defence.KartaHod = led;
            for (auto [state, kind] :
                 {std::pair{g, MoveKind::Lead}, std::pair{defence, MoveKind::Defend}}) {
                const int first = expert.choose(state, seat, kind, quiet).slot;
                for (std::uint64_t p = 1; p <= 3; ++p) {
                    const GameState other = permuteHidden(state, seat, {taken}, seed * 10 + p);
                    ASSERT_NE(other.hand(3 - seat), state.hand(3 - seat));
                    ASSERT_FALSE(other.isConsistent().has_value());
                    EXPECT_EQ(expert.choose(other, seat, kind, quiet).slot, first)
                        << "seed " << seed << " seat " << seat << " kind "
                        << static_cast<int>(kind);
                    ++decisions;
                }
            }
        }
    }
    EXPECT_EQ(decisions, 12 * TAVIK_EXPERT_SEEDS);
}

TEST(Expert, SampledDealsAgreeWithWhatTheSeatSees) {
    GameState g = dealt(9);
    moveCard(g, 1, 2, 2);  // seat 2 took this card from seat 1
    const Card taken = g.hand(2)[1];
    const HiddenCards hidden = HiddenFrom(g, 1, {taken, g.hand(1)[1]});  // its own card is no news
    EXPECT_EQ(hidden.otherKnown, std::vector<Card>{taken});
    EXPECT_EQ(hidden.otherHidden, 6);
    EXPECT_EQ(hidden.unseen.size(), 6u + 23u);  // the other hand and the deck above the bottom
    EXPECT_TRUE(std::is_sorted(hidden.unseen.begin(), hidden.unseen.end(),
                               [](Card a, Card b) { return a.number() < b.number(); }));
    SeededRandom random(3);
    bool otherHandVaries = false;
    for (int i = 0; i < 20; ++i) {
        const GameState s = SampleDeal(g, 1, hidden, random);
        EXPECT_FALSE(s.isConsistent().has_value()) << *s.isConsistent();
        EXPECT_EQ(s.CardsI1, g.CardsI1);
        EXPECT_EQ(s.KolCards2, g.KolCards2);
        EXPECT_EQ(s.KolodaI[36], g.KolodaI[36]);
        const Hand& other = s.CardsI2;
        EXPECT_NE(std::find(other.begin(), other.end(), taken), other.end());
        otherHandVaries |= s.CardsI2 != g.CardsI2;
    }
    EXPECT_TRUE(otherHandVaries);
}

TEST(Expert, PlaysExactlyOnceTheDeckIsEmpty) {
    // 14 cards in play and an empty deck: the classic computer would use its endgame
    // rules; the Expert answers as the exact search does.
    GameState g = dealt(5);
    std::vector<Card> deck;
    for (int i = 1; i <= 36; ++i) deck.push_back(g.KolodaI[i]);
    g.CardsI1.fill(kNoCard);
    g.CardsI2.fill(kNoCard);
    for (int i = 0; i < 7; ++i) g.CardsI1[i + 1] = deck[static_cast<std::size_t>(i)];
    for (int i = 0; i < 7; ++i) g.CardsI2[i + 1] = deck[static_cast<std::size_t>(7 + i)];
    for (int i = 14; i < 36; ++i) g.Bito[i - 13] = deck[static_cast<std::size_t>(i)];
    g.BitoNext = 23;
    g.Och = 37;
    NormaliseHand(g, 1);
    NormaliseHand(g, 2);
    ASSERT_FALSE(g.isConsistent().has_value()) << *g.isConsistent();
    ExpertPlayer expert(1);
    expert.onDeal(g);
    NoThinking quiet;
    const SeatChoice choice = expert.choose(g, 1, MoveKind::Lead, quiet);
    StatTavik2 s = MakeSnapshot(g, 1, 0, false, nullptr);
    bool stop = false;
    EndgameSearch search(20);
    ChoiceDetails details;
    EXPECT_EQ(choice.slot, ChooseExactly(MoveKind::Lead, s, stop, search, &details));
    EXPECT_TRUE(expert.lastDetails().exact);
    EXPECT_EQ(expert.lastDetails().value, details.value);
    EXPECT_EQ(choice.forecast, s.Prognoz);
}

TEST(Expert, PlaysMatchesAgainstTheClassicComputerFromEitherSeat) {
    for (int seat = 1; seat <= 2; ++seat) {
        ExpertPlayer expert(seat, ExpertOptions{4, 20});
        ComputerOpponent classic(3 - seat);
        PlayStats stats;
        HeadlessWorld headless(21 + static_cast<std::uint64_t>(seat), /*recording=*/false);
        Seat& one = seat == 1 ? static_cast<Seat&>(expert) : classic;
        Seat& two = seat == 1 ? static_cast<Seat&>(classic) : expert;
        MatchSession session(headless.ports(), one, &two, &stats);
        session.state().UserName = "Player";
        const PlayOutcome outcome = PlayKons(session, stats, TAVIK_EXPERT_KONS);
        ASSERT_TRUE(outcome.ok) << outcome.failure;
        EXPECT_EQ(stats.kons, TAVIK_EXPERT_KONS);
    }
}

}  // namespace
}  // namespace tavik::ai
