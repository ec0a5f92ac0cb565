#include "ui/main_window/player_list_text.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "config/words/word_keys.h"
#include "core/files/codec.h"
#include "ui/fonts/fonts.h"
#include "ui/layout/rounding.h"

namespace tavik::ui {
namespace {

// Columns first..last (1-based) of a line; blanks where the line is shorter.
std::string columns(std::string_view line, std::size_t first, std::size_t last) {
    std::string out(last - first + 1, ' ');
    for (std::size_t c = first; c <= last && c <= line.size(); ++c) out[c - first] = line[c - 1];
    return out;
}

QString fromCp1251(std::string_view bytes) {
    const auto utf8 = files::cp1251ToUtf8(bytes);
    return utf8 ? QString::fromStdString(*utf8) : QString::fromLatin1(bytes.data(), bytes.size());
}

QString rightAligned(const QString& text, int width) {
    return text.size() >= width ? text : QString(width - text.size(), QLatin1Char(' ')) + text;
}

std::optional<long long> wholeNumber(std::string_view field) {
    std::string digits;
    for (char c : field)
        if (c != ' ') digits += c;
    if (digits.empty()) return std::nullopt;
    char* end = nullptr;
    const long long value = std::strtoll(digits.c_str(), &end, 10);
    if (*end != '\0') return std::nullopt;
    return value;
}

}  // namespace

QString ListRatingText(std::string_view ratingField) {
    const std::string field = columns(ratingField, 1, 10);
    if (field[9] == '#') return fromCp1251(field.substr(0, 6));
    std::string digits;
    for (char c : field)
        if (c != ' ') digits += (c == ',' ? '.' : c);
    char* end = nullptr;
    double value = std::strtod(digits.c_str(), &end);
    if (digits.empty() || *end != '\0' || !std::isfinite(value)) value = 0;
    // Two decimals, rounded half away from zero; a rating that rounds to zero shows no sign.
    const long long hundredths = std::llround(value * 100);
    char text[40];
    std::snprintf(text, sizeof text, "%s%lld,%02lld", hundredths < 0 ? "-" : "",
                  std::llabs(hundredths) / 100, std::llabs(hundredths) % 100);
    return rightAligned(QString::fromLatin1(text), 6);
}

QString ListKonsText(std::string_view konsField) {
    const std::string field = columns(konsField, 1, 7);
    if (field.find('#') != std::string::npos) return QStringLiteral("###");
    const auto kons = wholeNumber(field);
    return rightAligned(QString::number(kons ? *kons % 30 : 0), 3);
}

QString PlayerLineText(std::string_view slotLine1251, int scoreFormat) {
    const std::string line =
        slotLine1251.size() >= 44 ? std::string(slotLine1251) : std::string(59, '#');
    const QString name = fromCp1251(columns(line, 1, 20));
    const QString blanks2(2, QLatin1Char(' ')), blanks4(4, QLatin1Char(' '));
    if (scoreFormat == 2)
        return name + blanks2 + fromCp1251(columns(line, 31, 37)) + blanks2 +
               ListRatingText(columns(line, 21, 30));
    return name + blanks4 + ListKonsText(columns(line, 31, 37)) + blanks4 +
           fromCp1251(columns(line, 39, 44));
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
