#include "tools/art/gif_writer.h"

#include <gif_lib.h>

#include <QFile>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace tavik::art {
namespace {

constexpr int kTransparentIndex = 0;
constexpr int kMaxColours = 255;  // index 0 is the transparent one

// Colours are counted on a grid of 6 bits per channel.
constexpr int kBits = 6;
constexpr int kCells = 1 << (3 * kBits);

int cellOf(QRgb c) {
    const int shift = 8 - kBits;
    return ((qRed(c) >> shift) << (2 * kBits)) | ((qGreen(c) >> shift) << kBits) |
           (qBlue(c) >> shift);
}

bool opaque(QRgb c) {
    return qAlpha(c) >= 128;
}

struct Cell {
    std::uint64_t count = 0;
    std::array<std::uint64_t, 3> sum{};  // red, green, blue
    std::array<int, 3> mean() const {
        return {int(sum[0] / count), int(sum[1] / count), int(sum[2] / count)};
    }
};

// A box of occupied cells, split at the weighted median of its widest channel.
struct Box {
    std::vector<int> cells;
    std::uint64_t weight = 0;
    int widestChannel = 0;
    int spread = 0;
};

void measure(Box& box, const std::vector<Cell>& histogram) {
    std::array<int, 3> lo{255, 255, 255}, hi{0, 0, 0};
    box.weight = 0;
    for (int cell : box.cells) {
        const auto m = histogram[cell].mean();
        for (int ch = 0; ch < 3; ++ch) {
            lo[ch] = std::min(lo[ch], m[ch]);
            hi[ch] = std::max(hi[ch], m[ch]);
        }
        box.weight += histogram[cell].count;
    }
    box.spread = -1;
    for (int ch = 0; ch < 3; ++ch)
        if (hi[ch] - lo[ch] > box.spread) {
            box.spread = hi[ch] - lo[ch];
            box.widestChannel = ch;
        }
}

std::vector<QRgb> medianCut(const std::vector<Cell>& histogram) {
    Box all;
    for (int cell = 0; cell < kCells; ++cell)
        if (histogram[cell].count) all.cells.push_back(cell);
    if (all.cells.empty()) return {qRgb(0, 0, 0)};
    std::vector<Box> boxes{all};
    measure(boxes.front(), histogram);
    while (int(boxes.size()) < kMaxColours) {
        // Split the box whose colours are most spread, weighted by its share.
        auto pick = std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) {
            const double sa = a.cells.size() > 1 ? a.spread * std::sqrt(double(a.weight)) : -1;
            const double sb = b.cells.size() > 1 ? b.spread * std::sqrt(double(b.weight)) : -1;
            return sa < sb;
        });
        if (pick->cells.size() < 2 || pick->spread <= 0) break;
        Box& box = *pick;
        const int ch = box.widestChannel;
        std::sort(box.cells.begin(), box.cells.end(),
                  [&](int a, int b) { return histogram[a].mean()[ch] < histogram[b].mean()[ch]; });
        std::uint64_t acc = 0;
        std::size_t split = 1;
        for (; split < box.cells.size(); ++split) {
            acc += histogram[box.cells[split - 1]].count;
            if (acc * 2 >= box.weight) break;
        }
        split = std::clamp<std::size_t>(split, 1, box.cells.size() - 1);
        Box upper;
        upper.cells.assign(box.cells.begin() + std::ptrdiff_t(split), box.cells.end());
        box.cells.resize(split);
        measure(box, histogram);
        measure(upper, histogram);
        boxes.push_back(std::move(upper));
    }
    std::vector<QRgb> palette;
    for (const Box& box : boxes) {
        std::array<std::uint64_t, 3> sum{};
        std::uint64_t count = 0;
        for (int cell : box.cells) {
            for (int ch = 0; ch < 3; ++ch) sum[ch] += histogram[cell].sum[ch];
            count += histogram[cell].count;
        }
        palette.push_back(qRgb(int(sum[0] / count), int(sum[1] / count), int(sum[2] / count)));
    }
    return palette;
}

