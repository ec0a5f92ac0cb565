// The calendar page, the signs of the zodiac and the Chinese years, and the set of
// pictures the holiday table names.
#include "tools/art/calendar_art.h"

#include <QFont>
#include <QPainter>
#include <QRadialGradient>
#include <cstdio>
#include <set>
#include <string>

#include "calendar/calendar_day.h"
#include "calendar/holiday_table.h"
#include "tools/art/art_output.h"
#include "tools/art/contact_sheet.h"
#include "tools/art/draw_kit.h"

namespace tavik::art {

namespace calendar_kit {

void tile(QPainter& p, const QColor& top, const QColor& bottom) {
    const QRectF r(0.5, 0.5, kCalendarPicture.width() - 1, kCalendarPicture.height() - 1);
    p.setPen(QPen(bottom.darker(160), 1));
    p.setBrush(verticalGradient(r, top, bottom));
    p.drawRoundedRect(r, 7, 7);
    QPainterPath gloss;
    gloss.addRoundedRect(QRectF(3, 2, r.width() - 5, 22), 6, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(verticalGradient(gloss.boundingRect(), QColor(255, 255, 255, 90),
                                QColor(255, 255, 255, 0)));
    p.drawPath(gloss);
}

QPainterPath fittedText(const QString& text, const QString& family, const QRectF& box, bool bold) {
    QFont font(family);
    font.setPixelSize(200);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferOutline);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF b = path.boundingRect();
    if (b.isEmpty()) return path;
    const double s = std::min(box.width() / b.width(), box.height() / b.height());
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(s, s);
    t.translate(-b.center().x(), -b.center().y());
    return t.map(path);
}

void paintShape(QPainter& p, const QPainterPath& path, const QColor& light, const QColor& dark,
                const QColor& outline, double outlineWidth) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawPath(path.translated(1.2, 1.5));
    p.setPen(outlineWidth > 0 ? QPen(outline, outlineWidth) : QPen(Qt::NoPen));
    p.setBrush(verticalGradient(path.boundingRect(), light, dark));
    p.drawPath(path);
    p.restore();
}

}  // namespace calendar_kit

namespace {

using namespace calendar_kit;

// A page of a tear-off calendar: a red binding with two rings over white paper.
QImage calendarPage() {
    return paintPicture(kCalendarPage, [](QPainter& p) {
        const QRectF paper(1, 4, 58, 95);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 70));
        p.drawRoundedRect(paper.translated(1, 1), 4, 4);
        p.setPen(QPen(QColor(150, 140, 120), 1));
        p.setBrush(verticalGradient(paper, QColor(255, 255, 252), QColor(236, 232, 220)));
        p.drawRoundedRect(paper, 4, 4);
        // The binding.
        QPainterPath band;
        band.addRoundedRect(QRectF(1, 4, 58, 16), 4, 4);
        band.addRect(QRectF(1, 12, 58, 8));
        p.setPen(Qt::NoPen);
        p.setBrush(
            verticalGradient(QRectF(1, 4, 58, 16), QColor(226, 52, 48), QColor(140, 16, 20)));
        p.drawPath(band.simplified());
        p.setPen(QPen(QColor(110, 10, 14), 1));
        p.drawLine(QPointF(1.5, 20), QPointF(58.5, 20));
        // Two rings through the binding.
        for (double x : {16.0, 44.0}) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(60, 10, 10));
            p.drawEllipse(QPointF(x, 13), 2.6, 2.6);
            p.setPen(QPen(QColor(90, 90, 96), 2.4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(x, 1.5), QPointF(x, 12.5));
            p.setPen(QPen(QColor(230, 230, 236), 1.0, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(x - 0.5, 2), QPointF(x - 0.5, 11.5));
        }
        // A hint of the page under this one.
        p.setPen(QPen(QColor(200, 194, 180), 1));
        p.drawLine(QPointF(4, 98.5), QPointF(56, 98.5));
    });
}

