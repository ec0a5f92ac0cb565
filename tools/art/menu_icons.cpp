// The small pictures of the main window's menu (16 x 16, one per item) and the
// three buttons of the music player (60 x 60): "MP_Play", "MP_Pause", "MP_Next"
// and "MP_Volume", over whose middle the volume number is written.
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "tools/art/art_output.h"
#include "tools/art/art_sets.h"
#include "tools/art/contact_sheet.h"
#include "tools/art/draw_kit.h"
#include "tools/art/suit_paths.h"

namespace tavik::art {
namespace {

const QSize kMenuIcon(16, 16);
const QColor kInk(40, 44, 60);

QImage scoreSheetIcon() {  // general score
    return paintPicture(kMenuIcon, [](QPainter& p) {
        p.setPen(QPen(QColor(110, 90, 60), 1));
        p.setBrush(QColor(255, 250, 230));
        p.drawRect(QRectF(2.5, 1.5, 11, 13));
        p.setPen(QPen(QColor(90, 110, 160), 1));
        for (double y : {5.0, 8.0, 11.0}) p.drawLine(QPointF(4.5, y), QPointF(11.5, y));
        p.setPen(QPen(QColor(200, 30, 30), 1));
        p.drawLine(QPointF(8, 3), QPointF(8, 13));
    });
}

QImage doorIcon() {  // quit to the main screen
    return paintPicture(kMenuIcon, [](QPainter& p) {
        p.setPen(QPen(QColor(90, 50, 20), 1));
        p.setBrush(
            verticalGradient(QRectF(0, 1, 1, 14), QColor(200, 130, 60), QColor(140, 80, 30)));
        p.drawRect(QRectF(1.5, 1.5, 8, 13));
        p.setBrush(QColor(250, 210, 60));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(7.5, 8.5), 0.9, 0.9);
        p.setPen(QPen(QColor(20, 140, 40), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(9, 8), QPointF(14.5, 8));
        p.drawLine(QPointF(12, 5.5), QPointF(14.5, 8));
        p.drawLine(QPointF(12, 10.5), QPointF(14.5, 8));
    });
}

QImage pencilIcon() {  // change a name
    return paintPicture(kMenuIcon, [](QPainter& p) {
        p.translate(8, 8);
        p.rotate(45);
        p.setPen(QPen(QColor(80, 60, 10), 0.8));
        p.setBrush(QColor(250, 200, 40));
        p.drawRect(QRectF(-2.2, -7, 4.4, 10));
        p.setBrush(QColor(240, 120, 140));
        p.drawRect(QRectF(-2.2, -8.5, 4.4, 2));
        QPainterPath tip;
        tip.moveTo(-2.2, 3);
        tip.lineTo(2.2, 3);
        tip.lineTo(0, 7.5);
        tip.closeSubpath();
        p.setBrush(QColor(240, 214, 170));
        p.drawPath(tip);
        p.setBrush(kInk);
        p.drawEllipse(QPointF(0, 6.6), 0.8, 0.8);
    });
}

QImage speedIcon() {  // card flight speed: a gauge
    return paintPicture(kMenuIcon, [](QPainter& p) {
        p.setPen(QPen(kInk, 1));
        p.setBrush(QColor(250, 250, 255));
        p.drawEllipse(QPointF(8, 9), 6.5, 6.5);
        p.setPen(QPen(QColor(220, 40, 40), 1.4));
        p.drawArc(QRectF(3, 4, 10, 10), 0, 60 * 16);
        p.setPen(QPen(kInk, 1.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 9), QPointF(12, 5.5));
        p.setBrush(kInk);
        p.drawEllipse(QPointF(8, 9), 1.2, 1.2);
    });
}

QImage scrollIcon() {  // conventions
    return paintPicture(kMenuIcon, [](QPainter& p) {
        p.setPen(QPen(QColor(130, 100, 50), 1));
        p.setBrush(QColor(250, 236, 190));
        p.drawRect(QRectF(3.5, 2.5, 9, 11));
        p.drawEllipse(QPointF(3.5, 13.5), 1.6, 1.6);
        p.drawEllipse(QPointF(12.5, 2.5), 1.6, 1.6);
        p.setPen(QPen(QColor(130, 100, 50), 0.8));
        for (double y : {5.5, 8.0, 10.5}) p.drawLine(QPointF(5.5, y), QPointF(10.5, y));
    });
}

QImage letterDisc(const QString& letter, const QColor& colour) {  // help, about
    return paintPicture(kMenuIcon, [&](QPainter& p) {
        p.setPen(QPen(colour.darker(180), 1));
        p.setBrush(verticalGradient(QRectF(0, 1, 1, 14), colour.lighter(140), colour));
        p.drawEllipse(QPointF(8, 8), 7, 7);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(
            textOutline(letter, QStringLiteral("DejaVu Sans"), true, 9, 8).translated(8, 12.5));
    });
}

QImage bookIcon() {  // tutorial
    return paintPicture(kMenuIcon, [](QPainter& p) {
        p.setPen(QPen(QColor(20, 40, 100), 1));
        p.setBrush(
            verticalGradient(QRectF(0, 2, 1, 12), QColor(60, 110, 210), QColor(30, 60, 150)));
        p.drawRect(QRectF(2.5, 2.5, 10, 11));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 248, 240));
        p.drawRect(QRectF(12.5, 3.5, 1.5, 10));
        drawSuit(p, 1, QRectF(5.5, 5.5, 5, 5), QColor(255, 220, 220));
    });
}

