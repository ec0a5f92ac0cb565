#include "ui/pictures/program_pictures.h"

#include <gtest/gtest.h>

#include "ui/testing/ui_test_support.h"

namespace tavik::ui {
namespace {

class ProgramPictures : public ::testing::Test {
  protected:
    void SetUp() override { test::App(); }
};

// Every kind of picture the program carries is found under its bare name, whatever
// its file kind; a name it does not carry gives nothing.
TEST_F(ProgramPictures, FoundByNameWhateverTheirKind) {
    struct Case {
        const char* name;
        QSize size;
        const char* suffix;
    } cases[] = {
        {"Ch06", {69, 94}, ".png"},       {"Pi5AB", {146, 198}, ".png"},
        {"FonG", {760, 500}, ".jpg"},     {"FonGB", {1920, 922}, ".jpg"},
        {"GKonGood", {120, 120}, ".gif"}, {"GMedal", {80, 110}, ".png"},
    };
    for (const Case& c : cases) {
        const QString name = QLatin1String(c.name);
        EXPECT_TRUE(ProgramPicturePath(name).endsWith(QLatin1String(c.suffix))) << c.name;
        EXPECT_EQ(ProgramPicture(name).size(), c.size) << c.name;
    }
    for (const char* missing : {"GifA", "Ch06Med", "BGLilu", ""}) {
        EXPECT_TRUE(ProgramPicturePath(QLatin1String(missing)).isEmpty()) << missing;
        EXPECT_TRUE(ProgramPicture(QLatin1String(missing)).isNull()) << missing;
        EXPECT_EQ(ProgramAnimation(QLatin1String(missing)), nullptr) << missing;
    }
}

TEST_F(ProgramPictures, AnimationsPlayAndStandStillOnAFrame) {
    const std::unique_ptr<QMovie> movie = ProgramAnimation(QStringLiteral("GKonGood"));
    ASSERT_NE(movie, nullptr);
    ShowStillFrame(*movie, 9);
    EXPECT_EQ(movie->currentFrameNumber(), 9);
    EXPECT_GT(movie->frameCount(), 9);
    ShowStillFrame(*movie, 1000);  // past the end: the last frame
    EXPECT_EQ(movie->currentFrameNumber(), movie->frameCount() - 1);
    // The still picture is the first frame.
    ShowStillFrame(*movie, 0);
    EXPECT_EQ(ProgramPicture(QStringLiteral("GKonGood")).convertToFormat(QImage::Format_ARGB32),
              movie->currentImage().convertToFormat(QImage::Format_ARGB32));
}

// A picture is made once for its key and then handed out as kept, also to the
// program's own lookup; another key makes its own.
TEST_F(ProgramPictures, StoreMakesEachPictureOnce) {
    int made = 0;
    auto make = [&made] {
        ++made;
        QImage picture(4, 3, QImage::Format_ARGB32);
        picture.fill(Qt::red);
        return picture;
    };
    const QImage first = CachedPicture(QStringLiteral("test/red"), make);
    const QImage second = CachedPicture(QStringLiteral("test/red"), make);
    EXPECT_EQ(made, 1);
    EXPECT_EQ(first, second);
    EXPECT_EQ(first.cacheKey(), second.cacheKey());
    CachedPicture(QStringLiteral("test/red2"), make);
    EXPECT_EQ(made, 2);

    const QImage a = ProgramPicture(QStringLiteral("GTimerR"));
    EXPECT_EQ(a.cacheKey(), ProgramPicture(QStringLiteral("GTimerR")).cacheKey())
        << "read once and kept";
}

}  // namespace
}  // namespace tavik::ui
