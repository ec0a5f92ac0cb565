// The 48 x 48 icons of the main screen's icon columns and of the world top ten's
// choice of tables: gifts, the platforms, help, the tournament, the store, the
// globe, statistics and the account.
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "tools/art/art_output.h"
#include "tools/art/art_sets.h"
#include "tools/art/contact_sheet.h"
#include "tools/art/draw_kit.h"

namespace tavik::art {
namespace {

const QSize kIcon(48, 48);

// A soft shadow on the ground under an object.
void groundShadow(QPainter& p, QPointF c, double rx, double ry) {
    QRadialGradient g(c, rx);
    g.setColorAt(0, QColor(0, 0, 0, 90));
    g.setColorAt(1, QColor(0, 0, 0, 0));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.translate(c);
    p.scale(1, ry / rx);
    p.drawEllipse(QPointF(0, 0), rx, rx);
    p.restore();
}

// A glossy disc: the base of the round icons.
void glossyDisc(QPainter& p, QPointF c, double r, const QColor& colour) {
    QRadialGradient fill(c + QPointF(-r * 0.3, -r * 0.4), r * 1.4);
    fill.setColorAt(0, colour.lighter(150));
    fill.setColorAt(0.6, colour);
    fill.setColorAt(1, colour.darker(170));
    p.setPen(QPen(colour.darker(220), 1.2));
    p.setBrush(fill);
    p.drawEllipse(c, r, r);
    QPainterPath shine;
    shine.addEllipse(QRectF(c.x() - r * 0.62, c.y() - r * 0.9, r * 1.24, r * 0.8));
    p.setPen(Qt::NoPen);
    p.setBrush(verticalGradient(shine.boundingRect(), QColor(255, 255, 255, 150),
                                QColor(255, 255, 255, 0)));
    p.drawPath(shine);
}

QImage giftIcon(const QColor& box, const QColor& ribbon) {
    return paintPicture(kIcon, [&](QPainter& p) {
        groundShadow(p, QPointF(24, 44), 19, 4);
        const QRectF body(8, 22, 32, 21), lid(5, 15, 38, 9);
        p.setPen(QPen(box.darker(200), 1));
        p.setBrush(verticalGradient(body, box.lighter(120), box.darker(140)));
        p.drawRect(body);
        p.setBrush(verticalGradient(lid, box.lighter(150), box));
        p.drawRoundedRect(lid, 1.5, 1.5);
        p.setPen(QPen(ribbon.darker(170), 0.8));
        p.setBrush(verticalGradient(body, ribbon.lighter(130), ribbon.darker(120)));
        p.drawRect(QRectF(21, 15, 6, 28));
        p.drawRect(QRectF(8, 29, 32, 5));
        // The bow: two loops and the knot.
        for (int side : {-1, 1}) {
            QPainterPath loop;
            loop.moveTo(24, 15);
            loop.cubicTo(24 + side * 4, 2, 24 + side * 17, 4, 24 + side * 13, 12);
            loop.cubicTo(24 + side * 10, 16, 24 + side * 4, 15, 24, 15);
            p.drawPath(loop);
        }
        p.drawEllipse(QPointF(24, 14), 3.2, 2.6);
        // Sparkles.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 220));
        p.drawPath(starPath(QPointF(41, 8), 4, 0.3));
        p.drawPath(starPath(QPointF(7, 10), 2.6, 0.3));
    });
}

// A friendly green robot: the mobile version of the game.
QImage robotIcon() {
    return paintPicture(kIcon, [](QPainter& p) {
        groundShadow(p, QPointF(24, 45), 15, 3);
        const QColor green(132, 200, 50), dark(70, 120, 20);
        p.setPen(QPen(dark, 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(17, 5), QPointF(19.5, 10));
        p.drawLine(QPointF(31, 5), QPointF(28.5, 10));
        p.setPen(QPen(dark, 1));
        p.setBrush(verticalGradient(QRectF(0, 8, 1, 12), green.lighter(125), green));
        QPainterPath head;
        head.moveTo(12, 20);
        head.arcTo(QRectF(12, 8, 24, 24), 180, -180);
        head.closeSubpath();
        p.drawPath(head);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(19, 15), 1.8, 1.8);
        p.drawEllipse(QPointF(29, 15), 1.8, 1.8);
        p.setPen(QPen(dark, 1));
        p.setBrush(verticalGradient(QRectF(0, 22, 1, 18), green, green.darker(125)));
        p.drawRoundedRect(QRectF(12, 22, 24, 17), 3, 3);
        for (double x : {6.5, 37.5}) p.drawRoundedRect(QRectF(x, 22, 4, 13), 2, 2);
        for (double x : {17.0, 27.0}) p.drawRoundedRect(QRectF(x, 36, 4, 8), 2, 2);
    });
}

// A desktop monitor showing a four-pane window: the desktop version.
QImage desktopIcon() {
    return paintPicture(kIcon, [](QPainter& p) {
        groundShadow(p, QPointF(24, 44), 16, 3);
        p.setPen(QPen(QColor(40, 44, 56), 1));
        p.setBrush(
            verticalGradient(QRectF(0, 34, 1, 10), QColor(170, 176, 190), QColor(90, 96, 110)));
        QPainterPath stand;
        stand.moveTo(20, 33);
        stand.lineTo(28, 33);
        stand.lineTo(30, 40);
        stand.lineTo(36, 42);
        stand.lineTo(12, 42);
        stand.lineTo(18, 40);
        stand.closeSubpath();
        p.drawPath(stand);
        p.setBrush(verticalGradient(QRectF(0, 6, 1, 29), QColor(90, 96, 112), QColor(36, 40, 50)));
        p.drawRoundedRect(QRectF(3, 6, 42, 29), 3, 3);
        const QRectF screen(6, 9, 36, 23);
        p.setBrush(verticalGradient(screen, QColor(80, 170, 255), QColor(20, 80, 200)));
        p.drawRect(screen);
        // The window: four panes in a light frame.
        const QRectF window(15, 12, 18, 16);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(240, 246, 255));
        p.drawRoundedRect(window, 1.5, 1.5);
        const QColor panes[] = {QColor(250, 90, 60), QColor(120, 200, 60), QColor(40, 150, 240),
                                QColor(250, 200, 40)};
        for (int i = 0; i < 4; ++i)
            p.fillRect(QRectF(16.5 + (i % 2) * 8, 13.5 + (i / 2) * 7, 6.5, 5.5), panes[i]);
    });
}

QImage helpIcon() {
    return paintPicture(kIcon, [](QPainter& p) {
        glossyDisc(p, QPointF(24, 24), 21, QColor(30, 110, 220));
        const QPainterPath mark =
            textOutline(QStringLiteral("?"), QStringLiteral("DejaVu Sans"), true, 25, 24);
        p.setPen(QPen(QColor(10, 40, 110), 2));
        p.setBrush(Qt::white);
        p.drawPath(mark.translated(24, 36.5));
    });
}

// A gold cup on a dark plinth.
QImage trophyIcon() {
    return paintPicture(kIcon, [](QPainter& p) {
        groundShadow(p, QPointF(24, 45), 14, 3);
        const QColor light(255, 240, 150), gold(228, 170, 30), dark(130, 86, 8);
        const QLinearGradient across = metalAcross(10, 38, dark, light, gold);
        p.setPen(QPen(dark, 2.6));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(4, 8, 14, 15), 90 * 16, 180 * 16);
        p.drawArc(QRectF(30, 8, 14, 15), 270 * 16, 180 * 16);
        p.setPen(QPen(dark, 1));
        p.setBrush(across);
        QPainterPath cup;
        cup.moveTo(10, 6);
        cup.lineTo(38, 6);
        cup.cubicTo(38, 22, 32, 28, 26, 29);
        cup.lineTo(22, 29);
        cup.cubicTo(16, 28, 10, 22, 10, 6);
        cup.closeSubpath();
        p.drawPath(cup);
        p.drawRect(QRectF(21.5, 29, 5, 6));
        p.drawRoundedRect(QRectF(15, 34, 18, 4), 1.5, 1.5);
        p.setBrush(verticalGradient(QRectF(0, 38, 1, 7), QColor(110, 60, 30), QColor(60, 30, 14)));
        p.setPen(QPen(QColor(40, 20, 8), 1));
        p.drawRect(QRectF(13, 38, 22, 6));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 250, 220));
        p.drawPath(starPath(QPointF(24, 15), 5.5, 0.42));
    });
}

