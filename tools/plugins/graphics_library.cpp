// QorCGraph1, the pictures of the "Purple" designs: violet dialog backgrounds with a gold
// frame, gold titles in eight languages, emblems, animated icons and club animations,
// the click effect and the table background.
#include "tools/plugins/graphics_library.h"

#include <QPainter>
#include <QRadialGradient>
#include <cmath>

#include "tools/art/art_output.h"
#include "tools/art/art_sets.h"
#include "tools/art/draw_kit.h"
#include "tools/art/suit_paths.h"
#include "tools/plugins/plugin_sets.h"

namespace tavik::plugins {
namespace {

using art::kPi;

const QColor kGold(200, 175, 50);
const QColor kGoldLight(250, 225, 120);
const QColor kViolet(96, 24, 150);
const QColor kVioletDark(40, 6, 70);

// The title of each dialog in the eight title languages.
const char* const kTitles[13][8] = {
    {"Waiting", "Ожидание", "Warten", "Attente", "Espera", "等待", "Attesa", "Čekání"},
    {"Password", "Пароль", "Passwort", "Mot de passe", "Contraseña", "密码", "Password", "Heslo"},
    {"Speed", "Скорость", "Tempo", "Vitesse", "Velocidad", "速度", "Velocità", "Rychlost"},
    {"About", "О программе", "Über", "À propos", "Acerca de", "关于", "Informazioni", "O programu"},
    {"Passport", "Паспорт", "Pass", "Passeport", "Pasaporte", "护照", "Passaporto", "Pas"},
    {"Game over", "Конец игры", "Spielende", "Fin de partie", "Fin del juego", "游戏结束",
     "Fine partita", "Konec hry"},
    {"History", "История", "Verlauf", "Historique", "Historial", "历史", "Cronologia", "Historie"},
    {"Options", "Опции", "Optionen", "Options", "Opciones", "选项", "Opzioni", "Možnosti"},
    {"General count", "Общий счёт", "Gesamtstand", "Score total", "Cuenta general", "总比分",
     "Conto generale", "Celkové skóre"},
    {"Advertising", "Реклама", "Werbung", "Publicité", "Publicidad", "广告", "Pubblicità",
     "Reklama"},
    {"Thank you", "Спасибо", "Danke", "Merci", "Gracias", "谢谢", "Grazie", "Děkujeme"},
    {"Account", "Аккаунт", "Konto", "Compte", "Cuenta", "账户", "Account", "Účet"},
    {"Radio", "Радио", "Radio", "Radio", "Radio", "电台", "Radio", "Rádio"},
};

QImage dialogBackground(QSize size, int seed) {
    QImage image(size, QImage::Format_RGB32);
    const double cx = size.width() / 2.0, cy = size.height() / 3.0;
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const double d = std::hypot((x - cx) / size.width(), (y - cy) / size.height());
            const double cloud = art::valueNoise(x, y, 60, 20 + seed);
            const double light = std::clamp(1.0 - 1.3 * d + 0.25 * (cloud - 0.5), 0.0, 1.0);
            auto mix = [light](int dark, int bright) {
                return static_cast<int>(dark + (bright - dark) * light);
            };
            line[x] = qRgb(mix(kVioletDark.red(), 150), mix(kVioletDark.green(), 60),
                           mix(kVioletDark.blue(), 210));
        }
    }
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kGold, 3));
    p.drawRoundedRect(QRectF(4, 4, size.width() - 8, size.height() - 8), 10, 10);
    p.setPen(QPen(kGoldLight, 1));
    p.drawRoundedRect(QRectF(9, 9, size.width() - 18, size.height() - 18), 7, 7);
    // A suit in each corner of the frame.
    for (int corner = 0; corner < 4; ++corner) {
        const double x = corner % 2 == 0 ? 14 : size.width() - 28;
        const double y = corner < 2 ? 14 : size.height() - 28;
        art::drawSuit(p, corner + 1, QRectF(x, y, 14, 14), kGold);
    }
    return image;
}

