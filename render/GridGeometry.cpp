#include "render/GridGeometry.h"

#include <cmath>

namespace vellum {
namespace {

// Positions computed as start + k x step meet the box edge only up to rounding; this much
// of the box size counts as on the edge.
constexpr double kEdgeTolerance = 1e-9;

bool usableCount(int count) { return count >= 1 && count <= kMaxDivisionsPerAxis; }

// The number of steps of `step` that fit in `size`, or -1 when the step does not advance
// (0, below 0, not finite, or so small that the lines could not be told apart).
long stepsWithin(double size, double step) {
    if (!(step > 0.0) || !std::isfinite(step) || !std::isfinite(size)) return -1;
    if (size < 0.0) return 0;
    const double steps = size / step;
    if (steps > kMaxDivisionsPerAxis) return -1;
    return static_cast<long>(steps) + 1;
}

struct PlaneAxes {
    int first, second, fixed;
};
PlaneAxes planeAxes(int plane) {
    switch (plane / 2) {
    case 0: return {0, 1, 2}; // plane 12
    case 1: return {1, 2, 0}; // plane 23
    default: return {2, 0, 1}; // plane 31
    }
}

double planeLevel(const DrawingBox& box, int plane, int fixedAxis) {
    return plane % 2 == 0 ? box.minimum[static_cast<size_t>(fixedAxis)] : box.maximum[static_cast<size_t>(fixedAxis)];
}

} // namespace

std::vector<double> divisionLinePositions(const GridAxis& axis, const GridRule& rule) {
    std::vector<double> positions;
    if (rule.byValue == 1) {
        const double low = rule.overGridBox == 1 ? axis.gridLow : axis.divisionLow;
        const double size = rule.overGridBox == 1 ? axis.gridSize : axis.divisionSize;
        const long steps = stepsWithin(size, axis.divisionStep);
        const double limit = size - kEdgeTolerance * std::fabs(size);
        for (long k = 0; k < steps; ++k) {
            const double offset = static_cast<double>(k) * axis.divisionStep;
            if (!(offset < limit)) break;
            positions.push_back(low + offset);
        }
        return positions;
    }
    const int n = rule.count;
    if (!usableCount(n)) return positions;
    if (rule.overGridBox == 1) {
        for (int k = 1; k < n; ++k) positions.push_back(axis.gridLow + k * axis.gridSize / n);
        return positions;
    }
    for (int k = 0; k <= n; ++k) {
        const double position = axis.divisionLow + k * axis.divisionSize / n;
        if (position > axis.gridLow && position < axis.gridHigh) positions.push_back(position);
    }
    return positions;
}

std::vector<GridValueMark> gridValueMarks(const GridAxis& axis, const GridRule& rule) {
    std::vector<GridValueMark> marks;
    if (rule.byValue == 1) {
        const bool overGrid = rule.overGridBox == 1;
        const double low = overGrid ? axis.gridLow : axis.divisionLow;
        const double size = overGrid ? axis.gridSize : axis.divisionSize;
        const double start = overGrid ? axis.gridSizeMin : axis.divisionRangeMin;
        const long steps = stepsWithin(size, axis.divisionStep);
        const double limit = size + kEdgeTolerance * std::fabs(size);
        for (long k = 0; k <= steps; ++k) {
            const double offset = static_cast<double>(k) * axis.divisionStep;
            if (offset > limit) break;
            marks.push_back({low + offset, start + static_cast<double>(k) * axis.valueStep});
        }
        return marks;
    }
    const int n = rule.count;
    if (!usableCount(n)) return marks;
    for (int k = 0; k <= n; ++k) {
        if (rule.overGridBox == 1) {
            marks.push_back({axis.gridLow + k * axis.gridSize / n,
                             axis.gridSizeMin + k * (axis.gridSizeMax - axis.gridSizeMin) / n});
            continue;
        }
        const double position = axis.divisionLow + k * axis.divisionSize / n;
        if (position >= axis.gridLow && position <= axis.gridHigh + axis.insideTolerance)
            marks.push_back({position, axis.dataMin + k * axis.dataExtent / n});
    }
    return marks;
}

std::array<Point3, 4> gridPlaneOutline(const DrawingBox& box, int plane) {
    const PlaneAxes axes = planeAxes(plane);
    const auto a = static_cast<size_t>(axes.first);
    const auto b = static_cast<size_t>(axes.second);
    Point3 corner{};
    corner[static_cast<size_t>(axes.fixed)] = planeLevel(box, plane, axes.fixed);
    std::array<Point3, 4> corners{corner, corner, corner, corner};
    corners[0][a] = box.minimum[a], corners[0][b] = box.minimum[b];
    corners[1][a] = box.maximum[a], corners[1][b] = box.minimum[b];
    corners[2][a] = box.maximum[a], corners[2][b] = box.maximum[b];
    corners[3][a] = box.minimum[a], corners[3][b] = box.maximum[b];
    return corners;
}

std::vector<Segment3> gridPlaneDivisions(const DrawingBox& box, int plane,
                                         const std::array<std::vector<double>, 3>& positions) {
    const PlaneAxes axes = planeAxes(plane);
    Point3 base{};
    base[static_cast<size_t>(axes.fixed)] = planeLevel(box, plane, axes.fixed);
    std::vector<Segment3> segments;
    // Lines at positions along `along` run across the plane in the direction of `across`.
    auto addLines = [&](int along, int across) {
        const auto u = static_cast<size_t>(along);
        const auto v = static_cast<size_t>(across);
        for (double position : positions[u]) {
            Segment3 s{base, base};
            s.from[u] = s.to[u] = position;
            s.from[v] = box.minimum[v];
            s.to[v] = box.maximum[v];
            segments.push_back(s);
        }
    };
    addLines(axes.first, axes.second);
    addLines(axes.second, axes.first);
    return segments;
}

Point3 gridValueAnchor(const DrawingBox& box, int axis, double position, const Point3& displacement) {
    Point3 anchor{};
    for (size_t i = 0; i < 3; ++i)
        anchor[i] = (static_cast<int>(i) == axis ? position : box.minimum[i] - 0.05) + displacement[i];
    return anchor;
}

} // namespace vellum
