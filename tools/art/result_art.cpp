// The animations that show how a kon or a match ended, as looping GIFs, and the
// medal of the end-game window:
//   "GKonGood" (a kon won: a bouncing cup in a sunburst, confetti and cards),
//   "GKonBads" (a kon lost: a sad face with a tear under a rain cloud),
//   "GKonNich" (a draw: balance scales swinging about the level), 120 x 120,
//   24 frames, of which the table shows 9, 20 and 0 as still pictures;
//   "GEndBest", "GEndGood", "GEndBads" (200 x 150, 30 frames) for the end-game
//   window: a crown under fireworks, a cup in confetti, a sad face in the rain;
//   "GMedal" (80 x 110) and the place numbers "GPlace01".."GPlace10" (48 x 48),
//   drawn centred on the medal, whose disc is centred in the picture.
// The texts that go with them are written by the table and the window.
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "tools/art/art_output.h"
#include "tools/art/art_sets.h"
#include "tools/art/celebration.h"
#include "tools/art/contact_sheet.h"
#include "tools/art/draw_kit.h"
#include "tools/art/suit_paths.h"

namespace tavik::art {
namespace {

constexpr int kKonFrames = 24;
constexpr int kEndFrames = 30;
const QSize kKonSize(120, 120), kEndSize(200, 150);

// Alternating pale rays round centre, turned by angle degrees.
void drawSunburst(QPainter& p, QPointF centre, double radius, double angle) {
    p.save();
    p.translate(centre);
    p.rotate(angle);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 12; ++i) {
        const double a0 = (i * 30 - 7) * kPi / 180, a1 = (i * 30 + 7) * kPi / 180;
        QPainterPath ray;
        ray.moveTo(0, 0);
        ray.lineTo(radius * std::cos(a0), radius * std::sin(a0));
        ray.lineTo(radius * std::cos(a1), radius * std::sin(a1));
        ray.closeSubpath();
        p.setBrush(i % 2 ? QColor(255, 236, 140) : QColor(255, 214, 90));
        p.drawPath(ray);
    }
    p.restore();
}

QImage konWon(double t) {
    return paintPicture(kKonSize, [&](QPainter& p) {
        drawSunburst(p, QPointF(60, 58), 56, 30 * t);
        drawConfetti(p, QRectF(0, 0, 120, 120), t, 5, 10, false);
        const double bounce = std::abs(std::sin(2 * kPi * 2 * t));
        const double squash = 1 + 0.05 * (1 - bounce);
        const QRectF cup(60 - 27 * squash, 22 - 8 * bounce + 6, 54 * squash, 63 / squash + 2);
        drawTrophy(p, cup);
        drawConfetti(p, QRectF(0, 0, 120, 120), t, 9, 12, true);
    });
}

QImage konLost(double t) {
    return paintPicture(kKonSize, [&](QPainter& p) {
        double tear = t - 0.15;
        tear -= std::floor(tear);
        const double sigh = 2 * std::sin(2 * kPi * t);
        drawRainCloud(p, QRectF(26, 2, 68, 28), 118, t);
        drawSadFace(p, QPointF(60, 74 + sigh * 0.5), 38 + sigh * 0.3, tear);
    });
}

// Balance scales with a heart on one pan and a spade on the other.
QImage konDraw(double t) {
    return paintPicture(kKonSize, [&](QPainter& p) {
        const QColor gold(232, 176, 30), dark(128, 84, 6);
        const double angle = 9 * std::sin(2 * kPi * t) * kPi / 180;
        const QPointF pivot(60, 26);
        // The pillar and its foot.
        p.setPen(QPen(dark, 1));
        p.setBrush(verticalGradient(QRectF(0, 26, 1, 84), QColor(255, 240, 150), gold));
        p.drawRect(QRectF(57, 26, 6, 80));
        QPainterPath foot;
        foot.moveTo(44, 112);
        foot.quadTo(60, 96, 76, 112);
        foot.closeSubpath();
        p.drawPath(foot);
        p.drawRoundedRect(QRectF(38, 111, 44, 6), 3, 3);
        const QPointF dir(std::cos(angle), std::sin(angle));
        const QPointF endL = pivot - dir * 42, endR = pivot + dir * 42;
        p.setPen(QPen(dark, 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(endL, endR);
        p.setPen(QPen(QColor(255, 236, 140), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(endL, endR);
        p.setPen(QPen(dark, 1));
        p.setBrush(gold);
        p.drawEllipse(pivot, 5, 5);
        // The pans hang straight down from the ends of the beam.
        const int suits[] = {1, 4};
        int side = 0;
        for (const QPointF& end : {endL, endR}) {
            const QPointF pan = end + QPointF(0, 44);
            p.setPen(QPen(dark, 1));
            p.drawLine(end, pan + QPointF(-15, 0));
            p.drawLine(end, pan + QPointF(15, 0));
            const QRectF card(pan.x() - 10, pan.y() - 27, 20, 27);
            p.setPen(QPen(QColor(60, 60, 60), 1));
            p.setBrush(Qt::white);
            p.drawRoundedRect(card, 2.5, 2.5);
            const int suit = suits[side++];
            drawSuit(p, suit, card.adjusted(4, 6, -4, -6),
                     suit <= 2 ? QColor(210, 20, 30) : QColor(20, 20, 24));
            QPainterPath bowl;
            bowl.moveTo(pan + QPointF(-17, 0));
            bowl.quadTo(pan + QPointF(0, 14), pan + QPointF(17, 0));
            bowl.closeSubpath();
            p.setPen(QPen(dark, 1));
            p.setBrush(verticalGradient(bowl.boundingRect(), QColor(255, 240, 150), gold));
            p.drawPath(bowl);
        }
    });
}

QImage endBest(double t) {
    return paintPicture(kEndSize, [&](QPainter& p) {
        const struct {
            QPointF at;
            QColor colour;
            double offset;
        } bursts[] = {{{48, 40}, QColor(255, 210, 60), 0.0},
                      {{150, 34}, QColor(255, 80, 90), 0.25},
                      {{100, 24}, QColor(90, 200, 255), 0.5},
                      {{160, 80}, QColor(120, 240, 120), 0.75},
                      {{36, 84}, QColor(240, 120, 255), 0.62}};
        std::uint32_t seed = 3;
        for (const auto& b : bursts) {
            double age = t + b.offset;
            age -= std::floor(age);
            drawFirework(p, b.at, 30, age / 0.7, b.colour, seed++);
        }
        const double rise = 3 * std::sin(2 * kPi * t);
        drawCrown(p, QRectF(52, 62 - rise, 96, 67));
        // Twinkles on the crown's points.
        const QPointF twinkles[] = {{54, 80}, {88, 70}, {112, 70}, {146, 80}};
        for (int i = 0; i < 4; ++i) {
            const double s = std::max(0.0, std::sin(2 * kPi * (t * 2 + i * 0.27)));
            if (s < 0.2) continue;
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 235));
            p.drawPath(starPath(twinkles[i] - QPointF(0, rise), 6 * s, 0.25));
        }
    });
}

QImage endGood(double t) {
    return paintPicture(kEndSize, [&](QPainter& p) {
        drawSunburst(p, QPointF(100, 72), 72, 30 * t);
        drawConfetti(p, QRectF(0, 0, 200, 150), t, 12, 16, false);
        const double bounce = std::abs(std::sin(2 * kPi * 2 * t));
        drawTrophy(p, QRectF(64, 20 - 6 * bounce, 72, 84));
        drawConfetti(p, QRectF(0, 0, 200, 150), t, 21, 16, true);
    });
}

QImage endBad(double t) {
    return paintPicture(kEndSize, [&](QPainter& p) {
        double tear = t - 0.1;
        tear -= std::floor(tear);
        drawRainCloud(p, QRectF(54, 4, 92, 36), 146, t);
        // A puddle growing and shrinking under the face.
        const double puddle = 30 + 4 * std::sin(2 * kPi * t);
        p.setPen(QPen(QColor(60, 110, 180), 1));
        p.setBrush(QColor(120, 170, 230));
        p.drawEllipse(QPointF(100, 140), puddle, 5);
        drawSadFace(p, QPointF(100, 94 + std::sin(2 * kPi * t)), 40, tear);
    });
}

// The medal: a gold disc centred in the picture on a red and blue ribbon that
// comes down from the top and ends in swallow tails below the disc.
QImage medal() {
    return paintPicture(QSize(80, 110), [](QPainter& p) {
        const QPointF c(40, 55);
        for (int side : {-1, 1}) {
            QPainterPath band;
            band.moveTo(40 + side * 30, 0);
            band.lineTo(40 + side * 12, 0);
            band.lineTo(40 - side * 2, 40);
            band.lineTo(40 + side * 16, 40);
            band.closeSubpath();
            QPainterPath tail;
            tail.moveTo(40 + side * 4, 70);
            tail.lineTo(40 + side * 22, 70);
            tail.lineTo(40 + side * 26, 109);
            tail.lineTo(40 + side * 17, 101);
            tail.lineTo(40 + side * 8, 109);
            tail.closeSubpath();
            for (const QPainterPath& piece : {band, tail}) {
                p.setPen(QPen(QColor(60, 10, 30), 1));
                p.setBrush(side < 0 ? QColor(200, 24, 40) : QColor(30, 70, 180));
                p.drawPath(piece);
            }
            p.setPen(QPen(QColor(255, 255, 255, 200), 2));
            p.drawLine(QPointF(40 + side * 21, 0), QPointF(40 + side * 7, 40));
            p.drawLine(QPointF(40 + side * 13, 70), QPointF(40 + side * 17, 101));
        }
        QRadialGradient rim(c + QPointF(-10, -12), 50);
        rim.setColorAt(0, QColor(255, 246, 170));
        rim.setColorAt(0.6, QColor(230, 172, 30));
        rim.setColorAt(1, QColor(140, 90, 10));
        p.setPen(QPen(QColor(110, 70, 6), 1.2));
        p.setBrush(rim);
        p.drawEllipse(c, 37, 37);
        // A ring of small stars stamped round the face.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(150, 100, 10));
        for (int i = 0; i < 12; ++i) {
            const double a = i * 30 * kPi / 180;
            p.drawPath(starPath(c + QPointF(std::sin(a), -std::cos(a)) * 31, 2.8, 0.45));
        }
        QRadialGradient face(c + QPointF(-8, -10), 34);
        face.setColorAt(0, QColor(255, 240, 150));
        face.setColorAt(1, QColor(214, 150, 24));
        p.setPen(QPen(QColor(150, 100, 10), 1));
        p.setBrush(face);
        p.drawEllipse(c, 26, 26);
    });
}

QImage placeNumber(int place) {
    return paintPicture(QSize(48, 48), [&](QPainter& p) {
        const QPainterPath digits =
            textOutline(QString::number(place), QStringLiteral("DejaVu Serif"), true, 26, 40)
                .translated(24, 37);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 230, 200));
        p.drawPath(digits.translated(0.8, 1));
        p.setPen(QPen(QColor(90, 20, 10), 1));
        p.setBrush(
            verticalGradient(digits.boundingRect(), QColor(200, 40, 30), QColor(110, 10, 10)));
        p.drawPath(digits);
    });
}

QList<QImage> frames(int count, QImage (*draw)(double)) {
    QList<QImage> out;
    for (int f = 0; f < count; ++f) out << draw(f / double(count));
    return out;
}

}  // namespace

