// Loading the card art from the program and from the test plug-in library
// QorCards06A.rcc (face style 1 "Med", delivered with the face ellipse inverted).
#include "ui/pictures/card_art.h"

#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>

#include "ui/testing/ui_test_support.h"

namespace tavik::ui {
namespace {

bool redInk(QRgb c) {
    return qAlpha(c) > 128 && qRed(c) > 150 && qGreen(c) < 70 && qBlue(c) < 70;
}
bool cyanInk(QRgb c) {
    return qAlpha(c) > 128 && qRed(c) < 105 && qGreen(c) > 185 && qBlue(c) > 185;
}

int count(const QImage& image, bool (*test)(QRgb)) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += test(image.pixel(x, y)) ? 1 : 0;
    return n;
}

QString pluginFolder() {
    return QFileInfo(QStringLiteral(TAVIK_TEST_PLUGIN)).absolutePath();
}

class CardArtTest : public ::testing::Test {
  protected:
    void SetUp() override { test::App(); }

    // A loader for the window size; plug-ins are found only in the given folders.
    ArtLoader loader(int windowSize, QStringList folders = {}) {
        display = MakeDisplay(windowSize, 0, 0, settings.deckStyle);
        return ArtLoader(display, settings, art, PluginFolders{folders},
                         [this](const QString& file) { notices << file; });
    }

    Display display;
    config::Settings settings;
    CardArt art;
    QStringList notices;
};

TEST_F(CardArtTest, BuiltInFacesBacksAndSymbolsAtEverySize) {
    struct Case {
        int windowSize;
        QSize face, back, across, suit;
    } cases[] = {
        {1, {69, 94}, {69, 94}, {94, 69}, {20, 20}},
        {3, {146, 198}, {146, 198}, {198, 146}, {40, 40}},
        {5, {146, 198}, {146, 198}, {198, 146}, {40, 40}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.windowSize);
        art = CardArt();
        ArtLoader l = loader(c.windowSize);
        ASSERT_TRUE(l.LoadCardFaces());
        const bool small = c.windowSize == 1;
        for (int n = 1; n <= 36; ++n) {
            const QImage& face =
                small ? art.smallFace(Card::fromNumber(n)) : art.largeFace(Card::fromNumber(n));
            EXPECT_EQ(face.size(), c.face) << n;
        }
        EXPECT_EQ(art.backCount, 7);
        for (int i = 1; i <= 7; ++i) {
            art.backIndex = i;
            EXPECT_EQ((small ? art.smallBack() : art.largeBack()).size(), c.back) << i;
            EXPECT_EQ((small ? art.smallBackAcross() : art.largeBackAcross()).size(), c.across)
                << i;
        }
        EXPECT_EQ(art.suitSymbol(kSpades, !small).size(), c.suit);
        EXPECT_TRUE(notices.isEmpty());
    }
}

TEST_F(CardArtTest, PluginFacesComeBackFromTheirInversion) {
    settings.deckStyle = 1;
    for (int windowSize : {1, 5}) {
        SCOPED_TRACE(windowSize);
        ArtLoader l = loader(windowSize, {pluginFolder()});
        ASSERT_TRUE(l.LoadCardFaces());
        EXPECT_EQ(settings.deckStyle, 1);
        const bool small = windowSize == 1;
        const QImage face =
            small ? art.smallFace(Card(5, kHearts)) : art.largeFace(Card(3, kDiamonds));
        EXPECT_EQ(face.size(), small ? QSize(69, 94) : QSize(146, 198));
        // Restored: red pips on white paper, no complement of red left anywhere.
        EXPECT_EQ(count(face, cyanInk), 0);
        EXPECT_GT(count(face, redInk), face.width() * face.height() / 20);
        const QRgb paper = face.pixel(face.width() / 2, face.height() / 2);
        EXPECT_GT(qRed(paper) + qGreen(paper) + qBlue(paper), 600);
        EXPECT_EQ(art.suitSymbol(kHearts, false).size(), QSize(20, 20));
        EXPECT_EQ(art.suitSymbol(kHearts, true).size(), QSize(40, 40));
        test::SaveRender(face, QStringLiteral("plugin-face-size%1").arg(windowSize));
    }
    EXPECT_TRUE(notices.isEmpty());
    // The library is released after loading.
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral(":/plugin/QorCards06A/Ch06Med.png")));
}

TEST_F(CardArtTest, MissingFaceLibraryFallsBackToTheBuiltInStyle) {
    settings.deckStyle = 5;  // library A, not installed here
    ArtLoader l = loader(1);
    EXPECT_FALSE(l.LoadCardFaces());
    EXPECT_EQ(notices, QStringList{"QorCards06A.rcc"});
    EXPECT_EQ(settings.deckStyle, 0);
    EXPECT_EQ(art.smallFace(Card(9, kSpades)).size(), QSize(69, 94));
    EXPECT_EQ(art.smallBack().size(), QSize(69, 94));  // the backs were loaded again

    notices.clear();
    settings.deckStyle = 44;
    ArtLoader c = loader(3);
    EXPECT_FALSE(c.LoadCardFaces());
    EXPECT_EQ(notices, QStringList{"QorCards06C.rcc"});
    EXPECT_EQ(art.largeFace(Card(1, kHearts)).size(), QSize(146, 198));
}

