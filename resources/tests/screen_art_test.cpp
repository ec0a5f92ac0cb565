// The pictures of the main screen, the intro, the menu and the result windows:
// their names and sizes, the animations' frames, and the colours the screen
// relies on (red titles for the recolouring, the flames' transparent green, the
// walkers' silver).
#include <QImageReader>
#include <QSet>

#include "resources/builtin_art.h"
#include "resources/tests/art_test_support.h"
#include "resources/tests/screen_art_expected.h"

namespace tavik::art::test {

std::vector<ScreenPicture> screenPictures() {
    std::vector<ScreenPicture> all;
    for (const char* code : kLanguageCodes) {
        all.push_back({QStringLiteral("Cap") + code, {800, 140}});
        all.push_back({QStringLiteral("Elite") + code, {700, 80}});
        all.push_back({QStringLiteral("Net__") + code, {700, 80}});
    }
    for (const char* stem :
         {"GBClock", "GRClock", "GAClock", "GGClock", "GYClock", "GVClock", "GLClock", "GNClock"}) {
        for (int digit = 0; digit <= 9; ++digit)
            all.push_back({QString::fromLatin1(stem) + QString::number(digit), {18, 40}});
        if (QLatin1String(stem) != QLatin1String("GBClock"))
            all.push_back({QString::fromLatin1(stem) + "M", {18, 40}});
    }
    for (int place = 1; place <= 10; ++place)
        all.push_back({QStringLiteral("GPlace%1").arg(place, 2, 10, QLatin1Char('0')), {48, 48}});
    for (const char* icon : {"AdvGiftR", "AdvGiftG", "Android", "Windows", "Help48", "Tourney48",
                             "GooglePlay", "Earth48", "Stats", "Account48"})
        all.push_back({QString::fromLatin1(icon), {48, 48}});
    for (const char* icon : {"MenuGenCount", "MenuQuit", "MenuChangeName", "MenuSpeed", "MenuConv",
                             "MenuHelp", "MenuBook", "MenuAbout", "MenuRadio", "MenuChat"})
        all.push_back({QString::fromLatin1(icon), {16, 16}});
    for (const char* button : {"MP_Play", "MP_Pause", "MP_Next", "MP_Volume"})
        all.push_back({QString::fromLatin1(button), {60, 60}});
    for (const char* walker : {"GJesterCher", "GJesterBubi", "GJesterPiki", "GJesterKres"})
        all.push_back({QString::fromLatin1(walker), {60, 70}});
    for (const BuiltinPointer& pointer : kBuiltinPointers)
        all.push_back(
            {QString::fromLatin1(pointer.name), {kPointerSize * pointer.frames, kPointerSize}});
    const ScreenPicture fixed[] = {
        {"GTitle", {600, 180}},   {"Logo", {64, 64}},       {"AdvBar3", {350, 80}},
        {"GCandleL", {100, 200}}, {"GCandleR", {100, 200}}, {"GFlames", {120, 30}},
        {"GClockBG", {115, 64}},  {"GBClockP", {3, 27}},    {"GMedal", {80, 110}},
        {"GifMenu1", {160, 200}}, {"GifMenu2", {160, 200}}, {"GKonGood", {120, 120}},
        {"GKonBads", {120, 120}}, {"GKonNich", {120, 120}}, {"GEndBest", {200, 150}},
        {"GEndGood", {200, 150}}, {"GEndBads", {200, 150}},
    };
    all.insert(all.end(), std::begin(fixed), std::end(fixed));
    return all;
}

namespace {

QImage picture(const QString& name) {
    return QImage(builtinArtPath(name)).convertToFormat(QImage::Format_ARGB32);
}

int opaquePixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += qAlpha(image.pixel(x, y)) > 128;
    return n;
}

TEST(ScreenArt, TitlesAndBannersAreShadesOfRedForTheRecolouring) {
    QSet<QByteArray> titles;
    for (const char* code : kLanguageCodes)
        for (const char* stem : {"Cap", "Elite", "Net__"}) {
            const QString name = QString::fromLatin1(stem) + code;
            const QImage image = picture(name);
            ASSERT_FALSE(image.isNull()) << qPrintable(name);
            int notRed = 0, strongRed = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const QRgb c = image.pixel(x, y);
                    if (qAlpha(c) == 0) continue;
                    notRed += std::abs(qGreen(c) - qBlue(c)) > 1 || qRed(c) < qGreen(c);
                    strongRed += qAlpha(c) == 255 && qRed(c) > 170 && qGreen(c) < 80;
                }
            EXPECT_EQ(notRed, 0) << qPrintable(name);
            EXPECT_GT(strongRed, image.width() * image.height() / 20) << qPrintable(name);
            if (QLatin1String(stem) == QLatin1String("Cap"))
                titles << QByteArray(reinterpret_cast<const char*>(image.constBits()),
                                     image.sizeInBytes());
        }
    // Each language has its own subtitle.
    EXPECT_EQ(titles.size(), static_cast<int>(std::size(kLanguageCodes)));
    for (const char* code : kLanguageCodes)
        EXPECT_NE(picture(QStringLiteral("Elite") + code), picture(QStringLiteral("Net__") + code))
            << code;
}

