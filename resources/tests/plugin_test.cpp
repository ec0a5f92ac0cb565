// The test plug-in library QorCards06A.rcc: face style 1 "Med" as a plug-in
// delivers it, with the ellipse of every face inverted.
#include <QDirIterator>
#include <QFileInfo>
#include <QResource>

#include "resources/art_common/face_inversion.h"
#include "resources/tests/art_test_support.h"

namespace tavik::art::test {
namespace {

const QString kRoot = QStringLiteral("/QorCards06A");

class TestPlugin : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(QFileInfo::exists(TAVIK_TEST_PLUGIN)) << TAVIK_TEST_PLUGIN;
        ASSERT_TRUE(QResource::registerResource(TAVIK_TEST_PLUGIN, kRoot));
    }
    void TearDown() override { QResource::unregisterResource(TAVIK_TEST_PLUGIN, kRoot); }

    static QImage picture(const QString& name) {
        return QImage(QStringLiteral(":") + kRoot + "/" + name + ".png");
    }
};

TEST_F(TestPlugin, HoldsTheStyleFacesAndSuitSymbolsAtTheirSizes) {
    int pictures = 0;
    for (QDirIterator it(":" + kRoot, QDir::Files); it.hasNext(); it.next()) ++pictures;
    EXPECT_EQ(pictures, 36 * 2 + 4 * 2);
    for (int card = 1; card <= 36; ++card) {
        EXPECT_EQ(picture(cardCode(card) + "Med").size(), QSize(69, 94)) << card;
        EXPECT_EQ(picture(cardCode(card) + "MedB").size(), QSize(146, 198)) << card;
    }
    for (const char* suit : {"Cher", "Bubi", "Kres", "Piki"}) {
        EXPECT_EQ(picture(QString::fromLatin1(suit) + "Med").size(), QSize(20, 20)) << suit;
        EXPECT_EQ(picture(QString::fromLatin1(suit) + "MedB").size(), QSize(40, 40)) << suit;
    }
}

TEST_F(TestPlugin, FacesAreDeliveredInvertedAndTheSharedInversionRestoresThem) {
    struct Case {
        QString name;
        bool large;
    };
    for (const Case& c : {Case{"Ch10Med", false}, Case{"Bu08MedB", true}}) {
        QImage face = picture(c.name);
        ASSERT_FALSE(face.isNull()) << qPrintable(c.name);
        // Delivered: the pips inside the ellipse show as the complement of red.
        EXPECT_GT(countPixels(face, isCyanInk), 100) << qPrintable(c.name);
        const QPoint middle(face.width() / 2, face.height() / 2);
        const QRgb dark = face.pixel(middle);
        EXPECT_LT(qRed(dark) + qGreen(dark) + qBlue(dark), 120) << qPrintable(c.name);

        invertFaceEllipse(face, faceInversionBox(c.large, true));
        EXPECT_EQ(countPixels(face, isCyanInk), 0) << qPrintable(c.name);
        EXPECT_GT(countPixels(face, isRedInk), face.width() * face.height() / 20)
            << qPrintable(c.name);
        const QRgb paper = face.pixel(middle);
        EXPECT_GT(qRed(paper) + qGreen(paper) + qBlue(paper), 600) << qPrintable(c.name);
    }
}

}  // namespace
}  // namespace tavik::art::test
