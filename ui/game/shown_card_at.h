#pragma once
// Which face-up card outside the player's own hand lies under the pointer, for the
// voice: a card of the bout on the table (the one on top where they overlap), the
// uncovered part of the trump under the deck while cards are left in it, and the
// opponent's cards while they lie face up (or its shown lowest trump).

#include <QPoint>

#include "core/state/card.h"
#include "ui/table/table_renderer.h"

namespace tavik::ui {

// The card under a point of the table view, or the empty card.
Card ShownCardAt(const TableRenderer& renderer, QPoint pos);

}  // namespace tavik::ui
