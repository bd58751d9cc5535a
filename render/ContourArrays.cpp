#include "render/ContourArrays.h"

#include "data/HugePages.h"
#include "render/PixelCentres.h"

#include <algorithm>

namespace vellum {

ContourColours contourColoursOf(const ContourLevels& levels, int colourCode, int lineMode, const RGBColor& lineColour,
                                const UserColours& look) {
    ContourColours c;
    if (levels.empty()) return c;
    const int n = levels.divisions();
    for (int band = 0; band <= n + 1; ++band) c.bands.push_back(colourForCode(colourCode, levels.bandValue(band), look));
    for (int i = 0; i <= n; ++i)
        c.levels.push_back(lineMode == 1 ? colourOf(lineColour) : colourForCode(colourCode, levels.level(i), look));
    return c;
}

ContourBatcher::ContourBatcher(ContourColours colours, size_t batchVertices, Emit emit)
    : colours_(std::move(colours)), batchFloats_(batchVertices * kFloatsPerVertex), emit_(std::move(emit)) {}

namespace {
struct FloatPoint {
    float xyz[3];
    explicit FloatPoint(const Point3& p)
        : xyz{static_cast<float>(p[0]), static_cast<float>(p[1]), static_cast<float>(p[2])} {}
};
} // namespace

void ContourBatcher::add(std::vector<float>& batch, const float* p, const Colour& c) const {
    // Runs for every vertex of the graph. Room for a whole batch is reserved at its first
    // vertex (reserved memory that is never written costs nothing; a fill or line may run a
    // few vertices past the batch's end before it is handed on), so a vertex is only copied
    // in, never the batch moved or zeroed first.
    if (batch.capacity() < batch.size() + kFloatsPerVertex) {
        batch.reserve(std::max(2 * batch.size(), batchFloats_ + 16 * kFloatsPerVertex));
        adviseHugePages(batch);
    }
    const float vertex[kFloatsPerVertex] = {p[0], p[1], p[2], c.red, c.green, c.blue};
    batch.insert(batch.end(), vertex, vertex + kFloatsPerVertex);
}

void ContourBatcher::fill(const Point3* corners, int count, int band) {
    static constexpr Colour kWhite{1.0f, 1.0f, 1.0f};
    const Colour& colour = band == kWhiteBand ? kWhite : colours_.bands[static_cast<size_t>(band)];
    // A convex polygon as a fan of triangles.
    const FloatPoint first(corners[0]);
    for (int i = 1; i + 1 < count; ++i) {
        const FloatPoint second(corners[i]), third(corners[i + 1]);
        fillFloatsOffered_ += 3 * kFloatsPerVertex;
        if (centres_ && !centres_->mayLightPixel(first.xyz, second.xyz, third.xyz)) continue;
        add(fills_, first.xyz, colour);
        add(fills_, second.xyz, colour);
        add(fills_, third.xyz, colour);
    }
    flushIfFull();
}

void ContourBatcher::line(const Point3& from, const Point3& to, int level) {
    const Colour& colour = colours_.levels[static_cast<size_t>(level)];
    add(lines_, FloatPoint(from).xyz, colour);
    add(lines_, FloatPoint(to).xyz, colour);
    flushIfFull();
}

void ContourBatcher::flushIfFull() {
    if (fillFloatsOffered_ >= batchFloats_ || lines_.size() >= batchFloats_) finish();
}

void ContourBatcher::finish() {
    fillFloatsOffered_ = 0;
    if (fills_.empty() && lines_.empty()) return;
    emit_(fills_, lines_);
    fills_.clear();
    lines_.clear();
}

} // namespace vellum