// A shopping bag with a coloured play sign: the mobile store.
QImage storeIcon() {
    return paintPicture(kIcon, [](QPainter& p) {
        groundShadow(p, QPointF(24, 45), 17, 3);
        p.setPen(QPen(QColor(60, 70, 90), 2.2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(16, 3, 16, 16), 0, 180 * 16);
        p.setPen(QPen(QColor(150, 156, 170), 1));
        p.setBrush(
            verticalGradient(QRectF(0, 11, 1, 33), QColor(255, 255, 255), QColor(210, 216, 228)));
        p.drawRoundedRect(QRectF(7, 11, 34, 32), 3, 3);
        QPainterPath play;
        play.moveTo(17, 17);
        play.lineTo(35, 27);
        play.lineTo(17, 37);
        play.closeSubpath();
        QLinearGradient colours(QPointF(17, 17), QPointF(17, 37));
        colours.setColorAt(0, QColor(0, 200, 120));
        colours.setColorAt(0.35, QColor(0, 160, 240));
        colours.setColorAt(0.65, QColor(255, 190, 0));
        colours.setColorAt(1, QColor(240, 60, 70));
        p.setPen(Qt::NoPen);
        p.setBrush(colours);
        p.drawPath(play);
    });
}

QImage globeIcon() {
    return paintPicture(kIcon, [](QPainter& p) {
        const QPointF c(24, 24);
        const double r = 21;
        QRadialGradient sea(c + QPointF(-7, -8), 30);
        sea.setColorAt(0, QColor(110, 190, 255));
        sea.setColorAt(0.7, QColor(20, 100, 210));
        sea.setColorAt(1, QColor(8, 40, 120));
        p.setPen(QPen(QColor(6, 30, 90), 1));
        p.setBrush(sea);
        p.drawEllipse(c, r, r);
        QPainterPath disc;
        disc.addEllipse(c, r - 0.5, r - 0.5);
        p.save();
        p.setClipPath(disc);
        // Land masses: rounded blobs.
        p.setPen(QPen(QColor(30, 100, 30), 0.8));
        p.setBrush(QColor(80, 180, 70));
        QPainterPath land;
        land.moveTo(10, 10);
        land.cubicTo(18, 4, 26, 8, 24, 14);
        land.cubicTo(22, 19, 16, 18, 17, 25);
        land.cubicTo(18, 31, 12, 33, 9, 28);
        land.cubicTo(5, 22, 4, 14, 10, 10);
        land.moveTo(30, 20);
        land.cubicTo(36, 16, 44, 20, 42, 28);
        land.cubicTo(40, 36, 34, 42, 30, 38);
        land.cubicTo(27, 34, 33, 30, 29, 26);
        land.cubicTo(27, 24, 27, 22, 30, 20);
        p.drawPath(land);
        // Meridians and parallels.
        p.setPen(QPen(QColor(255, 255, 255, 70), 0.8));
        p.setBrush(Qt::NoBrush);
        for (double w : {8.0, 15.0}) p.drawEllipse(c, w, r);
        p.drawLine(QPointF(24, 3), QPointF(24, 45));
        for (double y : {-10.0, 0.0, 10.0}) {
            const double half = std::sqrt(r * r - y * y);
            p.drawLine(QPointF(24 - half, 24 + y), QPointF(24 + half, 24 + y));
        }
        p.restore();
        p.setPen(Qt::NoPen);
        p.setBrush(verticalGradient(QRectF(10, 5, 20, 14), QColor(255, 255, 255, 140),
                                    QColor(255, 255, 255, 0)));
        p.drawEllipse(QRectF(11, 5, 20, 14));
    });
}

QImage statsIcon() {
    return paintPicture(kIcon, [](QPainter& p) {
        groundShadow(p, QPointF(24, 45), 19, 3);
        p.setPen(QPen(QColor(120, 126, 140), 1));
        p.setBrush(
            verticalGradient(QRectF(0, 4, 1, 40), QColor(255, 255, 255), QColor(222, 228, 238)));
        p.drawRoundedRect(QRectF(4, 4, 40, 39), 4, 4);
        const struct {
            double x, h;
            QColor colour;
        } bars[] = {{9, 12, QColor(240, 80, 60)},
                    {18, 20, QColor(250, 180, 30)},
                    {27, 16, QColor(60, 180, 80)},
                    {36, 28, QColor(40, 120, 230)}};
        for (const auto& b : bars) {
            const QRectF bar(b.x, 39 - b.h, 6.5, b.h);
            p.setPen(QPen(b.colour.darker(150), 0.8));
            p.setBrush(verticalGradient(bar, b.colour.lighter(130), b.colour));
            p.drawRect(bar);
        }
        p.setPen(QPen(QColor(40, 44, 60), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        QPainterPath trend;
        trend.moveTo(10, 22);
        trend.lineTo(20, 15);
        trend.lineTo(30, 19);
        trend.lineTo(40, 8);
        p.drawPath(trend);
        p.setPen(QPen(QColor(120, 126, 140), 0.8));
        p.drawLine(QPointF(7, 39.5), QPointF(42, 39.5));
    });
}

// A person's head and shoulders on a blue badge.
QImage accountIcon() {
    return paintPicture(kIcon, [](QPainter& p) {
        glossyDisc(p, QPointF(24, 24), 21, QColor(40, 130, 200));
        QPainterPath badge;
        badge.addEllipse(QPointF(24, 24), 20.5, 20.5);
        p.save();
        p.setClipPath(badge);
        p.setPen(QPen(QColor(20, 60, 100), 1));
        p.setBrush(
            verticalGradient(QRectF(0, 27, 1, 20), QColor(255, 255, 255), QColor(200, 220, 240)));
        p.drawEllipse(QPointF(24, 46), 15, 14);
        p.drawEllipse(QPointF(24, 19), 8, 8.5);
        p.restore();
    });
}

}  // namespace

void addIconArt(ArtOutput& out, ContactSheet& sheet) {
    const struct {
        const char* name;
        QImage picture;
    } icons[] = {
        {"AdvGiftR", giftIcon(QColor(210, 30, 40), QColor(250, 210, 60))},
        {"AdvGiftG", giftIcon(QColor(30, 150, 60), QColor(230, 40, 50))},
        {"Android", robotIcon()},
        {"Windows", desktopIcon()},
        {"Help48", helpIcon()},
        {"Tourney48", trophyIcon()},
        {"GooglePlay", storeIcon()},
        {"Earth48", globeIcon()},
        {"Stats", statsIcon()},
        {"Account48", accountIcon()},
    };
    QList<QImage> row, small;
    for (const auto& icon : icons) {
        out.addPng(QString::fromLatin1(icon.name), icon.picture);
        row << icon.picture;
        small << icon.picture.scaled(16, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    sheet.addRow(row, false);
    sheet.addRow(small, false);  // as the information clock shows them
}

}  // namespace tavik::art
