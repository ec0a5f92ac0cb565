#pragma once
// The card flights of the game table: the core's Flight calls turned into paths on the
// window and flown by CardFlights. A card played from a hand flies from where it stood
// in the hand (seat 1: from the middle of its hand box) to its table place; a card taken
// flies from its table place to the middle of the taker's hand box, the table being
// redrawn without it first; a card drawn from the deck flies face down from the trump
// card's place to the middle of the hand box; a beaten table flies off the window on the
// left as one group, the table being redrawn empty first.

#include <QImage>
#include <functional>
#include <string_view>

#include "core/ports.h"
#include "ui/flight/card_flight.h"
#include "ui/table/table_view.h"

namespace tavik::ui {

class TableFlights {
  public:
    // `speed` gives the flight speed (flySpeed) at the time of each flight.
    TableFlights(TableView& view, std::function<int()> speed);

    void Fly(const Flight& f);
    CardFlights& flights() { return flights_; }

  private:
    // A card's picture at the card cell's size: a card code, or "00" for the back.
    QImage picture(std::string_view code) const;
    // The top-left corner of a card in the middle of the seat's hand box.
    flight::Point handMiddle(int seat) const;
    flight::Point tablePlace(TablePlace place) const;

    TableView& view_;
    std::function<int()> speed_;
    CardFlights flights_;
};

}  // namespace tavik::ui
