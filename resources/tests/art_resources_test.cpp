// The built-in pictures: every name the table asks for, at its exact size, and
// the looks the table relies on.
#include <QBuffer>
#include <QDirIterator>
#include <QFile>
#include <QImageReader>
#include <QSet>
#include <vector>

#include "resources/art_common/button_gradients.h"
#include "resources/builtin_art.h"
#include "resources/tests/art_test_support.h"
#include "resources/tests/screen_art_expected.h"

namespace tavik::art::test {
namespace {

class ArtEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "art_resources_tests";
        static char* argv[] = {name, nullptr};
        app_ = new QGuiApplication(argc, argv);
        initBuiltinArt();
    }
    void TearDown() override { delete app_; }

  private:
    QGuiApplication* app_ = nullptr;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new ArtEnvironment);

QImage art(const QString& name) {
    return QImage(builtinArtPath(name));
}

struct Expected {
    QString name;
    QSize size;
};

// Every picture the presentation looks up, with the size it expects.
std::vector<Expected> expectedPictures() {
    std::vector<Expected> all;
    for (int card = 1; card <= 36; ++card) {
        all.push_back({cardCode(card), QSize(69, 94)});
        all.push_back({cardCode(card) + "B", QSize(146, 198)});
    }
    for (const char* day : {"Ob01Mo", "Ob02Tu", "Ob03We", "Ob04Th", "Ob05Fr", "Ob06Su", "Ob07Su"}) {
        const QString stem = QString::fromLatin1(day);
        all.push_back({stem, QSize(69, 94)});
        all.push_back({stem + "R", QSize(94, 69)});
        all.push_back({stem + "B", QSize(146, 198)});
        all.push_back({stem + "RB", QSize(198, 146)});
    }
    for (const char* suit : {"Cher", "Bubi", "Kres", "Piki"}) {
        all.push_back({QString::fromLatin1(suit), QSize(20, 20)});
        all.push_back({QString::fromLatin1(suit) + "B", QSize(40, 40)});
    }
    for (const char* caption : {"SPBlue", "SPGreen", "SPRed", "SPYellow", "SPFiolet"}) {
        all.push_back({QString::fromLatin1(caption), QSize(160, 20)});
        all.push_back({QString::fromLatin1(caption) + "B", QSize(320, 40)});
    }
    for (const char* shape : {"R", "Q"})
        for (const auto& [height, end] : {std::pair{29, 8}, {44, 13}, {59, 17}}) {
            const QString stem = QStringLiteral("%1%2_").arg(QLatin1String(shape)).arg(height);
            all.push_back({stem + "L", QSize(end, height)});
            all.push_back({stem + "R", QSize(end, height)});
            all.push_back({stem + "2", QSize(2, height)});
        }
    const Expected fixed[] = {
        {"FonG", {760, 500}},          {"FonGB", {1920, 922}},       {"GIFBackGr", {760, 500}},
        {"GKolodaSmall", {58, 25}},    {"GKolodaSmallB", {116, 50}}, {"GKolodaLarge", {60, 60}},
        {"GKolodaLargeB", {120, 120}}, {"RamkaFGSm", {155, 60}},     {"RamkaFGBg", {310, 120}},
        {"RamkaFBSm", {155, 60}},      {"RamkaFBBg", {310, 120}},    {"RamkaERSm", {130, 90}},
        {"RamkaERBg", {260, 180}},     {"GTimerR", {50, 50}},        {"GTimerY", {50, 50}},
    };
    all.insert(all.end(), std::begin(fixed), std::end(fixed));
    // The account windows: state lamps, rating stars, sex icons, the photo frame and its
    // placeholders, the profile labels, and one flag strip per continent (14 x 12 a country).
    for (const char* lamp : {"LampR24", "LampY24", "LampG24"})
        all.push_back({QString::fromLatin1(lamp), QSize(24, 24)});
    for (const char* star : {"StarR0", "StarY0", "StarG0"})
        all.push_back({QString::fromLatin1(star), QSize(32, 32)});
    for (const char* face : {"FaceMan16", "FaceWoman16"})
        all.push_back({QString::fromLatin1(face), QSize(16, 16)});
    all.push_back({"GAcFrame", QSize(220, 270)});
    all.push_back({"GAcNoM", QSize(200, 250)});
    all.push_back({"GAcNoF", QSize(200, 250)});
    for (const char* label : {"GAcName1", "GAcName2", "GAcAbout", "GAcTelephone", "GAcEMail",
                              "GAcWebSite", "GAcSkype", "GAcOK", "GAcVK", "GAcTelegram",
                              "GAcFaceBook", "GAcTwitter", "GAcInstagramm", "GAcYouTube"})
        all.push_back({QString::fromLatin1(label), QSize(24, 24)});
    const int countries[] = {49, 52, 36, 15, 24, 55};  // Europe .. Africa, "Unknown" included
    for (int continent = 1; continent <= 6; ++continent)
        all.push_back({QStringLiteral("GFlags%1").arg(continent),
                       QSize(14 * countries[continent - 1], 12)});
    for (const ScreenPicture& screen : screenPictures()) all.push_back({screen.name, screen.size});
    return all;
}

