#include "net/stream_splitter.h"

#include <array>

#include "net/peer_codec.h"

namespace tavik::net {
namespace {

// A message form: its bytes, '?' standing for any byte; `text` forms go on with a
// name or chat line of up to `cap` bytes.
struct Form {
    std::string_view pattern;
    bool text = false;
    std::size_t cap = 0;
};

// Every form but "o", "s" and the deal, which a single first byte decides. "hhodpa"
// comes before the card move so that "pa" is never read as a card.
constexpr std::array kForms = {
    Form{"hhodpa"},          Form{"hhod???"},      Form{"hgo"},
    Form{"hsitkon2"},        Form{"peresdacha1"},  Form{"peresdacha2"},
    Form{"abort"},           Form{"connect2", true, kMaxNameBytes},
    Form{"qor????connect1", true, kMaxNameBytes},
};
constexpr std::size_t kDealBytes = kDealLength;

enum class Match { No, Short, Whole };

// Whether the bytes begin with the pattern: wholly, so far as they go, or not at all.
Match against(std::string_view bytes, std::string_view pattern) {
    const std::size_t n = std::min(bytes.size(), pattern.size());
    for (std::size_t i = 0; i < n; ++i)
        if (pattern[i] != '?' && pattern[i] != bytes[i]) return Match::No;
    return bytes.size() >= pattern.size() ? Match::Whole : Match::Short;
}

// What begins the bytes: a message of fixed length, the head of a text message, too
// few bytes to tell, or nothing of the protocol.
struct Start {
    Match match = Match::No;
    std::size_t length = 0;  // the fixed length, or the head before the text
    bool text = false;
    std::size_t cap = 0;
};

Start startOf(std::string_view b) {
    if (b.empty()) return {Match::Short};
    if (b[0] == 'o') return {Match::Whole, 1};
    if (b[0] == 's') return {Match::Whole, 1, true, kMaxChatBytes};
    if (b[0] == 'b') return {b.size() >= kDealBytes ? Match::Whole : Match::Short, kDealBytes};
    bool someShort = false;
    for (const Form& f : kForms) {
        const Match m = against(b, f.pattern);
        if (m == Match::Whole) {
            // "hhodp" might still become "hhodpa": the card move waits for that.
            return {Match::Whole, f.pattern.size(), f.text, f.cap};
        }
        if (m == Match::Short) {
            someShort = true;
            if (f.pattern == "hhodpa") return {Match::Short};
        }
    }
    return {someShort ? Match::Short : Match::No};
}

// Whether a whole, exact message of fixed form (not "o") begins the bytes, so that a
// text before it ends there.
Match fixedMessageAt(std::string_view b) {
    if (b.empty() || b[0] == 'o' || b[0] == 's') return Match::No;
    const Start s = startOf(b);
    if (s.match != Match::Whole) return s.match;
    if (s.text) return Match::No;
    return decodeMessage(b.substr(0, s.length)) ? Match::Whole : Match::No;
}

}  // namespace

StreamSplitter::Output StreamSplitter::feed(std::string_view bytes) {
    if (!broken_) buffer_.append(bytes);
    return split(false);
}

StreamSplitter::Output StreamSplitter::endOfRead() {
    return split(true);
}

StreamSplitter::Output StreamSplitter::split(bool endOfRead) {
    Output out;
    if (broken_) {
        out.error = broken_;
        return out;
    }
    auto fail = [&](std::string why) {
        broken_ = std::move(why);
        buffer_.clear();
        out.error = broken_;
        return out;
    };
    std::size_t at = 0;
    while (at < buffer_.size()) {
        const std::string_view rest = std::string_view(buffer_).substr(at);
        const Start s = startOf(rest);
        if (s.match == Match::No) return fail("bytes that begin no message");
        if (s.match == Match::Short) break;
        if (!s.text) {
            out.messages.emplace_back(rest.substr(0, s.length));
            at += s.length;
            continue;
        }
        // A text: up to the next whole message of fixed form, or to the end of the read.
        // `known`: the text is at least this long (to its end, when found).
        std::size_t end = std::string_view::npos, known = rest.size();
        bool undecided = false;
        for (std::size_t i = s.length; i < rest.size(); ++i) {
            const Match m = fixedMessageAt(rest.substr(i));
            if (m == Match::Whole) end = i;
            if (m == Match::Short && !endOfRead) undecided = true;
            if (m == Match::Whole || undecided) {
                known = i;
                break;
            }
        }
        if (known - s.length > s.cap) return fail("a name or chat line longer than any sent");
        if (end == std::string_view::npos && (undecided || !endOfRead)) break;
        out.messages.emplace_back(rest.substr(0, known));
        at += known;
    }
    buffer_.erase(0, at);
    return out;
}

}  // namespace tavik::net
