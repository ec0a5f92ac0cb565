#include "ui/main_window/kon_balloon.h"

#include "config/words/word_keys.h"
#include "config/words/word_table.h"

namespace tavik::ui {
namespace {

constexpr int kLanMatchKons = 3;

QString wordOf(words::WordKey key, int language) {
    return QString::fromUtf8(words::word(key, language));
}

// A kon's place in a run of `length`: 1..length, the last one counting as length, not 0.
int placeIn(int count, int length) {
    const int place = count % length;
    return place == 0 ? length : place;
}

QString line(words::WordKey key, int language, const QString& value) {
    return wordOf(key, language) + QLatin1Char(' ') + value;
}

}  // namespace

std::optional<KonBalloonText> KonBalloon(const TableView::KonState& kon, int language) {
    if (kon.awaitingDeal) return std::nullopt;
    KonBalloonText b;
    b.title = wordOf(words::key::CurrentGame, language);
    b.text = line(words::key::GeneralNumberOfGame, language, QString::number(kon.konCount));
    if (kon.online) {
        b.text +=
            QLatin1Char('\n') + line(words::key::RoundInSession, language, QStringLiteral("1 / 1"));
        return b;
    }
    const int cycle = kon.cycle > 0 ? kon.cycle : 30;
    b.text += QLatin1Char('\n') + line(words::key::RoundInCycle, language,
                                       QString::number(placeIn(kon.konCount, cycle)) +
                                           QStringLiteral(" / ") + QString::number(cycle));
    if (kon.network)
        b.text +=
            QLatin1Char('\n') + line(words::key::RoundInSession, language,
                                     QString::number(placeIn(kon.matchKons, kLanMatchKons)) +
                                         QStringLiteral(" / ") + QString::number(kLanMatchKons));
    return b;
}

}  // namespace tavik::ui
