#include "ai/endgame_search.h"

#include <array>
#include <bit>
#include <chrono>

#include "core/state/game_state.h"

namespace tavik::ai {

// A position inside the tree. Cards are bits 0..35, bit rank * 4 + (suit - 1), so the
// four cards of a rank are adjacent; ranks are counted among the ranks in play only
// (see packRanks).
struct EndgameSearch::Node {
    std::uint64_t mover = 0, other = 0, table = 0;
    int last = -1;  // defence nodes: the card to beat
    int hods = 0, free = 0;
    bool taking = false;   // attack nodes: the defender takes
    bool defence = false;  // the side to move defends
    // Adding to a taker: cards below this index are not added any more. The ranks on
    // the table cannot change while the defender takes, so which cards are added
    // matters and their order does not: each set is tried once, in index order.
    int from = 0;
};

namespace {

constexpr int kOption = 36;  // end the attack, stop adding, or take
constexpr std::uint64_t kRankLowBits = 0x111111111ULL;

// The number of cards in a set, without a library call on processors that lack a
// population-count instruction.
int countCards(std::uint64_t x) {
#if defined(__POPCNT__)
    return __builtin_popcountll(x);
#else
    x = x - ((x >> 1) & 0x5555555555555555ULL);
    x = (x & 0x3333333333333333ULL) + ((x >> 2) & 0x3333333333333333ULL);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
    return static_cast<int>((x * 0x0101010101010101ULL) >> 56);
#endif
}

int cardIndex(Card c) {
    return (c.value() - 1) * 4 + (c.suit() - 1);
}
std::uint64_t bitOf(int index) {
    return std::uint64_t{1} << index;
}

// Every card whose rank lies on the table.
std::uint64_t ranksCover(std::uint64_t table) {
    std::uint64_t t = table | (table >> 1);
    t |= t >> 2;
    return (t & kRankLowBits) * 0xF;
}

// Packs the 4-card groups of the ranks in `cover` together, lowest rank first. A
// position keeps its cards in this packed form: only the order of the ranks in play
// and their equality matter to the rules, so once a rank has left play (discarded)
// the ranks above it move down, and positions that differ only by such gaps are one
// position for the transposition table.
std::uint64_t packRanks(std::uint64_t x, std::uint64_t cover) {
    std::uint64_t out = 0;
    int shift = 0;
    for (int g = 0; g < 36; g += 4)
        if ((cover >> g) & 1) {
            out |= ((x >> g) & 0xF) << shift;
            shift += 4;
        }
    return out;
}

// beats[trump][attack card]: the cards that beat it.
using BeatTable = std::array<std::array<std::uint64_t, 36>, 5>;
BeatTable makeBeatTable() {
    BeatTable t{};
    for (int trump = 1; trump <= 4; ++trump)
        for (int a = 0; a < 36; ++a)
            for (int d = 0; d < 36; ++d) {
                const Card attack = Card::fromNumber(a + 1), defence = Card::fromNumber(d + 1);
                if (CardBeats(attack, defence, static_cast<Suit>(trump)))
                    t[static_cast<std::size_t>(trump)][static_cast<std::size_t>(a)] |= bitOf(d);
            }
    return t;
}
const BeatTable kBeats = makeBeatTable();

std::uint64_t beatersOf(int trump, int attack) {
    return kBeats[static_cast<std::size_t>(trump) % 5][static_cast<std::size_t>(attack)];
}

TtKey keyOf(const EndgameSearch::Node& n, int trump) {
    // Two bit planes describe where every card is: mover 01, other 10, table 11.
    const std::uint64_t a = n.mover | n.table, b = n.other | n.table;
    const std::uint32_t extra = static_cast<std::uint32_t>(
        (n.defence ? 1 : 0) | (n.taking ? 2 : 0) | (n.hods << 2) | ((n.taking ? n.free : 0) << 5) |
        ((n.defence ? n.last : 63) << 8) | ((trump & 7) << 14) | ((n.taking ? n.from : 0) << 17));
    return {a | ((b & 0xFFFFFFFULL) << 36), static_cast<std::uint32_t>(b >> 28) | (extra << 8)};
}

std::int64_t steadyNowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

int ExactTableLog2(int cardsInPlay) {
    return cardsInPlay <= 12 ? 16 : cardsInPlay <= 16 ? 20 : cardsInPlay <= 20 ? 22 : 24;
}

EndgameSearch::EndgameSearch(int log2TableEntries) : tt_(log2TableEntries), nowMs_(steadyNowMs) {}

bool EndgameSearch::outOfTime() {
    const std::int64_t elapsed = nowMs_() - startMs_;
    if (elapsed > limitMs_) timedOut_ = true;
    if (elapsed / 1000 != shownSeconds_) {
        shownSeconds_ = elapsed / 1000;
        showProgress(shownMove_);
    }
    return timedOut_;
}

void EndgameSearch::showProgress(int moveNumber) {
    shownMove_ = moveNumber;
    if (!progress_ || !progress_->image) return;
    progress_->image->thinking(ThinkingProgress{moveNumber, static_cast<int>(moveTotal_),
                                                static_cast<int>(shownSeconds_)});
}

int EndgameSearch::child(const Node& n, int move, int alpha, int beta, bool atRoot) {
    if (!n.defence) {
        if (move == kOption && !n.taking) {  // end the attack: the table is discarded
            if (n.other == 0) return n.mover ? kValueLoss : kValueDraw;
            if (n.mover == 0) return kValueWin;
            const std::uint64_t cover = ranksCover(n.mover | n.other);
            return -search(Node{packRanks(n.other, cover), packRanks(n.mover, cover), 0, -1, 0, 0,
                                false, false},
                           -beta, -alpha);
        }
        if (move == kOption) {  // stop adding: the defender takes the table
            if (n.mover == 0) return kValueWin;
            return search(Node{n.mover, n.other | n.table, 0, -1, 0, 0, false, false}, alpha, beta);
        }
        const std::uint64_t bit = bitOf(move);
        if (n.taking)  // the same side adds again
            return search(Node{n.mover ^ bit, n.other, n.table | bit, -1, n.hods + 1, n.free + 1,
                               true, false, atRoot ? 0 : move + 1},
                          alpha, beta);
        return -search(
            Node{n.other, n.mover ^ bit, n.table | bit, move, n.hods + 1, 0, false, true}, -beta,
            -alpha);
    }
    if (move == kOption) {  // take: the attacker may add to the taker
        if (n.other == 0) return kValueLoss;
        return -search(Node{n.other, n.mover, n.table, -1, n.hods, 1, true, false}, -beta, -alpha);
    }
    const std::uint64_t bit = bitOf(move);
    const std::uint64_t rest = n.mover ^ bit;
    if (rest == 0) return n.other == 0 ? kValueDraw : kValueWin;
    if (n.other == 0) return kValueLoss;
    return -search(Node{n.other, rest, n.table | bit, -1, n.hods, 0, false, false}, -beta, -alpha);
}

// Cards to try at a node, best first. The order changes only how much of the tree is
// searched, never a value: cutoffs come soonest from plain cards before trumps, low
// before high; an attack card held without a second of its rank and one the defender
// can beat with few cards; a defence whose rank the attacker cannot throw in, and
// that the defender holds without a second of its rank.
class EndgameSearch::MoveList {
  public:
    void add(int move, int score) {
        int i = size_++;
        for (; i > 0 && score_[i - 1] > score; --i) {
            move_[i] = move_[i - 1];
            score_[i] = score_[i - 1];
        }
        move_[i] = move;
        score_[i] = score;
    }
    int size() const { return size_; }
    int operator[](int i) const { return move_[i]; }

