// tavik-cli analyze: the computer's answer to one decision given as JSON.
#include "app/cli/analyze_command.h"

#include <chrono>
#include <cstdio>
#include <iostream>
#include <iterator>
#include <set>
#include <vector>

#include "ai/choose_move.h"
#include "app/cli/commands.h"
#include "app/cli/json.h"

namespace tavik::cli {
namespace {

const std::set<std::string, std::less<>> kKeys = {"mode",    "trump", "vskr",     "och",
                                                  "hand1",   "hand2", "table",    "kolHods",
                                                  "kolFree", "zarp",  "wasTakes", "exact"};

// Reads the fields of the decision one by one; the first problem ends the reading.
class DecisionReader {
  public:
    explicit DecisionReader(const Json& root) : root_(root) {}

    bool ok() const { return error_.empty(); }
    const std::string& error() const { return error_; }

    bool has(std::string_view key) const { return find(key) != nullptr; }

    long long integer(std::string_view key, long long fallback, long long lo, long long hi,
                      bool required) {
        const Json* v = find(key);
        if (!v) {
            if (required) fail("\"" + std::string(key) + "\" is missing");
            return fallback;
        }
        const std::optional<long long> n = wholeNumber(*v);
        if (!n || *n < lo || *n > hi) {
            fail("\"" + std::string(key) + "\" must be a whole number from " + std::to_string(lo) +
                 " to " + std::to_string(hi));
            return fallback;
        }
        return *n;
    }

    bool boolean(std::string_view key) {
        const Json* v = find(key);
        if (!v) return false;
        if (v->is_boolean()) return v->get<bool>();
        const std::optional<long long> n = wholeNumber(*v);
        if (n && (*n == 0 || *n == 1)) return *n == 1;
        fail("\"" + std::string(key) + "\" must be true or false");
        return false;
    }

    std::string text(std::string_view key, bool required) {
        const Json* v = find(key);
        if (!v) {
            if (required) fail("\"" + std::string(key) + "\" is missing");
            return {};
        }
        if (!v->is_string()) {
            fail("\"" + std::string(key) + "\" must be a string");
            return {};
        }
        return v->get<std::string>();
    }

    std::vector<Card> cards(std::string_view key, bool required) {
        std::vector<Card> out;
        const Json* v = find(key);
        if (!v) {
            if (required) fail("\"" + std::string(key) + "\" is missing");
            return out;
        }
        if (!v->is_array()) {
            fail("\"" + std::string(key) + "\" must be an array of card codes");
            return out;
        }
        for (const Json& item : *v) {
            const auto card =
                item.is_string() ? Card::fromUtf8(item.get<std::string>()) : std::nullopt;
            if (!card || card->empty()) {
                fail("\"" + std::string(key) + "\" holds a bad card code" +
                     (item.is_string() ? " \"" + item.get<std::string>() + "\"" : ""));
                return out;
            }
            out.push_back(*card);
        }
        return out;
    }

    void fail(std::string message) {
        if (error_.empty()) error_ = std::move(message);
    }

  private:
    const Json* find(std::string_view key) const {
        const auto it = root_.find(std::string(key));
        return it == root_.end() ? nullptr : &*it;
    }

