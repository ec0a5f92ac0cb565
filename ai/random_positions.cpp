#include "ai/random_positions.h"

#include <algorithm>
#include <vector>

#include "core/state/game_state.h"

namespace tavik::ai {
namespace {

using Cards = std::vector<Card>;

void shuffle(Cards& cards, SeededRandom& random) {
    for (int i = static_cast<int>(cards.size()) - 1; i > 0; --i)
        std::swap(cards[static_cast<std::size_t>(i)],
                  cards[static_cast<std::size_t>(random.random(i + 1))]);
}

// The display order of a hand: plain cards by rank, then trumps by rank.
void normalise(Cards& hand, Suit trump) {
    std::stable_sort(hand.begin(), hand.end(), [&](Card a, Card b) {
        const bool ta = a.suit() == trump, tb = b.suit() == trump;
        return ta != tb ? tb : a.value() < b.value();
    });
}

Card takeAt(Cards& cards, std::size_t i) {
    const Card c = cards[i];
    cards.erase(cards.begin() + static_cast<std::ptrdiff_t>(i));
    return c;
}

struct Bout {
    Cards hand[3];
    Cards table;
    Cards outOfPlay;
    Suit trump = 0;
    int hods = 0, free = 0;
    Card karta;
};

StatTavik2 snapshotOf(const Bout& b, SeededRandom& random, bool shuffleHand) {
    StatTavik2 s;
    Cards mine = b.hand[1];
    if (shuffleHand) shuffle(mine, random);
    for (std::size_t i = 0; i < mine.size(); ++i) s.CardsI1[static_cast<int>(i + 1)] = mine[i];
    for (std::size_t i = 0; i < b.hand[2].size(); ++i)
        s.CardsI2[static_cast<int>(i + 1)] = b.hand[2][i];
    s.KolCards1 = static_cast<int>(mine.size());
    s.KolCards2 = static_cast<int>(b.hand[2].size());
    s.Och = 37;
    s.Koz = b.trump;
    s.Vskr = static_cast<std::uint8_t>(1 + random.random(9));
    for (std::size_t i = 0; i < b.table.size(); ++i)
        s.InGameI[static_cast<int>(i + 1)] = b.table[i];
    s.KolCardsStol = static_cast<int>(b.table.size());
    s.OchGame = s.KolCardsStol + 1;
    s.KolHods = b.hods;
    s.KolFree = b.free;
    s.KartaHod = b.karta;
    for (std::size_t i = 0; i < b.outOfPlay.size(); ++i)
        s.Bito[static_cast<int>(i + 1)] = b.outOfPlay[i];
    s.Zarp = static_cast<std::uint8_t>(random.random(4));
    s.WasTakes = random.random(2) == 1;
    return s;
}

// The attacker's cards that may be added now.
std::vector<std::size_t> addable(const Bout& b, int attacker) {
    std::vector<std::size_t> out;
    const Cards& defender = b.hand[3 - attacker];
    if (b.hods >= 6 || static_cast<int>(defender.size()) <= b.free) return out;
    const Cards& hand = b.hand[attacker];
    for (std::size_t i = 0; i < hand.size(); ++i)
        if (std::any_of(b.table.begin(), b.table.end(),
                        [&](Card t) { return t.value() == hand[i].value(); }))
            out.push_back(i);
    return out;
}

void attackWith(Bout& b, int attacker, std::size_t i, bool taking) {
    const Card c = takeAt(b.hand[attacker], i);
    b.table.push_back(c);
    b.karta = c;
    b.hods += 1;
    b.free = taking ? b.free + 1 : 1;
}

// Plays one random bout and collects seat 1's decisions of the mode; false when none came up.
bool playBout(Bout& b, int attacker, MoveKind mode, SeededRandom& random, bool shuffleHand,
              std::vector<StatTavik2>& found) {
    const int defender = 3 - attacker;
    auto note = [&](MoveKind m) {
        if (m == mode && (m == MoveKind::Defend ? defender : attacker) == 1)
            found.push_back(snapshotOf(b, random, shuffleHand));
    };
    note(MoveKind::Lead);
    if (mode == MoveKind::Lead) return !found.empty();
    const Cards& lead = b.hand[attacker];
    attackWith(b, attacker, static_cast<std::size_t>(random.random(static_cast<int>(lead.size()))),
               false);
    bool taking = false;
    while (true) {
        if (!taking) {
            note(MoveKind::Defend);
            std::vector<std::size_t> beaters;
            for (std::size_t i = 0; i < b.hand[defender].size(); ++i)
                if (CardBeats(b.karta, b.hand[defender][i], b.trump)) beaters.push_back(i);
            if (!beaters.empty() && random.random(4) != 0) {
                const std::size_t i = beaters[static_cast<std::size_t>(
                    random.random(static_cast<int>(beaters.size())))];
                b.table.push_back(takeAt(b.hand[defender], i));
                b.free = 0;
                note(MoveKind::Add);
                const auto adds = addable(b, attacker);
                if (adds.empty() || random.random(3) == 0) break;
                attackWith(
                    b, attacker,
                    adds[static_cast<std::size_t>(random.random(static_cast<int>(adds.size())))],
                    false);
                continue;
            }
            taking = true;
        }
        note(MoveKind::AddToTaker);
        const auto adds = addable(b, attacker);
        if (adds.empty() || random.random(2) == 0) break;
        attackWith(b, attacker,
                   adds[static_cast<std::size_t>(random.random(static_cast<int>(adds.size())))],
                   true);
    }
    return !found.empty();
}

}  // namespace

RandomDecision RandomEndgameDecision(SeededRandom& random, int minCards, int maxCards,
                                     std::optional<MoveKind> wanted) {
    minCards = std::clamp(minCards, 2, 36);
    maxCards = std::clamp(maxCards, minCards, 36);
    const MoveKind mode = wanted ? *wanted : static_cast<MoveKind>(1 + random.random(4));
    while (true) {
        Bout b;
        b.trump = static_cast<Suit>(1 + random.random(4));
        Cards deck;
        for (int n = 1; n <= 36; ++n) deck.push_back(Card::fromNumber(n));
        shuffle(deck, random);
        const int inPlay = minCards + random.random(maxCards - minCards + 1);
        const int first = 1 + random.random(inPlay - 1);
        b.hand[1].assign(deck.begin(), deck.begin() + first);
        b.hand[2].assign(deck.begin() + first, deck.begin() + inPlay);
        b.outOfPlay.assign(deck.begin() + inPlay, deck.end());
        normalise(b.hand[1], b.trump);
        normalise(b.hand[2], b.trump);
        const int attacker = mode == MoveKind::Defend ? 2 : 1;
        const bool shuffleHand = random.random(5) == 0;
        std::vector<StatTavik2> found;
        if (!playBout(b, attacker, mode, random, shuffleHand, found)) continue;
        return RandomDecision{
            found[static_cast<std::size_t>(random.random(static_cast<int>(found.size())))], mode};
    }
}

}  // namespace tavik::ai