TEST(BuiltinArt, EveryPictureExistsAtItsSizeAndNothingElseIsThere) {
    QSet<QString> expectedFiles;
    for (const Expected& e : expectedPictures()) {
        const QString path = builtinArtPath(e.name);
        expectedFiles << path;
        QImageReader reader(path);
        EXPECT_TRUE(reader.canRead()) << qPrintable(path);
        EXPECT_EQ(reader.size(), e.size) << qPrintable(path);
    }
    QSet<QString> present;
    for (QDirIterator it(":/art", QDir::Files); it.hasNext();) present << it.next();
    const QSet<QString> unexpected = present - expectedFiles;
    EXPECT_TRUE(unexpected.isEmpty()) << qPrintable(QStringList(unexpected.values()).join(' '));
    EXPECT_EQ(expectedFiles.size(), int(expectedPictures().size()));
}

TEST(BuiltinArt, TableBackgroundsAreJpegBaize) {
    for (const char* name : {"FonG", "FonGB"}) {
        QImageReader reader(builtinArtPath(QString::fromLatin1(name)));
        EXPECT_EQ(reader.format(), "jpeg") << name;
        const QImage image = reader.read();
        const QRgb middle = image.pixel(image.width() / 2, image.height() / 2);
        EXPECT_GT(qGreen(middle), qRed(middle) + 40) << name;
        EXPECT_GT(qGreen(middle), qBlue(middle) + 30) << name;
    }
}

// Counts separate marks of ink in the middle of a small face, between the
// corner indices; a pip is one mark.
int countPips(const QImage& face) {
    const QRect area(15, 4, 39, 86);
    auto ink = [&](int x, int y) {
        const QRgb c = face.pixel(x, y);
        return std::min({qRed(c), qGreen(c), qBlue(c)}) < 165;
    };
    std::vector<char> seen(face.width() * face.height(), 0);
    int marks = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            if (!ink(x, y) || seen[y * face.width() + x]) continue;
            ++marks;
            std::vector<QPoint> stack{{x, y}};
            seen[y * face.width() + x] = 1;
            while (!stack.empty()) {
                const QPoint p = stack.back();
                stack.pop_back();
                for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint q = p + d;
                    if (!area.contains(q) || seen[q.y() * face.width() + q.x()] ||
                        !ink(q.x(), q.y()))
                        continue;
                    seen[q.y() * face.width() + q.x()] = 1;
                    stack.push_back(q);
                }
            }
        }
    return marks;
}

TEST(BuiltinArt, NumberCardsShowTheirPipsInTheSuitColour) {
    for (int card = 1; card <= 20; ++card) {
        const int pips = (card - 1) / 4 + 6;
        const bool red = (card - 1) % 4 < 2;
        for (const QString& name : {cardCode(card), cardCode(card) + "B"}) {
            const QImage face = art(name);
            ASSERT_FALSE(face.isNull()) << qPrintable(name);
            const int redInk = countPixels(face, isRedInk);
            const int blackInk = countPixels(face, isBlackInk);
            const int area = face.width() * face.height();
            EXPECT_GT(red ? redInk : blackInk, area / 20) << qPrintable(name);
            EXPECT_EQ(red ? blackInk : redInk, 0) << qPrintable(name);
        }
        EXPECT_EQ(countPips(art(cardCode(card))), pips) << qPrintable(cardCode(card));
    }
}

TEST(BuiltinArt, IndicesSitInBothCorners) {
    // The top-left index and its half-turned copy at the bottom right.
    for (int card : {1, 20, 25, 36}) {
        const QImage face = art(cardCode(card));
        const QRect topLeft(1, 2, 13, 25), bottomRight(55, 67, 13, 25);
        int inkTop = 0, inkBottom = 0;
        for (int y = 0; y < topLeft.height(); ++y)
            for (int x = 0; x < topLeft.width(); ++x) {
                auto dark = [](QRgb c) { return std::min({qRed(c), qGreen(c), qBlue(c)}) < 128; };
                inkTop += dark(face.pixel(topLeft.x() + x, topLeft.y() + y));
                inkBottom += dark(face.pixel(bottomRight.right() - x, bottomRight.bottom() - y));
            }
        EXPECT_GT(inkTop, 40) << qPrintable(cardCode(card));
        EXPECT_NEAR(inkBottom, inkTop, inkTop / 10 + 2) << qPrintable(cardCode(card));
    }
}

TEST(BuiltinArt, AllFacesAndBacksDiffer) {
    QSet<QByteArray> seen;
    auto fingerprint = [](const QImage& image) {
        return QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
    };
    int pictures = 0;
    for (int card = 1; card <= 36; ++card)
        for (const QString& name : {cardCode(card), cardCode(card) + "B"}) {
            seen << fingerprint(art(name).convertToFormat(QImage::Format_ARGB32));
            ++pictures;
        }
    for (const char* day : {"Ob01Mo", "Ob02Tu", "Ob03We", "Ob04Th", "Ob05Fr", "Ob06Su", "Ob07Su"}) {
        seen << fingerprint(art(QString::fromLatin1(day)).convertToFormat(QImage::Format_ARGB32));
        ++pictures;
    }
    EXPECT_EQ(seen.size(), pictures);
}

