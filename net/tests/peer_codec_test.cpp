#include "net/peer_codec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>
#include <vector>

namespace tavik::net {
namespace {

using namespace std::string_literals;

// The deck by card numbers: the ten of hearts first, then every other card in order.
msg::Deal tenOfHeartsFirstDeal() {
    msg::Deal d;
    d.deck[1] = Card::fromNumber(17);
    for (int i = 2; i <= 36; ++i) d.deck[i] = Card::fromNumber(i <= 17 ? i - 1 : i);
    d.attacker = 1;
    d.rules = RuleOptions{.ReDealRule = true, .SixesRule = false, .HintsRule = true};
    return d;
}

// clang-format off
const std::string kDealBytes =
    "b"
    "1\xF7" "6\xF7" "6\xE1" "6\xEA" "6\xEF" "7\xF7"
    "7\xE1" "7\xEA" "7\xEF" "8\xF7" "8\xE1" "8\xEA"
    "8\xEF" "9\xF7" "9\xE1" "9\xEA" "9\xEF" "1\xE1"
    "1\xEA" "1\xEF" "\xC2\xF7" "\xC2\xE1" "\xC2\xEA" "\xC2\xEF"
    "\xC4\xF7" "\xC4\xE1" "\xC4\xEA" "\xC4\xEF" "\xCA\xF7" "\xCA\xE1"
    "\xCA\xEA" "\xCA\xEF" "\xD2\xF7" "\xD2\xE1" "\xD2\xEA" "\xD2\xEF"
    "511112222333344445556666777788889999"
    "1"
    "\xC8\xCB\xC8";
// clang-format on

struct WireCase {
    PeerMessage message;
    std::string bytes;
};

// Every message of the protocol with its exact bytes.
std::vector<WireCase> wireTable() {
    // clang-format off
    return {
        {msg::Connect1{"10", "25", "Ann"}, "qor1025connect1Ann"},
        {msg::Connect1{"10", "25", "Вася"}, "qor1025connect1\xC2\xE0\xF1\xFF"},
        {msg::Connect1{"09", "24", ""}, "qor0924connect1"},
        {msg::Connect2{"Ann Lee"}, "connect2Ann Lee"},
        {msg::Connect2{"Ёжик"}, "connect2\xA8\xE6\xE8\xEA"},
        {msg::Connect2{""}, "connect2"},
        {tenOfHeartsFirstDeal(), kDealBytes},
        {msg::Redeal{1}, "peresdacha1"},
        {msg::Redeal{2}, "peresdacha2"},
        {msg::KonStart{}, "hsitkon2"},
        {msg::Move{Card(5, kHearts)}, "hhod1\xF7" "5"},
        {msg::Move{Card(1, kDiamonds)}, "hhod6\xE1" "1"},
        {msg::Move{Card(6, kClubs)}, "hhod\xC2\xEA" "6"},
        {msg::Move{Card(9, kSpades)}, "hhod\xD2\xEF" "9"},
        {msg::Pass{}, "hhodpa"},
        {msg::Go{}, "hgo"},
        {msg::KonOver{}, "o"},
        {msg::KonOver{0}, "o000000"},
        {msg::KonOver{5}, "o0050-5"},
        {msg::KonOver{-5}, "o0-5005"},
        {msg::KonOver{30}, "o030-30"},
        {msg::KonOver{-30}, "o-30030"},
        {msg::KonOver{123}, "o123-123"},
        {msg::KonOver{-123}, "o-123123"},
        {msg::KonOver{1234}, "o1234-1234"},
        {msg::Chat{"Привет, hi!"}, "s\xCF\xF0\xE8\xE2\xE5\xF2, hi!"},
        {msg::Chat{"№ 5 — €"}, "s\xB9 5 \x97 \x88"},
        {msg::Chat{""}, "s"},
        {msg::Abort{}, "abort"},
    };
    // clang-format on
}

TEST(PeerCodec, EveryMessageHasItsExactBytesBothWays) {
    for (const WireCase& c : wireTable()) {
        SCOPED_TRACE(describe(c.message));
        EXPECT_EQ(encodeMessage(c.message), c.bytes);
        const Decoded d = decodeMessage(c.bytes);
        ASSERT_TRUE(d) << d.reason;
        EXPECT_EQ(d.error, DecodeError::None);
        EXPECT_EQ(*d.message, c.message);
    }
}

TEST(PeerCodec, EdgeCasesOfTheWireForm) {
    const std::string deal = encodeMessage(tenOfHeartsFirstDeal());
    ASSERT_EQ(deal.size(), kDealLength);
    EXPECT_EQ(deal.substr(0, 3), "b1\xF7");

    EXPECT_EQ(encodeMessage(msg::Pass{}), "hhodpa");
    const Decoded pass = decodeMessage("hhodpa");
    ASSERT_TRUE(pass);
    EXPECT_TRUE(std::holds_alternative<msg::Pass>(*pass.message));

    const std::string greeting =
        encodeMessage(msg::Connect1{std::string(kGameNumber), std::string(kProtocolNumber), "Ann"});
    EXPECT_EQ(greeting, "qor1025connect1Ann");
}

TEST(PeerCodec, TypedMessagesSurviveTheRoundTrip) {
    auto roundTrip = [](const PeerMessage& m) {
        const Decoded d = decodeMessage(encodeMessage(m));
        ASSERT_TRUE(d) << describe(m) << ": " << d.reason;
        EXPECT_EQ(*d.message, m) << describe(m);
    };
    std::mt19937 rng(20240611);
    for (int k = 0; k < 200; ++k) {
        std::vector<int> numbers(36);
        for (int i = 0; i < 36; ++i) numbers[static_cast<std::size_t>(i)] = i + 1;
        std::shuffle(numbers.begin(), numbers.end(), rng);
        msg::Deal d;
        for (int i = 1; i <= 36; ++i)
            d.deck[i] = Card::fromNumber(numbers[static_cast<std::size_t>(i - 1)]);
        d.attacker = 1 + static_cast<int>(rng() % 2);
        d.rules = RuleOptions{rng() % 2 == 0, rng() % 2 == 0, rng() % 2 == 0};
        roundTrip(d);
    }
    for (int n = 1; n <= 36; ++n) roundTrip(msg::Move{Card::fromNumber(n)});
    for (int delta = -1500; delta <= 1500; ++delta) roundTrip(msg::KonOver{delta});
    for (int delta : {INT_MIN, INT_MIN + 1, INT_MAX, -1000000, 99999})
        roundTrip(msg::KonOver{delta});
    roundTrip(msg::Chat{"Ёлки-палки! «Ура» ‰ № ™ ї"});
    roundTrip(msg::Connect2{"Мария Ивановна"});
    roundTrip(msg::Connect1{"10", "25", "Ёж"});
}

TEST(PeerCodec, EveryWindows1251ByteOfATextSurvivesTheRoundTrip) {
    for (int b = 1; b <= 255; ++b) {
        if (b == 0x98) continue;  // the one byte without a character
        const std::string wire = "s"s + static_cast<char>(b) + "x";
        const Decoded d = decodeMessage(wire);
        ASSERT_TRUE(d) << "byte " << b << ": " << d.reason;
        EXPECT_EQ(encodeMessage(*d.message), wire) << "byte " << b;
    }
}

TEST(PeerCodec, TextTheCodePageCannotHoldIsSentAsQuestionMarks) {
    EXPECT_EQ(encodeMessage(msg::Chat{"a中b😀c"}), "sa?b?c");
    EXPECT_EQ(encodeMessage(msg::Connect2{"Д\xFFй"}), "connect2\xC4?\xE9");  // a stray byte
    EXPECT_EQ(encodeMessage(msg::Connect1{"10", "25", "Zo« 中"}), "qor1025connect1Zo\xAB ?");
    EXPECT_EQ(encodeMessage(msg::Chat{"\xD0"}), "s?");  // a cut-off sequence at the end
}

struct BadCase {
    std::string bytes;
    DecodeError error;
};

std::string dealWith(std::size_t at, std::string_view replacement, std::string s = kDealBytes) {
    s.replace(at, replacement.size(), replacement);
    return s;
}

TEST(PeerCodec, BadInputIsRefusedWithItsKind) {
    const DecodeError unknown = DecodeError::Unknown, bad = DecodeError::Malformed;
    // clang-format off
    const std::vector<BadCase> cases = {
        {"", unknown},
        {"hello", unknown},
        {"connect1Ann", unknown},
        {"HGO", unknown},
        {"TOut", unknown},
        {"a", unknown},
        {"\x98", unknown},
        {"qor", bad},
        {"qor1025connect", bad},
        {"qor1025connectXAnn", bad},
        {"qor1025Connect1Ann", bad},
        {"qor10\x98" "5connect1Ann", bad},
        {"qor1025connect1A\x98", bad},
        {"connect2\x98", bad},
        {"b", bad},
        {kDealBytes.substr(0, 112), bad},
        {kDealBytes + "\xC8", bad},
        {dealWith(74, "5", dealWith(3, "1\xF7")), bad},  // card 2 repeats card 1, digit and all
        {dealWith(3, "##"), bad},                        // an empty slot as card 2
        {dealWith(74, "#", dealWith(3, "##")), bad},     // ... with the empty slot's digit
        {dealWith(3, "\xF7" "6"), bad},                  // suit and rank swapped
        {dealWith(3, "pa"), bad},
        {dealWith(73, "4"), bad},                        // the ten's digit is not 5
        {dealWith(74, "0"), bad},
        {dealWith(108, "8"), bad},                       // the last digit
        {"peresdacha", bad},
        {"peresdacha3", bad},
        {"peresdacha12", bad},
        {"hsitkon1", bad},
        {"hsitkon2 ", bad},
        {"hhod", bad},
        {"hhodp", bad},
        {"hhodpa5", bad},
        {"hhodpax", bad},
        {"hhod1\xF7", bad},
        {"hhod1\xF7" "4", bad},
        {"hhod1\xF7" "55", bad},
        {"hhod1\xF7" "05", bad},
        {"hhod##9", bad},
        {"hhod##99", bad},
        {"hhod###", bad},
        {"hhodXY5", bad},
        {"hhod\xF7" "15", bad},
        {"hhod1\xF7" "5hgo", bad},
        {"hgo2", bad},
        {"hgohgo", bad},
        {"ox", bad},
        {"o005", bad},
        {"o005005", bad},
        {"o0050-6", bad},
        {"o5-5", bad},
        {"o0005-5", bad},
        {"o00500-5", bad},
        {"o-05005", bad},
        {"o+05-05", bad},
        {"o0050-5 ", bad},
        {"o" + std::string(30, '9'), bad},
        {"o99999999999-99999999999", bad},  // beyond an int
        {"o2147483648-2147483648", bad},
        {"s\x98", bad},
        {"abort ", bad},
        {"aborted", bad},
    };
    // clang-format on
    for (const BadCase& c : cases) {
        const Decoded d = decodeMessage(c.bytes);
        EXPECT_FALSE(d) << "accepted: " << c.bytes;
        EXPECT_EQ(d.error, c.error) << c.bytes << ": " << d.reason;
        EXPECT_FALSE(d.reason.empty()) << c.bytes;
    }
}

// Whatever the decoder accepts is exactly what the encoder writes: no cut, altered or
// extended message is read as something else. The deal's attacker digit and rule
// letters are read leniently and so compared as typed values.
TEST(PeerCodec, CutOrAlteredMessagesAreRefusedOrReadExactly) {
    const std::string probes = "\x00\x01#0159aopsh\x98\xC8\xCB\xF7\xFF"s;
    for (const WireCase& c : wireTable()) {
        const bool deal = std::holds_alternative<msg::Deal>(c.message);
        auto check = [&](const std::string& bytes, std::size_t changedAt) {
            const Decoded d = decodeMessage(bytes);
            if (!d) return;
            if (deal && changedAt >= kDealLength - 4 && changedAt < kDealLength)
                EXPECT_EQ(decodeMessage(encodeMessage(*d.message)).message, d.message);
            else
                EXPECT_EQ(encodeMessage(*d.message), bytes) << "from " << c.bytes;
        };
        for (std::size_t n = 0; n <= c.bytes.size(); ++n) check(c.bytes.substr(0, n), n);
        for (std::size_t at = 0; at < c.bytes.size(); ++at) {
            for (const char p : probes) {
                std::string changed = c.bytes;
                changed[at] = p;
                check(changed, at);
                std::string longer = c.bytes;
                longer.insert(at, 1, p);
                check(longer, at);
            }
        }
    }
}

TEST(PeerCodec, DealAttackerAndRulesAreReadAsTheClientAlwaysReadThem) {
    struct Case {
        std::string tail;  // attacker digit and the three rule letters
        int attacker;
        bool redeal, sixes, hints;
    };
    const std::vector<Case> cases = {
        {"1\xC8\xC8\xC8", 1, true, true, true},   {"2\xCB\xCB\xCB", 2, false, false, false},
        {"0\xCB\xC8\xCB", 2, false, true, false}, {"xxyz", 2, false, false, false},
        {"1\xE8\xC8 ", 1, false, true, false},  // a small "и" is not "И"
    };
    for (const Case& c : cases) {
        const Decoded d = decodeMessage(dealWith(kDealLength - 4, c.tail));
        ASSERT_TRUE(d) << d.reason;
        const auto& deal = std::get<msg::Deal>(*d.message);
        EXPECT_EQ(deal.attacker, c.attacker) << c.tail;
        EXPECT_EQ(deal.rules.ReDealRule, c.redeal) << c.tail;
        EXPECT_EQ(deal.rules.SixesRule, c.sixes) << c.tail;
        EXPECT_EQ(deal.rules.HintsRule, c.hints) << c.tail;
        EXPECT_EQ(deal.deck, tenOfHeartsFirstDeal().deck);
    }
    msg::Deal other = tenOfHeartsFirstDeal();
    other.attacker = 0;
    EXPECT_EQ(encodeMessage(other)[kDealLength - 4], '2');
}

TEST(PeerCodec, InvalidTypedValuesGiveBytesTheDecoderRefuses) {
    const std::vector<PeerMessage> invalid = {
        msg::Move{kNoCard}, msg::Redeal{3}, msg::Deal{},  // no cards at all
    };
    for (const PeerMessage& m : invalid) {
        const Decoded d = decodeMessage(encodeMessage(m));
        EXPECT_FALSE(d) << describe(m);
        EXPECT_EQ(d.error, DecodeError::Malformed) << describe(m);
    }
}

}  // namespace
}  // namespace tavik::net
