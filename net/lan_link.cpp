#include "net/lan_link.h"

#include <type_traits>
#include <utility>
#include <variant>

#include "net/peer_codec.h"

namespace tavik::net {
LanLink::LanLink(Transport& transport, int role, std::string localName, Listener* listener)
    : transport_(transport), role_(role), localName_(std::move(localName)), listener_(listener) {}

void LanLink::attach(MatchSession& session, RemoteSeat& remote) {
    session_ = &session;
    remote_ = &remote;
    GameState& g = session.state();
    g.NetGame = true;
    g.NetRole = role_;
}

void LanLink::send(const PeerMessage& message) {
    if (closed_ || peerGone_) return;
    if (std::holds_alternative<msg::Deal>(message)) {
        if (netLink_ == 2) netLink_ = 3;
        konOverSeen_ = false;  // a new kon: its own "o" is still to come
    }
    transport_.write(encodeMessage(message));
}

std::optional<std::string> LanLink::sendChat(const std::string& text) {
    if (closed_ || peerGone_ || netLink_ < 2) return std::nullopt;
    std::string wire = encodeMessage(msg::Chat{text});
    if (wire.size() > 1 + kMaxChatBytes) wire.resize(1 + kMaxChatBytes);
    for (;;) {
        StreamSplitter reader;
        const StreamSplitter::Output out = reader.feed(wire);
        const StreamSplitter::Output end = reader.endOfRead();
        const std::vector<std::string>& read = out.messages.empty() ? end.messages : out.messages;
        if (read.empty() || read.front().size() >= wire.size()) break;
        wire[read.front().size()] = '_';
    }
    const Decoded d = decodeMessage(wire);
    const auto* chat = d ? std::get_if<msg::Chat>(&*d.message) : nullptr;
    if (!chat) return std::nullopt;
    transport_.write(wire);
    return chat->text;
}

void LanLink::connected() {
    if (role_ != 2 || netLink_ != 1 || closed_) return;
    send(msg::Connect1{std::string(kGameNumber), std::string(kProtocolNumber), localName_});
}

void LanLink::received(std::string_view bytes) {
    if (closed_) return;
    take(splitter_.feed(bytes));
}

void LanLink::endOfRead() {
    if (closed_) return;
    take(splitter_.endOfRead());
}

void LanLink::take(StreamSplitter::Output out) {
    for (std::string& m : out.messages) pending_.push_back(std::move(m));
    pump();
    if (out.error && !failure_) fail("the peer sent " + *out.error);
}

void LanLink::disconnected() {
    if (peerGone_) return;
    pump();
    peerGone_ = true;
    if (!closed_) transport_.close();
    closed_ = true;
}

void LanLink::pump() {
    while (!pending_.empty() && !failure_) {
        const Decoded d = decodeMessage(pending_.front());
        if (!d) {
            fail("the peer sent a message the game does not know: " + d.reason);
            return;
        }
        std::string why;
        if (apply(*d.message, why) == Verdict::Wait) return;
        if (!why.empty()) {
            fail("the peer broke the protocol: " + why);
            return;
        }
        pending_.pop_front();
    }
    konOverFromChat();
}

void LanLink::konOverFromChat() {
    if (role_ != 1 || !chatEndsInO_ || konOverSeen_ || failure_ || !pending_.empty() || !session_)
        return;
    const GameState& g = session_->state();
    MatchController& c = session_->controller();
    if (!g.GameActive || g.Step != BoutStep::ResultShown || g.Button7Enabled ||
        c.lanMatchComplete())
        return;
    chatEndsInO_ = false;
    const std::string why = c.RemoteKonOver();
    if (!why.empty()) return fail("the peer broke the protocol: " + why);
    konOverSeen_ = true;
    konOverOwed_ = true;
}

void LanLink::fail(std::string why) {
    if (failure_) return;
    failure_ = std::move(why);
    pending_.clear();
    if (!closed_) transport_.close();
    closed_ = true;
}

void LanLink::close() {
    if (!closed_) transport_.close();
    closed_ = true;
}

bool LanLink::interrupted() const {
    if (failure_) return true;
    if (!peerGone_) return false;
    if (netLink_ < 2) return true;
    return session_ && session_->controller().PeerLeavingInterrupts();
}

LanLink::Verdict LanLink::apply(const PeerMessage& m, std::string& why) {
    GameState& g = session_->state();
    MatchController& c = session_->controller();
    const bool server = role_ == 1;
    auto greeted = [&](const std::string& name) {
        netLink_ = 2;
        opponentName_ = name;
        g.names[1] = WithoutTrailingBlanks(name);
        g.names[2] = WithoutTrailingBlanks(localName_);
        if (listener_) listener_->handshake();
    };
    std::visit(
        [&](const auto& x) {
            using T = std::decay_t<decltype(x)>;
            if constexpr (std::is_same_v<T, msg::Abort>) {
                return;  // never sent; ignored
            } else if constexpr (std::is_same_v<T, msg::Connect1>) {
                if (!server || netLink_ != 1) {
                    why = "a greeting during the match";
                } else if (x.game == kGameNumber && x.protocol == kProtocolNumber) {
                    greeted(x.name);
                    send(msg::Connect2{localName_});
                }
                // A greeting of another game or protocol is never answered.
            } else if constexpr (std::is_same_v<T, msg::Connect2>) {
                if (server || netLink_ != 1)
                    why = "a greeting during the match";
                else
                    greeted(x.name);
            } else if (netLink_ < 2) {
                why = "a message before the greeting";
            } else if constexpr (std::is_same_v<T, msg::Chat>) {
                chatEndsInO_ = !x.text.empty() && x.text.back() == 'o';
                if (listener_) listener_->chat(x.text);
            } else if constexpr (std::is_same_v<T, msg::KonOver>) {
                const bool decided = g.deckEmpty() && (g.KolCards1 == 0 || g.KolCards2 == 0);
                chatEndsInO_ = false;
                if (!server || x.scoreDelta) {
                    why = "a kon end the server never receives";
                } else if (konOverOwed_) {
                    // The client's own "o" behind a chat line that ended in "o".
                    konOverOwed_ = false;
                } else if (g.GameActive && g.Step != BoutStep::ResultShown && decided) {
                    why = "wait";  // the client ended the kon first; this side ends it too
                } else {
                    why = c.RemoteKonOver();
                    konOverSeen_ = true;
                }
            } else if constexpr (std::is_same_v<T, msg::Deal>) {
                if (server) {
                    why = "a deal sent to the server";
                } else if (!g.GameActive ||
                           (!g.AwaitingDeal && g.Phase != GamePhase::RedealAnnounced &&
                            c.lanMatchComplete())) {
                    // The next match's deal, sent when the server's last kon ended: this
                    // side finishes its own last kon and ends its match first.
                    why = "wait";
                } else if (!g.AwaitingDeal && g.Phase != GamePhase::RedealAnnounced &&
                           g.Step != BoutStep::ResultShown && g.deckEmpty() &&
                           (g.KolCards1 == 0 || g.KolCards2 == 0)) {
                    // The kon is decided here but not yet ended: the deal waits for it.
                    why = "wait";
                } else {
                    why = c.ReceiveDeal(x);
                }
            } else if constexpr (std::is_same_v<T, msg::Redeal>) {
                why = server ? "a re-deal sent to the server" : c.ReceiveRedeal(x.seat);
            } else if constexpr (std::is_same_v<T, msg::KonStart>) {
                why = server ? "a kon start sent to the server" : c.ReceiveKonStart();
            } else if constexpr (std::is_same_v<T, msg::Move>) {
                konOverOwed_ = chatEndsInO_ = false;  // the client has moved on
                remote_->receive(x.card);
                why = c.RemoteMove();
            } else if constexpr (std::is_same_v<T, msg::Pass>) {
                konOverOwed_ = chatEndsInO_ = false;
                remote_->receive(kNoCard);
                why = c.RemoteMove();
            } else if constexpr (std::is_same_v<T, msg::Go>) {
                konOverOwed_ = chatEndsInO_ = false;
                why = c.RemoteGo();
            }
        },
        m);
    if (why == "wait") {
        why.clear();
        return Verdict::Wait;
    }
    return Verdict::Applied;
}

}  // namespace tavik::net