int nearest(const std::vector<QRgb>& palette, QRgb c) {
    int best = 0;
    long bestDistance = -1;
    for (int i = 0; i < int(palette.size()); ++i) {
        const long dr = qRed(palette[i]) - qRed(c), dg = qGreen(palette[i]) - qGreen(c),
                   db = qBlue(palette[i]) - qBlue(c);
        const long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (bestDistance < 0 || d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

QString gifError(const char* step, int code) {
    return QStringLiteral("%1 failed: %2")
        .arg(QLatin1String(step), QString::fromUtf8(GifErrorString(code)));
}

}  // namespace

QString writeAnimatedGif(const QString& file, const QList<QImage>& frames, int delayMs) {
    if (frames.isEmpty()) return QStringLiteral("no frames");
    const QSize size = frames.front().size();
    QList<QImage> plain;
    std::vector<Cell> histogram(kCells);
    for (const QImage& frame : frames) {
        if (frame.size() != size) return QStringLiteral("frames differ in size");
        plain << frame.convertToFormat(QImage::Format_ARGB32);
        const QImage& f = plain.back();
        for (int y = 0; y < size.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(f.constScanLine(y));
            for (int x = 0; x < size.width(); ++x) {
                if (!opaque(line[x])) continue;
                Cell& cell = histogram[cellOf(line[x])];
                ++cell.count;
                cell.sum[0] += qRed(line[x]);
                cell.sum[1] += qGreen(line[x]);
                cell.sum[2] += qBlue(line[x]);
            }
        }
    }
    const std::vector<QRgb> palette = medianCut(histogram);

    std::array<GifColorType, 256> colours{};
    for (int i = 0; i < int(palette.size()); ++i)
        colours[i + 1] = {GifByteType(qRed(palette[i])), GifByteType(qGreen(palette[i])),
                          GifByteType(qBlue(palette[i]))};
    // Each occupied cell maps to its nearest palette entry once.
    std::vector<std::int16_t> lookup(kCells, -1);

    int error = 0;
    GifFileType* gif = EGifOpenFileName(QFile::encodeName(file).constData(), false, &error);
    if (!gif) return gifError("opening", error);
    ColorMapObject* map = GifMakeMapObject(256, colours.data());
    EGifSetGifVersion(gif, true);
    QString failure;
    auto check = [&](int result, const char* step) {
        if (result == GIF_ERROR && failure.isEmpty()) failure = gifError(step, gif->Error);
        return failure.isEmpty();
    };
    if (check(EGifPutScreenDesc(gif, size.width(), size.height(), 8, kTransparentIndex, map),
              "screen")) {
        // Loop for ever: the application extension of Netscape with a count of 0.
        static GifByteType netscape[] = "NETSCAPE2.0";
        static GifByteType loop[] = {1, 0, 0};
        check(EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE), "loop");
        check(EGifPutExtensionBlock(gif, 11, netscape), "loop");
        check(EGifPutExtensionBlock(gif, 3, loop), "loop");
        check(EGifPutExtensionTrailer(gif), "loop");
    }
    std::vector<GifPixelType> row(size.width());
    for (const QImage& f : plain) {
        if (!failure.isEmpty()) break;
        GraphicsControlBlock control{};
        control.DisposalMode = DISPOSE_BACKGROUND;
        control.UserInputFlag = false;
        control.DelayTime = std::max(1, (delayMs + 5) / 10);
        control.TransparentColor = kTransparentIndex;
        GifByteType extension[4];
        const std::size_t length = EGifGCBToExtension(&control, extension);
        check(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(length), extension), "frame");
        check(EGifPutImageDesc(gif, 0, 0, size.width(), size.height(), false, nullptr), "frame");
        for (int y = 0; y < size.height() && failure.isEmpty(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(f.constScanLine(y));
            for (int x = 0; x < size.width(); ++x) {
                if (!opaque(line[x])) {
                    row[x] = kTransparentIndex;
                    continue;
                }
                std::int16_t& index = lookup[cellOf(line[x])];
                if (index < 0) index = std::int16_t(nearest(palette, line[x]) + 1);
                row[x] = GifPixelType(index);
            }
            check(EGifPutLine(gif, row.data(), size.width()), "line");
        }
    }
    GifFreeMapObject(map);
    if (EGifCloseFile(gif, &error) == GIF_ERROR && failure.isEmpty())
        failure = gifError("closing", error);
    // giflib creates the file readable by its owner only; give it the usual rights.
    QFile::setPermissions(
        file, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    return failure;
}

}  // namespace tavik::art
