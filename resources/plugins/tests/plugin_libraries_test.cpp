// The plug-in libraries as the build makes them: every picture the game asks for, at
// its size, in the library that must hold it; faces that come back whole from their
// inversion; styles that really look different; the licence record of each library.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QResource>
#include <QTemporaryDir>
#include <map>

#include "tools/art/card_face.h"
#include "tools/plugins/face_styles.h"
#include "tools/plugins/graphics_library.h"
#include "tools/plugins/svg_deck.h"
#include "ui/layout/layout.h"
#include "ui/pictures/art_names.h"
#include "ui/pictures/card_art.h"
#include "ui/pictures/plugin_licence.h"

namespace tavik::ui {
namespace {

using plugins::StyleDeck;

QApplication& app() {
    static int argc = 1;
    static char name[] = "plugin_libraries_tests";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication* instance = new QApplication(argc, argv);
    return *instance;
}

// The built libraries, each mounted under /lib/<name> for the whole test.
class Libraries : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        app();
        for (ArtLibrary lib : {ArtLibrary::CardsA, ArtLibrary::CardsB, ArtLibrary::CardsC,
                               ArtLibrary::BackG, ArtLibrary::CGraph})
            ASSERT_TRUE(QResource::registerResource(file(lib), root(lib)))
                << file(lib).toStdString();
    }
    static QString file(ArtLibrary lib) {
        return QDir(TAVIK_PLUGIN_DIR).filePath(LibraryFileName(lib));
    }
    static QString root(ArtLibrary lib) {
        return QStringLiteral("/lib/") + QString::fromStdString(LibraryName(lib));
    }
    // The picture of a library, null when it has none.
    static QImage picture(ArtLibrary lib, const std::string& name, const char* kind = ".png") {
        const QString path =
            QStringLiteral(":") + root(lib) + "/" + QString::fromStdString(name) + kind;
        return QFileInfo::exists(path) ? QImage(path) : QImage();
    }
    // True when the style is drawn from a deck this machine lacks: it is left out.
    static bool deckMissing(int style) {
        const auto deck = StyleDeck(style);
        return deck && !plugins::SvgDeck(deck->file).isValid();
    }
};

TEST_F(Libraries, EveryFaceStyleHasAllItsFacesAndSymbolsAtTheirSizes) {
    int complete = 0;
    for (int style = 1; style < kFaceStyles; ++style) {
        SCOPED_TRACE(style);
        const ArtLibrary lib = FaceLibrary(style);
        const bool missing = deckMissing(style);
        const QSize large = WideCardStyle(style) ? QSize(146, 198) : QSize(126, 198);
        for (int card = 1; card <= 36; ++card) {
            const QImage small = picture(lib, FaceName(style, card, false));
            const QImage big = picture(lib, FaceName(style, card, true));
            if (missing) {
                // Only the pictures under the style's own code are left out.
                if ((card - 1) / 4 + 1 >= 6 && (card - 1) / 4 + 1 <= 8) EXPECT_TRUE(big.isNull());
                continue;
            }
            EXPECT_EQ(small.size(), QSize(69, 94)) << FaceName(style, card, false);
            EXPECT_EQ(big.size(), large) << FaceName(style, card, true);
        }
        for (int suit = 1; suit <= 4; ++suit) {
            EXPECT_EQ(picture(lib, SuitSymbolName(style, suit, false)).size(), QSize(20, 20));
            EXPECT_EQ(picture(lib, SuitSymbolName(style, suit, true)).size(), QSize(40, 40));
        }
        complete += missing ? 0 : 1;
    }
    // With Debian's decks installed (the set-up does it) every style is there.
    if (QFileInfo::exists(QStringLiteral("/usr/share/carddecks/svg-standard/standard.svgz")))
        EXPECT_EQ(complete, kFaceStyles - 1);
}

TEST_F(Libraries, LibraryBHoldsEveryBackStyleAndTheNarrowBuiltInBacks) {
    for (int style = 0; style < kBackStyles; ++style) {
        SCOPED_TRACE(style);
        for (int i = 1; i <= BackCount(style); ++i) {
            struct Form {
                bool across, large, wide;
                QSize size;
            } forms[] = {{false, false, true, {69, 94}},   {true, false, true, {94, 69}},
                         {false, true, true, {146, 198}},  {true, true, true, {198, 146}},
                         {false, true, false, {126, 198}}, {true, true, false, {198, 126}}};
            for (const Form& f : forms) {
                if (BuiltinBacks(style, !f.large, f.wide)) continue;
                const std::string name = BackName(style, i, f.across, f.large, f.wide);
                EXPECT_EQ(picture(ArtLibrary::CardsB, name).size(), f.size) << name;
            }
        }
    }
    EXPECT_TRUE(picture(ArtLibrary::CardsB, "Ob01Mo").isNull());  // the program's own
}

