#pragma once
// The balloon over the table's kon indicator ("Current game"): the kons played in
// all, the kon's place in its 30-kon cycle, and in a LAN game its place in the
// three-kon match; at an online table the total and the one-kon session.

#include <QString>
#include <optional>

#include "ui/table/table_view.h"

namespace tavik::ui {

struct KonBalloonText {
    QString title;
    QString text;  // lines separated by '\n'
};

// The balloon for the kon state in the language; none while a LAN client waits for
// its deal.
std::optional<KonBalloonText> KonBalloon(const TableView::KonState& kon, int language);

}  // namespace tavik::ui