struct Animation {
    const char* name;
    int frames;
    int stillFrame;  // the frame shown when animation is off, -1 for none
};

TEST(ScreenArt, AnimationsAreLoopingGifsWithTheirStillFrames) {
    const Animation animations[] = {
        {"GKonBads", 24, 20}, {"GKonGood", 24, 9},  {"GKonNich", 24, 0},  {"GEndBest", 30, -1},
        {"GEndGood", 30, -1}, {"GEndBads", 30, -1}, {"GifMenu1", 32, -1}, {"GifMenu2", 32, -1},
    };
    for (const Animation& a : animations) {
        const QString name = QString::fromLatin1(a.name);
        EXPECT_TRUE(isBuiltinAnimation(name)) << a.name;
        QImageReader reader(builtinArtPath(name));
        EXPECT_EQ(reader.format(), "gif") << a.name;
        EXPECT_EQ(reader.imageCount(), a.frames) << a.name;
        EXPECT_EQ(reader.loopCount(), -1) << a.name << " loops for ever";
        EXPECT_GT(reader.nextImageDelay(), 0) << a.name;
        QList<QImage> frames;
        for (QImage frame = reader.read(); !frame.isNull(); frame = reader.read())
            frames << frame.convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(frames.size(), a.frames) << a.name;
        const QImage& still = frames[a.stillFrame < 0 ? 0 : a.stillFrame];
        const int area = still.width() * still.height();
        EXPECT_GT(opaquePixels(still), area / 8) << a.name << " shows something";
        EXPECT_LT(opaquePixels(still), area) << a.name << " has a transparent ground";
        EXPECT_NE(frames[0], frames[a.frames / 2]) << a.name << " moves";
    }
    EXPECT_FALSE(isBuiltinAnimation("GFlames"));
    EXPECT_FALSE(isBuiltinAnimation("FonG"));
}

TEST(ScreenArt, FlameFramesBurnOnTheTransparentGreen) {
    const QImage strip = picture("GFlames");
    const QRgb key = qRgb(0, 128, 0);
    QSet<QByteArray> frames;
    for (int f = 0; f < 6; ++f) {
        const QImage frame = strip.copy(f * 20, 0, 20, 30);
        int flame = 0, other = 0;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 20; ++x) {
                const QRgb c = frame.pixel(x, y);
                EXPECT_EQ(qAlpha(c), 255);
                if (c == key) continue;
                const bool fire = qRed(c) > 200 && qBlue(c) < qRed(c);
                const bool footOrWick = qBlue(c) > qRed(c) || qRed(c) < 90;
                flame += fire;
                other += !fire && !footOrWick;
            }
        for (const QPoint corner : {QPoint(0, 0), QPoint(19, 0), QPoint(0, 29), QPoint(19, 29)})
            EXPECT_EQ(frame.pixel(corner), key) << "frame " << f;
        EXPECT_GT(flame, 50) << "frame " << f;
        EXPECT_EQ(other, 0) << "frame " << f;
        frames << QByteArray(reinterpret_cast<const char*>(frame.constBits()), frame.sizeInBytes());
    }
    EXPECT_EQ(frames.size(), 6) << "every frame differs";
}

TEST(ScreenArt, CandlesLeaveTheFlameBoxesEmpty) {
    // The screen clears these boxes before it draws a flame into them.
    for (const char* name : {"GCandleL", "GCandleR"}) {
        const QImage candle = picture(QString::fromLatin1(name));
        int inBoxes = 0;
        for (const QPoint at : {QPoint(16, 15), QPoint(41, 1), QPoint(66, 15)})
            for (int y = 0; y < 30; ++y)
                for (int x = 0; x < 20; ++x)
                    inBoxes += qAlpha(candle.pixel(at.x() + x, at.y() + y)) > 0;
        EXPECT_EQ(inBoxes, 0) << name;
        // Wax right under each box.
        for (const QPoint wick : {QPoint(26, 47), QPoint(51, 33), QPoint(76, 47)})
            EXPECT_EQ(qAlpha(candle.pixel(wick)), 255) << name;
    }
}

TEST(ScreenArt, WalkersStandOnSilver) {
    for (const char* name : {"GJesterCher", "GJesterBubi", "GJesterPiki", "GJesterKres"}) {
        const QImage walker = picture(QString::fromLatin1(name));
        EXPECT_FALSE(QImage(builtinArtPath(name)).hasAlphaChannel()) << name;
        int figure = 0;
        for (int y = 0; y < walker.height(); ++y)
            for (int x = 0; x < walker.width(); ++x)
                figure += walker.pixel(x, y) != qRgb(192, 192, 192);
        for (const QPoint corner : {QPoint(0, 0), QPoint(59, 0), QPoint(0, 69), QPoint(59, 69)})
            EXPECT_EQ(walker.pixel(corner), qRgb(192, 192, 192)) << name;
        EXPECT_GT(figure, 60 * 70 / 5) << name;
    }
}

