// The pictures of the account windows: the state lamps, the rating stars, the sex
// icons, the photo frame and placeholders, the label icons of the profile fields and
// the flag lists of the six continents.
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "online/account/country_tables.h"
#include "tools/art/art_output.h"
#include "tools/art/art_sets.h"
#include "tools/art/contact_sheet.h"
#include "tools/art/draw_kit.h"

namespace tavik::art {
namespace {

constexpr QSize kFlagSize(14, 12);

// A glass lamp lit in one colour, 24 x 24.
QImage lamp(const QColor& colour) {
    return paintPicture(QSize(24, 24), [&](QPainter& p) {
        QRadialGradient glow(QPointF(9, 8), 13);
        glow.setColorAt(0, colour.lighter(190));
        glow.setColorAt(0.45, colour);
        glow.setColorAt(1, colour.darker(220));
        p.setPen(QPen(QColor(40, 40, 40), 1.2));
        p.setBrush(glow);
        p.drawEllipse(QRectF(2, 2, 20, 20));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 170));
        p.drawEllipse(QRectF(6, 5, 6, 4));
    });
}

// A five-pointed star in one colour, 32 x 32.
QImage star(const QColor& colour) {
    return paintPicture(QSize(32, 32), [&](QPainter& p) {
        const QPainterPath path = starPath(QPointF(16, 17), 15);
        p.setPen(QPen(colour.darker(250), 1.4));
        p.setBrush(verticalGradient(QRectF(0, 2, 32, 30), colour.lighter(170), colour.darker(130)));
        p.drawPath(path);
    });
}

// A head and shoulders: blue for a man, rose with long hair for a woman.
void figure(QPainter& p, const QRectF& box, bool woman) {
    const QColor body = woman ? QColor(215, 80, 130) : QColor(50, 100, 200);
    const double w = box.width(), h = box.height();
    if (woman) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 70, 30));
        p.drawRoundedRect(QRectF(box.x() + w * 0.26, box.y() + h * 0.1, w * 0.48, h * 0.55),
                          w * 0.2, w * 0.2);
    }
    p.setPen(QPen(body.darker(180), std::max(1.0, w / 40)));
    p.setBrush(body);
    p.drawChord(QRectF(box.x() + w * 0.1, box.y() + h * 0.62, w * 0.8, h * 0.76), 0, 180 * 16);
    p.setBrush(QColor(245, 205, 170));
    p.drawEllipse(QRectF(box.x() + w * 0.32, box.y() + h * 0.16, w * 0.36, h * 0.42));
}

QImage sexIcon(bool woman) {
    return paintPicture(QSize(16, 16),
                        [&](QPainter& p) { figure(p, QRectF(0, 0, 16, 16), woman); });
}

// The placeholder of a member without a photo, 200 x 250.
QImage noPhoto(bool woman) {
    return paintPicture(QSize(200, 250), [&](QPainter& p) {
        p.fillRect(
            QRect(0, 0, 200, 250),
            verticalGradient(QRectF(0, 0, 200, 250), QColor(225, 230, 240), QColor(160, 170, 190)));
        p.setClipRect(QRect(0, 0, 200, 250));
        figure(p, QRectF(20, 40, 160, 210), woman);
    });
}

// The frame round a photo: 220 x 270, the photo shows through at (10, 10).
QImage photoFrame() {
    return paintPicture(QSize(220, 270), [](QPainter& p) {
        QPainterPath frame;
        frame.addRoundedRect(QRectF(0, 0, 220, 270), 8, 8);
        QPainterPath hole;
        hole.addRect(QRectF(10, 10, 200, 250));
        p.setPen(QPen(QColor(90, 60, 10), 1.5));
        p.setBrush(
            verticalGradient(QRectF(0, 0, 220, 270), QColor(250, 225, 130), QColor(170, 120, 30)));
        p.drawPath(frame.subtracted(hole));
    });
}

// A round 24 x 24 badge with a short text, the label of one profile field.
QImage label(const QColor& colour, const QString& text) {
    return paintPicture(QSize(24, 24), [&](QPainter& p) {
        p.setPen(QPen(colour.darker(170), 1));
        p.setBrush(verticalGradient(QRectF(0, 0, 24, 24), colour.lighter(140), colour));
        p.drawRoundedRect(QRectF(1, 1, 22, 22), 5, 5);
        const QPainterPath letters =
            textOutline(text, QStringLiteral("DejaVu Sans"), true, text.size() > 1 ? 8 : 11, 20);
        p.translate(12, text.size() > 1 ? 16 : 17.5);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(letters);
    });
}

