#include "ai/search_set.h"

#include <sstream>

namespace tavik::ai {

extern const char* const kSearchSetText;  // search_set.tsv, generated at build time

namespace {

std::vector<std::string_view> fields(std::string_view line) {
    std::vector<std::string_view> out;
    std::size_t from = 0;
    while (true) {
        const std::size_t tab = line.find('\t', from);
        out.push_back(line.substr(from, tab == std::string_view::npos ? tab : tab - from));
        if (tab == std::string_view::npos) return out;
        from = tab + 1;
    }
}

bool readCards(std::string_view text, std::vector<Card>& out) {
    std::istringstream in{std::string(text)};
    std::string code;
    while (in >> code) {
        const auto c = Card::fromUtf8(code);
        if (!c || c->empty()) return false;
        out.push_back(*c);
    }
    return true;
}

std::string cardList(const std::vector<Card>& cards) {
    std::string out;
    for (Card c : cards) out += (out.empty() ? "" : " ") + c.utf8();
    return out;
}

std::optional<long long> number(std::string_view text) {
    try {
        std::size_t used = 0;
        const long long v = std::stoll(std::string(text), &used);
        if (used != text.size()) return std::nullopt;
        return v;
    } catch (...) {
        return std::nullopt;
    }
}

}  // namespace

std::optional<SetPosition> ParseSetLine(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::vector<std::string_view> f = fields(line);
    if (f.size() != 12 || (f[0] != "random" && f[0] != "hard")) return std::nullopt;
    SetPosition p;
    p.hard = f[0] == "hard";
    SearchRoot& r = p.root;
    if (!readCards(f[1], r.mover) || !readCards(f[2], r.other) || !readCards(f[3], r.table))
        return std::nullopt;
    r.trump = suitFromUtf8(f[4]);
    const auto hods = number(f[5]), free = number(f[6]), value = number(f[10]),
               nodes = number(f[11]);
    if (r.trump == 0 || !hods || !free || !value || !nodes || *hods < 0 || *hods > 6 || *free < 0 ||
        *free > 6 || *nodes < 0)
        return std::nullopt;
    r.hods = static_cast<int>(*hods);
    r.free = static_cast<int>(*free);
    if (f[7] != "attack" && f[7] != "defence" && f[7] != "taking") return std::nullopt;
    r.defence = f[7] == "defence";
    r.taking = f[7] == "taking";
    if (f[8] == "##") {
        p.card = kNoCard;
    } else {
        const auto c = Card::fromUtf8(f[8]);
        if (!c || c->empty()) return std::nullopt;
        p.card = *c;
    }
    p.value = static_cast<int>(*value);
    p.literalNodes = static_cast<std::uint64_t>(*nodes);
    // f[9] is the number of cards in play, for the reader of the file.
    return p;
}

std::string FormatSetLine(const SetPosition& p) {
    const SearchRoot& r = p.root;
    const std::size_t cards = r.mover.size() + r.other.size() + r.table.size();
    return std::string(p.hard ? "hard" : "random") + "\t" + cardList(r.mover) + "\t" +
           cardList(r.other) + "\t" + cardList(r.table) + "\t" + std::string(suitUtf8(r.trump)) +
           "\t" + std::to_string(r.hods) + "\t" + std::to_string(r.free) + "\t" +
           (r.defence  ? "defence"
            : r.taking ? "taking"
                       : "attack") +
           "\t" + p.card.utf8() + "\t" + std::to_string(cards) + "\t" + std::to_string(p.value) +
           "\t" + std::to_string(p.literalNodes);
}

std::vector<SetPosition> FixedSearchSet() {
    std::vector<SetPosition> out;
    std::istringstream in{std::string(kSearchSetText)};
    std::string line;
    while (std::getline(in, line))
        if (auto p = ParseSetLine(line)) out.push_back(std::move(*p));
    return out;
}

}  // namespace tavik::ai