TEST_F(Libraries, BackgroundsInEveryPatternAndTint) {
    for (int pattern = 1; pattern <= 10; ++pattern)
        for (int tint = 0; tint <= 6; ++tint) {
            for (bool large : {false, true}) {
                const std::string name = BackgroundName(pattern, tint, large);
                const QImage fon = picture(ArtLibrary::BackG, name, ".jpg");
                if (BuiltinBackground(pattern, tint))
                    EXPECT_TRUE(fon.isNull()) << name;
                else
                    EXPECT_EQ(fon.size(), large ? QSize(1920, 922) : QSize(760, 500)) << name;
            }
        }
    // Tints colour the same pattern: green, then red.
    const QImage green = picture(ArtLibrary::BackG, "Fon05Gr", ".jpg");
    const QImage red = picture(ArtLibrary::BackG, "Fon05Re", ".jpg");
    const QRgb g = green.pixel(380, 250), r = red.pixel(380, 250);
    EXPECT_GT(qGreen(g), qRed(g) + 40);
    EXPECT_GT(qRed(r), qGreen(r) + 40);
}

TEST_F(Libraries, GraphicsLibraryHoldsThePurpleDesign) {
    const ArtLibrary g = ArtLibrary::CGraph;
    for (const plugins::PurpleDialog& d : plugins::kPurpleDialogs) {
        EXPECT_EQ(picture(g, d.name, ".jpg").size(), d.size) << d.name;
        for (const char* language : plugins::kTitleLanguages) {
            const std::string title = std::string(d.name) + language;
            EXPECT_EQ(picture(g, title).size(), plugins::kTitleSize) << title;
        }
        EXPECT_TRUE(picture(g, std::string(d.name) + "Jap").isNull());
    }
    for (const char* emblem : plugins::kPurpleEmblems)
        EXPECT_EQ(picture(g, emblem).size(), plugins::kEmblemSize) << emblem;
    for (const char* icon : plugins::kPurpleIcons)
        EXPECT_EQ(picture(g, icon).size(), QSize(48 * plugins::kIconFrames, 48)) << icon;
    for (char letter = 'A'; letter <= 'G'; ++letter) {
        const std::string gif = std::string("Gif") + letter;
        EXPECT_EQ(picture(g, gif, ".gif").size(), plugins::kGifSize) << gif;
    }
    EXPECT_EQ(picture(g, kThemeBackground, ".jpg").size(), QSize(1920, 922));

    // The click effect: thirty 100 x 100 frames of sparks that fade out.
    const QImage strip = picture(g, "GTouch");
    ASSERT_EQ(strip.size(), QSize(3000, 100));
    auto alphaSum = [&](int frame) {
        long sum = 0;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x) sum += qAlpha(strip.pixel(frame * 100 + x, y));
        return sum;
    };
    EXPECT_GT(alphaSum(2), 0);
    EXPECT_GT(alphaSum(5), 4 * alphaSum(29));
}

// The face the game shows: loaded through the game's own loader from the real library.
QImage shownFace(int style, Card card, int windowSize) {
    config::Settings settings;
    settings.deckStyle = style;
    Display display = MakeDisplay(windowSize, 0, 0, style);
    CardArt art;
    QStringList notices;
    ArtLoader loader(display, settings, art, PluginFolders{{TAVIK_PLUGIN_DIR}},
                     [&](const QString& f) { notices << f; });
    EXPECT_TRUE(loader.LoadCardFaces()) << style;
    EXPECT_TRUE(notices.isEmpty());
    return windowSize == 1 ? art.smallFace(card) : art.largeFace(card);
}

