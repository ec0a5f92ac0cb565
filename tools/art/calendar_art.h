#pragma once
// The pictures of the calendar plug-in library QorCalendar01: the calendar page
// "R_BASE" (60 x 100), the signs of the zodiac "R_01".."R_12", the twelve animals of
// the Chinese years and a picture for every row of the holiday table (54 x 70, drawn
// onto the page at (3, 27)).

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QSize>
#include <QString>

class QPainter;

namespace tavik::art {

class ArtOutput;
class ContactSheet;

inline constexpr QSize kCalendarPage(60, 100);
inline constexpr QSize kCalendarPicture(54, 70);
inline constexpr QSize kZodiacPicture(26, 30);

// Draws every picture the calendar names into out and composed pages into sheet.
// Returns false (and names the picture on standard error) when a picture the holiday
// table names has no drawing.
bool addCalendarArt(ArtOutput& out, ContactSheet& sheet);

// The picture of a holiday row by its resource name; a null image for an unknown name.
QImage calendarRowPicture(const QString& name);

namespace calendar_kit {

// The rounded tile every row picture stands on: a gradient from top to bottom with a
// darker rim and a gloss at the top.
void tile(QPainter& p, const QColor& top, const QColor& bottom);
// The outline of text in a font, scaled to fit box (keeping its proportions) and
// centred in it.
QPainterPath fittedText(const QString& text, const QString& family, const QRectF& box,
                        bool bold = false);
// Fills a path with a top-to-bottom gradient and an outline, over a soft shadow.
void paintShape(QPainter& p, const QPainterPath& path, const QColor& light, const QColor& dark,
                const QColor& outline, double outlineWidth = 1.0);

}  // namespace calendar_kit

}  // namespace tavik::art
