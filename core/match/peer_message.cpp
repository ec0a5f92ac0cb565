#include "core/match/peer_message.h"

namespace tavik {
namespace {

struct Describe {
    std::string operator()(const msg::Connect1& m) const {
        return "Connect1 " + m.game + " " + m.protocol + " " + m.name;
    }
    std::string operator()(const msg::Connect2& m) const { return "Connect2 " + m.name; }
    std::string operator()(const msg::Deal& m) const {
        std::string s = "Deal";
        for (const Card c : m.deck) s += " " + c.utf8();
        s += " attacker " + std::to_string(m.attacker);
        s += m.rules.ReDealRule ? " redeal" : "";
        s += m.rules.SixesRule ? " sixes" : "";
        s += m.rules.HintsRule ? " hints" : "";
        return s;
    }
    std::string operator()(const msg::Redeal& m) const {
        return "Redeal " + std::to_string(m.seat);
    }
    std::string operator()(const msg::KonStart&) const { return "KonStart"; }
    std::string operator()(const msg::Move& m) const { return "Move " + m.card.utf8(); }
    std::string operator()(const msg::Pass&) const { return "Pass"; }
    std::string operator()(const msg::Go&) const { return "Go"; }
    std::string operator()(const msg::KonOver& m) const {
        return m.scoreDelta ? "KonOver " + std::to_string(*m.scoreDelta) : "KonOver";
    }
    std::string operator()(const msg::Chat& m) const { return "Chat " + m.text; }
    std::string operator()(const msg::Abort&) const { return "Abort"; }
};

}  // namespace

std::string describe(const PeerMessage& m) {
    return std::visit(Describe{}, m);
}

}  // namespace tavik
