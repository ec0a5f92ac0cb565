#include "net/peer_codec.h"

#include <bitset>
#include <charconv>
#include <limits>

#include "core/files/codec.h"

namespace tavik::net {
namespace {

constexpr char kRuleOn = '\xC8';   // "И"
constexpr char kRuleOff = '\xCB';  // "Л"
constexpr std::string_view kConnect1 = "connect1";
constexpr std::string_view kConnect2 = "connect2";
constexpr std::string_view kRedeal = "peresdacha";
constexpr std::string_view kMove = "hhod";
constexpr std::string_view kPass = "hhodpa";
// The deal's fields: 36 codes from byte 1, 36 digits, the attacker, three rule letters.
constexpr std::size_t kDealCodes = 1, kDealDigits = 73, kDealAttacker = 109, kDealRules = 110;

// UTF-8 text as Windows-1251 bytes; each character the code page lacks, and each byte
// that is not part of a UTF-8 sequence, becomes one '?'.
std::string toWire(std::string_view utf8) {
    if (auto whole = files::utf8ToCp1251(utf8)) return std::move(*whole);
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        std::size_t len = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        if (i + len > utf8.size()) len = 1;
        for (std::size_t k = 1; k < len; ++k)
            if ((static_cast<unsigned char>(utf8[i + k]) & 0xC0) != 0x80) len = 1;
        const auto one = files::utf8ToCp1251(utf8.substr(i, len));
        out += one ? *one : "?";
        i += len;
    }
    return out;
}

// The one-digit rank value of a card in the deal and a move; '#' for the empty slot.
char rankDigit(const Card& c) {
    return c.value() <= 9 ? static_cast<char>('0' + c.value()) : '#';
}

// The decimal number left-padded with '0' to at least three characters; the sign counts.
std::string pad3(long long v) {
    std::string s = std::to_string(v);
    if (s.size() < 3) s.insert(0, 3 - s.size(), '0');
    return s;
}

// The number written by pad3 exactly as these bytes, or nullopt.
std::optional<long long> parsePad3(std::string_view s) {
    if (s.size() < 3) return std::nullopt;
    std::string_view digits = s;
    while (!digits.empty() && digits.front() == '0') digits.remove_prefix(1);
    long long v = 0;
    if (!digits.empty()) {
        const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), v);
        if (ec != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    }
    if (pad3(v) != s) return std::nullopt;
    return v;
}

struct Encode {
    std::string operator()(const msg::Connect1& m) const {
        return "qor" + toWire(m.game) + toWire(m.protocol) + std::string(kConnect1) +
               toWire(m.name);
    }
    std::string operator()(const msg::Connect2& m) const {
        return std::string(kConnect2) + toWire(m.name);
    }
    std::string operator()(const msg::Deal& m) const {
        std::string s = "b";
        for (const Card c : m.deck) s += c.code1251();
        for (const Card c : m.deck) s += rankDigit(c);
        s += m.attacker == 1 ? '1' : '2';
        for (const bool on : {m.rules.ReDealRule, m.rules.SixesRule, m.rules.HintsRule})
            s += on ? kRuleOn : kRuleOff;
        return s;
    }
    std::string operator()(const msg::Redeal& m) const {
        return std::string(kRedeal) + std::to_string(m.seat);
    }
    std::string operator()(const msg::KonStart&) const { return "hsitkon2"; }
    std::string operator()(const msg::Move& m) const {
        return std::string(kMove) + m.card.code1251() + std::to_string(m.card.value());
    }
    std::string operator()(const msg::Pass&) const { return std::string(kPass); }
    std::string operator()(const msg::Go&) const { return "hgo"; }
    std::string operator()(const msg::KonOver& m) const {
        if (!m.scoreDelta) return "o";
        const long long d = *m.scoreDelta;
        return "o" + pad3(d) + pad3(-d);
    }
    std::string operator()(const msg::Chat& m) const { return "s" + toWire(m.text); }
    std::string operator()(const msg::Abort&) const { return "abort"; }
};

Decoded ok(PeerMessage m) {
    return Decoded{std::move(m), DecodeError::None, {}};
}
Decoded malformed(std::string reason) {
    return Decoded{std::nullopt, DecodeError::Malformed, std::move(reason)};
}

// Windows-1251 text of a name or chat line as UTF-8; refuses the one byte without a
// character (0x98).
std::optional<std::string> fromWire(std::string_view bytes) {
    return files::cp1251ToUtf8(bytes).optional();
}

