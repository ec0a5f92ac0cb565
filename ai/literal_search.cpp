#include "ai/literal_search.h"

#include <array>

#include "core/state/game_state.h"

namespace tavik::ai {
namespace {

struct Position {
    std::array<Card, 37> hand{};  // the side to move, slots 1..36 ("##" after the last card)
    std::array<Card, 37> other{};
    int handCount = 0, otherCount = 0;
    std::array<Card, 13> table{};  // positions 1..12
    int tableCount = 0;
    int hods = 0, free = 0;
    bool taking = false;
    int depth = 1;
};

class Literal {
  public:
    Literal(Suit trump, std::uint64_t budget) : trump_(trump), budget_(budget) {}

    int SearchAttack(Position p);
    int SearchDefence(Position p);

    Card rootCard;
    std::uint64_t nodes = 0;
    bool timedOut = false;

  private:
    bool legalAttack(const Position& p, int w) const;
    void readClock(int depth);

    Suit trump_;
    std::uint64_t budget_;
};

// Sets the slot to "##" and closes the gap: every card after the first "##" moves down.
void removeCard(std::array<Card, 37>& hand, int& count, int slot) {
    hand[static_cast<std::size_t>(slot)] = kNoCard;
    int first = 1;
    while (first <= 36 && !hand[static_cast<std::size_t>(first)].empty()) ++first;
    for (int i = first; i < 36; ++i)
        hand[static_cast<std::size_t>(i)] = hand[static_cast<std::size_t>(i + 1)];
    hand[36] = kNoCard;
    --count;
}

void appendToTable(Position& p, Card c) {
    p.table[static_cast<std::size_t>(++p.tableCount)] = c;
}

// Swaps the sides: the other side moves next.
Position turned(const Position& p) {
    Position q = p;
    q.hand = p.other;
    q.handCount = p.otherCount;
    q.other = p.hand;
    q.otherCount = p.handCount;
    return q;
}

bool Literal::legalAttack(const Position& p, int w) const {
    if (p.hods >= 6 || p.otherCount <= p.free) return false;
    if (p.tableCount == 0) return true;
    for (int i = 1; i <= p.tableCount; ++i)
        if (p.table[static_cast<std::size_t>(i)].value() ==
            p.hand[static_cast<std::size_t>(w)].value())
            return true;
    return false;
}

void Literal::readClock(int depth) {
    switch (depth) {
        case 6:
        case 7:
        case 10:
        case 11:
        case 14:
        case 15:
        case 18:
        case 19:
            if (budget_ != 0 && nodes > budget_) timedOut = true;
            break;
        default:
            break;
    }
}

// Step 7: the largest value; the lowest index that has it.
int chooseBest(const std::array<int, 38>& value, int last, int& chosen) {
    int best = value[1];
    chosen = 1;
    for (int i = 2; i <= last; ++i)
        if (value[static_cast<std::size_t>(i)] > best) {
            best = value[static_cast<std::size_t>(i)];
            chosen = i;
        }
    return best;
}

int Literal::SearchAttack(Position p) {
    ++nodes;
    if (timedOut) return 0;
    readClock(p.depth);
    std::array<int, 38> value;
    value.fill(-100);
    const int count = p.handCount;
    bool examined = false, earlyStop = false;
    for (int w = 1; w <= count; ++w) {
        if (!legalAttack(p, w)) continue;
        examined = true;
        Position q = p;
        appendToTable(q, q.hand[static_cast<std::size_t>(w)]);
        removeCard(q.hand, q.handCount, w);
        q.hods += 1;
        q.depth += 1;
        if (!p.taking) {
            value[static_cast<std::size_t>(w)] = -SearchDefence(turned(q));
        } else {
            q.free += 1;
            value[static_cast<std::size_t>(w)] = SearchAttack(q);
        }
        if (value[static_cast<std::size_t>(w)] == 2) {
            earlyStop = true;
            break;
        }
    }
    auto& option = value[static_cast<std::size_t>(count + 1)];
    if (examined || p.depth > 1) {
        if (!p.taking && p.tableCount > 0 && !earlyStop) {
            // End the attack: the table is discarded and the defender attacks next.
            if (p.otherCount == 0) {
                option = p.handCount > 0 ? -2 : 0;
            } else if (p.handCount == 0) {
                option = 2;
            } else {
                Position q = turned(p);
                q.table = {};
                q.tableCount = 0;
                q.hods = 0;
                q.free = 0;
                q.depth = p.depth + 1;
                option = -SearchAttack(q);
            }
        } else if (p.taking && p.tableCount > 0) {
            // Stop adding: the defender takes the table; the same side leads again.
            if (p.handCount == 0) {
                option = 2;
            } else {
                Position q = p;
                for (int i = 1; i <= p.tableCount; ++i)
                    q.other[static_cast<std::size_t>(++q.otherCount)] =
                        p.table[static_cast<std::size_t>(i)];
                q.table = {};
                q.tableCount = 0;
                q.hods = 0;
                q.free = 0;
                q.taking = false;
                q.depth = p.depth + 1;
                option = SearchAttack(q);
            }
        }
    } else {
        option = -3;
    }
    int chosen = 0;
    const int best = chooseBest(value, count + 1, chosen);
    if (p.depth == 1)
        rootCard = chosen <= count ? p.hand[static_cast<std::size_t>(chosen)] : kNoCard;
    return best;
}

int Literal::SearchDefence(Position p) {
    ++nodes;
    if (timedOut) return 0;
    std::array<int, 38> value;
    value.fill(-100);
    const int count = p.handCount;
    const Card attack = p.table[static_cast<std::size_t>(p.tableCount)];
    bool examined = false, earlyStop = false;
    for (int d = 1; d <= count; ++d) {
        if (!CardBeats(attack, p.hand[static_cast<std::size_t>(d)], trump_)) continue;
        examined = true;
        Position q = p;
        appendToTable(q, q.hand[static_cast<std::size_t>(d)]);
        removeCard(q.hand, q.handCount, d);
        int v;
        if (q.handCount == 0 && q.otherCount == 0) {
            v = 0;
        } else if (q.handCount == 0) {
            v = 2;
        } else if (q.otherCount == 0) {
            v = -2;
        } else {
            Position r = turned(q);
            r.free = 0;
            r.taking = false;
            r.depth = p.depth + 1;
            v = -SearchAttack(r);
        }
        value[static_cast<std::size_t>(d)] = v;
        if (v == 2) {
            earlyStop = true;
            break;
        }
    }
    auto& take = value[static_cast<std::size_t>(count + 1)];
    if ((examined || p.depth > 1) && !earlyStop) {
        if (p.otherCount == 0) {
            take = -2;
        } else {
            Position r = turned(p);
            r.taking = true;
            r.free = 1;
            r.depth = p.depth + 1;
            take = -SearchAttack(r);
        }
    } else if (!examined && p.depth == 1) {
        take = -3;
    }
    int chosen = 0;
    const int best = chooseBest(value, count + 1, chosen);
    if (p.depth == 1)
        rootCard = chosen <= count ? p.hand[static_cast<std::size_t>(chosen)] : kNoCard;
    return best;
}

}  // namespace

SearchAnswer LiteralSearch(const SearchRoot& root, std::uint64_t nodeBudget) {
    Position p;
    for (Card c : root.mover) p.hand[static_cast<std::size_t>(++p.handCount)] = c;
    for (Card c : root.other) p.other[static_cast<std::size_t>(++p.otherCount)] = c;
    for (Card c : root.table) appendToTable(p, c);
    p.hods = root.hods;
    p.free = root.free;
    p.taking = root.taking;
    Literal search(root.trump, nodeBudget);
    const int value = root.defence ? search.SearchDefence(p) : search.SearchAttack(p);
    return SearchAnswer{search.rootCard, value, search.nodes, search.timedOut};
}

}  // namespace tavik::ai
