#include "ui/button/qor_cards_button.h"

#include <QEnterEvent>
#include <QtTest/QTest>

#include "resources/art_common/button_gradients.h"
#include "ui/testing/ui_test_support.h"

namespace tavik::ui {
namespace {

using test::SameRgb;

QRgb rgb(Rgb c) {
    return qRgb(c.r, c.g, c.b);
}

int countColour(const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += qAlpha(image.pixel(x, y)) == 255 && SameRgb(image.pixel(x, y), colour) ? 1 : 0;
    return n;
}

class ButtonTest : public ::testing::Test {
  protected:
    void SetUp() override { button.resize(120, 30); }
    QApplication& app = test::App();  // before any widget
    TQorCardsButton button;
};

TEST_F(ButtonTest, NewButtonAndHeightChoices) {
    TQorCardsButton fresh;
    EXPECT_EQ(fresh.size(), QSize(100, 30));
    EXPECT_TRUE(fresh.Kontur());
    EXPECT_TRUE(fresh.Smooth());
    EXPECT_FALSE(fresh.Nolt());
    for (auto [choice, height] :
         {std::pair{THeightSB::D45, 45}, {THeightSB::D60, 60}, {THeightSB::D30, 30}}) {
        fresh.setHeightSB(choice);
        EXPECT_EQ(fresh.height(), height);
        EXPECT_EQ(fresh.width(), 100);
    }
}

TEST_F(ButtonTest, StandardHeightsPaintTheGradientRowsBetweenEndsOfTheBaseWidth) {
    struct Case {
        int height, endWidth;
        TColorSB colour;
        int light;
    } cases[] = {{30, 8, TColorSB::DRed, 0},
                 {45, 13, TColorSB::DRed, 0},
                 {60, 17, TColorSB::DRed, 0},
                 {30, 8, TColorSB::DNavy, 0},
                 {30, 8, TColorSB::DRed, 50}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.height << " colour " << int(c.colour) << " light " << c.light);
        button.resize(120, c.height);
        button.setColorSB(c.colour);
        button.setKLightSB(c.light);
        const QImage face = button.RenderFace({});
        test::SaveRender(
            face,
            QStringLiteral("button-h%1-c%2-k%3").arg(c.height).arg(int(c.colour)).arg(c.light));
        const auto rows = art::buttonGradient(c.height);
        ASSERT_EQ(static_cast<int>(rows.size()), c.height - 1);
        for (int y = 0; y < c.height - 1; ++y) {
            const QRgb want = rgb(TransformColour(rows[static_cast<std::size_t>(y)], c.colour,
                                                  c.light, PieceKind::Gradient));
            for (int x : {c.endWidth, 60, 120 - c.endWidth - 2})
                ASSERT_TRUE(SameRgb(face.pixel(x, y), want)) << "x " << x << " y " << y;
        }
        // The bottom row is not painted.
        for (int x = 0; x < 120; ++x) ASSERT_EQ(qAlpha(face.pixel(x, c.height - 1)), 0) << x;
        // The ends are the transformed pictures, q = e pixels wide.
        const QString size = c.height == 30 ? "29" : (c.height == 45 ? "44" : "59");
        const QImage left = TransformedPiece("R" + size + "_L", c.colour, c.light);
        const QImage right = TransformedPiece("R" + size + "_R", c.colour, c.light);
        ASSERT_EQ(left.size(), QSize(c.endWidth, c.height - 1));
        for (int y = 0; y < c.height - 1; ++y)
            for (int x = 0; x < c.endWidth; ++x) {
                if (qAlpha(left.pixel(x, y)) == 255) {
                    ASSERT_TRUE(SameRgb(face.pixel(x, y), left.pixel(x, y)));
                }
                if (qAlpha(right.pixel(x, y)) == 255) {
                    ASSERT_TRUE(
                        SameRgb(face.pixel(120 - c.endWidth - 1 + x, y), right.pixel(x, y)));
                }
            }
    }
}

TEST_F(ButtonTest, NavyAndLightenedBarsAgainstTheRedTable) {
    button.setColorSB(TColorSB::DNavy);
    EXPECT_TRUE(SameRgb(button.RenderFace({}).pixel(60, 3), qRgb(173, 173, 232)));
    button.setColorSB(TColorSB::DRed);
    button.setKLightSB(50);
    EXPECT_TRUE(SameRgb(button.RenderFace({}).pixel(60, 0), qRgb(192, 128, 128)));
}

TEST_F(ButtonTest, NonStandardHeightStretchesTheNextPieces) {
    button.resize(120, 36);
    const QImage face = button.RenderFace({});
    test::SaveRender(face, "button-h36");
    // End width nearest(13 x 36 / 45) = 10; the middle is the 44-high slice stretched to 35 rows.
    const QImage slice = TransformedPiece("R44_2", TColorSB::DRed, 0).scaled(100, 35);
    for (int y = 0; y < 35; ++y) {
        ASSERT_TRUE(SameRgb(face.pixel(60, y), slice.pixel(50, y))) << y;
        ASSERT_TRUE(SameRgb(face.pixel(10, y), slice.pixel(0, y))) << y;
    }
    const QImage left = TransformedPiece("R44_L", TColorSB::DRed, 0)
                            .scaled(10, 35, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_TRUE(SameRgb(face.pixel(9, 17), left.pixel(9, 17)));
    EXPECT_EQ(qAlpha(face.pixel(60, 35)), 0);
}

TEST_F(ButtonTest, PressedFaceAndCaptionMoveOnePixel) {
    button.setText("Start");
    button.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&button));
    const QImage up = button.grab().toImage();
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(60, 15));
    ASSERT_TRUE(button.isDown());
    const QImage down = button.grab().toImage();
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(60, 15));
    test::SaveRender(up, "button-up");
    test::SaveRender(down, "button-down");
    int differing = 0;
    for (int y = 0; y < 29; ++y)
        for (int x = 0; x < 119; ++x)
            ASSERT_TRUE(SameRgb(down.pixel(x + 1, y + 1), up.pixel(x, y))) << x << "," << y;
    for (int y = 0; y < 29; ++y) differing += SameRgb(down.pixel(60, y), up.pixel(60, y)) ? 0 : 1;
    EXPECT_GT(differing, 0);
}

