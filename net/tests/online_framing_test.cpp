#include "net/online_framing.h"

#include <gtest/gtest.h>

#include <vector>

#include "net/peer_codec.h"

namespace tavik::net {
namespace {

TEST(OnlineFraming, PadsToTwentyAndWritesTheSeatIntoTheTwentiethByte) {
    struct Case {
        std::string message;
        int seat;
        std::string framed;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"hgo", 2, "hgo################2"},
        {"hhod1\xF7" "5", 1, "hhod1\xF7" "5############1"},
        {"o0-5005", 2, "o0-5005############2"},
        {"", 1, "###################1"},
        {"s123456789012345678", 2, "s123456789012345678" "2"},     // 19 bytes: no '#' left
        {"s1234567890123456789", 1, "s123456789012345678" "1"},    // 20 bytes: the last is lost
        {"s1234567890123456789abc", 2, "s123456789012345678" "2abc"},
    };
    // clang-format on
    for (const Case& c : cases) EXPECT_EQ(frameOnline(c.message, c.seat), c.framed) << c.message;
}

TEST(OnlineFraming, SixtyBytesOfThreeChatLinesGiveThreeChatLines) {
    const std::string text = frameOnline(encodeMessage(msg::Chat{"Hi"}), 1) +
                             frameOnline(encodeMessage(msg::Chat{"Привет"}), 2) +
                             frameOnline(encodeMessage(msg::Chat{"gg"}), 1);
    ASSERT_EQ(text.size(), 60u);
    const std::vector<OnlineMessage> got = splitOnline(text);
    ASSERT_EQ(got.size(), 3u);
    const std::vector<std::pair<std::string, int>> expected = {{"Hi", 1}, {"Привет", 2}, {"gg", 1}};
    for (std::size_t i = 0; i < got.size(); ++i) {
        const Decoded d = decodeMessage(got[i].bytes);
        ASSERT_TRUE(d) << d.reason;
        EXPECT_EQ(*d.message, PeerMessage(msg::Chat{expected[i].first}));
        EXPECT_EQ(got[i].seat, expected[i].second);
    }
}

TEST(OnlineFraming, FramedMessagesComeBackAsTheyWereSent) {
    const std::vector<PeerMessage> messages = {
        msg::Move{Card(9, kSpades)}, msg::Pass{},    msg::Go{},
        msg::KonOver{-123},          msg::KonOver{}, msg::Chat{"a b"}};
    std::string text;
    for (const PeerMessage& m : messages) text += frameOnline(encodeMessage(m), 2);
    const std::vector<OnlineMessage> got = splitOnline(text);
    ASSERT_EQ(got.size(), messages.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        EXPECT_EQ(got[i].seat, 2);
        const Decoded d = decodeMessage(got[i].bytes);
        ASSERT_TRUE(d) << got[i].bytes << ": " << d.reason;
        EXPECT_EQ(*d.message, messages[i]);
    }
}

TEST(OnlineFraming, SplitsPiecesButNeverADeal) {
    msg::Deal deal;
    for (int i = 1; i <= 36; ++i) deal.deck[i] = Card::fromNumber(37 - i);
    const std::string dealBytes = encodeMessage(deal);
    const std::string hgo = frameOnline("hgo", 1);

    // A deal is one message however long; one that follows a piece stays whole too.
    EXPECT_EQ(splitOnline(dealBytes), (std::vector<OnlineMessage>{{dealBytes, 0}}));
    EXPECT_EQ(splitOnline(hgo + dealBytes),
              (std::vector<OnlineMessage>{{"hgo", 1}, {dealBytes, 0}}));
    // A short rest is the last message, without a seat.
    EXPECT_EQ(splitOnline(hgo + "hhodpa"), (std::vector<OnlineMessage>{{"hgo", 1}, {"hhodpa", 0}}));
    EXPECT_EQ(splitOnline("o"), (std::vector<OnlineMessage>{{"o", 0}}));
    EXPECT_TRUE(splitOnline("").empty());
}

TEST(OnlineFraming, ChatTextEndsAtItsFirstHash) {
    // A '#' of the text itself cuts it; a message that leaves no room for '#' keeps the
    // seat digit, and a longer one arrives in two pieces.
    const std::vector<std::pair<std::string, std::vector<OnlineMessage>>> cases = {
        {frameOnline("sa#b", 1), {{"sa", 1}}},
        {frameOnline("s123456789012345678", 2), {{"s1234567890123456782", 2}}},
        {frameOnline("s1234567890123456789abc", 1), {{"s1234567890123456781", 1}, {"abc", 0}}},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(splitOnline(text), expected) << text;
}

}  // namespace
}  // namespace tavik::net
