// The GIF writer's files as Qt's own GIF reader decodes them.
#include "periphery/gif_writer.h"

#include <gif_lib.h>
#include <gtest/gtest.h>

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <cstring>
#include <filesystem>

namespace tavik::periphery {
namespace {

namespace fs = std::filesystem;

RgbaView viewOf(const QImage& image) {
    return {image.constBits(), image.width(), image.height(), int(image.bytesPerLine())};
}

std::vector<RgbaView> viewsOf(const std::vector<QImage>& images) {
    std::vector<RgbaView> views;
    for (const QImage& i : images) views.push_back(viewOf(i));
    return views;
}

// A small table: green cloth, a white card with a red mark, a dark frame; the card
// moves from frame to frame.
QImage tableFrame(int step) {
    QImage image(120, 80, QImage::Format_RGBA8888);
    image.fill(QColor(0, 128, 0));
    QPainter p(&image);
    p.fillRect(10 + 20 * step, 10, 30, 44, Qt::white);
    p.fillRect(15 + 20 * step, 15, 6, 6, QColor(200, 0, 0));
    p.setPen(QColor(20, 20, 60));
    p.drawRect(0, 0, 119, 79);
    return image;
}

struct Decoded {
    std::vector<QImage> frames;
    std::vector<int> delays;
};

Decoded decode(const std::string& bytes) {
    QByteArray data(bytes.data(), qsizetype(bytes.size()));
    QBuffer buffer(&data);
    QImageReader reader(&buffer, "gif");
    Decoded d;
    for (;;) {
        QImage frame = reader.read();
        if (frame.isNull()) break;
        d.frames.push_back(frame.convertToFormat(QImage::Format_RGBA8888));
        d.delays.push_back(reader.nextImageDelay());
    }
    return d;
}

int largestChannelError(const QImage& a, const QImage& b) {
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor ca = a.pixelColor(x, y), cb = b.pixelColor(x, y);
            worst = std::max({worst, std::abs(ca.red() - cb.red()),
                              std::abs(ca.green() - cb.green()), std::abs(ca.blue() - cb.blue())});
        }
    return worst;
}

TEST(GifWriter, FlatTableFramesDecodeExactlyWithTheirCountAndDelay) {
    const std::vector<QImage> frames{tableFrame(0), tableFrame(1), tableFrame(2), tableFrame(3)};
    const auto bytes = EncodeAnimatedGif(viewsOf(frames), 700);
    ASSERT_TRUE(bytes.ok()) << bytes.error().message;
    const Decoded d = decode(*bytes);
    ASSERT_EQ(d.frames.size(), frames.size());
    for (std::size_t i = 0; i < frames.size(); ++i) {
        EXPECT_EQ(d.delays[i], 700) << "frame " << i;
        // Few colours: every pixel comes back as it was, no dithering.
        EXPECT_EQ(d.frames[i], frames[i]) << "frame " << i;
    }
}

// The delay of each frame in hundredths of a second, as the file stores it.
std::vector<int> StoredDelays(const std::string& bytes) {
    struct Source {
        const std::string& bytes;
        std::size_t at = 0;
    } source{bytes};
    auto read = [](GifFileType* gif, GifByteType* out, int n) {
        auto* s = static_cast<Source*>(gif->UserData);
        const int left = int(s->bytes.size() - s->at), count = std::min(n, left);
        std::memcpy(out, s->bytes.data() + s->at, std::size_t(count));
        s->at += std::size_t(count);
        return count;
    };
    int error = 0;
    GifFileType* gif = DGifOpen(&source, read, &error);
    std::vector<int> delays;
    if (gif == nullptr || DGifSlurp(gif) != GIF_OK) return delays;
    for (int i = 0; i < gif->ImageCount; ++i) {
        GraphicsControlBlock control{};
        DGifSavedExtensionToGCB(gif, i, &control);
        delays.push_back(control.DelayTime);
    }
    DGifCloseFile(gif, &error);
    return delays;
}

TEST(GifWriter, DelayIsRoundedToHundredthsAndNeverZero) {
    const std::vector<QImage> frames{tableFrame(0), tableFrame(1)};
    for (auto [asked, stored] : {std::pair{10, 1},
                                 {20, 2},
                                 {1000, 100},
                                 {1234, 123},
                                 {1235, 124},
                                 {5000, 500},
                                 {4, 1},
                                 {0, 1}}) {
        const auto bytes = EncodeAnimatedGif(viewsOf(frames), asked);
        ASSERT_TRUE(bytes.ok());
        EXPECT_EQ(StoredDelays(*bytes), (std::vector<int>{stored, stored})) << "asked " << asked;
        // Qt, like the browsers, shows the shortest delay of one hundredth as 100 ms.
        if (stored >= 2) EXPECT_EQ(decode(*bytes).delays.front(), stored * 10) << "asked " << asked;
    }
}

TEST(GifWriter, ManyColoursAreCutToTheNearestOfOnePalette) {
    // A gradient of 64 x 64 = 4096 colours and a flat field in a second frame.
    QImage gradient(64, 64, QImage::Format_RGBA8888);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) gradient.setPixelColor(x, y, QColor(x * 4, y * 4, 128));
    QImage flat = tableFrame(0).copy(0, 0, 64, 64);
    const auto bytes = EncodeAnimatedGif(viewsOf({gradient, flat}), 100);
    ASSERT_TRUE(bytes.ok());
    const Decoded d = decode(*bytes);
    ASSERT_EQ(d.frames.size(), 2u);
    EXPECT_LE(largestChannelError(d.frames[0], gradient), 16);
    EXPECT_LE(largestChannelError(d.frames[1], flat), 8);
    // The cloth stays one colour across the field: no dithering noise.
    const QColor cloth = d.frames[1].pixelColor(60, 60);
    for (int y = 56; y < 64; ++y)
        for (int x = 56; x < 63; ++x) ASSERT_EQ(d.frames[1].pixelColor(x, y), cloth);
}