Decoded decodeConnect1(std::string_view b) {
    constexpr std::size_t kNameAt = 3 + 2 + 2 + kConnect1.size();
    if (b.size() < kNameAt || b.substr(7, kConnect1.size()) != kConnect1)
        return malformed("greeting without \"connect1\" at bytes 8-15");
    auto game = fromWire(b.substr(3, 2));
    auto protocol = fromWire(b.substr(5, 2));
    auto name = fromWire(b.substr(kNameAt));
    if (!game || !protocol || !name) return malformed("greeting is not Windows-1251 text");
    return ok(msg::Connect1{std::move(*game), std::move(*protocol), std::move(*name)});
}

Decoded decodeDeal(std::string_view b) {
    if (b.size() != kDealLength)
        return malformed("deal of " + std::to_string(b.size()) + " bytes, not 113");
    msg::Deal deal;
    std::bitset<37> seen;
    for (int i = 1; i <= 36; ++i) {
        const std::size_t at = kDealCodes + 2 * static_cast<std::size_t>(i - 1);
        const auto card = Card::fromCode1251(b.substr(at, 2));
        if (!card || card->empty())
            return malformed("deal card " + std::to_string(i) + " is not a card code");
        if (seen[static_cast<std::size_t>(card->number())])
            return malformed("deal card " + std::to_string(i) + " occurs twice");
        seen.set(static_cast<std::size_t>(card->number()));
        if (b[kDealDigits + static_cast<std::size_t>(i - 1)] != rankDigit(*card))
            return malformed("deal digit " + std::to_string(i) + " is not its card's rank value");
        deal.deck[i] = *card;
    }
    deal.attacker = b[kDealAttacker] == '1' ? 1 : 2;
    deal.rules.ReDealRule = b[kDealRules] == kRuleOn;
    deal.rules.SixesRule = b[kDealRules + 1] == kRuleOn;
    deal.rules.HintsRule = b[kDealRules + 2] == kRuleOn;
    return ok(deal);
}

Decoded decodeMove(std::string_view b) {
    if (b == kPass) return ok(msg::Pass{});
    const std::string_view rest = b.substr(kMove.size());
    if (rest.size() != 3) return malformed("move is neither a card and its rank value nor \"pa\"");
    const auto card = Card::fromCode1251(rest.substr(0, 2));
    if (!card || card->empty()) return malformed("move names no card");
    if (rest[2] != rankDigit(*card)) return malformed("move's rank value is not its card's");
    return ok(msg::Move{*card});
}

Decoded decodeKonOver(std::string_view b) {
    const std::string_view rest = b.substr(1);
    if (rest.empty()) return ok(msg::KonOver{});
    // Two pad3 numbers of an int: each at most 11 characters.
    if (rest.size() <= 24) {
        for (std::size_t k = 3; k + 3 <= rest.size(); ++k) {
            const auto d = parsePad3(rest.substr(0, k));
            if (!d || *d < std::numeric_limits<int>::min() || *d > std::numeric_limits<int>::max())
                continue;
            if (rest.substr(k) == pad3(-*d)) return ok(msg::KonOver{static_cast<int>(*d)});
        }
    }
    return malformed("kon end is not \"o\" with a score change and its negation");
}

}  // namespace

std::string encodeMessage(const PeerMessage& m) {
    return std::visit(Encode{}, m);
}

Decoded decodeMessage(std::string_view b) {
    if (b.starts_with("qor")) return decodeConnect1(b);
    if (b.starts_with(kConnect2)) {
        auto name = fromWire(b.substr(kConnect2.size()));
        if (!name) return malformed("name is not Windows-1251 text");
        return ok(msg::Connect2{std::move(*name)});
    }
    if (b.starts_with("b")) return decodeDeal(b);
    if (b.starts_with(kRedeal)) {
        if (b == "peresdacha1") return ok(msg::Redeal{1});
        if (b == "peresdacha2") return ok(msg::Redeal{2});
        return malformed("re-deal for no seat 1 or 2");
    }
    if (b.starts_with("hsitkon")) {
        if (b == "hsitkon2") return ok(msg::KonStart{});
        return malformed("kon start is not exactly \"hsitkon2\"");
    }
    if (b.starts_with(kMove)) return decodeMove(b);
    if (b.starts_with("hgo")) {
        if (b == "hgo") return ok(msg::Go{});
        return malformed("\"hgo\" followed by more");
    }
    if (b.starts_with("o")) return decodeKonOver(b);
    if (b.starts_with("s")) {
        auto text = fromWire(b.substr(1));
        if (!text) return malformed("chat line is not Windows-1251 text");
        return ok(msg::Chat{std::move(*text)});
    }
    if (b.starts_with("abort")) {
        if (b == "abort") return ok(msg::Abort{});
        return malformed("\"abort\" followed by more");
    }
    return Decoded{std::nullopt, DecodeError::Unknown, "no message begins like this"};
}

}  // namespace tavik::net
