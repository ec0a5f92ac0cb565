#pragma once
// The fixed set of endgame positions that `tavik-cli bench search` measures and the
// tests check: random 12-card decisions and the hardest ones found, each with the
// literal search's answer computed once (card, value, nodes). Kept in the repository
// (ai/search_set.tsv, compiled in), so figures compare across versions and the fast
// search is checked on positions the literal search needs millions of nodes for.
//
// One line a position, tab-separated: kind ("random" or "hard"), the root (mover,
// other, table as space-separated card codes, trump, hods, free, "attack" / "defence"
// / "taking"), then the literal answer: card ("##" for none), value, nodes.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ai/search_position.h"

namespace tavik::ai {

struct SetPosition {
    bool hard = false;
    SearchRoot root;
    Card card;  // the literal answer
    int value = 0;
    std::uint64_t literalNodes = 0;
};

// One line of the set; nullopt for a malformed line.
std::optional<SetPosition> ParseSetLine(std::string_view line);
std::string FormatSetLine(const SetPosition& p);
// The set compiled into the program.
std::vector<SetPosition> FixedSearchSet();

}  // namespace tavik::ai