TEST(GifWriter, LessThanHalfOpaquePixelsAreTransparent) {
    QImage image = tableFrame(0);
    image.setPixelColor(100, 70, QColor(255, 255, 0, 100));
    image.setPixelColor(101, 70, QColor(255, 255, 0, 200));
    const auto bytes = EncodeAnimatedGif({viewOf(image)}, 100);
    ASSERT_TRUE(bytes.ok());
    const QImage back = decode(*bytes).frames.at(0);
    EXPECT_EQ(back.pixelColor(100, 70).alpha(), 0);
    EXPECT_EQ(back.pixelColor(101, 70), QColor(255, 255, 0));
    EXPECT_EQ(back.pixelColor(50, 70), QColor(0, 128, 0));
}

TEST(GifWriter, RefusesWhatCannotBeAGif) {
    EXPECT_FALSE(EncodeAnimatedGif({}, 100).ok());
    const QImage big = tableFrame(0), small = big.copy(0, 0, 10, 10);
    const auto mixed = EncodeAnimatedGif({viewOf(big), viewOf(small)}, 100);
    ASSERT_FALSE(mixed.ok());
    EXPECT_NE(mixed.error().message.find("size"), std::string::npos);
}

TEST(GifWriter, WritesTheFileWholeOrNotAtAll) {
    const fs::path folder = fs::path(testing::TempDir()) / "gif-writer";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const QImage frame = tableFrame(1);
    const std::string path = (folder / "kon.gif").string();
    ASSERT_TRUE(WriteAnimatedGif(path, {viewOf(frame)}, 300).ok());
    QImageReader reader(QString::fromStdString(path));
    EXPECT_EQ(reader.imageCount(), 1);
    EXPECT_EQ(reader.read().convertToFormat(QImage::Format_RGBA8888), frame);
    // A folder that is not there: an error and nothing written.
    const std::string nowhere = (folder / "missing" / "kon.gif").string();
    EXPECT_FALSE(WriteAnimatedGif(nowhere, {viewOf(frame)}, 300).ok());
    EXPECT_FALSE(fs::exists(nowhere));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace tavik::periphery