TEST(BuiltinArt, BacksAcrossAreTheBacksTurnedAQuarter) {
    for (const char* day : {"Ob01Mo", "Ob04Th", "Ob07Su"})
        for (const char* size : {"", "B"}) {
            const QString stem = QString::fromLatin1(day);
            const QImage back = art(stem + size), across = art(stem + "R" + size);
            ASSERT_EQ(across.size(), back.size().transposed());
            int mismatches = 0;
            for (int y = 0; y < back.height(); ++y)
                for (int x = 0; x < back.width(); ++x)
                    mismatches += across.pixel(back.height() - 1 - y, x) != back.pixel(x, y);
            EXPECT_EQ(mismatches, 0) << day << size;
        }
}

TEST(BuiltinArt, LargePicturesHaveTransparentCornersAndSmallOnesAreOpaque) {
    for (const char* name : {"Ch06B", "Pi4KB", "Ob03WeB", "Ob03WeRB"}) {
        const QImage image = art(QString::fromLatin1(name));
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << name;
        EXPECT_EQ(qAlpha(image.pixel(image.width() - 1, image.height() - 1)), 0) << name;
        EXPECT_EQ(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 255) << name;
    }
    for (const char* name : {"Ch06", "Pi4K", "Ob03We", "Ob03WeR"})
        EXPECT_FALSE(art(QString::fromLatin1(name)).hasAlphaChannel()) << name;
}

TEST(BuiltinArt, ButtonMiddleSlicesHoldTheGradientRows) {
    struct Row {
        int height, y;
        QRgb colour;
    };
    // Rows as the button's gradient tables give them.
    const Row rows[] = {
        {29, 0, qRgb(128, 0, 0)},    {29, 1, qRgb(17, 0, 0)},      {29, 3, qRgb(232, 173, 173)},
        {29, 14, qRgb(152, 36, 36)}, {29, 15, qRgb(136, 0, 0)},    {29, 27, qRgb(238, 0, 0)},
        {29, 28, qRgb(128, 0, 0)},   {44, 3, qRgb(239, 180, 180)}, {44, 22, qRgb(153, 34, 34)},
        {44, 42, qRgb(244, 0, 0)},   {59, 2, qRgb(131, 94, 94)},   {59, 28, qRgb(172, 71, 71)},
        {59, 29, qRgb(150, 33, 33)}, {59, 57, qRgb(246, 0, 0)},    {59, 58, qRgb(128, 0, 0)},
    };
    for (const Row& r : rows) {
        const QImage slice = art(QStringLiteral("R%1_2").arg(r.height));
        EXPECT_EQ(slice.pixel(0, r.y), r.colour) << r.height << " row " << r.y;
        EXPECT_EQ(slice.pixel(1, r.y), r.colour) << r.height << " row " << r.y;
    }
    for (int height : {29, 44, 59}) {
        const QImage slice = art(QStringLiteral("R%1_2").arg(height));
        const auto table = buttonGradient(height + 1);
        ASSERT_EQ(int(table.size()), height);
        for (int y = 0; y < height; ++y)
            EXPECT_EQ(slice.pixel(0, y), qRgb(table[y].r, table[y].g, table[y].b))
                << height << ":" << y;
    }
}

TEST(BuiltinArt, ButtonPiecesAreDrawnInShadesOfRed) {
    for (const char* shape : {"R", "Q"})
        for (int height : {29, 44, 59})
            for (const char* part : {"L", "R", "2"}) {
                const QString name = QStringLiteral("%1%2_%3").arg(shape).arg(height).arg(part);
                const QImage piece = art(name);
                int bad = 0, opaque = 0;
                for (int y = 0; y < piece.height(); ++y)
                    for (int x = 0; x < piece.width(); ++x) {
                        const QRgb c = piece.pixel(x, y);
                        if (qAlpha(c) == 0) continue;
                        ++opaque;
                        const int r = qRed(c), g = qGreen(c), b = qBlue(c);
                        const double fromRed = std::hypot(r - 255.0, g, b);
                        bad += g != b || g > r || (shape[0] == 'Q' && fromRed >= 180);
                    }
                EXPECT_EQ(bad, 0) << qPrintable(name);
                EXPECT_GT(opaque, piece.width() * piece.height() * 3 / 4) << qPrintable(name);
            }
    // The ends are mirror images, rounded at the outer side only.
    const QImage left = art("R29_L"), right = art("R29_R");
    EXPECT_EQ(left.mirrored(true, false), right);
    EXPECT_LT(qAlpha(left.pixel(0, 0)), 64);
    EXPECT_EQ(qAlpha(left.pixel(7, 0)), 255);
    EXPECT_EQ(qAlpha(left.pixel(0, 14)), 255);
}

}  // namespace
}  // namespace tavik::art::test
