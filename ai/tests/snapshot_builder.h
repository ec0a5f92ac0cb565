#pragma once
// Builds snapshots for the tests from card codes written as the game writes them
// ("7ч 8ч Вч"), so that a case reads like the position it describes.

#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "ai/search_position.h"
#include "ai/snapshot.h"
#include "core/state/card.h"

namespace tavik::ai::testing {

inline std::vector<Card> cards(const std::string& codes) {
    std::vector<Card> out;
    std::istringstream in(codes);
    std::string code;
    while (in >> code) {
        const auto c = Card::fromUtf8(code);
        if (!c || c->empty()) throw std::invalid_argument("bad card code " + code);
        out.push_back(*c);
    }
    return out;
}

inline Card card(const std::string& code) {
    return cards(code).at(0);
}

class Snap {
  public:
    Snap() = default;
    explicit Snap(const StatTavik2& s) : s_(s) {}
    Snap& trump(const std::string& suit) {
        s_.Koz = suitFromUtf8(suit);
        return *this;
    }
    Snap& hand1(const std::string& codes) {
        fill(s_.CardsI1, s_.KolCards1, codes);
        return *this;
    }
    Snap& hand2(const std::string& codes) {
        fill(s_.CardsI2, s_.KolCards2, codes);
        return *this;
    }
    // The other hand as the first n cards (in card-number order) not yet placed, for
    // rules that only count it.
    Snap& hand2Count(int n) {
        std::set<int> used;
        for (Card c : s_.CardsI1)
            if (!c.empty()) used.insert(c.number());
        for (Card c : s_.InGameI)
            if (!c.empty()) used.insert(c.number());
        s_.CardsI2.fill(kNoCard);
        s_.KolCards2 = 0;
        for (int number = 1; number <= 36 && s_.KolCards2 < n; ++number)
            if (!used.count(number)) s_.CardsI2[++s_.KolCards2] = Card::fromNumber(number);
        return *this;
    }
    // The table in the order laid; `unbeaten` of the attack cards wait for an answer.
    Snap& table(const std::string& codes, int unbeaten) {
        const std::vector<Card> t = cards(codes);
        for (std::size_t i = 0; i < t.size(); ++i) s_.InGameI[static_cast<int>(i + 1)] = t[i];
        const int n = static_cast<int>(t.size());
        s_.KolCardsStol = n;
        s_.OchGame = n + 1;
        s_.KolFree = unbeaten;
        s_.KolHods = (n + unbeaten) / 2;
        s_.KartaHod = n == 0 ? kNoCard : t[static_cast<std::size_t>(unbeaten > 0 ? n - 1 : n - 2)];
        return *this;
    }
    Snap& och(int och) {
        s_.Och = och;
        return *this;
    }
    Snap& vskr(const std::string& rank) {
        s_.Vskr = rankFromUtf8(rank);
        return *this;
    }
    Snap& zarp(int z) {
        s_.Zarp = static_cast<std::uint8_t>(z);
        return *this;
    }
    Snap& wasTakes(bool w) {
        s_.WasTakes = w;
        return *this;
    }
    // The snapshot; a card written twice is a mistake in the test.
    StatTavik2 get() const {
        std::set<int> seen;
        for (const auto* list : {&s_.CardsI1, &s_.CardsI2})
            for (Card c : *list)
                if (!c.empty() && !seen.insert(c.number()).second)
                    throw std::invalid_argument("twice: " + c.utf8());
        for (Card c : s_.InGameI)
            if (!c.empty() && !seen.insert(c.number()).second)
                throw std::invalid_argument("twice: " + c.utf8());
        return s_;
    }
    operator StatTavik2() const { return get(); }

  private:
    static void fill(Hand& hand, int& count, const std::string& codes) {
        hand.fill(kNoCard);
        const std::vector<Card> c = cards(codes);
        for (std::size_t i = 0; i < c.size(); ++i) hand[static_cast<int>(i + 1)] = c[i];
        count = static_cast<int>(c.size());
    }
    StatTavik2 s_;
};

// The card at a slot of the computer's hand, "##" for slot 0.
inline std::string slotCard(const StatTavik2& s, int slot) {
    return slot >= 1 && slot <= 36 ? s.CardsI1[slot].utf8() : "##";
}

// A search root with hearts as trumps, its cards written as the game writes them.
inline SearchRoot root(const std::string& mover, const std::string& other, const std::string& table,
                       bool defence, int hods = 0, int free = 0, bool taking = false) {
    SearchRoot r;
    r.mover = cards(mover);
    r.other = cards(other);
    r.table = cards(table);
    r.trump = suitFromUtf8("ч");
    r.defence = defence;
    r.hods = hods;
    r.free = free;
    r.taking = taking;
    return r;
}

// A search root and the answer it must get.
struct RootCase {
    const char* name;
    SearchRoot root;
    std::string card;  // "##" for end, stop adding or take
    int value;
};

}  // namespace tavik::ai::testing
