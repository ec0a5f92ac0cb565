#pragma once
// Cuts the bytes of a LAN connection into the protocol's messages. The game writes
// every message with one send and no terminator, but TCP may join messages in one
// read or split one over several, so the receiver reads the grammar instead:
//
//   - most messages have a known beginning and a fixed length ("hhod" + card + digit,
//     "hhodpa", "hgo", "hsitkon2", "peresdacha1"/"2", "abort", "o", the 113-byte
//     deal), and end there;
//   - a greeting's name ("qor..connect1" + name, "connect2" + name) and a chat line
//     ("s" + text) have no end of their own: such a text ends where the next message
//     of fixed form begins (one that is whole and exact, so that a chat line cannot end
//     at any letter), or when no more bytes are waiting (endOfRead). "o" and "s" are
//     not looked for inside a text: a text that contains them stays whole (LanLink
//     gives the server back a kon end "o" that a chat line swallowed).
//
// Bytes that begin no message, and a text longer than the protocol ever sends, are a
// broken stream: the splitter reports it and takes no more.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavik::net {

// The longest name a greeting may carry and the longest chat line, in bytes after
// their prefix.
inline constexpr std::size_t kMaxNameBytes = 20;
inline constexpr std::size_t kMaxChatBytes = 255;

class StreamSplitter {
  public:
    struct Output {
        std::vector<std::string> messages;  // whole messages, in order
        std::optional<std::string> error;   // set once the stream is broken
    };

    // Takes the bytes of one read; returns the messages they complete.
    Output feed(std::string_view bytes);
    // No more bytes are waiting: an open name or chat line ends here.
    Output endOfRead();
    // Bytes of a message begun but not yet whole.
    std::size_t pending() const { return buffer_.size(); }

  private:
    Output split(bool endOfRead);
    std::string buffer_;
    std::optional<std::string> broken_;
};

}  // namespace tavik::net
