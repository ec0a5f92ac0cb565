#pragma once
// Chooses the card back shown at every deal: the weekday's back, the seventh with one
// back always, a random one of ten for the ten-back styles (from a freshly seeded
// generator each time).

#include <functional>

#include "config/settings.h"
#include "core/ports.h"
#include "ui/pictures/card_art.h"

namespace tavik::ui {

// Today's weekday, 1 Monday .. 7 Sunday.
int CurrentWeekday();
// A random number 1..10 from a generator seeded afresh.
int FreshRandom1to10();

class BackAtDeal : public GameLog {
  public:
    BackAtDeal(const config::Settings& settings, CardArt* art,
               std::function<int()> weekday = CurrentWeekday,
               std::function<int()> random1to10 = FreshRandom1to10)
        : settings_(settings), art_(art), weekday_(std::move(weekday)),
          random_(std::move(random1to10)) {}
    void onDeal(const GameState& g) override;

  private:
    const config::Settings& settings_;
    CardArt* art_;  // none: nothing to choose for
    std::function<int()> weekday_;
    std::function<int()> random_;
};

}  // namespace tavik::ui
