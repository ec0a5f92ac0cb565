#include "ui/flight/table_flights.h"

#include <optional>

namespace tavik::ui {

TableFlights::TableFlights(TableView& view, std::function<int()> speed)
    : view_(view), speed_(std::move(speed)), flights_(view) {}

QImage TableFlights::picture(std::string_view code) const {
    const Display& d = view_.renderer().display();
    QImage card(d.cardWidth, d.cardHeight, QImage::Format_ARGB32_Premultiplied);
    card.fill(Qt::transparent);
    view_.renderer().DrawCardFace(0, 0, code, card);
    return card;
}

flight::Point TableFlights::handMiddle(int seat) const {
    const Box& hand = view_.renderer().box(seat == 1 ? BoxId::Hand1 : BoxId::Hand2);
    return {hand.left + (hand.width - view_.renderer().display().cardWidth) / 2, hand.top};
}

flight::Point TableFlights::tablePlace(TablePlace place) const {
    const Display& d = view_.renderer().display();
    const Box& table = view_.renderer().box(BoxId::Stol);
    const SlotPosition at =
        place.row == Row::Attack ? AttackSlot(d, place.column) : DefenceSlot(d, place.column);
    return {table.left + at.x, table.top + at.y};
}

void TableFlights::Fly(const Flight& f) {
    const TableRenderer& r = view_.renderer();
    const Display& d = r.display();
    std::vector<FlyingCard> cards;
    switch (f.path) {
        case Flight::Path::HandToTable: {
            flight::Point from = handMiddle(f.seat);
            if (f.seat == 2) {
                // The hand is already drawn without the card: it leaves from its old place.
                const std::optional<int> x = view_.departedCardX(2, f.card);
                if (x) from.x = r.box(BoxId::Hand2).left + *x;
            }
            cards.push_back({picture(f.card.code1251()), from, tablePlace(f.place)});
            break;
        }
        case Flight::Path::TableToHand: {
            for (const TableView::TableCard& t : view_.tableCards()) {
                if (t.card != f.card) continue;
                cards.push_back(
                    {picture(t.card.code1251()), tablePlace(t.place), handMiddle(f.seat)});
                break;
            }
            view_.liftTableCard(f.card);
            break;
        }
        case Flight::Path::DeckToHand: {
            const Box& deck = r.box(BoxId::Koloda);
            cards.push_back({picture("00"),
                             {deck.left + d.Scaled(12), deck.top + d.Scaled(70)},
                             handMiddle(f.seat)});
            break;
        }
        case Flight::Path::TableToDiscard: {
            for (const TableView::TableCard& t : view_.tableCards())
                cards.push_back({picture(t.card.code1251()),
                                 tablePlace(t.place),
                                 {-d.cardWidth, d.Scaled(200)}});
            view_.liftAllTableCards();
            break;
        }
    }
    flights_.FlyCards(cards, speed_ ? speed_() : 4);
}

}  // namespace tavik::ui
