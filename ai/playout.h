#pragma once
// A kon played on from one decision without a window: both seats choose by the
// classic computer's rules while the deck holds cards, and once the deck is empty at
// the start of a bout the exact search gives the kon's value. The Expert scores its
// candidate moves with it on sampled deals.

#include <array>
#include <cstdint>

#include "ai/endgame_search.h"
#include "core/match/recorder.h"
#include "core/state/game_state.h"

namespace tavik::ai {

// The classic computer's memory for each seat ([1], [2]): its plan and WasTakes.
struct ClassicMemory {
    std::array<std::uint8_t, 3> zarp{};
    std::array<bool, 3> wasTakes{};
};

class Playout {
  public:
    // search ends the play-outs; its time limit bounds each of them.
    explicit Playout(EndgameSearch& search);

    // The value for `me` (+2 win, 0 draw, -2 loss) of the kon in g after `seat` plays
    // the card in `slot` (0: stop or take) as a move of `kind` at g.Step. The deck
    // must hold cards; g is played on a copy.
    int valueAfter(GameState g, int seat, MoveKind kind, int slot, int me, ClassicMemory memory);

    // The nodes the play-outs' exact searches have visited so far.
    std::uint64_t nodesSearched() const { return nodes_; }

  private:
    enum class Next { Lead, Defend, Add, AddToTaker, Discard, Take };
    // One classic decision of the seat; 0 for a stop or take (never for a lead).
    int classic(GameState& g, int seat, MoveKind kind, ClassicMemory& memory);
    Next play(GameState& g, int seat, MoveKind kind, int slot);
    // Ends the bout; returns whether the kon is still open.
    void endBout(GameState& g, bool discard, ClassicMemory& memory);
    int finalValue(const GameState& g, int me);

    EndgameSearch& search_;
    HeadlessWorld world_;
    std::uint64_t nodes_ = 0;
};

}  // namespace tavik::ai
