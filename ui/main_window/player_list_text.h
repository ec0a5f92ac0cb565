#pragma once
// The lines of the main screen's player list: each stored slot of a player list
// file cut into its columns and written as the list shows it, scores or ratings,
// then shortened to fit the list's width.

#include <QFont>
#include <QString>
#include <functional>
#include <string_view>

#include "config/words/word_keys.h"
#include "core/files/player_list.h"

namespace tavik::ui {

// The width below which a list line is left as it is, in pixels of the "fixed" font
// at height 11.
inline constexpr int kListLineLimit = 361;

// The rating column as the list shows it: the stored text's first six characters for
// an empty slot ("#" in column 30), else the value with two decimals and a decimal
// comma, right-aligned in six places ("0,00" for zero, and for a text that is no number).
QString ListRatingText(const files::SlotFields& slot);
// The kons column: "###" for an empty slot, else the kons of the current cycle of 30,
// right-aligned in three places.
QString ListKonsText(const files::SlotFields& slot);

// The line of one slot (59 Windows-1251 characters; a shorter line counts as empty)
// for scoreFormat 1 (name, kons of the cycle, score) or 2 (name, all kons, rating).
QString PlayerLineText(std::string_view slotLine1251, int scoreFormat);

// The fitting rule: while the text measures kListLineLimit pixels or more, the name's
// characters are deleted from position 20 down to position 5 at most; when a deleted
// character was not a blank or "#", the three characters before the last deletion
// point become "...".
QString FitListLine(QString text, const std::function<int(const QString&)>& width);

// The list's font of the "fixed" kind at size n. The stored "FixedSys" is a screen font
// of one size whose cell grows with the size like a point size, so n is taken in
// points (4/3 pixels each) and the text is not smoothed.
QFont FixedListFont(const std::string& name, int n);

// FitListLine measured in the settings' "fixed" font at size 11.
QString FitListLine(const QString& text, const std::string& fixedFontName);

// The language-table key of the list heading for scoreFormat 1 (scores) or 2 (ratings).
words::WordKey ListHeadingKey(int scoreFormat);

}  // namespace tavik::ui