QImage radioIcon() {
    return paintPicture(kMenuIcon, [](QPainter& p) {
        p.setPen(QPen(kInk, 1));
        p.drawLine(QPointF(5, 5), QPointF(12, 1.5));
        p.setBrush(verticalGradient(QRectF(0, 5, 1, 10), QColor(220, 80, 60), QColor(150, 40, 30)));
        p.drawRoundedRect(QRectF(1.5, 5.5, 13, 9), 2, 2);
        p.setBrush(QColor(50, 40, 40));
        p.drawEllipse(QPointF(5.5, 10), 2.6, 2.6);
        p.setBrush(QColor(255, 240, 200));
        p.drawRect(QRectF(9.5, 8, 3, 1.5));
        p.drawRect(QRectF(9.5, 11, 3, 1.5));
    });
}

QImage chatIcon() {
    return paintPicture(kMenuIcon, [](QPainter& p) {
        QPainterPath bubble;
        bubble.addRoundedRect(QRectF(1.5, 2.5, 13, 9), 3, 3);
        QPainterPath tail;
        tail.moveTo(4, 10);
        tail.lineTo(3.5, 14.5);
        tail.lineTo(8, 10);
        tail.closeSubpath();
        p.setPen(QPen(QColor(20, 90, 40), 1));
        p.setBrush(
            verticalGradient(QRectF(0, 2, 1, 12), QColor(140, 230, 140), QColor(60, 170, 70)));
        p.drawPath(bubble.united(tail));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        for (double x : {5.0, 8.0, 11.0}) p.drawEllipse(QPointF(x, 7), 1, 1);
    });
}

// A round player button: a dark glossy disc in a chrome ring.
void playerButton(QPainter& p) {
    const QPointF c(30, 30);
    QLinearGradient chrome(QPointF(0, 1), QPointF(0, 59));
    chrome.setColorAt(0, QColor(240, 242, 248));
    chrome.setColorAt(0.5, QColor(130, 136, 150));
    chrome.setColorAt(1, QColor(220, 224, 232));
    p.setPen(QPen(QColor(50, 54, 64), 1));
    p.setBrush(chrome);
    p.drawEllipse(c, 28.5, 28.5);
    QRadialGradient face(c + QPointF(-6, -10), 34);
    face.setColorAt(0, QColor(70, 80, 104));
    face.setColorAt(1, QColor(10, 14, 24));
    p.setBrush(face);
    p.drawEllipse(c, 24, 24);
    p.setPen(Qt::NoPen);
    p.setBrush(verticalGradient(QRectF(14, 7, 32, 18), QColor(255, 255, 255, 70),
                                QColor(255, 255, 255, 0)));
    p.drawEllipse(QRectF(14, 7, 32, 18));
}

void glyphStyle(QPainter& p) {
    p.setPen(QPen(QColor(20, 100, 30), 1));
    p.setBrush(verticalGradient(QRectF(0, 18, 1, 24), QColor(180, 255, 160), QColor(40, 190, 60)));
}