    const Json& root_;
    std::string error_;
};

struct Decision {
    MoveKind mode = MoveKind::Lead;
    ai::StatTavik2 snapshot;
    bool exact = false;  // the exact search for any number of cards in play
};

std::optional<Decision> readDecision(const Json& root, std::string& error) {
    if (!root.is_object()) {
        error = "the input must be a JSON object";
        return std::nullopt;
    }
    for (const auto& [key, value] : root.items())
        if (!kKeys.count(key)) {
            error = "unknown key \"" + key + "\"";
            return std::nullopt;
        }
    DecisionReader in(root);
    Decision d;
    ai::StatTavik2& s = d.snapshot;
    // The mode is the number of the move kind, 1..4.
    d.mode = static_cast<MoveKind>(in.integer("mode", 1, 1, 4, true));
    const std::string trump = in.text("trump", true);
    s.Koz = suitFromUtf8(trump);
    if (in.ok() && s.Koz == 0) in.fail("\"trump\" must be one of ч, б, к, п");
    s.Och = static_cast<int>(in.integer("och", 37, 1, 37, false));
    const std::string vskr = in.text("vskr", s.Och <= 36);
    s.Vskr = in.has("vskr") ? rankFromUtf8(vskr) : 0;
    if (in.ok() && in.has("vskr") && s.Vskr == 0)
        in.fail("\"vskr\" must be a rank character (6 7 8 9 1 В Д К Т)");
    const std::vector<Card> hand1 = in.cards("hand1", true);
    const std::vector<Card> hand2 = in.cards("hand2", true);
    const std::vector<Card> table = in.cards("table", false);
    const int onTable = static_cast<int>(table.size());
    const bool answering = d.mode == MoveKind::Defend || d.mode == MoveKind::AddToTaker;
    const int freeDefault = answering ? 1 : 0;
    s.KolFree = static_cast<int>(in.integer("kolFree", freeDefault, 0, 6, false));
    s.KolHods = static_cast<int>(in.integer("kolHods", (onTable + s.KolFree) / 2, 0, 6, false));
    s.Zarp = static_cast<std::uint8_t>(in.integer("zarp", 0, 0, 3, false));
    s.WasTakes = in.boolean("wasTakes");
    d.exact = in.boolean("exact");
    if (in.ok() && d.exact && s.Och <= 36) in.fail("\"exact\" needs an empty deck (\"och\" 37)");
    if (!in.ok()) {
        error = in.error();
        return std::nullopt;
    }

    // The cards: each at most once, no more than the deck leaves in play.
    std::set<int> seen;
    for (const auto* list : {&hand1, &hand2, &table})
        for (Card c : *list)
            if (!seen.insert(c.number()).second) {
                error = "card " + c.utf8() + " appears twice";
                return std::nullopt;
            }
    const int inDeck = s.Och <= 36 ? 37 - s.Och : 0;
    if (static_cast<int>(seen.size()) + inDeck > 36) {
        error = "more cards than the deck holds (hands, table and " + std::to_string(inDeck) +
                " in the deck)";
        return std::nullopt;
    }
    if (onTable > 12) {
        error = "the table holds at most 12 cards";
        return std::nullopt;
    }
    // The table must fit the mode: attack and defence cards with KolFree unbeaten.
    if ((d.mode == MoveKind::Lead) != (onTable == 0)) {
        error = d.mode == MoveKind::Lead ? "a lead (mode 1) needs an empty table"
                                         : "modes 2 to 4 need cards on the table";
        return std::nullopt;
    }
    if (s.KolFree > s.KolHods || onTable != 2 * s.KolHods - s.KolFree ||
        (d.mode == MoveKind::Add && s.KolFree != 0) || (answering && s.KolFree == 0)) {
        error = "kolHods " + std::to_string(s.KolHods) + " and kolFree " +
                std::to_string(s.KolFree) + " do not fit " + std::to_string(onTable) +
                " table cards in mode " + std::to_string(static_cast<int>(d.mode));
        return std::nullopt;
    }

    for (std::size_t i = 0; i < hand1.size(); ++i) s.CardsI1[static_cast<int>(i + 1)] = hand1[i];
    for (std::size_t i = 0; i < hand2.size(); ++i) s.CardsI2[static_cast<int>(i + 1)] = hand2[i];
    for (std::size_t i = 0; i < table.size(); ++i) s.InGameI[static_cast<int>(i + 1)] = table[i];
    s.KolCards1 = static_cast<int>(hand1.size());
    s.KolCards2 = static_cast<int>(hand2.size());
    s.KolCardsStol = onTable;
    s.OchGame = onTable + 1;
    // The attack card to beat: the last card laid (all beaten in mode 2: the last attack card).
    if (onTable > 0)
        s.KartaHod =
            table[static_cast<std::size_t>(d.mode == MoveKind::Add ? onTable - 2 : onTable - 1)];
    s.Prognoz = 0;
    return d;
}

}  // namespace

std::optional<std::string> analyzeJson(std::string_view input, std::string& error) {
    const std::optional<Json> root = parseJson(input, error);
    if (!root) return std::nullopt;
    std::optional<Decision> d = readDecision(*root, error);
    if (!d) return std::nullopt;

    ai::StatTavik2& s = d->snapshot;
    ai::EndgameSearch search(d->exact ? ai::ExactTableLog2(s.cardsInPlay()) : 16);
    if (d->exact) search.setTimeLimitMs(ai::kExactTimeLimitMs);
    ai::ChoiceDetails details;
    bool stop = false;
    const auto start = std::chrono::steady_clock::now();
    const int slot = d->exact ? ai::ChooseExactly(d->mode, s, stop, search, &details)
                              : ai::ChooseMove(d->mode, s, stop, search, &details);
    const double micros =
        std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();

    const bool plays = slot >= 1 && slot <= 36 && !stop && !s.CardsI1[slot].empty();
    const Json out = {{"slot", plays ? slot : 0},
                      {"card", plays ? Json(s.CardsI1[slot].utf8()) : Json(nullptr)},
                      {"stop", stop},
                      {"prognoz", static_cast<int>(s.Prognoz)},
                      {"value", details.searched ? Json(details.value) : Json(nullptr)},
                      {"zarp", static_cast<int>(s.Zarp)},
                      {"wasTakes", s.WasTakes},
                      {"nodes", static_cast<long long>(details.nodes)},
                      {"micros", micros}};
    return jsonLine(out);
}

int analyzeCommand(const std::vector<std::string>& args) {
    if (!args.empty()) {
        std::fprintf(
            stderr,
            "tavik-cli analyze: reads one JSON object on standard input and takes no options\n");
        return 2;
    }
    const std::string input{std::istreambuf_iterator<char>(std::cin),
                            std::istreambuf_iterator<char>()};
    std::string error;
    const std::optional<std::string> answer = analyzeJson(input, error);
    if (!answer) {
        std::fprintf(stderr, "tavik-cli analyze: %s\n", error.c_str());
        return 2;
    }
    std::printf("%s\n", answer->c_str());
    return 0;
}

}  // namespace tavik::cli
