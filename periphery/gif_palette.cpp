#include "periphery/gif_palette.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tavik::periphery {
namespace {

// Colours are counted on a grid of 6 bits per channel for the median cut.
constexpr int kBits = 6;
constexpr int kCells = 1 << (3 * kBits);

int cellOf(const std::uint8_t* c) {
    constexpr int shift = 8 - kBits;
    return ((c[0] >> shift) << (2 * kBits)) | ((c[1] >> shift) << kBits) | (c[2] >> shift);
}

std::uint32_t packed(const std::uint8_t* c) {
    return (std::uint32_t(c[0]) << 16) | (std::uint32_t(c[1]) << 8) | c[2];
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

std::vector<Rgb> medianCut(const std::vector<Cell>& histogram) {
    Box all;
    for (int cell = 0; cell < kCells; ++cell)
        if (histogram[cell].count) all.cells.push_back(cell);
    if (all.cells.empty()) return {Rgb{}};
    std::vector<Box> boxes{all};
    measure(boxes.front(), histogram);
    while (int(boxes.size()) < kGifMaxColours) {
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
    std::vector<Rgb> palette;
    for (const Box& box : boxes) {
        std::array<std::uint64_t, 3> sum{};
        std::uint64_t count = 0;
        for (int cell : box.cells) {
            for (int ch = 0; ch < 3; ++ch) sum[ch] += histogram[cell].sum[ch];
            count += histogram[cell].count;
        }
        palette.push_back({std::uint8_t(sum[0] / count), std::uint8_t(sum[1] / count),
                           std::uint8_t(sum[2] / count)});
    }
    return palette;
}

// The distinct opaque colours of the frames, sorted; empty when there are more than
// the palette holds.
std::vector<std::uint32_t> exactColours(const std::vector<RgbaView>& frames) {
    std::vector<std::uint32_t> found;
    std::uint32_t last = 0xFFFFFFFF;  // runs of one colour are the common case
    for (const RgbaView& f : frames)
        for (int y = 0; y < f.height; ++y)
            for (int x = 0; x < f.width; ++x) {
                const std::uint8_t* p = f.pixel(x, y);
                if (!GifOpaque(p) || packed(p) == last) continue;
                last = packed(p);
                auto at = std::lower_bound(found.begin(), found.end(), last);
                if (at != found.end() && *at == last) continue;
                if (int(found.size()) == kGifMaxColours) return {};
                found.insert(at, last);
            }
    if (found.empty()) found.push_back(0);
    return found;
}

}  // namespace

GifPalette::GifPalette(const std::vector<RgbaView>& frames) {
    exactColours_ = exactColours(frames);
    exact_ = !exactColours_.empty();
    if (exact_) {
        for (std::uint32_t c : exactColours_)
            colours_.push_back({std::uint8_t(c >> 16), std::uint8_t(c >> 8), std::uint8_t(c)});
        return;
    }
    std::vector<Cell> histogram(kCells);
    for (const RgbaView& f : frames)
        for (int y = 0; y < f.height; ++y)
            for (int x = 0; x < f.width; ++x) {
                const std::uint8_t* p = f.pixel(x, y);
                if (!GifOpaque(p)) continue;
                Cell& cell = histogram[cellOf(p)];
                ++cell.count;
                for (int ch = 0; ch < 3; ++ch) cell.sum[ch] += p[ch];
            }
    colours_ = medianCut(histogram);
    cellIndex_.assign(kCells, -1);
}

int GifPalette::indexOf(const std::uint8_t* rgba) {
    if (exact_) {
        const auto at = std::lower_bound(exactColours_.begin(), exactColours_.end(), packed(rgba));
        if (at != exactColours_.end() && *at == packed(rgba))
            return int(at - exactColours_.begin()) + 1;
        return nearest(rgba) + 1;  // a colour the palette was not made from
    }
    // Each occupied cell maps to its nearest palette entry once.
    std::int16_t& index = cellIndex_[cellOf(rgba)];
    if (index < 0) index = std::int16_t(nearest(rgba) + 1);
    return index;
}

int GifPalette::nearest(const std::uint8_t* c) const {
    int best = 0;
    long bestDistance = -1;
    for (int i = 0; i < int(colours_.size()); ++i) {
        const long dr = colours_[i].r - c[0], dg = colours_[i].g - c[1], db = colours_[i].b - c[2];
        const long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (bestDistance < 0 || d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

}  // namespace tavik::periphery
