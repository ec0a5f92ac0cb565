#pragma once
// The bytes of the messages two copies of the game exchange over the LAN (and, framed,
// at an online table). Each message is one Windows-1251 byte string with no terminator
// and no length prefix:
//
//   Connect1  "qor" + game + protocol + "connect1" + name
//   Connect2  "connect2" + name
//   Deal      "b" + 36 card codes + 36 rank digits + attacker digit + three rule letters
//             (re-deal, sixes, hints; "И" on, "Л" off): 113 bytes
//   Redeal    "peresdacha1" / "peresdacha2"
//   KonStart  "hsitkon2"
//   Move      "hhod" + card code + decimal rank value (the ten of hearts: "hhod1ч5")
//   Pass      "hhodpa"
//   Go        "hgo"
//   KonOver   "o", or "o" + pad3(d) + pad3(-d) for a score change d, where pad3 left-pads
//             the decimal number with "0" to three characters, the sign counting
//             ("0-5", "012", "-123")
//   Chat      "s" + text
//   Abort     "abort"
//
// Names, chat texts and the game and protocol numbers are UTF-8 in the messages and
// Windows-1251 on the wire. Encoding never fails: a character the code page cannot
// hold (or a byte that is not UTF-8) is sent as one '?', the way the game's files
// write such text, so a peer always sees the rest of the text unchanged. Callers that
// must not lose a character check the text before (files::utf8ToCp1251).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/match/peer_message.h"

namespace tavik::net {

// The game number and protocol number of this game's greeting: a peer whose greeting
// carries others is never answered.
inline constexpr std::string_view kGameNumber = "10";
inline constexpr std::string_view kProtocolNumber = "25";
// The length of a deal message.
inline constexpr std::size_t kDealLength = 113;

// The wire bytes of a message. A Move and a Deal carry real cards (rank values 1..9), a
// Redeal's seat is 1 or 2, and Connect1's game and protocol are two characters each;
// other values give bytes that decodeMessage refuses, never undefined behaviour. A
// Deal's attacker other than 1 is written as 2.
std::string encodeMessage(const PeerMessage& m);

enum class DecodeError {
    None,
    Unknown,    // the bytes begin like no message of the protocol
    Malformed,  // they begin like a message but break its form
};

// The outcome of decoding: the message, or why the bytes are none.
struct Decoded {
    std::optional<PeerMessage> message;  // set exactly when error is None
    DecodeError error = DecodeError::None;
    std::string reason;  // a short English explanation when refused, for logs and tests

    explicit operator bool() const { return message.has_value(); }
};

// The message whose whole bytes these are. Strict: every byte must belong to the form
// above (a Move's digit must be its card's rank value, a Deal's 36 cards must all
// differ and its digits match them, "hhod" must be followed by a card or "pa", texts
// must be Windows-1251). Two positions of the deal are read as the receiving client
// always read them, because the online table's server writes them too: an attacker
// digit other than "1" means 2, and a rule letter other than "И" means off. Any input
// is safe to pass.
Decoded decodeMessage(std::string_view bytes);

}  // namespace tavik::net