void addResultArt(ArtOutput& out, ContactSheet& sheet) {
    const QList<QImage> won = frames(kKonFrames, konWon), lost = frames(kKonFrames, konLost),
                        draw = frames(kKonFrames, konDraw);
    out.addGif(QStringLiteral("GKonGood"), won, 80);
    out.addGif(QStringLiteral("GKonBads"), lost, 80);
    out.addGif(QStringLiteral("GKonNich"), draw, 80);
    // The still frames first, then a few others of each.
    sheet.addRow({won[9], lost[20], draw[0], won[0], won[15], lost[5], lost[14], draw[6], draw[18]},
                 false);

    const QList<QImage> best = frames(kEndFrames, endBest), good = frames(kEndFrames, endGood),
                        bad = frames(kEndFrames, endBad);
    out.addGif(QStringLiteral("GEndBest"), best, 80);
    out.addGif(QStringLiteral("GEndGood"), good, 80);
    out.addGif(QStringLiteral("GEndBads"), bad, 80);
    sheet.addRow({best[0], best[10], best[20], good[0], good[12]}, false);
    sheet.addRow({bad[0], bad[10], bad[20]}, false);

    const QImage medalPicture = medal();
    out.addPng(QStringLiteral("GMedal"), medalPicture);
    QList<QImage> medals{medalPicture};
    for (int place = 1; place <= 10; ++place) {
        const QImage number = placeNumber(place);
        out.addPng(QStringLiteral("GPlace%1").arg(place, 2, 10, QLatin1Char('0')), number);
        if (place == 1 || place == 7 || place == 10) {
            QImage shown = medalPicture.copy();
            QPainter p(&shown);
            p.drawImage(16, 31, number);
            p.end();
            medals << shown;
        }
        medals << number;
    }
    sheet.addRow(medals, false);
}

}  // namespace tavik::art
