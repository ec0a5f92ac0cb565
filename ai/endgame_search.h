#pragma once
// The exact endgame search used in play. It answers exactly what the plain
// exhaustive search (SearchAttack / SearchDefence) answers — the same card or stop
// and the same root value — but examines a tiny part of the tree:
//  - at the root the moves are examined in slot order and the best is replaced only
//    by a strictly better value, each later move searched with a window above the
//    best so far (a lower slot keeps a tie);
//  - inside the tree alpha-beta with null windows and a transposition table of
//    bounds; values are only -2, 0 and +2, and no position's value depends on the
//    path to it, so the table is never cleared between searches;
//  - positions that differ only by ranks already discarded are one position, and
//    the cards added to a taker are tried as sets rather than sequences;
//  - move ordering (plain before trump, low before high) only where it cannot change
//    the root's choice;
//  - exact values without a search where the game is decided by rule: an attacker's
//    last card, an attacker that can play out every card in the bout, a defender's
//    last card that beats everything, and attacks with two cards against two or a
//    lead with three against one.
// The time limit stays as a safety net: once it is hit every remaining branch counts
// as a draw and the search still answers.

#include <cstdint>
#include <functional>
#include <string>

#include "ai/search_position.h"
#include "ai/transposition_table.h"
#include "core/match/thinking.h"

namespace tavik::ai {

// Where a search reports its progress (move i of n at the root, whole seconds).
struct SearchProgress {
    ThinkingPort* image = nullptr;  // none when null
};

// The table size for exact answers with the given number of cards in play: larger
// positions get a larger table, never more than 256 MiB.
int ExactTableLog2(int cardsInPlay);
// The time limit of exact answers: a safety net far above what a position of the whole
// deck needs.
inline constexpr std::int64_t kExactTimeLimitMs = 120000;

class EndgameSearch {
  public:
    // log2TableEntries sizes the transposition table (16 bytes an entry).
    explicit EndgameSearch(int log2TableEntries = 16);

    // Replaces the clock (milliseconds, any origin) that the time limit reads.
    void setClock(std::function<std::int64_t()> nowMs) { nowMs_ = std::move(nowMs); }
    void setTimeLimitMs(std::int64_t ms) { limitMs_ = ms; }

    SearchAnswer run(const SearchRoot& root, const SearchProgress& progress = {});
    // The root's value alone (-2, 0, +2; -3 for a root without any move): the same value
    // as run() gives, found without fixing the card, so quicker.
    int value(const SearchRoot& root);
    // The nodes the last search visited and whether its time limit ended it.
    std::uint64_t lastNodes() const { return nodes_; }
    bool lastTimedOut() const { return timedOut_; }

    // Forgets what earlier searches learned (the answers stay the same, only slower).
    void forget() { tt_.clear(); }
    std::size_t tableBytes() const { return tt_.bytes(); }

    struct Node;

  private:
    class MoveList;
    // Starts a search at the root: clock, trump, the root's cards packed (cover: the
    // ranks in play, for packing further cards).
    Node start(const SearchRoot& root, const SearchProgress& progress, std::uint64_t& cover);
    int search(const Node& n, int alpha, int beta);
    // The cards the side to move may play (bits of the packed card indices).
    std::uint64_t legalCards(const Node& n) const;
    // The legal cards in the order to try them.
    MoveList ordered(const Node& n, std::uint64_t legal) const;
    // Tries the moves of a node; returns its value (a bound outside alpha..beta).
    int expand(const Node& n, std::uint64_t legal, int alpha, int beta, int ttMove, int& bestMove);
    // The value of one move at a node (a card index 0..35, or kOption).
    int child(const Node& n, int move, int alpha, int beta, bool atRoot = false);
    // The exact value of a root move when it exceeds best, else a value <= best.
    int rootValueAbove(const Node& n, int move, int best);
    // Quick exact tests: the attacker to move, or the defender's attacker, plays out
    // all its cards in this bout and wins (k: the attacker's cards, d: the defender's).
    bool shedsAll(const Node& n, int k, int d) const;
    bool attackerShedsAll(const Node& n, int k, int d) const;
    // Exact values of an attack with two cards against two and a lead with three against
    // one.
    int twoAgainstTwo(std::uint64_t attacker, std::uint64_t defender, std::uint64_t ranks,
                      int hods) const;
    int threeAgainstOne(std::uint64_t attacker, std::uint64_t defender) const;
    // Whether every card of `cards` is beaten by some card of `beaters`.
    bool beatsEvery(std::uint64_t beaters, std::uint64_t cards) const;
    bool outOfTime();
    void showProgress(int moveNumber);

    TranspositionTable tt_;
    std::function<std::int64_t()> nowMs_;
    std::int64_t limitMs_ = 10000;
    std::int64_t startMs_ = 0;
    std::int64_t shownSeconds_ = 0;
    std::uint64_t nodes_ = 0;
    bool timedOut_ = false;
    int trump_ = 0;
    std::uint64_t trumpMask_ = 0;  // the trump cards
    const SearchProgress* progress_ = nullptr;
    int moveTotal_ = 0;
    int shownMove_ = 0;
};

}  // namespace tavik::ai