QImage playButton() {
    return paintPicture(QSize(60, 60), [](QPainter& p) {
        playerButton(p);
        glyphStyle(p);
        QPainterPath play;
        play.moveTo(24, 18);
        play.lineTo(42, 30);
        play.lineTo(24, 42);
        play.closeSubpath();
        p.drawPath(play);
    });
}

QImage pauseButton() {
    return paintPicture(QSize(60, 60), [](QPainter& p) {
        playerButton(p);
        glyphStyle(p);
        p.drawRoundedRect(QRectF(21, 19, 7, 22), 1.5, 1.5);
        p.drawRoundedRect(QRectF(32, 19, 7, 22), 1.5, 1.5);
    });
}

QImage nextButton() {
    return paintPicture(QSize(60, 60), [](QPainter& p) {
        playerButton(p);
        glyphStyle(p);
        for (double x : {17.0, 29.0}) {
            QPainterPath arrow;
            arrow.moveTo(x, 20);
            arrow.lineTo(x + 12, 30);
            arrow.lineTo(x, 40);
            arrow.closeSubpath();
            p.drawPath(arrow);
        }
        p.drawRect(QRectF(41, 20, 3.5, 20));
    });
}

// The volume knob: tick marks round the rim and a small speaker at the top; the
// middle stays dark for the yellow number.
QImage volumeButton() {
    return paintPicture(QSize(60, 60), [](QPainter& p) {
        playerButton(p);
        for (int i = 0; i <= 10; ++i) {
            const double a = (-135 + i * 27) * kPi / 180;
            const QPointF dir(std::sin(a), -std::cos(a));
            p.setPen(QPen(QColor::fromHsv(120 - i * 12, 200, 255), 2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(30, 30) + dir * 18.5, QPointF(30, 30) + dir * 21.5);
        }
        glyphStyle(p);
        QPainterPath speaker;
        speaker.moveTo(24, 12);
        speaker.lineTo(27, 12);
        speaker.lineTo(31, 8.5);
        speaker.lineTo(31, 20.5);
        speaker.lineTo(27, 17);
        speaker.lineTo(24, 17);
        speaker.closeSubpath();
        p.drawPath(speaker);
        p.setPen(QPen(QColor(140, 240, 140), 1.2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(29, 10, 6, 9), -60 * 16, 120 * 16);
        p.drawArc(QRectF(29, 7.5, 10, 14), -60 * 16, 120 * 16);
    });
}

}  // namespace

void addMenuArt(ArtOutput& out, ContactSheet& sheet) {
    const struct {
        const char* name;
        QImage picture;
    } icons[] = {
        {"MenuGenCount", scoreSheetIcon()},
        {"MenuQuit", doorIcon()},
        {"MenuChangeName", pencilIcon()},
        {"MenuSpeed", speedIcon()},
        {"MenuConv", scrollIcon()},
        {"MenuHelp", letterDisc(QStringLiteral("?"), QColor(30, 110, 220))},
        {"MenuBook", bookIcon()},
        {"MenuAbout", letterDisc(QStringLiteral("i"), QColor(30, 150, 90))},
        {"MenuRadio", radioIcon()},
        {"MenuChat", chatIcon()},
        {"MP_Play", playButton()},
        {"MP_Pause", pauseButton()},
        {"MP_Next", nextButton()},
        {"MP_Volume", volumeButton()},
    };
    QList<QImage> menu, player;
    for (const auto& icon : icons) {
        out.addPng(QString::fromLatin1(icon.name), icon.picture);
        (icon.picture.width() == 16 ? menu : player) << icon.picture;
    }
    // The menu icons on a light menu ground, as a menu shows them.
    QList<QImage> onMenu;
    for (const QImage& icon : menu) {
        QImage cell(20, 20, QImage::Format_ARGB32);
        cell.fill(QColor(240, 240, 240));
        QPainter p(&cell);
        p.drawImage(2, 2, icon);
        p.end();
        onMenu << cell;
    }
    sheet.addRow(onMenu, false);
    sheet.addRow(player, false);
}

}  // namespace tavik::art
