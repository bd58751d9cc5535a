#include "render/PaletteQuantiser.h"

#include <algorithm>
#include <climits>
#include <cstddef>

namespace vellum {
namespace {

constexpr size_t kBins = size_t(1) << 18;
constexpr size_t kCacheSize = size_t(1) << 16;
// Beyond the palette's outermost colours the error would grow along a row until some far
// colour is taken: speckles of the wrong colour at the darkest and brightest shading.
constexpr int kMostDiffused = 16;

uint32_t key(const uint8_t* p) { return (uint32_t(p[0]) << 16) | (uint32_t(p[1]) << 8) | p[2]; }
uint32_t binOf(const uint8_t* p) { return (uint32_t(p[0] >> 2) << 12) | (uint32_t(p[1] >> 2) << 6) | (p[2] >> 2); }

// One occupied histogram bin: the mean of its pixels and how many there are.
struct Entry {
    double mean[3];
    double count;
};

// Entries [begin, end), with the sum over their pixels of the squared distance to the
// box's mean, and the channel along which that spread is largest.
struct Box {
    size_t begin, end;
    double error;
    int axis;
};

Box measure(const std::vector<Entry>& entries, size_t begin, size_t end) {
    double count = 0, sum[3] = {0, 0, 0}, squares[3] = {0, 0, 0};
    for (size_t i = begin; i < end; ++i) {
        count += entries[i].count;
        for (int c = 0; c < 3; ++c) {
            sum[c] += entries[i].count * entries[i].mean[c];
            squares[c] += entries[i].count * entries[i].mean[c] * entries[i].mean[c];
        }
    }
    Box box{begin, end, 0, 0};
    double widest = -1;
    for (int c = 0; c < 3; ++c) {
        const double spread = squares[c] - sum[c] * sum[c] / count;
        box.error += spread;
        if (spread > widest) widest = spread, box.axis = c;
    }
    return box;
}

// Where to split `box` along its axis so that the halves' squared errors add up least.
size_t bestSplit(std::vector<Entry>& entries, const Box& box) {
    const int a = box.axis;
    const auto first = entries.begin() + static_cast<std::ptrdiff_t>(box.begin);
    std::sort(first, entries.begin() + static_cast<std::ptrdiff_t>(box.end),
              [a](const Entry& x, const Entry& y) { return x.mean[a] < y.mean[a]; });
    double total = 0, totalSum = 0;
    for (size_t i = box.begin; i < box.end; ++i) total += entries[i].count, totalSum += entries[i].count * entries[i].mean[a];
    // Along one axis the sum of squares is the same however the box is split: the error
    // is least where sum_left^2 / n_left + sum_right^2 / n_right is largest.
    double count = 0, sum = 0, best = -1;
    size_t split = box.begin + 1;
    for (size_t i = box.begin; i + 1 < box.end; ++i) {
        count += entries[i].count;
        sum += entries[i].count * entries[i].mean[a];
        const double rest = totalSum - sum;
        const double score = sum * sum / count + rest * rest / (total - count);
        if (score > best) best = score, split = i + 1;
    }
    return split;
}

} // namespace

void PaletteQuantiser::quantise(const RgbImage& image, std::vector<uint8_t>& indices, std::vector<Colour>& palette) {
    indices.resize(static_cast<size_t>(image.width) * static_cast<size_t>(image.height));
    if (exactColours(image, indices, palette)) return;
    cutPalette(image, palette);
    dither(image, palette, indices);
}

bool PaletteQuantiser::exactColours(const RgbImage& image, std::vector<uint8_t>& indices, std::vector<Colour>& palette) {
    constexpr size_t kSlots = 1024; // open addressing, never more than a quarter full
    std::array<uint32_t, kSlots> slots;
    std::array<uint8_t, kSlots> slotIndex{};
    slots.fill(UINT32_MAX);
    palette.clear();
    const uint8_t* p = image.pixels.data();
    for (uint8_t& index : indices) {
        const uint32_t k = key(p);
        size_t slot = (k * 2654435761u) >> 22;
        while (slots[slot] != k && slots[slot] != UINT32_MAX) slot = (slot + 1) % kSlots;
        if (slots[slot] == UINT32_MAX) {
            if (palette.size() == 256) return false;
            slots[slot] = k;
            slotIndex[slot] = static_cast<uint8_t>(palette.size());
            palette.push_back({p[0], p[1], p[2]});
        }
        index = slotIndex[slot];
        p += 3;
    }
    return true;
}

void PaletteQuantiser::cutPalette(const RgbImage& image, std::vector<Colour>& palette) {
    bins_.resize(kBins);
    occupied_.clear();
    const size_t pixels = static_cast<size_t>(image.width) * static_cast<size_t>(image.height);
    const uint8_t* p = image.pixels.data();
    for (size_t i = 0; i < pixels; ++i, p += 3) {
        Bin& bin = bins_[binOf(p)];
        if (bin.count++ == 0) occupied_.push_back(binOf(p));
        for (int c = 0; c < 3; ++c) bin.sum[c] += p[c];
    }
    std::vector<Entry> entries;
    entries.reserve(occupied_.size());
    for (uint32_t b : occupied_) {
        const Bin& bin = bins_[b];
        const double n = static_cast<double>(bin.count);
        entries.push_back({{double(bin.sum[0]) / n, double(bin.sum[1]) / n, double(bin.sum[2]) / n}, n});
        bins_[b] = Bin{};
    }

    std::vector<Box> boxes{measure(entries, 0, entries.size())};
    const auto splittable = [](const Box& box) { return box.end - box.begin > 1 ? box.error : -1.0; };
    while (boxes.size() < 256) {
        auto widest = std::max_element(boxes.begin(), boxes.end(),
                                       [&](const Box& x, const Box& y) { return splittable(x) < splittable(y); });
        if (splittable(*widest) <= 0) break;
        const Box box = *widest;
        const size_t split = bestSplit(entries, box);
        *widest = measure(entries, box.begin, split);
        boxes.push_back(measure(entries, split, box.end));
    }

    palette.clear();
    for (const Box& box : boxes) {
        double count = 0, sum[3] = {0, 0, 0};
        for (size_t i = box.begin; i < box.end; ++i) {
            count += entries[i].count;
            for (int c = 0; c < 3; ++c) sum[c] += entries[i].count * entries[i].mean[c];
        }
        Colour colour;
        for (int c = 0; c < 3; ++c) colour[c] = static_cast<uint8_t>(std::clamp(sum[c] / count + 0.5, 0.0, 255.0));
        palette.push_back(colour);
    }
}

uint8_t PaletteQuantiser::nearest(int r, int g, int b, const std::vector<Colour>& palette) {
    const uint32_t k = (uint32_t(r) << 16) | (uint32_t(g) << 8) | uint32_t(b);
    uint64_t& cached = nearestCache_[(k * 2654435761u) >> 16];
    if ((cached >> 8) == uint64_t(k) + 1) return static_cast<uint8_t>(cached & 0xFF);
    // Outward from the entries of the same green, until green alone is farther than the best.
    const size_t start = static_cast<size_t>(
        std::lower_bound(byGreen_.begin(), byGreen_.end(), std::pair<int, uint8_t>(g, 0)) - byGreen_.begin());
    int best = INT_MAX;
    uint8_t found = 0;
    const auto consider = [&](size_t i) {
        const int dg = byGreen_[i].first - g;
        if (dg * dg >= best) return false;
        const Colour& c = palette[byGreen_[i].second];
        const int distance = (c[0] - r) * (c[0] - r) + dg * dg + (c[2] - b) * (c[2] - b);
        if (distance < best) best = distance, found = byGreen_[i].second;
        return true;
    };
    for (size_t i = start; i < byGreen_.size() && consider(i); ++i) {}
    for (size_t i = start; i-- > 0 && consider(i);) {}
    cached = ((uint64_t(k) + 1) << 8) | found;
    return found;
}

void PaletteQuantiser::dither(const RgbImage& image, const std::vector<Colour>& palette, std::vector<uint8_t>& indices) {
    byGreen_.clear();
    for (size_t i = 0; i < palette.size(); ++i) byGreen_.emplace_back(palette[i][1], static_cast<uint8_t>(i));
    std::sort(byGreen_.begin(), byGreen_.end());
    nearestCache_.assign(kCacheSize, 0);

    // Errors in sixteenths, one pixel of margin on either side; rows go back and forth so
    // the error does not drift one way across the picture.
    const int width = image.width;
    const size_t row = static_cast<size_t>(width + 2) * 3;
    errors_.assign(2 * row, 0);
    int* current = errors_.data();
    int* next = current + row;
    for (int y = 0; y < image.height; ++y) {
        std::fill(next, next + row, 0);
        const int direction = y % 2 == 0 ? 1 : -1;
        for (int step = 0; step < width; ++step) {
            const int x = direction > 0 ? step : width - 1 - step;
            const uint8_t* p = image.at(x, y);
            const size_t here = static_cast<size_t>(x + 1) * 3;
            int want[3];
            for (int c = 0; c < 3; ++c) want[c] = std::clamp(p[c] + ((current[here + c] + 8) >> 4), 0, 255);
            const uint8_t index = nearest(want[0], want[1], want[2], palette);
            indices[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] = index;
            int* const onThisRow = current + here;
            int* const below = next + here;
            for (int c = 0; c < 3; ++c) {
                const int error = std::clamp(want[c] - palette[index][c], -kMostDiffused, kMostDiffused);
                onThisRow[3 * direction + c] += error * 7;
                below[-3 * direction + c] += error * 3;
                below[c] += error * 5;
                below[3 * direction + c] += error;
            }
        }
        std::swap(current, next);
    }
}

} // namespace vellum
