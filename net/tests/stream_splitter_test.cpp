// The stream splitter: messages cut out of reads however TCP joins or splits them.
#include <gtest/gtest.h>

#include "net/peer_codec.h"
#include "net/stream_splitter.h"

namespace tavik::net {
namespace {

using Messages = std::vector<std::string>;

// Feeds the reads in order, each followed by the end of the read; returns what came out.
Messages split(const std::vector<std::string>& reads, std::optional<std::string>* error = nullptr) {
    StreamSplitter s;
    Messages all;
    for (const std::string& r : reads) {
        for (auto out : {s.feed(r), s.endOfRead()}) {
            all.insert(all.end(), out.messages.begin(), out.messages.end());
            if (error && out.error) *error = out.error;
        }
    }
    return all;
}

std::string aDeal() {
    msg::Deal d;
    for (int i = 1; i <= 36; ++i) d.deck[i] = Card::fromNumber(i);
    return encodeMessage(d);
}

TEST(StreamSplitter, MessagesJoinedInOneReadComeApart) {
    const std::string deal = aDeal();
    const Messages sent = {"connect2Ivan", deal,       "hsitkon2", "hhod1\xF7" "5", "hhodpa",
                           "hgo",          "sHi there", "peresdacha2", "abort", "o"};
    std::string joined;
    for (const std::string& m : sent) joined += m;
    EXPECT_EQ(split({joined}), sent);
}

TEST(StreamSplitter, MessagesSplitIntoSingleBytesComeWhole) {
    const std::string deal = aDeal();
    const Messages sent = {"qor1025connect1Petr", deal, "hhod\xD2\xEF" "9", "hhodpa", "o",
                           "sLast word"};
    StreamSplitter s;
    Messages got;
    for (const std::string& m : sent) {
        for (const char c : m) {
            const auto out = s.feed(std::string_view(&c, 1));
            got.insert(got.end(), out.messages.begin(), out.messages.end());
        }
        // A name or a chat line ends only when no more bytes are waiting.
        const auto out = s.endOfRead();
        got.insert(got.end(), out.messages.begin(), out.messages.end());
    }
    EXPECT_EQ(got, sent);
    EXPECT_EQ(s.pending(), 0u);
}

TEST(StreamSplitter, ATextEndsOnlyAtAWholeExactMessage) {
    const struct {
        std::string read;
        Messages messages;
    } cases[] = {
        // A chat line with letters of messages in it stays whole.
        {"shello, go bob, so what", {"shello, go bob, so what"}},
        {"sI hgosnow", {"sI ", "hgo", "snow"}},  // a whole "hgo" ends the line there
        {"sfive: hhod1\xF7" "5", {"sfive: ", "hhod1\xF7" "5"}},
        {"sno card: hhod1x5", {"sno card: hhod1x5"}},  // not a move: the text goes on
        // "o" and "s" are not looked for inside a text.
        {"sbye" "o", {"sbyeo"}},
        {"connect2Anna" "hsitkon2", {"connect2Anna", "hsitkon2"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.read);
        EXPECT_EQ(split({c.read}), c.messages);
    }
}

TEST(StreamSplitter, BrokenStreamsAreReportedOnce) {
    const struct {
        const char* what;
        std::vector<std::string> reads;
        Messages before;  // the messages that came out before the break
    } cases[] = {
        {"bytes of no message", {"hgoxyz"}, {"hgo"}},
        {"a name too long", {"connect2" + std::string(kMaxNameBytes + 1, 'n')}, {}},
        {"a chat line too long", {"s" + std::string(kMaxChatBytes + 1, 'c')}, {}},
        {"a chat line too long before a message", {"s" + std::string(300, 'c') + "hgo"}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::optional<std::string> error;
        EXPECT_EQ(split(c.reads, &error), c.before);
        EXPECT_TRUE(error);
    }
    // A chat line that goes on over reads without an end breaks the stream as soon as
    // it is too long, and nothing more is taken after the break.
    StreamSplitter s;
    EXPECT_FALSE(s.feed("s" + std::string(200, 'c')).error);
    EXPECT_TRUE(s.feed(std::string(100, 'c')).error);
    s = StreamSplitter();
    EXPECT_TRUE(s.feed("zz").error);
    const auto after = s.feed("hgo");
    EXPECT_TRUE(after.messages.empty());
    EXPECT_TRUE(after.error);
}

TEST(StreamSplitter, AMessageBegunWaitsForItsRest) {
    StreamSplitter s;
    const std::string deal = aDeal();
    EXPECT_TRUE(s.feed(deal.substr(0, 50)).messages.empty());
    EXPECT_TRUE(s.endOfRead().messages.empty());  // a fixed message does not end with the read
    EXPECT_EQ(s.pending(), 50u);
    EXPECT_EQ(s.feed(deal.substr(50)).messages, Messages{deal});
    // "hhodp" may still become the pass.
    EXPECT_TRUE(s.feed("hhodp").messages.empty());
    EXPECT_EQ(s.feed("a").messages, Messages{"hhodpa"});
}

}  // namespace
}  // namespace tavik::net
