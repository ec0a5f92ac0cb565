// The pictures at the top of the main screen: the game's title in ten languages,
// the two mode banners, the fan of cards under the title, the logo of the intro
// and the plaque behind the wait message.
//
// The title and the banners are drawn in shades of red only (green equal to blue
// in every pixel), so that the main screen can recolour them by swapping channels.
#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <algorithm>

#include "tools/art/art_output.h"
#include "tools/art/art_sets.h"
#include "tools/art/card_face.h"
#include "tools/art/contact_sheet.h"
#include "tools/art/draw_kit.h"
#include "tools/art/suit_paths.h"

namespace tavik::art {
namespace {

// A shade of red: grey level g mixed with red r (r >= g).
QColor redShade(int r, int g, int alpha = 255) {
    return QColor(r, g, g, alpha);
}

struct LanguageTexts {
    const char* code;
    const char* subtitle;  // under the title
    const char* elite;     // banner of the local game mode
    const char* network;   // banner of the network mode
};

const LanguageTexts kLanguages[] = {
    {"Eng", "Throw-in Durak", "Elite Club", "Network Game"},
    {"Rus", "Подкидной дурак", "Элитный клуб", "Сетевая игра"},
    {"Deu", "Durak – das Kartenspiel", "Elite-Klub", "Netzwerkspiel"},
    {"Fra", "Durak – le jeu de cartes", "Club d’élite", "Partie en réseau"},
    {"Spa", "Durak – el juego de cartas", "Club de élite", "Partida en red"},
    {"Chi", "杜拉克纸牌游戏", "精英俱乐部", "网络对战"},
    {"Ita", "Durak – il gioco di carte", "Club d’élite", "Partita in rete"},
    {"Cze", "Durak – karetní hra", "Elitní klub", "Síťová hra"},
};

const QString kTitleFamily = QStringLiteral("URW Bookman");
const QString kPlainFamily = QStringLiteral("DejaVu Sans");

// Red lettering with a dark rim, a light edge at the top and a soft shadow.
void drawRedLettering(QPainter& p, const QPainterPath& text, double rim) {
    const QRectF box = text.boundingRect();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 80));
    p.drawPath(text.translated(rim * 0.9, rim * 1.1));
    p.setPen(QPen(redShade(78, 0), rim * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(text);
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0.0, redShade(255, 190));
    fill.setColorAt(0.42, redShade(240, 36));
    fill.setColorAt(0.58, redShade(206, 0));
    fill.setColorAt(1.0, redShade(150, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(text);
    // A thin highlight following the upper edge of every letter.
    p.save();
    p.setClipPath(text);
    p.setPen(QPen(redShade(255, 235, 200), rim * 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawPath(text.translated(rim * 0.6, rim * 0.9));
    p.restore();
}

QImage titlePicture(const LanguageTexts& lang) {
    return paintPicture(QSize(800, 140), [&](QPainter& p) {
        const QPainterPath title =
            textOutline(QStringLiteral("Tavik-Vel"), kTitleFamily, true, 64, 680);
        drawRedLettering(p, title.translated(400, 78), 3.0);

        // The subtitle between two pairs of suit symbols.
        const QPainterPath subtitle =
            textOutline(QString::fromUtf8(lang.subtitle), kPlainFamily, true, 21, 480);
        const QRectF sub = subtitle.translated(400, 128).boundingRect();
        p.setPen(QPen(redShade(255, 230, 230), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(subtitle.translated(400, 128));
        p.setPen(Qt::NoPen);
        p.setBrush(redShade(120, 0));
        p.drawPath(subtitle.translated(400, 128));
        const double y = sub.center().y();
        const double side = 17;
        for (int i = 0; i < 2; ++i) {
            drawSuit(p, 1 + i, QRectF(sub.left() - 50 + i * 24, y - side / 2, side, side),
                     redShade(200, 20));
            drawSuit(p, 3 + i, QRectF(sub.right() + 14 + i * 24, y - side / 2, side, side),
                     redShade(110, 0));
        }
        // Flourishes: thin lines from the symbols outwards.
        p.setPen(QPen(redShade(150, 40), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(std::min(120.0, sub.left() - 70), y), QPointF(sub.left() - 60, y));
        p.drawLine(QPointF(sub.right() + 70, y), QPointF(std::max(680.0, sub.right() + 80), y));
        p.setBrush(redShade(150, 40));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(std::min(116.0, sub.left() - 74), y), 3.5, 3.5);
        p.drawEllipse(QPointF(std::max(684.0, sub.right() + 84), y), 3.5, 3.5);
    });
}

// A red ribbon with folded-back tails, the text in light cream on it.
QImage bannerPicture(const QString& text) {
    return paintPicture(QSize(700, 80), [&](QPainter& p) {
        const QRectF band(70, 8, 560, 58);
        // Tails behind the band, lower and darker, notched at the outer end.
        for (int side : {-1, 1}) {
            const double inner = side < 0 ? band.left() + 30 : band.right() - 30;
            const double outer = side < 0 ? 4 : 696;
            QPainterPath tail;
            tail.moveTo(inner, 20);
            tail.lineTo(outer, 20);
            tail.lineTo(outer + side * -26, 46);
            tail.lineTo(outer, 72);
            tail.lineTo(inner, 72);
            tail.closeSubpath();
            p.setPen(QPen(redShade(70, 0), 2));
            p.setBrush(
                verticalGradient(QRectF(0, 20, 10, 52), redShade(170, 30), redShade(100, 0)));
            p.drawPath(tail);
        }
        QLinearGradient fill(band.topLeft(), band.bottomLeft());
        fill.setColorAt(0, redShade(250, 120));
        fill.setColorAt(0.35, redShade(226, 24));
        fill.setColorAt(1, redShade(140, 0));
        p.setPen(QPen(redShade(80, 0), 2));
        p.setBrush(fill);
        p.drawRoundedRect(band, 4, 4);
        p.setPen(QPen(redShade(255, 200, 170), 1.5, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(band.adjusted(6, 5, -6, -5), 2, 2);

        const QPainterPath lettering =
            textOutline(text, kPlainFamily, true, 27, band.width() - 80).translated(350, 51);
        p.setPen(QPen(redShade(90, 0), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(lettering);
        p.setPen(Qt::NoPen);
        p.setBrush(
            verticalGradient(lettering.boundingRect(), redShade(255, 255), redShade(255, 214)));
        p.drawPath(lettering);
    });
}

// A card of the fan: white with a rounded border and a large pip.
void drawFanCard(QPainter& p, int suit, const QTransform& place) {
    p.save();
    p.setTransform(place, true);
    const QRectF card(-45, -63, 90, 126);
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.setBrush(verticalGradient(card, QColor(255, 255, 255), QColor(236, 232, 222)));
    p.drawRoundedRect(card, 8, 8);
    const QColor ink = suit <= 2 ? QColor(204, 0, 0) : QColor(24, 24, 24);
    drawSuit(p, suit, QRectF(-24, -26, 48, 52), ink);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    const QPainterPath ace = textOutline(QStringLiteral("A"), kPlainFamily, true, 16, 30);
    p.drawPath(ace.translated(-33, -42));
    drawSuit(p, suit, QRectF(-39, -38, 12, 12), ink);
    p.restore();
}

// A golden laurel branch from base towards tip, leaves on both sides.
void drawLaurel(QPainter& p, QPointF base, QPointF tip, double bend) {
    QPainterPath stem;
    const QPointF mid = (base + tip) / 2 + QPointF(0, bend);
    stem.moveTo(base);
    stem.quadTo(mid, tip);
    p.setPen(QPen(QColor(150, 110, 20), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(stem);
    const int leaves = 8;
    for (int i = 1; i <= leaves; ++i) {
        const double t = i / double(leaves + 1);
        const QPointF at = stem.pointAtPercent(t);
        const double angle = stem.angleAtPercent(t);
        const double size = 19 - 7 * t;
        for (int side : {-1, 1}) {
            QTransform leaf;
            leaf.translate(at.x(), at.y());
            leaf.rotate(-angle + side * 40);
            QPainterPath shape;
            shape.moveTo(0, 0);
            shape.quadTo(size * 0.5, -size * 0.35, size * 1.2, 0);
            shape.quadTo(size * 0.5, size * 0.35, 0, 0);
            p.setPen(QPen(QColor(120, 84, 10), 1));
            p.setBrush(verticalGradient(QRectF(0, -size, 1, size * 2), QColor(255, 228, 120),
                                        QColor(196, 146, 30)));
            p.drawPath(leaf.map(shape));
        }
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 60, 40));
    p.drawEllipse(tip, 4, 4);
}

// Under the title: four aces fanned out between two laurel branches.
QImage titleStrip() {
    return paintPicture(QSize(600, 180), [](QPainter& p) {
        drawLaurel(p, QPointF(250, 172), QPointF(20, 70), -40);
        drawLaurel(p, QPointF(350, 172), QPointF(580, 70), -40);
        const int order[] = {3, 2, 1, 4};  // clubs, diamonds, hearts, spades
        for (int i = 0; i < 4; ++i) {
            QTransform t;
            t.translate(300, 250);
            t.rotate(-27 + i * 18);
            t.translate(0, -170);
            drawFanCard(p, order[i], t);
        }
    });
}

// The game's emblem: a gold ring round a maroon field with the four suits and
// a golden initial.
QImage logo() {
    return paintPicture(QSize(64, 64), [](QPainter& p) {
        const QPointF c(32, 32);
        QRadialGradient ring(c, 31);
        ring.setColorAt(0.80, QColor(255, 234, 140));
        ring.setColorAt(0.92, QColor(200, 146, 24));
        ring.setColorAt(1.0, QColor(120, 80, 10));
        p.setPen(QPen(QColor(96, 60, 6), 1));
        p.setBrush(ring);
        p.drawEllipse(c, 30.5, 30.5);
        QRadialGradient field(c + QPointF(-6, -8), 30);
        field.setColorAt(0, QColor(176, 32, 40));
        field.setColorAt(1, QColor(84, 6, 14));
        p.setBrush(field);
        p.setPen(QPen(QColor(255, 230, 150), 1));
        p.drawEllipse(c, 25, 25);
        const QPointF places[] = {{32, 14}, {50, 32}, {32, 50}, {14, 32}};
        const QColor inks[] = {QColor(255, 90, 90), QColor(255, 90, 90), QColor(245, 240, 225),
                               QColor(245, 240, 225)};
        const int suits[] = {1, 2, 3, 4};
        for (int i = 0; i < 4; ++i)
            drawSuit(p, suits[i], QRectF(places[i].x() - 5, places[i].y() - 5, 10, 10), inks[i]);
        const QPainterPath letter =
            textOutline(QStringLiteral("T"), kTitleFamily, true, 17, 20).translated(32, 41);
        p.setPen(QPen(QColor(90, 50, 0), 1.5));
        p.setBrush(
            verticalGradient(letter.boundingRect(), QColor(255, 244, 170), QColor(222, 160, 30)));
        p.drawPath(letter);
    });
}

// The plaque behind "Please, wait...": parchment in a gold frame with a suit
// symbol in each corner; the middle is left plain for the red text.
QImage waitBar() {
    return paintPicture(QSize(350, 80), [](QPainter& p) {
        const QRectF outer(1, 1, 348, 78);
        p.setPen(QPen(QColor(110, 70, 10), 1.5));
        p.setBrush(verticalGradient(outer, QColor(255, 226, 120), QColor(170, 112, 20)));
        p.drawRoundedRect(outer, 14, 14);
        const QRectF field = outer.adjusted(6, 6, -6, -6);
        p.setPen(QPen(QColor(130, 90, 20), 1));
        QRadialGradient paper(field.center(), field.width() / 2);
        paper.setColorAt(0, QColor(255, 252, 236));
        paper.setColorAt(1, QColor(240, 224, 184));
        p.setBrush(paper);
        p.drawRoundedRect(field, 9, 9);
        p.setPen(QPen(QColor(196, 150, 60), 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(field.adjusted(4, 4, -4, -4), 6, 6);
        const QPointF corners[] = {{22, 20}, {328, 20}, {22, 60}, {328, 60}};
        for (int i = 0; i < 4; ++i)
            drawSuit(p, i + 1, QRectF(corners[i].x() - 6, corners[i].y() - 6, 12, 12),
                     i < 2 ? QColor(200, 30, 30) : QColor(40, 40, 40));
    });
}

}  // namespace

void addTitleArt(ArtOutput& out, ContactSheet& sheet) {
    QList<QImage> titles, banners;
    for (const LanguageTexts& lang : kLanguages) {
        const QString code = QString::fromLatin1(lang.code);
        const QImage title = titlePicture(lang);
        const QImage elite = bannerPicture(QString::fromUtf8(lang.elite));
        const QImage network = bannerPicture(QString::fromUtf8(lang.network));
        out.addPng(QStringLiteral("Cap") + code, title);
        out.addPng(QStringLiteral("Elite") + code, elite);
        out.addPng(QStringLiteral("Net__") + code, network);
        titles << title;
        banners << elite << network;
    }
    sheet.addRow(titles.mid(0, 2), false);
    sheet.addRow(titles.mid(5, 3), false);
    sheet.addRow(banners.mid(0, 4), false);
    sheet.addRow(banners.mid(10, 2) + banners.mid(14, 2), false);

    const QImage strip = titleStrip(), emblem = logo(), bar = waitBar();
    out.addPng(QStringLiteral("GTitle"), strip);
    out.addPng(QStringLiteral("Logo"), emblem);
    out.addPng(QStringLiteral("AdvBar3"), bar);
    sheet.addRow({strip, emblem, bar}, false);
}

}  // namespace tavik::art