// The mean colour of the lit segments (nearly opaque pixels) of a digit.
QColor litColour(const QImage& digit, int* lit) {
    long r = 0, g = 0, b = 0;
    *lit = 0;
    for (int y = 0; y < digit.height(); ++y)
        for (int x = 0; x < digit.width(); ++x) {
            const QRgb c = digit.pixel(x, y);
            if (qAlpha(c) < 230) continue;
            r += qRed(c), g += qGreen(c), b += qBlue(c);
            ++*lit;
        }
    return *lit ? QColor(int(r / *lit), int(g / *lit), int(b / *lit)) : QColor();
}

TEST(ScreenArt, ClockDigitsLightTheirSegmentsInTheirColour) {
    const struct {
        const char* stem;
        bool (*hue)(const QColor&);
    } sets[] = {
        {"GBClock", [](const QColor& c) { return c.blue() > c.red() + 60; }},
        {"GRClock",
         [](const QColor& c) { return c.red() > c.green() + 100 && c.red() > c.blue() + 100; }},
        {"GAClock",
         [](const QColor& c) { return c.green() > c.red() + 100 && c.blue() > c.red() + 100; }},
        {"GGClock",
         [](const QColor& c) { return c.green() > c.red() + 100 && c.green() > c.blue() + 60; }},
        {"GYClock",
         [](const QColor& c) { return c.red() > c.blue() + 100 && c.green() > c.blue() + 100; }},
        {"GVClock",
         [](const QColor& c) { return c.blue() > c.green() + 60 && c.red() > c.green() + 40; }},
        {"GLClock",
         [](const QColor& c) { return c.green() > c.blue() + 100 && c.red() > c.blue() + 60; }},
        {"GNClock",
         [](const QColor& c) { return c.red() > c.green() + 60 && c.green() > c.blue() + 60; }},
    };
    for (const auto& set : sets) {
        int lit[11] = {};
        for (int symbol = 0; symbol <= 10; ++symbol) {
            if (symbol == 10 && QLatin1String(set.stem) == QLatin1String("GBClock")) break;
            const QString name =
                QString::fromLatin1(set.stem) + (symbol < 10 ? QString::number(symbol) : "M");
            const QColor colour = litColour(picture(name), &lit[symbol]);
            EXPECT_TRUE(set.hue(colour)) << qPrintable(name) << " " << qPrintable(colour.name());
        }
        // Seven segments for 8, six for 0, 6 and 9, two for 1, one for the minus.
        EXPECT_GT(lit[8], lit[0]) << set.stem;
        EXPECT_GT(lit[0], lit[7]) << set.stem;
        EXPECT_GT(lit[7], lit[1]) << set.stem;
        if (QLatin1String(set.stem) != QLatin1String("GBClock")) {
            EXPECT_LT(lit[10], lit[1]) << set.stem;
        }
    }
    // The colon: two dots, dark between them.
    const QImage colon = picture("GBClockP");
    EXPECT_EQ(qAlpha(colon.pixel(1, 7)), 255);
    EXPECT_EQ(qAlpha(colon.pixel(1, 19)), 255);
    EXPECT_EQ(qAlpha(colon.pixel(1, 13)), 0);
}

TEST(ScreenArt, PointerHotSpotsLieOnThePointer) {
    for (const BuiltinPointer& pointer : kBuiltinPointers) {
        const QImage strip = picture(QString::fromLatin1(pointer.name));
        for (int f = 0; f < pointer.frames; ++f) {
            const QImage frame = strip.copy(f * kPointerSize, 0, kPointerSize, kPointerSize);
            // The hot spot itself or a neighbour carries ink: a click lands on the pointer.
            int ink = 0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    ink += frame.valid(pointer.hotX + dx, pointer.hotY + dy) &&
                           qAlpha(frame.pixel(pointer.hotX + dx, pointer.hotY + dy)) > 128;
            EXPECT_GT(ink, 0) << pointer.name << " frame " << f;
            EXPECT_EQ(qAlpha(frame.pixel(31, 0)), 0) << pointer.name << " frame " << f;
        }
    }
}

TEST(ScreenArt, PlaceNumbersDifferAndTheMedalIsGold) {
    QSet<QByteArray> places;
    for (int place = 1; place <= 10; ++place) {
        const QImage number =
            picture(QStringLiteral("GPlace%1").arg(place, 2, 10, QLatin1Char('0')));
        EXPECT_GT(opaquePixels(number), 60) << place;
        places << QByteArray(reinterpret_cast<const char*>(number.constBits()),
                             number.sizeInBytes());
    }
    EXPECT_EQ(places.size(), 10);
    const QRgb centre = picture("GMedal").pixel(40, 55);
    EXPECT_EQ(qAlpha(centre), 255);
    EXPECT_GT(qRed(centre), qBlue(centre) + 80);
    EXPECT_GT(qGreen(centre), qBlue(centre) + 40);
}

}  // namespace
}  // namespace tavik::art::test