QImage titleOverlay(const QString& text) {
    return art::paintPicture(kTitleSize, [&](QPainter& p) {
        const QPainterPath path = art::textOutline(text, QStringLiteral("DejaVu Serif"), true, 24,
                                                   kTitleSize.width() - 16)
                                      .translated(kTitleSize.width() / 2.0, 34);
        p.setPen(QPen(kVioletDark, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        p.setPen(Qt::NoPen);
        p.setBrush(art::verticalGradient(path.boundingRect(), kGoldLight, kGold));
        p.drawPath(path);
    });
}

QImage emblem(int suit) {
    return art::paintPicture(kEmblemSize, [&](QPainter& p) {
        const QPointF c(kEmblemSize.width() / 2.0, kEmblemSize.height() / 2.0);
        QRadialGradient disc(c, 56);
        disc.setColorAt(0, QColor(170, 80, 230));
        disc.setColorAt(1, kVioletDark);
        p.setPen(QPen(kGold, 4));
        p.setBrush(disc);
        p.drawEllipse(c, 54, 54);
        p.setPen(Qt::NoPen);
        p.setBrush(kGoldLight);
        for (int i = 0; i < 12; ++i) {
            const double a = i * kPi / 6;
            p.drawPath(art::starPath(c + QPointF(44 * std::sin(a), -44 * std::cos(a)), 4));
        }
        art::drawSuit(p, suit, QRectF(c.x() - 26, c.y() - 26, 52, 52), kGold);
    });
}

// One frame of an animated icon: a violet disc, a gold ring with a spark running round
// it and the icon's suit breathing in the middle.
QImage iconFrame(int icon, int frame) {
    return art::paintPicture(QSize(48, 48), [&](QPainter& p) {
        const QPointF c(24, 24);
        p.setPen(QPen(kGold, 2));
        p.setBrush(kViolet);
        p.drawEllipse(c, 21, 21);
        const double a = frame * 2 * kPi / kIconFrames + icon;
        p.setPen(Qt::NoPen);
        p.setBrush(kGoldLight);
        p.drawPath(art::starPath(c + QPointF(19 * std::sin(a), -19 * std::cos(a)), 4.5));
        const double s = 20 + 3 * std::sin(frame * 2 * kPi / kIconFrames);
        art::drawSuit(p, icon % 4 + 1, QRectF(c.x() - s / 2, c.y() - s / 2, s, s), kGold);
    });
}

// One frame of an animated club: it turns about its upright axis.
QImage clubFrame(int gif, int frame) {
    return art::paintPicture(kGifSize, [&](QPainter& p) {
        const QPointF c(kGifSize.width() / 2.0, kGifSize.height() / 2.0);
        const double turn = std::cos(frame * 2 * kPi / 12);
        const QColor ink = QColor::fromHsv((270 + gif * 40) % 360, 200, 230);
        p.translate(c);
        p.scale(std::max(0.08, std::abs(turn)), 1);
        art::drawSuit(p, 3, QRectF(-30, -30, 60, 60), turn >= 0 ? ink : kGold);
    });
}

}  // namespace

void addGraphics(art::ArtOutput& out) {
    for (std::size_t d = 0; d < kPurpleDialogs.size(); ++d) {
        const PurpleDialog& dialog = kPurpleDialogs[d];
        const QString name = QString::fromLatin1(dialog.name);
        out.addJpeg(name, dialogBackground(dialog.size, static_cast<int>(d)), 88);
        for (std::size_t l = 0; l < kTitleLanguages.size(); ++l)
            out.addPng(name + QString::fromLatin1(kTitleLanguages[l]),
                       titleOverlay(QString::fromUtf8(kTitles[d][l])));
    }
    for (std::size_t e = 0; e < kPurpleEmblems.size(); ++e)
        out.addPng(QString::fromLatin1(kPurpleEmblems[e]), emblem(static_cast<int>(e) + 2));
    for (std::size_t i = 0; i < kPurpleIcons.size(); ++i) {
        QList<QImage> frames;
        for (int f = 0; f < kIconFrames; ++f) frames << iconFrame(static_cast<int>(i), f);
        out.addPng(QString::fromLatin1(kPurpleIcons[i]), art::frameStrip(frames));
    }
    for (int g = 0; g < kPurpleGifs; ++g) {
        QList<QImage> frames;
        for (int f = 0; f < 12; ++f) frames << clubFrame(g, f);
        out.addGif(QStringLiteral("Gif") + QChar(u'A' + g), frames, 80);
    }
    out.addPng(QStringLiteral("GTouch"), art::drawTouchStrip());
    out.addJpeg(QStringLiteral("BGLilu"), themeBackground(kThemeBackgroundSize), 80);
}

}  // namespace tavik::plugins