// A plain flag for a country without a picture: three bands in colours taken from its
// name, so that neighbours in a list look different.
QImage plainFlag(const std::string& name) {
    std::uint32_t seed = 2166136261u;
    for (char c : name) seed = (seed ^ static_cast<unsigned char>(c)) * 16777619u;
    Dice dice(seed);
    QImage flag(kFlagSize, QImage::Format_ARGB32);
    QPainter p(&flag);
    const bool across = dice.unit() < 0.5;
    for (int band = 0; band < 3; ++band) {
        const QColor colour = QColor::fromHsv(static_cast<int>(dice.range(0, 360)),
                                              static_cast<int>(dice.range(90, 230)),
                                              static_cast<int>(dice.range(150, 255)));
        if (across)
            p.fillRect(QRect(0, band * 4, 14, 4), colour);
        else
            p.fillRect(QRect(band * 14 / 3, 0, band == 2 ? 6 : 4, 12), colour);
    }
    p.setPen(QColor(60, 60, 60));
    p.drawRect(0, 0, 13, 11);
    return flag;
}

QImage unknownFlag() {
    QImage flag(kFlagSize, QImage::Format_ARGB32);
    flag.fill(QColor(235, 235, 235));
    QPainter p(&flag);
    p.setPen(QColor(120, 120, 120));
    p.drawRect(0, 0, 13, 11);
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 6, QFont::Bold));
    p.drawText(QRect(0, 0, 14, 12), Qt::AlignCenter, QStringLiteral("?"));
    return flag;
}

// The flag of a country at 14 x 12: the picture of its ISO code from flagFolder put
// on a dark edge, or a plain flag.
QImage countryFlag(const online::Country& country, const QString& flagFolder) {
    if (country.Iso[0] == '\0') return unknownFlag();
    const QString file = flagFolder.isEmpty()
                             ? QString()
                             : QDir(flagFolder).filePath(QString::fromLatin1(country.Iso) + ".png");
    const QImage source = file.isEmpty() ? QImage() : QImage(file);
    if (source.isNull()) return plainFlag(country.English);
    QImage flag(kFlagSize, QImage::Format_ARGB32);
    flag.fill(QColor(50, 50, 50));
    QPainter p(&flag);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRect(1, 1, 12, 10), source);
    return flag;
}

}  // namespace

void addAccountArt(ArtOutput& out, ContactSheet& sheet, const QString& flagFolder) {
    QList<QImage> row;
    const struct {
        const char* name;
        QImage picture;
    } pictures[] = {
        {"LampR24", lamp(QColor(220, 30, 30))}, {"LampY24", lamp(QColor(235, 200, 20))},
        {"LampG24", lamp(QColor(30, 190, 50))}, {"StarR0", star(QColor(220, 30, 30))},
        {"StarY0", star(QColor(235, 200, 20))}, {"StarG0", star(QColor(30, 190, 50))},
        {"FaceMan16", sexIcon(false)},          {"FaceWoman16", sexIcon(true)},
    };
    for (const auto& picture : pictures) {
        out.addPng(QString::fromLatin1(picture.name), picture.picture);
        row << picture.picture;
    }
    sheet.addRow(row, false);

    const QImage frame = photoFrame(), man = noPhoto(false), woman = noPhoto(true);
    out.addPng(QStringLiteral("GAcFrame"), frame);
    out.addPng(QStringLiteral("GAcNoM"), man);
    out.addPng(QStringLiteral("GAcNoF"), woman);
    sheet.addRow({frame, man, woman}, false);

    const struct {
        const char* name;
        QColor colour;
        const char* text;
    } labels[] = {
        {"GAcName1", QColor(60, 110, 190), "N"},      {"GAcName2", QColor(60, 110, 190), "F"},
        {"GAcAbout", QColor(120, 80, 160), "i"},      {"GAcTelephone", QColor(40, 150, 70), "T"},
        {"GAcEMail", QColor(200, 120, 30), "@"},      {"GAcWebSite", QColor(30, 130, 160), "W"},
        {"GAcSkype", QColor(0, 160, 230), "S"},       {"GAcOK", QColor(240, 130, 0), "OK"},
        {"GAcVK", QColor(70, 110, 170), "VK"},        {"GAcTelegram", QColor(40, 160, 220), "Tg"},
        {"GAcFaceBook", QColor(60, 90, 150), "f"},    {"GAcTwitter", QColor(30, 160, 240), "t"},
        {"GAcInstagramm", QColor(200, 50, 130), "I"}, {"GAcYouTube", QColor(220, 30, 30), "Y"},
    };
    QList<QImage> labelRow;
    for (const auto& l : labels) {
        const QImage picture = label(l.colour, QString::fromLatin1(l.text));
        out.addPng(QString::fromLatin1(l.name), picture);
        labelRow << picture;
    }
    sheet.addRow(labelRow, false);

    // One strip per continent: flag NNN at x = 14 * NNN.
    for (int continent = 1; continent <= online::kContinents; ++continent) {
        QList<QImage> flags;
        for (const online::Country& country : online::ContinentCountries(continent))
            flags << countryFlag(country, flagFolder);
        const QImage strip = frameStrip(flags);
        out.addPng(QStringLiteral("GFlags%1").arg(continent), strip);
        sheet.addRow({strip}, false);
    }
}

}  // namespace tavik::art