  private:
    int move_[36], score_[36], size_ = 0;
};

namespace {

constexpr int kTrumpLater = 100, kPairLater = 20, kPerBeater = 10, kNoThrowInSooner = 50;

std::uint64_t rankGroup(int index) {
    return std::uint64_t{0xF} << (index & ~3);
}

}  // namespace

std::uint64_t EndgameSearch::legalCards(const Node& n) const {
    if (n.defence) return n.last < 0 ? 0 : n.mover & beatersOf(trump_, n.last);
    // An attack card needs a rank on the table (any card leads), fewer than six attack
    // cards, and a defender with more cards than it owes answers.
    if (n.hods >= 6 || countCards(n.other) <= n.free) return 0;
    std::uint64_t legal = n.table ? n.mover & ranksCover(n.table) : n.mover;
    if (n.taking) legal &= ~std::uint64_t{0} << n.from;
    return legal;
}

EndgameSearch::MoveList EndgameSearch::ordered(const Node& n, std::uint64_t legal) const {
    MoveList list;
    for (std::uint64_t m = legal; m; m &= m - 1) {
        const int i = std::countr_zero(m);
        int score = i + ((trumpMask_ >> i) & 1 ? kTrumpLater : 0);
        if (countCards(n.mover & rankGroup(i)) > 1) score += kPairLater;
        if (n.defence) {
            if ((n.other & rankGroup(i)) == 0) score -= kNoThrowInSooner;
        } else if (!n.taking) {
            score += kPerBeater * countCards(n.other & beatersOf(trump_, i));
        }
        list.add(i, score);
    }
    return list;
}

int EndgameSearch::expand(const Node& n, std::uint64_t legal, int alpha, int beta, int ttMove,
                          int& bestMove) {
    const bool hasOption = n.defence || n.table != 0;
    int best = kValueNoMove;
    auto consider = [&](int move) {
        const int v = child(n, move, alpha, beta);
        if (v > best) {
            best = v;
            bestMove = move;
        }
        if (best > alpha) alpha = best;
        return best >= beta || best == kValueWin;
    };
    // The table's best move first, then the cards in order, then the option.
    if (ttMove == kOption ? hasOption : (ttMove >= 0 && (legal >> ttMove) & 1)) {
        if (consider(ttMove)) return best;
        if (ttMove != kOption) legal &= ~bitOf(ttMove);
    }
    const MoveList list = ordered(n, legal);
    for (int k = 0; k < list.size(); ++k)
        if (consider(list[k])) return best;
    if (hasOption && ttMove != kOption) consider(kOption);
    return best;
}

// The attacker to move wins at once when it can play every card it holds in this bout
// and the defender cannot run out first: every card has a rank on the table (or, on
// an empty table, all share one rank), the bout's limit of six attack cards leaves
// room for all of them, and the defender holds more cards than it could have to beat
// (or, while it takes, enough cards to receive them all).
bool EndgameSearch::shedsAll(const Node& n, int k, int d) const {
    if (n.hods + k > 6) return false;
    const std::uint64_t ranks =
        n.table ? ranksCover(n.table) : (n.mover ? rankGroup(std::countr_zero(n.mover)) : 0);
    if (n.mover & ~ranks) return false;
    return n.taking ? n.free + k <= d : k < d;
}

// The defender to move loses at once when the attacker can add every card it holds,
// whatever the defender does: each has a rank on the table, the limit leaves room for
// all of them, and the defender holds at least two cards more than the attacker (so
// after a beat it still holds more than it could have to beat, and while taking it
// can receive them all).
bool EndgameSearch::attackerShedsAll(const Node& n, int k, int d) const {
    return n.hods + k <= 6 && d >= k + 2 && (n.other & ~ranksCover(n.table)) == 0;
}

bool EndgameSearch::beatsEvery(std::uint64_t beaters, std::uint64_t cards) const {
    for (std::uint64_t m = cards; m; m &= m - 1)
        if (!(beaters & beatersOf(trump_, std::countr_zero(m)))) return false;
    return true;
}

// The exact value for an attacker with two cards against two, all earlier attack cards
// beaten: `ranks` covers the ranks on the table (none at a lead) and `hods` counts the
// attack cards of the bout. Ending the attack hands the lead to the defender. A card
// the defender cannot beat wins: the defender takes it and the attacker adds or leads
// its last card. A card beaten with one defence card leaves one card against one: the
// attacker throws its last card in when it may (a win unless the defender's last card
// beats it, then a draw), else the defender leads its last card (a loss unless the
// attacker's last card beats it, then a draw).
int EndgameSearch::twoAgainstTwo(std::uint64_t attacker, std::uint64_t defender,
                                 std::uint64_t ranks, int hods) const {
    int best = ranks ? -twoAgainstTwo(defender, attacker, 0, 0) : kValueLoss;
    if (hods >= 6) return best;
    for (std::uint64_t m = attacker & (ranks ? ranks : ~std::uint64_t{0}); m; m &= m - 1) {
        const int a = std::countr_zero(m), rest = std::countr_zero(attacker ^ bitOf(a));
        int worst = kValueWin;
        for (std::uint64_t b = defender & beatersOf(trump_, a); b; b &= b - 1) {
            const int y = std::countr_zero(b), last = std::countr_zero(defender ^ bitOf(y));
            const bool throwIn =
                hods + 1 < 6 && (((ranks | rankGroup(a) | rankGroup(y)) >> rest) & 1);
            const int v = throwIn
                              ? ((beatersOf(trump_, rest) >> last) & 1 ? kValueDraw : kValueWin)
                              : ((beatersOf(trump_, last) >> rest) & 1 ? kValueDraw : kValueLoss);
            if (v < worst) worst = v;
        }
        if (worst > best) best = worst;
    }
    return best;
}

// The exact value of a lead with three cards against one: a card the defender's card
// beats loses (the defender is out first); any other is taken with nothing added,
// which leaves a lead of two cards against two.
int EndgameSearch::threeAgainstOne(std::uint64_t attacker, std::uint64_t defender) const {
    int best = kValueLoss;
    for (std::uint64_t m = attacker; m; m &= m - 1) {
        const int a = std::countr_zero(m);
        if (defender & beatersOf(trump_, a)) continue;
        const int v = twoAgainstTwo(attacker ^ bitOf(a), defender | bitOf(a), 0, 0);
        if (v > best) best = v;
    }
    return best;
}

int EndgameSearch::search(const Node& n, int alpha, int beta) {
    ++nodes_;
    if (timedOut_ || ((nodes_ & 1023) == 0 && outOfTime())) return kValueDraw;

    const int own = countCards(n.mover), others = countCards(n.other);
    const bool useTable = own + others > 3;
    const TtKey key = keyOf(n, trump_);
    if (useTable) tt_.prefetch(key);  // the quick tests below run while it loads
    const std::uint64_t legal = legalCards(n);
    if (!n.defence && !n.taking) {
        // The attacker's last card, led or thrown in: it wins, unless the defender beats
        // it with its own last card (a draw). Ending the attack instead is no better: the
        // defender then leads, and the attacker's last card can at best beat its last one.
        if (own == 1 && legal == n.mover) {
            const bool lastBeatsLast =
                others == 1 && (n.other & beatersOf(trump_, std::countr_zero(n.mover)));
            return lastBeatsLast ? kValueDraw : kValueWin;
        }
        if (own == 2 && others == 2)
            return twoAgainstTwo(n.mover, n.other, n.table ? ranksCover(n.table) : 0, n.hods);
        // Against a defender's last card that beats every card the attacker may play, the
        // defender beats whatever comes and is out first, and ending the attack lets the
        // defender lead its last card, which the attacker cannot answer with its last.
        // Otherwise an attacker with two cards plays one the defender cannot beat, the
        // defender must take it with nothing added, and the attacker leads its last card
        // against two.
        if (others == 1 && own >= 2) {
            if (beatsEvery(n.other, legal)) return kValueLoss;
            if (own == 2) return kValueWin;
            if (own == 3 && n.table == 0) return threeAgainstOne(n.mover, n.other);
        }
    }
    if (n.defence ? attackerShedsAll(n, others, own) : shedsAll(n, own, others))
        return n.defence ? kValueLoss : kValueWin;
    // A position with a single move (a card, or only ending, stopping or taking) is
    // passed through; positions with three cards or fewer in the hands are quicker
    // searched than looked up.
    const bool hasOption = n.defence || n.table != 0;
    if (countCards(legal) + (hasOption ? 1 : 0) == 1)
        return child(n, legal ? std::countr_zero(legal) : kOption, alpha, beta);
    int lo = kValueLoss, hi = kValueWin, ttMove = -1;
    if (useTable && tt_.probe(key, lo, hi, ttMove)) {
        if (lo == hi || lo >= beta) return lo;
        if (hi <= alpha) return hi;
        if (lo > alpha) alpha = lo;
        if (hi < beta) beta = hi;
    }
    const std::uint64_t before = nodes_;
    int bestMove = -1;
    const int v = expand(n, legal, alpha, beta, ttMove, bestMove);
    // Values below a time-out are not facts; keep them out of the table.
    if (timedOut_ || !useTable) return v;
    if (v <= alpha)
        hi = v < hi ? v : hi;
    else if (v >= beta)
        lo = v > lo ? v : lo;
    else
        lo = hi = v;
    tt_.store(key, lo, hi, bestMove, nodes_ - before);
    return v;
}

int EndgameSearch::rootValueAbove(const Node& n, int move, int best) {
    // Null-window tests: "a win?", then "at least a draw?" only when a draw would replace
    // the best. A value at or below best is returned as it is found, since it cannot
    // replace the best.
    if (child(n, move, kValueDraw, kValueDraw + 1, true) > kValueDraw) return kValueWin;
    if (best <= kValueLoss && child(n, move, kValueLoss, kValueLoss + 1, true) <= kValueLoss)
        return kValueLoss;
    return kValueDraw;
}

EndgameSearch::Node EndgameSearch::start(const SearchRoot& root, const SearchProgress& progress,
                                         std::uint64_t& cover) {
    nodes_ = 1;
    timedOut_ = false;
    startMs_ = nowMs_();
    shownSeconds_ = 0;
    progress_ = &progress;
    trump_ = root.trump >= 1 && root.trump <= 4 ? root.trump : 0;  // 0: no suit is trump
    trumpMask_ = trump_ != 0 ? kRankLowBits << (trump_ - 1) : 0;

    // The root's cards, packed (see packRanks).
    std::uint64_t inPlay = 0;
    for (const auto* list : {&root.mover, &root.other, &root.table})
        for (Card c : *list) inPlay |= bitOf(cardIndex(c));
    cover = ranksCover(inPlay);
    auto packed = [&](Card c) { return std::countr_zero(packRanks(bitOf(cardIndex(c)), cover)); };
    Node n;
    for (Card c : root.mover) n.mover |= bitOf(packed(c));
    for (Card c : root.other) n.other |= bitOf(packed(c));
    for (Card c : root.table) n.table |= bitOf(packed(c));
    n.hods = root.hods;
    n.free = root.free;
    n.taking = root.taking;
    n.defence = root.defence;
    n.last = root.table.empty() ? -1 : packed(root.table.back());
    return n;
}

int EndgameSearch::value(const SearchRoot& root) {
    static const SearchProgress kQuiet;
    std::uint64_t cover = 0;
    const Node n = start(root, kQuiet, cover);
    if (legalCards(n) == 0) return kValueNoMove;  // as run(): no card may be played
    // Null-window tests: "a win?", then "at least a draw?".
    if (search(n, kValueDraw, kValueDraw + 1) > kValueDraw) return kValueWin;
    return search(n, kValueLoss, kValueLoss + 1) > kValueLoss ? kValueDraw : kValueLoss;
}

SearchAnswer EndgameSearch::run(const SearchRoot& root, const SearchProgress& progress) {
    // A root move keeps its slot number.
    std::uint64_t cover = 0;
    const Node n = start(root, progress, cover);
    auto packed = [&](Card c) { return std::countr_zero(packRanks(bitOf(cardIndex(c)), cover)); };

    const int count = static_cast<int>(root.mover.size());
    const std::uint64_t legal = legalCards(n);
    moveTotal_ = count + (n.defence || n.table != 0 ? 1 : 0);

    // Step 1: the cards in slot order; a later card replaces the best only when strictly better.
    int best = kValueNoMove, chosen = -1;
    bool examined = false, earlyStop = false;
    for (int w = 0; w < count; ++w) {
        const int index = packed(root.mover[static_cast<std::size_t>(w)]);
        if (!((legal >> index) & 1)) continue;
        showProgress(w + 1);
        const int v = rootValueAbove(n, index, best);
        if (n.defence) showProgress(w + 2);
        if (v > best) {
            best = v;
            chosen = w;
        }
        examined = true;
        if (best == kValueWin) {
            earlyStop = true;
            break;
        }
    }
    // Step 2: nothing may be played at all.
    if (!examined) return SearchAnswer{kNoCard, kValueNoMove, nodes_, timedOut_};

    // Step 3: end the attack, stop adding or take, only when strictly better than every card.
    if (!earlyStop) {
        if (!n.defence) showProgress(moveTotal_);
        if (n.defence || n.table != 0) {
            const int v = rootValueAbove(n, kOption, best);
            if (v > best) {
                best = v;
                chosen = count;
            }
        }
    }
    const Card card = chosen < count ? root.mover[static_cast<std::size_t>(chosen)] : kNoCard;
    return SearchAnswer{card, best, nodes_, timedOut_};
}

}  // namespace tavik::ai
