#include "ui/main_window/player_list_text.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "config/words/word_keys.h"
#include "core/files/codec.h"
#include "core/files/player_list.h"
#include "ui/fonts/fonts.h"
#include "ui/layout/rounding.h"

namespace tavik::ui {
namespace {

QString fromCp1251(std::string_view bytes) {
    const auto utf8 = files::cp1251ToUtf8(bytes);
    return utf8 ? QString::fromStdString(*utf8) : QString::fromLatin1(bytes.data(), bytes.size());
}

QString rightAligned(const QString& text, int width) {
    return text.size() >= width ? text : QString(width - text.size(), QLatin1Char(' ')) + text;
}

}  // namespace

QString ListRatingText(const files::SlotFields& slot) {
    if (slot.ratingText[9] == '#') return fromCp1251(slot.ratingText.substr(0, 6));
    double value = slot.rating.value_or(0);
    if (!std::isfinite(value)) value = 0;
    // Two decimals, rounded half away from zero; a rating that rounds to zero shows no sign.
    const long long hundredths = std::llround(value * 100);
    char text[40];
    std::snprintf(text, sizeof text, "%s%lld,%02lld", hundredths < 0 ? "-" : "",
                  std::llabs(hundredths) / 100, std::llabs(hundredths) % 100);
    return rightAligned(QString::fromLatin1(text), 6);
}

QString ListKonsText(const files::SlotFields& slot) {
    if (slot.konsText.find('#') != std::string::npos) return QStringLiteral("###");
    return rightAligned(QString::number(slot.kons.value_or(0) % 30), 3);
}

QString PlayerLineText(std::string_view slotLine1251, int scoreFormat) {
    const files::SlotFields f =
        files::DecodeSlot(slotLine1251.size() >= 44 ? slotLine1251 : files::kEmptySlot);
    const QString name = fromCp1251(f.name);
    const QString blanks2(2, QLatin1Char(' ')), blanks4(4, QLatin1Char(' '));
    if (scoreFormat == 2)
        return name + blanks2 + fromCp1251(f.konsText) + blanks2 + ListRatingText(f);
    return name + blanks4 + ListKonsText(f) + blanks4 + fromCp1251(f.scoreText);
}

QString FitListLine(QString text, const std::function<int(const QString&)>& width) {
    bool cut = false;
    int lastPosition = 0;
    for (int position = 20; position >= 5 && width(text) >= kListLineLimit; --position) {
        if (position > text.size()) continue;
        const QChar gone = text[position - 1];
        if (gone != QLatin1Char(' ') && gone != QLatin1Char('#')) cut = true;
        text.remove(position - 1, 1);
        lastPosition = position;
    }
    if (cut) text.replace(lastPosition - 4, 3, QStringLiteral("..."));
    return text;
}

QFont FixedListFont(const std::string& name, int n) {
    InstallFontSubstitutions();
    QFont font(QString::fromStdString(name));
    font.setPixelSize(std::max(1, nearest(4LL * n, 3)));
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

QString FitListLine(const QString& text, const std::string& fixedFontName) {
    const QFontMetrics metrics(FixedListFont(fixedFontName, 11));
    return FitListLine(text, [&](const QString& t) { return metrics.horizontalAdvance(t); });
}

words::WordKey ListHeadingKey(int scoreFormat) {
    return scoreFormat == 2 ? words::key::ListHeadRating : words::key::ListHeadScore;
}

}  // namespace tavik::ui
