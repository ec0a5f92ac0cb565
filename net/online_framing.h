#pragma once
// The framing of the messages at an online tournament table, whose server relays
// every message between the two seats in pieces of 20 bytes:
//   - a message is padded with '#' to 20 bytes, and then its 20th byte is replaced by
//     the sender's seat digit (also in a message that is already longer, which so loses
//     its 20th byte, and the rest of which arrives as a piece of its own);
//   - a received text may hold several such pieces; the deal, which the table's server
//     sends itself and which begins with "b", is never split;
//   - a piece's message is everything before its first '#'. A message of 19 bytes or
//     more keeps no '#' and is taken whole, the seat digit included, as the game has
//     always shown such a chat line; a chat text that contains '#' arrives cut there.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tavik::net {

inline constexpr std::size_t kOnlinePieceLength = 20;

// The bytes of one message as sent to the online table from seat 1..9.
std::string frameOnline(std::string_view message, int seat);

// One message taken out of a received online text.
struct OnlineMessage {
    std::string bytes;  // the message, for decodeMessage
    int seat = 0;       // the sender's seat digit, 0 when the piece carries none
    bool operator==(const OnlineMessage&) const = default;
};

// The messages of a received online text in order: pieces of 20 bytes while more than
// 20 bytes are left and the rest does not begin with "b", then the rest as one piece.
// An empty text holds none.
std::vector<OnlineMessage> splitOnline(std::string_view text);

}  // namespace tavik::net
