#include "ui/main_window/clock_faces.h"

#include <QPainter>
#include <algorithm>

#include "config/words/word_keys.h"
#include "config/words/word_table.h"
#include "ui/fonts/fonts.h"
#include "ui/pictures/program_pictures.h"

namespace tavik::ui {
namespace {

QImage blankClock() {
    QImage picture(kClockWidth, kClockHeight, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    const QImage plate = ProgramPicture(QStringLiteral("GClockBG"));
    if (!plate.isNull()) p.drawImage(0, 0, plate);
    return picture;
}

void drawPicture(QPainter& p, const QString& name, int x, int y) {
    const QImage picture = ProgramPicture(name);
    if (!picture.isNull()) p.drawImage(x, y, picture);
}

QString wordOf(words::WordKey key, int language) {
    return QString::fromUtf8(words::word(key, language));
}

const char* iconOf(int mode) {
    if (mode <= 3) return "Windows";
    if (mode == 4) return "Android";
    return "Account48";
}

words::WordKey hintKey(int mode) {
    switch (mode) {
        case 1:
            return words::key::ClockIQ;
        case 2:
            return words::key::ClockGamesPC;
        case 3:
            return words::key::ClockBestWindows;
        case 4:
            return words::key::ClockBestAndroid;
        case 5:
            return words::key::ClockBestAccount;
        default:
            return words::key::ClockClubMembers;
    }
}

// The hint of a mode after the reading: the player's name for the best-player modes,
// or the marks of a failed request.
QString hintText(int mode, const InfoClockReading& r, int language) {
    QString hint = wordOf(hintKey(mode), language);
    const QString noConnect = wordOf(words::key::NoConnect, language);
    if (!r.connected) {
        if (mode <= 2) return hint + QStringLiteral(": ") + noConnect;
        if (mode <= 5) return hint + noConnect;
        return hint + QLatin1Char(' ') + noConnect;
    }
    if (mode >= 3 && mode <= 5) {
        const QString name = r.playerName.trimmed();
        hint += name.isEmpty() || name == QLatin1String("#")
                    ? wordOf(words::key::ClockNobody, language)
                    : name;
    }
    return hint;
}

}  // namespace

QImage DrawClock(const QTime& now) {
    QImage picture = blankClock();
    QPainter p(&picture);
    const QString digits = now.toString(QStringLiteral("hhmm"));
    const QString blue = QStringLiteral("GBClock");
    if (digits[0] != QLatin1Char('0')) drawPicture(p, blue + digits[0], 14, 15);
    drawPicture(p, blue + digits[1], 34, 15);
    drawPicture(p, blue + digits[2], 61, 15);
    drawPicture(p, blue + digits[3], 81, 15);
    if (now.msec() > 500) drawPicture(p, QStringLiteral("GBClockP"), 55, 24);
    return picture;
}

QString InfoDigitPrefix(int mode) {
    static const char* const kPrefixes[] = {"GRClock", "GAClock", "GGClock", "GYClock",
                                            "GVClock", "GLClock", "GNClock"};
    return QLatin1String(kPrefixes[std::clamp(mode, 1, 7) - 1]);
}

DigitPlaces InfoDigitPlaces(int count) {
    switch (count) {
        case 1:
            return {{50}, 18};
        case 2:
            return {{38, 58}, 18};
        case 3:
            return {{29, 49, 69}, 18};
        case 4:
            return {{27, 42, 57, 72}, 15};
        case 5:
            return {{28, 40, 52, 64, 76}, 12};
        case 6:
            return {{15, 24, 33, 42, 51, 60}, 9};
        default:
            return {{}, 18};
    }
}

InfoClock DrawInfoClock(int mode, const InfoClockReading& reading, int language) {
    mode = std::clamp(mode, 1, 7);
    InfoClock clock{blankClock(), hintText(mode, reading, language)};
    QPainter p(&clock.picture);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QImage icon = ProgramPicture(QLatin1String(iconOf(mode)));
    if (!icon.isNull()) p.drawImage(QRect(10, 10, 16, 16), icon);

    const QString prefix = InfoDigitPrefix(mode);
    const QString number = reading.connected ? reading.number : QStringLiteral("00");
    const DigitPlaces places = InfoDigitPlaces(static_cast<int>(number.size()));
    for (std::size_t i = 0; i < places.x.size(); ++i) {
        const QChar c = number[static_cast<qsizetype>(i)];
        const QImage digit =
            ProgramPicture(prefix + (c == QLatin1Char('-') ? QStringLiteral("M") : QString(c)));
        if (!digit.isNull()) p.drawImage(QRect(places.x[i], 15, places.width, 40), digit);
    }

    const QFont small = FontOfHeight("MS Sans Serif", 8 * 4 / 3, true);
    if (mode == 1) {
        p.setFont(small);
        p.setPen(Qt::red);
        p.drawText(QRect(90, 10, 25, 14), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("IQ"));
    } else if (mode == 2) {
        p.setFont(small);
        p.setPen(Qt::cyan);
        p.drawText(QRect(90, 10, 25, 14), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("D"));
        if (reading.connected && !reading.letter.isEmpty()) {
            p.setFont(FontOfHeight("MS Sans Serif", 12 * 4 / 3, true));
            p.drawText(QRect(90, 25, 25, 20), Qt::AlignLeft | Qt::AlignTop, reading.letter);
        }
    }
    return clock;
}

}  // namespace tavik::ui