// The sign of the zodiac as its symbol on a deep blue medallion.
QImage zodiacPicture(int sign) {
    return paintPicture(kZodiacPicture, [sign](QPainter& p) {
        const QPointF c(13, 15);
        QRadialGradient g(c + QPointF(-4, -5), 16);
        g.setColorAt(0, QColor(120, 150, 235));
        g.setColorAt(1, QColor(30, 40, 120));
        p.setPen(QPen(QColor(214, 170, 60), 1.4));
        p.setBrush(g);
        p.drawEllipse(c, 12, 12);
        const QString symbol(QChar(0x2648 + sign - 1));
        const QPainterPath glyph =
            fittedText(symbol, QStringLiteral("DejaVu Sans"), QRectF(6.5, 8.5, 13, 13));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 230, 140));
        p.drawPath(glyph);
    });
}

// The Chinese year: the animal's character in gold on a red tile with a lantern knot.
QImage chineseYearPicture(int yearMod12) {
    // By the year modulo 12: monkey, rooster, dog, pig, rat, ox, tiger, rabbit, dragon,
    // snake, horse, goat.
    static const char16_t kCharacters[12] = {u'猴', u'鸡', u'狗', u'猪', u'鼠', u'牛',
                                             u'虎', u'兔', u'龙', u'蛇', u'马', u'羊'};
    return paintPicture(kCalendarPicture, [yearMod12](QPainter& p) {
        tile(p, QColor(218, 40, 36), QColor(130, 8, 12));
        const QColor gold(255, 214, 90);
        p.setPen(QPen(gold, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(4, 4, 46, 62), 5, 5);
        const QPainterPath glyph =
            fittedText(QString(QChar(kCharacters[yearMod12])),
                       QStringLiteral("Droid Sans Fallback"), QRectF(9, 12, 36, 36), true);
        paintShape(p, glyph, QColor(255, 240, 160), QColor(214, 150, 30), QColor(120, 60, 0), 0.6);
        // 年 ("year") underneath.
        const QPainterPath year = fittedText(
            QStringLiteral("年"), QStringLiteral("Droid Sans Fallback"), QRectF(21, 52, 12, 11));
        p.setPen(Qt::NoPen);
        p.setBrush(gold);
        p.drawPath(year);
    });
}

QImage composedPage(const QImage& page, const QImage& picture, QPoint at) {
    QImage out = page.copy();
    QPainter p(&out);
    p.drawImage(at, picture);
    return out;
}

}  // namespace

bool addCalendarArt(ArtOutput& out, ContactSheet& sheet) {
    const QImage page = calendarPage();
    out.addPng(QStringLiteral("R_BASE"), page);
    bool ok = true;

    QList<QImage> zodiacRow;
    for (int sign = 1; sign <= 12; ++sign) {
        const QImage z = zodiacPicture(sign);
        out.addPng(QString::fromStdString(calendar::ZodiacPicture(sign)), z);
        zodiacRow << composedPage(page, z, QPoint(17, 65));
    }
    sheet.addRow(zodiacRow, false);

    QList<QImage> chineseRow;
    for (int y = 0; y < 12; ++y) {
        const QImage c = chineseYearPicture(y);
        out.addPng(QString::fromStdString(calendar::ChineseYearPicture(y)), c);
        chineseRow << composedPage(page, c, QPoint(3, 27));
    }
    sheet.addRow(chineseRow, false);

    std::set<std::string> drawn;
    QList<QImage> row;
    for (const calendar::CalendarRow& r : calendar::BuiltinRows()) {
        if (!drawn.insert(r.picture).second) continue;
        const QImage picture = calendarRowPicture(QString::fromStdString(r.picture));
        if (picture.isNull()) {
            std::fprintf(stderr, "tavik-calendar-art: no drawing for %s\n", r.picture.c_str());
            ok = false;
            continue;
        }
        out.addPng(QString::fromStdString(r.picture), picture);
        row << composedPage(page, picture, QPoint(3, 27));
        if (row.size() == 12) {
            sheet.addRow(row, false);
            row.clear();
        }
    }
    if (!row.isEmpty()) sheet.addRow(row, false);
    return ok;
}

}  // namespace tavik::art
