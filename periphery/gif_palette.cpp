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
};

// The occupied cells with their mean colours, worked out once.
struct Occupied {
    std::vector<int> cell;
    std::vector<std::array<std::uint8_t, 3>> mean;
    std::vector<std::uint64_t> count;
};

// A box of occupied cells (indices into Occupied), split at the weighted median of
// its widest channel.
struct Box {
    std::vector<int> members;
    std::uint64_t weight = 0;
    int widestChannel = 0;
    int spread = 0;
};

void measure(Box& box, const Occupied& o) {
    std::array<int, 3> lo{255, 255, 255}, hi{0, 0, 0};
    box.weight = 0;
    for (int m : box.members) {
        for (int ch = 0; ch < 3; ++ch) {
            lo[ch] = std::min<int>(lo[ch], o.mean[m][ch]);
            hi[ch] = std::max<int>(hi[ch], o.mean[m][ch]);
        }
        box.weight += o.count[m];
    }
    box.spread = -1;
    for (int ch = 0; ch < 3; ++ch)
        if (hi[ch] - lo[ch] > box.spread) {
            box.spread = hi[ch] - lo[ch];
            box.widestChannel = ch;
        }
}

// Splits the box in two at the weighted median of its widest channel: the members up
// to the median value stay, the others go to the returned box.
Box split(Box& box, const Occupied& o) {
    const int ch = box.widestChannel;
    std::array<std::uint64_t, 256> weightAt{};
    int lo = 255, hi = 0;
    for (int m : box.members) {
        weightAt[o.mean[m][ch]] += o.count[m];
        lo = std::min<int>(lo, o.mean[m][ch]);
        hi = std::max<int>(hi, o.mean[m][ch]);
    }
    // The first value at which half the weight is reached, below the top value so that
    // both halves keep members.
    std::uint64_t acc = 0;
    int cut = lo;
    for (int v = lo; v < hi; ++v) {
        acc += weightAt[static_cast<std::size_t>(v)];
        cut = v;
        if (acc * 2 >= box.weight) break;
    }
    Box upper;
    const auto middle = std::partition(box.members.begin(), box.members.end(),
                                       [&](int m) { return o.mean[m][ch] <= cut; });
    upper.members.assign(middle, box.members.end());
    box.members.erase(middle, box.members.end());
    measure(box, o);
    measure(upper, o);
    return upper;
}

// The palette and, for every occupied cell, the index of its box's colour.
std::vector<Rgb> medianCut(const std::vector<Cell>& histogram,
                           std::vector<std::int16_t>& cellIndex) {
    Occupied o;
    for (int cell = 0; cell < kCells; ++cell) {
        const Cell& c = histogram[cell];
        if (!c.count) continue;
        o.cell.push_back(cell);
        o.mean.push_back({std::uint8_t(c.sum[0] / c.count), std::uint8_t(c.sum[1] / c.count),
                          std::uint8_t(c.sum[2] / c.count)});
        o.count.push_back(c.count);
    }
    if (o.cell.empty()) return {Rgb{}};
    Box all;
    all.members.resize(o.cell.size());
    for (std::size_t i = 0; i < o.cell.size(); ++i) all.members[i] = int(i);
    std::vector<Box> boxes{std::move(all)};
    measure(boxes.front(), o);
    while (int(boxes.size()) < kGifMaxColours) {
        // Split the box whose colours are most spread, weighted by its share.
        auto score = [](const Box& b) {
            return b.members.size() > 1 ? b.spread * std::sqrt(double(b.weight)) : -1.0;
        };
        auto pick = std::max_element(boxes.begin(), boxes.end(), [&](const Box& a, const Box& b) {
            return score(a) < score(b);
        });
        if (pick->members.size() < 2 || pick->spread <= 0) break;
        Box upper = split(*pick, o);
        boxes.push_back(std::move(upper));
    }
    std::vector<Rgb> palette;
    for (const Box& box : boxes) {
        std::array<std::uint64_t, 3> sum{};
        std::uint64_t count = 0;
        for (int m : box.members) {
            const Cell& c = histogram[o.cell[m]];
            for (int ch = 0; ch < 3; ++ch) sum[ch] += c.sum[ch];
            count += c.count;
            cellIndex[o.cell[m]] = std::int16_t(palette.size() + 1);
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
    cellIndex_.assign(kCells, -1);
    colours_ = medianCut(histogram, cellIndex_);
}

int GifPalette::indexOf(const std::uint8_t* rgba) {
    if (exact_) {
        const auto at = std::lower_bound(exactColours_.begin(), exactColours_.end(), packed(rgba));
        if (at != exactColours_.end() && *at == packed(rgba))
            return int(at - exactColours_.begin()) + 1;
        return nearest(rgba) + 1;  // a colour the palette was not made from
    }
    // A cell of the frames maps to the colour of its box; another to the nearest colour,
    // found once.
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
