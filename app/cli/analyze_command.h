#pragma once
// tavik-cli analyze: one decision of seat 1 (the computer) as a JSON object in, the
// computer's answer as one JSON line out.
//
// Input keys: "mode" 1..4, "trump" (suit character), "vskr" (rank character of the
// bottom card; needed while the deck has cards), "och" (1..37, 37 = empty deck,
// default 37), "hand1" and "hand2" (card codes; hand1 is taken in the given order as
// slots 1, 2, ...), "table" (the cards in the order laid, default empty), "kolHods"
// and "kolFree" (default: one unbeaten card in modes 3 and 4, none otherwise, and as
// many attack cards as the table then holds), "zarp" 0..3 (default 0), "wasTakes"
// (default false), "exact" (default false: true answers with the exact search for any
// number of cards in play; the deck must be empty).
// Output keys: "slot", "card", "stop", "prognoz", "value", "zarp", "wasTakes",
// "nodes", "micros".

#include <optional>
#include <string>
#include <string_view>

namespace tavik::cli {

// The answer line for the JSON decision, or nullopt with a one-line error.
std::optional<std::string> analyzeJson(std::string_view input, std::string& error);

}  // namespace tavik::cli