TEST_F(CardArtTest, MissingBackLibrary) {
    // A back style of library B: notice, back style 0, built-in backs.
    settings.backStyle = 9;
    ArtLoader l = loader(1);
    EXPECT_FALSE(l.LoadCardBacks());
    EXPECT_EQ(notices, QStringList{"QorCards06B.rcc"});
    EXPECT_EQ(settings.backStyle, 0);
    EXPECT_EQ(art.backCount, 7);
    EXPECT_EQ(art.smallBack().size(), QSize(69, 94));

    // Narrow large backs exist only in library B: the faces go back to style 0 too.
    notices.clear();
    settings.deckStyle = 33;
    ArtLoader narrow = loader(3);
    ASSERT_FALSE(display.wideCards);
    EXPECT_FALSE(narrow.LoadCardBacks());
    EXPECT_EQ(notices, QStringList{"QorCards06B.rcc"});
    EXPECT_EQ(settings.deckStyle, 0);
    EXPECT_TRUE(display.wideCards);
    EXPECT_EQ(display.cardWidth, 92);
    EXPECT_EQ(art.largeBack().size(), QSize(146, 198));
}

TEST_F(CardArtTest, TableBackgrounds) {
    // Pattern 2 with tint 0 is built in and needs no library.
    ArtLoader small = loader(1);
    EXPECT_TRUE(small.LoadTableBackground(false));
    EXPECT_EQ(art.background.size(), QSize(760, 500));
    ArtLoader medium = loader(3);
    EXPECT_TRUE(medium.LoadTableBackground(false));
    EXPECT_EQ(art.background.size(), QSize(990, 650));  // FonGB resized to the client area
    EXPECT_TRUE(notices.isEmpty());

    // Another pattern needs the background library.
    settings.backgroundPattern = 5;
    settings.backgroundTint = 1;
    EXPECT_FALSE(medium.LoadTableBackground(false));
    EXPECT_EQ(notices, QStringList{"QorBackG03.rcc"});
    EXPECT_EQ(settings.backgroundPattern, 2);
    EXPECT_EQ(settings.backgroundTint, 0);
    EXPECT_EQ(art.background.size(), QSize(990, 650));

    // The theme without its graphics library: plain designs, the ordinary background.
    notices.clear();
    settings.menuDesign = settings.tableDesign = 1;
    settings.auxDesignPurple = true;
    ArtLoader themed = loader(1);
    EXPECT_FALSE(themed.LoadTableBackground(true));
    EXPECT_EQ(notices, QStringList{"QorCGraph1.rcc"});
    EXPECT_EQ(settings.menuDesign, 0);
    EXPECT_EQ(settings.tableDesign, 0);
    EXPECT_FALSE(settings.auxDesignPurple);
    EXPECT_EQ(art.background.size(), QSize(760, 500));

    // Pattern 0: no picture at all.
    settings.backgroundPattern = 0;
    EXPECT_TRUE(themed.LoadTableBackground(false));
    EXPECT_TRUE(art.background.isNull());
}

TEST(AttentionNotice, NamesTheMissingFileInTheLanguage) {
    test::App();
    config::Settings settings;
    settings.language = 1;
    QString title, text;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        box->accept();
    });
    AttentionNotice(settings)("QorCards06B.rcc");
    EXPECT_EQ(title, "Attention");
    EXPECT_EQ(text, QString::fromUtf8("Не могу найти файл QorCards06B.rcc"));
}

TEST(PluginFolders, ProgramFolderFirstThenItsParent) {
    test::App();
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString program = root.filePath("Tavik2");
    ASSERT_TRUE(QDir().mkpath(program));
    const PluginFolders folders = DefaultPluginFolders(program);
    ASSERT_GE(folders.folders.size(), 2);
    EXPECT_EQ(folders.folders[0], QDir(program).absolutePath());
    EXPECT_EQ(folders.folders[1], QDir(root.path()).absolutePath());

    EXPECT_TRUE(FindLibraryFile(folders, ArtLibrary::CardsA).isEmpty());
    ASSERT_TRUE(QFile::copy(TAVIK_TEST_PLUGIN, root.filePath("QorCards06A.rcc")));
    EXPECT_EQ(FindLibraryFile(folders, ArtLibrary::CardsA), root.filePath("QorCards06A.rcc"));
    ASSERT_TRUE(QFile::copy(TAVIK_TEST_PLUGIN, program + "/QorCards06A.rcc"));
    EXPECT_EQ(FindLibraryFile(folders, ArtLibrary::CardsA), program + "/QorCards06A.rcc");

    // A library that is not a resource file cannot be opened.
    QFile junk(root.filePath("QorCards06C.rcc"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a resource file");
    junk.close();
    PictureSource source;
    EXPECT_FALSE(source.open(folders, ArtLibrary::CardsC));
}

}  // namespace
}  // namespace tavik::ui
