#include "ui/game/back_at_deal.h"

#include <QDate>
#include <random>

#include "ui/pictures/art_names.h"

namespace tavik::ui {

int CurrentWeekday() {
    return QDate::currentDate().dayOfWeek();  // Qt counts 1 Monday .. 7 Sunday too
}

int FreshRandom1to10() {
    std::mt19937 generator(std::random_device{}());
    return std::uniform_int_distribution<int>(1, 10)(generator);
}

void BackAtDeal::onDeal(const GameState&) {
    if (art_ == nullptr) return;
    art_->backIndex = ChooseBackIndex(settings_.backStyle, settings_.oneBack, weekday_(), random_());
}

}  // namespace tavik::ui