TEST_F(ButtonTest, CaptionColoursDisabledAndMouseOver) {
    button.setText("Options");
    QFont font = button.font();
    font.setPixelSize(20);
    font.setBold(true);
    button.setFont(font);
    const QRgb grey = qRgb(192, 192, 192), black = qRgb(0, 0, 0), white = qRgb(255, 255, 255);
    EXPECT_GT(countColour(button.RenderFace({}), black), 10);

    button.setGrayDis(true);
    EXPECT_GT(countColour(button.RenderFace({false, true, false}), grey), 10);
    EXPECT_EQ(countColour(button.RenderFace({false, true, false}), black), 0);
    button.setGrayDis(false);
    EXPECT_EQ(countColour(button.RenderFace({false, true, false}), grey), 0);

    button.setLightFont(true);
    button.setColorMouse(Qt::white);
    EXPECT_EQ(countColour(button.RenderFace({}), white), 0);
    int entered = 0;
    QObject::connect(&button, &TQorCardsButton::mouseEntered, [&] { ++entered; });
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(&button, &enter);
    EXPECT_TRUE(button.MouseInPos());
    EXPECT_EQ(entered, 1);
    EXPECT_GT(countColour(button.RenderFace({}), white), 10);
    test::SaveRender(button.RenderFace({}), "button-mouse-over");
}

TEST_F(ButtonTest, FocusMarks) {
    button.setDefault(true);
    const QRgb pink = qRgb(255, 200, 200), yellow = qRgb(255, 255, 0);
    // Shape "R" at height 30: an outline inset 7 and 4 with 7 x 7 corners.
    QImage focused = button.RenderFace({false, false, true});
    test::SaveRender(focused, "button-focus-r");
    EXPECT_TRUE(SameRgb(focused.pixel(60, 4), pink));
    EXPECT_TRUE(SameRgb(focused.pixel(60, 25), pink));
    EXPECT_TRUE(SameRgb(focused.pixel(7, 15), pink));
    EXPECT_TRUE(SameRgb(focused.pixel(112, 15), pink));
    EXPECT_FALSE(SameRgb(button.RenderFace({}).pixel(60, 4), pink));
    // Pressed: the outline moves with the face.
    EXPECT_TRUE(SameRgb(button.RenderFace({true, false, true}).pixel(60, 5), pink));
    button.setKontur(false);
    EXPECT_FALSE(SameRgb(button.RenderFace({false, false, true}).pixel(60, 4), pink));
    button.setKontur(true);
    button.setDefault(false);
    EXPECT_FALSE(SameRgb(button.RenderFace({false, false, true}).pixel(60, 4), pink));

    // Shape "Q": two yellow dots of 4 pixels, 10 from the edges, centred vertically.
    button.setDefault(true);
    button.setNolt(true);
    focused = button.RenderFace({false, false, true});
    test::SaveRender(focused, "button-focus-q");
    EXPECT_EQ(countColour(focused.copy(8, 10, 8, 10), yellow),
              countColour(focused.copy(104, 10, 8, 10), yellow));
    EXPECT_TRUE(SameRgb(focused.pixel(11, 14), yellow));
    EXPECT_TRUE(SameRgb(focused.pixel(107, 14), yellow));
}

}  // namespace
}  // namespace tavik::ui
