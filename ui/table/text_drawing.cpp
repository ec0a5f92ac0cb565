#include "ui/table/text_drawing.h"

#include <QFontMetrics>

#include "ui/layout/rounding.h"

namespace tavik::ui {

int TextWidth(const QFont& font, const QString& text) {
    return QFontMetrics(font).horizontalAdvance(text);
}

int TextHeight(const QFont& font) {
    return QFontMetrics(font).height();
}

void DrawTextAt(QPainter& p, const QFont& font, const QColor& colour, const QString& text, int x,
                int y) {
    p.setFont(font);
    p.setPen(colour);
    p.drawText(x, y + QFontMetrics(font).ascent(), text);
}

void DrawTextCentred(QPainter& p, const QFont& font, const QColor& colour, const QString& text,
                     int left, int right, int y) {
    DrawTextAt(p, font, colour, text, left + nearest(right - left - TextWidth(font, text), 2), y);
}

}  // namespace tavik::ui
