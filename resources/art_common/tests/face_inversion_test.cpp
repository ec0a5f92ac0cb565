#include "resources/art_common/face_inversion.h"

#include <gtest/gtest.h>

#include <QImage>

namespace tavik::art {
namespace {

TEST(FaceInversion, BoxesOfTheThreeFaceSizes) {
    EXPECT_EQ(faceInversionBox(false, true), QRect(QPoint(10, 10), QPoint(59, 84)));
    EXPECT_EQ(faceInversionBox(false, false), QRect(QPoint(10, 10), QPoint(59, 84)));
    EXPECT_EQ(faceInversionBox(true, true), QRect(QPoint(10, 10), QPoint(136, 188)));
    EXPECT_EQ(faceInversionBox(true, false), QRect(QPoint(10, 10), QPoint(116, 188)));
}

TEST(FaceInversion, EllipseReachesTheEdgesOfItsBoxButNotTheCorners) {
    const QRect box = faceInversionBox(false, true);
    struct Case {
        int x, y;
        bool inside;
    };
    const Case cases[] = {
        {10, 47, true},  {9, 47, false},  {59, 47, true}, {60, 47, false},
        {34, 10, true},  {34, 9, false},  {34, 84, true}, {34, 85, false},
        {10, 10, false}, {59, 84, false}, {34, 47, true}, {14, 20, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(insideInversionEllipse(box, c.x, c.y), c.inside) << c.x << "," << c.y;
}

TEST(FaceInversion, ComplementsColoursInsideKeepsAlphaAndIsItsOwnInverse) {
    QImage face(69, 94, QImage::Format_ARGB32);
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x)
            face.setPixel(x, y, qRgba(x * 3, y * 2, (x + y) % 256, 100 + x));
    const QImage original = face;
    const QRect box = faceInversionBox(false, true);
    invertFaceEllipse(face, box);

    EXPECT_EQ(face.pixel(34, 47), qRgba(255 - 34 * 3, 255 - 47 * 2, 255 - 81, 134));
    EXPECT_EQ(face.pixel(3, 47), original.pixel(3, 47));
    EXPECT_EQ(face.pixel(10, 10), original.pixel(10, 10));
    int changed = 0;
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x) {
            const bool inside = insideInversionEllipse(box, x, y);
            EXPECT_EQ(face.pixel(x, y) != original.pixel(x, y), inside) << x << "," << y;
            changed += inside;
        }
    // Close to the ellipse's area, pi x 25 x 37.5.
    EXPECT_NEAR(changed, 2945, 40);

    invertFaceEllipse(face, box);
    EXPECT_EQ(face, original);
}

TEST(FaceInversion, OpaquePicturesStayOpaque) {
    QImage face(146, 198, QImage::Format_RGB888);
    face.fill(QColor(250, 240, 220));
    invertFaceEllipse(face, faceInversionBox(true, true));
    EXPECT_FALSE(face.hasAlphaChannel());
    EXPECT_EQ(face.pixel(73, 99), qRgb(5, 15, 35));
    EXPECT_EQ(face.pixel(2, 2), qRgb(250, 240, 220));
}

}  // namespace
}  // namespace tavik::art
