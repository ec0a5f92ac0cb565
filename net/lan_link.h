#pragma once
// One side of a LAN match, as a state machine driven by events: the connection is
// made, bytes arrive, no more bytes are waiting, the peer goes away, the local side
// sends. It is the match's peer port (the controller sends through it) and turns the
// other copy's messages into seat 1's moves, the deal and the kon's course. It knows
// no sockets: the window's Qt sockets and tavik-cli's POSIX sockets are transports
// that feed it, and tests feed it from an in-process pipe.
//
// Protocol as this side keeps it (netLink): 0 idle, 1 waiting for the peer, 2 the
// greeting exchanged, 3 (server) the first deal sent. Anything the other copy sends
// that the protocol does not allow at that moment (bytes of no message, a card it does
// not hold or may not play, a message of the wrong phase) breaks the link: the
// connection is closed and failure() says why; the match cannot go on.
//
// A chat line has no end of its own on the wire: it ends where the next message of
// fixed form begins or with the read. The client's kon end "o" is no such end, so a
// chat line and the "o" behind it, read together, arrive as one chat line ending in
// "o". After its kon end "o" the client sends nothing but chat lines until the next
// deal, so the server can tell: when its own kon is over and shown, the match goes on,
// no "o" has come for this kon, and the last thing the client sent is a chat line
// ending in "o", that "o" is taken as the client's kon end. Should the line really
// have ended in "o", the client's own "o" still follows; the one bare "o" that comes
// before the client's next move is then that one and is passed over. The chat line is
// shown as it came; the match never waits for an "o" that a chat line swallowed.


#include <deque>
#include <optional>
#include <string>
#include <string_view>

#include "core/match/match_session.h"
#include "core/match/remote_seat.h"
#include "core/ports.h"
#include "net/stream_splitter.h"

namespace tavik::net {

class LanLink : public PeerPort {
  public:
    // Where the link's bytes go.
    class Transport {
      public:
        virtual ~Transport() = default;
        virtual void write(const std::string& bytes) = 0;
        virtual void close() = 0;
    };
    // What the host (the window, tavik-cli) learns besides the match's own ports.
    class Listener {
      public:
        virtual ~Listener() = default;
        // The greeting has been exchanged (netLink 2): the server may deal, the client
        // waits for the deal.
        virtual void handshake() {}
        // The peer sent a chat line.
        virtual void chat(const std::string& /*text*/) {}
    };

    // role 1 server, 2 client; localName is sent in the greeting.
    LanLink(Transport& transport, int role, std::string localName, Listener* listener = nullptr);

    // The match whose seat 1 the peer plays; set before any event.
    void attach(MatchSession& session, RemoteSeat& remote);

    void send(const PeerMessage& message) override;
    // Sends a chat line and gives its text as the peer will read it, or nothing when
    // the connection has ended. The line is cut to the longest the peer takes, and a
    // message of fixed form inside it (a "hgo", a card move...) loses its first letter
    // to "_": the peer would otherwise end the line there and play the message.
    std::optional<std::string> sendChat(const std::string& text);

    // netLink 0 → 1: the server listens, the client connects.
    void start() { netLink_ = 1; }
    // The client's connection is open: it greets the server.
    void connected();
    // Bytes of one read; messages are applied as far as the match can take them.
    void received(std::string_view bytes);
    // No more bytes are waiting: an open name or chat line ends.
    void endOfRead();
    // The peer has closed the connection (after every byte it sent was received).
    void disconnected();
    // Applies messages that had to wait for the local side (a deal that arrives
    // before this side has ended its match); the host calls it after local actions.
    void pump();
    // Ends the link with a reason (a time-out, the local side leaving); closes the
    // connection.
    void fail(std::string why);
    // The local side ends the link (the end of the match): closes the connection.
    void close();

    int netLink() const { return netLink_; }
    int role() const { return role_; }
    const std::string& opponentName() const { return opponentName_; }
    // Why the link broke, when it did.
    const std::optional<std::string>& failure() const { return failure_; }
    bool peerGone() const { return peerGone_; }
    bool closed() const { return closed_; }
    // True when the match cannot end as it should: the link broke, or the peer left
    // while a kon of the match was still to come or could not end without it.
    bool interrupted() const;
    // Messages received and not yet applied.
    std::size_t waiting() const { return pending_.size(); }

  private:
    enum class Verdict { Applied, Wait };
    // Takes the "o" a chat line swallowed, when the server waits for nothing else.
    void konOverFromChat();
    // Applies one message; throws nothing, returns a reason in `why` when refused.
    Verdict apply(const PeerMessage& m, std::string& why);
    void take(StreamSplitter::Output out);

    Transport& transport_;
    int role_;
    std::string localName_;
    Listener* listener_;
    MatchSession* session_ = nullptr;
    RemoteSeat* remote_ = nullptr;
    StreamSplitter splitter_;
    std::deque<std::string> pending_;
    int netLink_ = 0;
    std::string opponentName_;
    std::optional<std::string> failure_;
    bool peerGone_ = false;
    bool closed_ = false;
    bool konOverSeen_ = false;  // the client's "o" of this kon has been taken
    bool chatEndsInO_ = false;  // the client's last message is a chat line ending in "o"
    bool konOverOwed_ = false;  // an "o" was taken from a chat line; the real one may follow
};

}  // namespace tavik::net
