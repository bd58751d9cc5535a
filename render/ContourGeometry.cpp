#include "render/ContourGeometry.h"

#include <algorithm>
#include <cmath>

namespace vellum {
namespace {

// Legend units far beyond any level; keeps the interpolation finite when a value
// overflowed on its way to legend units.
constexpr double kUnitLimit = 1e300;

struct ClipPoint {
    Point3 position;
    double u;
};

Point3 lerp(const Point3& a, const Point3& b, double f) {
    return {a[0] + (b[0] - a[0]) * f, a[1] + (b[1] - a[1]) * f, a[2] + (b[2] - a[2]) * f};
}

// The point where `level` crosses the edge from a to b, a.u < b.u; an end is returned
// exactly when the level sits on it, so segments through a vertex meet it exactly.
Point3 crossing(const ContourCorner& a, const ContourCorner& b, double level) {
    if (level <= a.u) return a.position;
    if (level >= b.u) return b.position;
    return lerp(a.position, b.position, (level - a.u) / (b.u - a.u));
}

ClipPoint crossingPoint(const ClipPoint& a, const ClipPoint& b, double level) {
    const double f = (level - a.u) / (b.u - a.u);
    return {lerp(a.position, b.position, f), level};
}

// Keeps the part of the convex polygon `in` where u >= bound (keepAbove) or u <= bound.
int clipPolygon(const ClipPoint* in, int count, double bound, bool keepAbove, ClipPoint* out) {
    auto inside = [&](const ClipPoint& p) { return keepAbove ? p.u >= bound : p.u <= bound; };
    int written = 0;
    for (int i = 0; i < count; ++i) {
        const ClipPoint& p = in[i];
        const ClipPoint& q = in[(i + 1) % count];
        const bool pIn = inside(p);
        const bool qIn = inside(q);
        if (pIn) out[written++] = p;
        if (pIn != qIn && p.u != bound && q.u != bound) out[written++] = crossingPoint(p, q, bound);
    }
    return written;
}

void fillWhole(const std::array<ContourCorner, 3>& corners, int band, ContourSink& sink) {
    const Point3 triangle[3] = {corners[0].position, corners[1].position, corners[2].position};
    if (corners[0].node != kNoNode && corners[1].node != kNoNode && corners[2].node != kNoNode)
        sink.fillNodes(triangle, {corners[0].node, corners[1].node, corners[2].node}, band);
    else
        sink.fill(triangle, 3, band);
}

void fillBands(const ContourLevels& levels, const std::array<ContourCorner, 3>& corners,
               int lowBand, int highBand, ContourSink& sink) {
    const int n = levels.divisions();
    const ClipPoint triangle[3] = {{corners[0].position, corners[0].u},
                                   {corners[1].position, corners[1].u},
                                   {corners[2].position, corners[2].u}};
    ClipPoint lower[8];
    ClipPoint band[8];
    Point3 polygon[8];
    for (int k = lowBand; k <= highBand; ++k) {
        const ClipPoint* source = triangle;
        int count = 3;
        if (k >= 1) {
            count = clipPolygon(source, count, levels.level(k - 1), true, lower);
            source = lower;
        }
        if (k <= n) {
            count = clipPolygon(source, count, levels.level(k), false, band);
            source = band;
        }
        if (count < 3) continue;
        for (int i = 0; i < count; ++i) polygon[i] = source[i].position;
        sink.fill(polygon, count, k);
    }
}

} // namespace

ContourLevels::ContourLevels(int divisions) {
    if (divisions < 1 || divisions > kMaxContourDivisions) return;
    levels_.resize(static_cast<size_t>(divisions) + 1);
    for (int i = 0; i <= divisions; ++i) levels_[static_cast<size_t>(i)] = static_cast<double>(i) / divisions;
}

double ContourLevels::bandValue(int band) const {
    if (band <= 0) return 0.0;
    if (band > divisions()) return 1.0;
    return level(band);
}

int ContourLevels::bandOf(double u) const {
    return static_cast<int>(std::lower_bound(levels_.begin(), levels_.end(), u) - levels_.begin());
}

int ContourLevels::bandAbove(double u) const {
    return static_cast<int>(std::upper_bound(levels_.begin(), levels_.end(), u) - levels_.begin());
}

std::optional<LegendUnitMapping> LegendUnitMapping::make(double columnMinimum, double columnRange,
                                                         double legendMin, double legendMax) {
    const double span = legendMax - legendMin;
    if (span == 0.0 || !std::isfinite(span) || !std::isfinite(columnMinimum) || !std::isfinite(columnRange))
        return std::nullopt;
    LegendUnitMapping mapping;
    mapping.scale_ = columnRange / span;
    mapping.offset_ = (columnMinimum - legendMin) / span;
    return mapping;
}

void contourTriangle(const ContourLevels& levels, const std::array<ContourCorner, 3>& input,
                     ContourFill fill, ContourSink& sink) {
    if (levels.empty()) return;
    std::array<ContourCorner, 3> corners = input;
    for (ContourCorner& c : corners) {
        if (std::isnan(c.u)) return;
        c.u = std::clamp(c.u, -kUnitLimit, kUnitLimit);
    }
    // Corners by value, equal values kept in their order: an insertion sort of three.
    std::array<int, 3> order{0, 1, 2};
    const auto below = [&](int a, int b) { return corners[a].u < corners[b].u; };
    if (below(order[1], order[0])) std::swap(order[0], order[1]);
    if (below(order[2], order[1])) {
        std::swap(order[1], order[2]);
        if (below(order[1], order[0])) std::swap(order[0], order[1]);
    }
    const ContourCorner& lo = corners[order[0]];
    const ContourCorner& mid = corners[order[1]];
    const ContourCorner& hi = corners[order[2]];
    const int n = levels.divisions();

    if (fill != ContourFill::none) {
        const bool white = fill == ContourFill::white;
        if (hi.u <= levels.level(0)) {
            fillWhole(corners, white ? ContourSink::kWhiteBand : 0, sink);
            return;
        }
        if (lo.u >= levels.level(n)) {
            fillWhole(corners, white ? ContourSink::kWhiteBand : n + 1, sink);
            return;
        }
        if (white) {
            fillWhole(corners, ContourSink::kWhiteBand, sink);
        } else {
            // The band just above lo (a vertex sitting on a level belongs to the band
            // above it here, so no empty sliver is emitted) up to the band holding hi.
            int lowBand = levels.bandAbove(lo.u);
            const int highBand = levels.bandOf(hi.u);
            lowBand = std::min(lowBand, highBand);
            if (lowBand == highBand) fillWhole(corners, highBand, sink);
            else fillBands(levels, corners, lowBand, highBand, sink);
        }
    }

    if (!(lo.u < hi.u)) return;
    for (int i = levels.bandOf(lo.u); i <= n && levels.level(i) <= hi.u; ++i) {
        const double level = levels.level(i);
        const Point3 onLongEdge = crossing(lo, hi, level);
        Point3 onShortEdge;
        if (level < mid.u) onShortEdge = crossing(lo, mid, level);
        else if (level > mid.u) onShortEdge = crossing(mid, hi, level);
        else onShortEdge = mid.position;
        // A level touching only the lowest or highest vertex gives a point, not a line.
        if (onLongEdge == onShortEdge) continue;
        sink.line(onLongEdge, onShortEdge, i);
    }
}

int splitFaceIntoTriangles(int count, std::array<std::array<int, 3>, 2>& out) {
    if (count == 3) {
        out[0] = {0, 1, 2};
        return 1;
    }
    if (count == 4) {
        out[0] = {0, 1, 2};
        out[1] = {2, 3, 0};
        return 2;
    }
    return 0;
}

} // namespace vellum