TEST_F(Libraries, FacesAreShownUninvertedExactlyAsDrawn) {
    const Card king(8, kHearts);
    // Our own style: the very pixels of the drawing.
    const QImage own = shownFace(2, king, 5).convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(own, art::drawLargeFace(king.number(), plugins::StyleLook(2)));
    // A deck style: the deck's own rendering, probed inside the inverted ellipse.
    const auto deck = StyleDeck(8);
    if (!deck || deckMissing(8)) GTEST_SKIP() << "the Debian card decks are not installed";
    const plugins::SvgDeck svg(deck->file);
    const QImage drawn = svg.face(king.number(), QSize(69, 94), true);
    const QImage shown = shownFace(8, king, 1);
    for (const QPoint at : {QPoint(34, 47), QPoint(20, 30), QPoint(50, 70), QPoint(3, 3)})
        EXPECT_EQ(shown.pixel(at), drawn.pixel(at)) << at.x() << "," << at.y();
}

TEST_F(Libraries, DistinctStylesLookDifferent) {
    // The queen of spades of a dozen styles, own and from decks: every pair differs in a
    // good share of its pixels.
    const int styles[] = {1, 2, 4, 5, 16, 26, 33, 45, 3, 8, 12, 14, 29, 40, 41, 47};
    std::map<int, QImage> faces;
    for (int style : styles)
        if (!deckMissing(style))
            faces[style] = picture(FaceLibrary(style), FaceName(style, 27, false));
    ASSERT_GE(faces.size(), 8u);
    for (auto a = faces.begin(); a != faces.end(); ++a)
        for (auto b = std::next(a); b != faces.end(); ++b) {
            int differ = 0;
            for (int y = 0; y < 94; ++y)
                for (int x = 0; x < 69; ++x) {
                    const QRgb p = a->second.pixel(x, y), q = b->second.pixel(x, y);
                    differ += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                                  std::abs(qBlue(p) - qBlue(q)) >
                              60;
                }
            EXPECT_GT(differ, 69 * 94 / 20) << a->first << " and " << b->first;
        }
}

TEST_F(Libraries, EachLibraryCarriesItsLicenceRecord) {
    for (ArtLibrary lib : {ArtLibrary::CardsA, ArtLibrary::CardsB, ArtLibrary::CardsC,
                           ArtLibrary::BackG, ArtLibrary::CGraph}) {
        const auto licence = ReadLibraryLicence(PluginFolders{{TAVIK_PLUGIN_DIR}}, lib);
        ASSERT_TRUE(licence.has_value()) << LibraryName(lib);
        EXPECT_TRUE(
            licence->text.startsWith("Library: " + QString::fromStdString(LibraryName(lib))));
        for (const DeckCredit& deck : licence->decks) {
            EXPECT_EQ(FaceLibrary(deck.style), lib);
            EXPECT_EQ(deck.code.toStdString(), FaceStyleCodes(deck.style).own);
            EXPECT_FALSE(deck.licence.isEmpty()) << deck.style;
            EXPECT_FALSE(deck.copyright.isEmpty()) << deck.style;
            EXPECT_EQ(deck.package, StyleDeck(deck.style)->package);
        }
        int installed = 0;
        for (int style = 1; style < kFaceStyles; ++style)
            installed += FaceLibrary(style) == lib && StyleDeck(style) && !deckMissing(style);
        EXPECT_EQ(static_cast<int>(licence->decks.size()), installed);
    }
    const auto c = ReadLibraryLicence(PluginFolders{{TAVIK_PLUGIN_DIR}}, ArtLibrary::CardsC);
    for (const DeckCredit& deck : c->decks)
        if (deck.style == 46) EXPECT_EQ(deck.licence, "LGPL-2+");  // its own paragraph
}

TEST(PluginGenerator, WithoutTheDecksTheirStylesAreLeftOutAndTheBuildGoesOn) {
    QTemporaryDir out, emptyRoot;
    QProcess tool;
    tool.start(TAVIK_PLUGINGEN,
               {"--library", "QorCards06C", "--out", out.path(), "--deck-root", emptyRoot.path()});
    ASSERT_TRUE(tool.waitForFinished(60000));
    EXPECT_EQ(tool.exitCode(), 0);
    EXPECT_TRUE(tool.readAllStandardError().contains("face style 41 \"Mus\""));
    QFile qrc(QDir(out.path()).filePath("QorCards06C.qrc"));
    ASSERT_TRUE(qrc.open(QIODevice::ReadOnly));
    const QByteArray listed = qrc.readAll();
    EXPECT_TRUE(listed.contains("\"Pi4KChiB.png\""));  // style 45, our own drawing
    EXPECT_FALSE(listed.contains("Mus.png"));
    EXPECT_TRUE(listed.contains("\"licence.txt\""));
}

}  // namespace
}  // namespace tavik::ui
