#pragma once
// The messages two copies of the game exchange during a match, as data. The match
// controller and the deal emit them through the peer port; the codec in net/ alone
// knows their bytes on the wire (Windows-1251, no terminator), and parses bytes back
// into the same types. Texts inside (names, chat lines) are UTF-8.

#include <optional>
#include <string>
#include <variant>

#include "core/state/card.h"
#include "core/state/game_state.h"
#include "core/state/one_based.h"

namespace tavik {
namespace msg {

// The client's greeting: the game number ("10"), the protocol number ("25") and the
// client player's name.
struct Connect1 {
    std::string game;
    std::string protocol;
    std::string name;
    bool operator==(const Connect1&) const = default;
};
// The server's answer with its player's name.
struct Connect2 {
    std::string name;
    bool operator==(const Connect2&) const = default;
};
// The server's deal: the whole deck in order (cards 1..6 the server's hand, 7..12 the
// client's, 36 the trump), the attacker as the server sees the seats (1 = the client
// attacks), and the three rule options of the match.
struct Deal {
    OneBased<Card, 36> deck;
    int attacker = 2;
    RuleOptions rules;
    bool operator==(const Deal& o) const {
        return deck == o.deck && attacker == o.attacker && rules.ReDealRule == o.rules.ReDealRule &&
               rules.SixesRule == o.rules.SixesRule && rules.HintsRule == o.rules.HintsRule;
    }
};
// A re-deal announced by the server for a seat as the server numbers them (1 the
// client's hand, 2 the server's).
struct Redeal {
    int seat = 1;
    bool operator==(const Redeal&) const = default;
};
// The kon starts without a re-deal.
struct KonStart {
    bool operator==(const KonStart&) const = default;
};
// The sender played this card.
struct Move {
    Card card;
    bool operator==(const Move&) const = default;
};
// The sender passes: stops, takes, declares the bout beaten or stops adding.
struct Pass {
    bool operator==(const Pass&) const = default;
};
// The sender has taken the table and the kon goes on.
struct Go {
    bool operator==(const Go&) const = default;
};
// A kon has ended: the LAN client's plain notice, or at an online table the sender's
// score change (the negated change follows it on the wire).
struct KonOver {
    std::optional<int> scoreDelta;
    bool operator==(const KonOver&) const = default;
};
// A chat line.
struct Chat {
    std::string text;
    bool operator==(const Chat&) const = default;
};
// Never sent; ignored when received.
struct Abort {
    bool operator==(const Abort&) const = default;
};

}  // namespace msg

using PeerMessage =
    std::variant<msg::Connect1, msg::Connect2, msg::Deal, msg::Redeal, msg::KonStart, msg::Move,
                 msg::Pass, msg::Go, msg::KonOver, msg::Chat, msg::Abort>;

// A readable one-line form for logs and the headless recorder ("Move 1ч", "Pass").
// It is not the wire form: that belongs to the codec.
std::string describe(const PeerMessage& m);

}  // namespace tavik
