#pragma once
// Text on the table: transparent background, the top of the text line at y.

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QString>

namespace tavik::ui {

// Writes the text centred between the columns left and right, the top of its line at y.
void DrawTextCentred(QPainter& p, const QFont& font, const QColor& colour, const QString& text,
                     int left, int right, int y);
// Writes the text with the top-left corner of its line at (x, y).
void DrawTextAt(QPainter& p, const QFont& font, const QColor& colour, const QString& text, int x,
                int y);
// The width of the text in the font.
int TextWidth(const QFont& font, const QString& text);
// The height of a line of the font.
int TextHeight(const QFont& font);

}  // namespace tavik::ui
