// The deck tool on a tiny SVG deck written by the test: each card a coloured rectangle
// of half the height's width, under KDE's or AisleRiot's element names.
#include "tools/plugins/svg_deck.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

namespace tavik::plugins {
namespace {

const char* const kSuits[] = {"heart", "diamond", "club", "spade"};
const char* const kRanks[] = {"6", "7", "8", "9", "10", "jack", "queen", "king", "1"};

// The colour of card 1..36 in the fixture.
QColor cardColour(int card) {
    return QColor::fromHsv((card * 10) % 360, 255, 40 + card * 5);
}

// A deck of the 36 cards laid out in a row, each 50 x 100 with its own colour; the
// card `leaveOut` (0 for none) is missing.
QString writeDeck(const QTemporaryDir& dir, bool aisleriotNames, int leaveOut = 0) {
    QString svg = QStringLiteral(
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"1900\" height=\"120\">\n");
    for (int card = 1; card <= 36; ++card) {
        if (card == leaveOut) continue;
        const QString suit = QString::fromLatin1(kSuits[(card - 1) % 4]);
        const QString rank = QString::fromLatin1(kRanks[(card - 1) / 4]);
        const QString id = aisleriotNames ? suit + "_" + rank : rank + "_" + suit;
        svg += QStringLiteral(
                   "<g id=\"%1\" transform=\"translate(%2,10)\"><rect width=\"50\" "
                   "height=\"100\" fill=\"%3\"/></g>\n")
                   .arg(id)
                   .arg(card * 52)
                   .arg(cardColour(card).name());
    }
    svg += QStringLiteral("</svg>\n");
    const QString file = dir.filePath(aisleriotNames ? "aisleriot.svg" : "kde.svg");
    QFile out(file);
    EXPECT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(svg.toUtf8());
    return file;
}

bool near(QRgb pixel, const QColor& colour) {
    return std::abs(qRed(pixel) - colour.red()) <= 2 &&
           std::abs(qGreen(pixel) - colour.green()) <= 2 &&
           std::abs(qBlue(pixel) - colour.blue()) <= 2 && qAlpha(pixel) == 255;
}

class SvgDeckTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "plugingen_tests";
        static char* argv[] = {name, nullptr};
        qputenv("QT_QPA_PLATFORM", "offscreen");
        if (QGuiApplication::instance() == nullptr) new QGuiApplication(argc, argv);
    }
    QTemporaryDir dir;
};

TEST_F(SvgDeckTest, FindsEveryCardUnderEitherNamingAndDrawsItsOwnElement) {
    for (const bool aisleriot : {false, true}) {
        SCOPED_TRACE(aisleriot ? "aisleriot" : "kde");
        const SvgDeck deck(writeDeck(dir, aisleriot));
        ASSERT_TRUE(deck.isValid());
        EXPECT_EQ(deck.elementId(1), aisleriot ? "heart_6" : "6_heart");
        EXPECT_EQ(deck.elementId(36), aisleriot ? "spade_1" : "1_spade");
        EXPECT_EQ(deck.elementId(23), aisleriot ? "club_jack" : "jack_club");
        for (int card : {1, 2, 23, 36}) {
            // The small face is stretched over the whole opaque bitmap.
            const QImage small = deck.face(card, QSize(69, 94), true);
            EXPECT_EQ(small.size(), QSize(69, 94));
            EXPECT_FALSE(small.hasAlphaChannel());
            for (const QPoint at : {QPoint(1, 1), QPoint(34, 47), QPoint(67, 92)})
                EXPECT_TRUE(near(small.pixel(at), cardColour(card))) << card << " " << at.x();
        }
    }
}

TEST_F(SvgDeckTest, LargeFaceKeepsTheCardsProportionsOnATransparentGround) {
    const SvgDeck deck(writeDeck(dir, false));
    // A 50 x 100 card fills the full height of 146 x 198: 99 wide, centred.
    const QImage large = deck.face(5, QSize(146, 198), false);
    EXPECT_EQ(large.size(), QSize(146, 198));
    EXPECT_TRUE(near(large.pixel(73, 100), cardColour(5)));
    EXPECT_TRUE(near(large.pixel(30, 5), cardColour(5)));
    EXPECT_EQ(qAlpha(large.pixel(20, 100)), 0);
    EXPECT_EQ(qAlpha(large.pixel(125, 100)), 0);
}

TEST_F(SvgDeckTest, ADeckWithoutAllThirtySixCardsOrNoFileIsNotUsed) {
    EXPECT_FALSE(SvgDeck(writeDeck(dir, false, 17)).isValid());
    EXPECT_FALSE(SvgDeck(writeDeck(dir, true, 36)).isValid());
    const SvgDeck none(dir.filePath("missing.svgz"));
    EXPECT_FALSE(none.isValid());
    // An unusable deck draws nothing but its blank ground.
    EXPECT_TRUE(near(none.face(1, QSize(69, 94), true).pixel(30, 30), Qt::white));
}

}  // namespace
}  // namespace tavik::plugins
