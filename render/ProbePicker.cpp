#include "render/ProbePicker.h"

#include "common/Codes.h"
#include "render/BodyArrays.h"
#include "render/GraphGeometry.h"
#include "settings/ViewSettings.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vellum {
namespace {

// The corners of one half of a face, as positions in the face's corner list.
constexpr std::array<std::array<uint8_t, 3>, 2> kHalves{{{0, 1, 2}, {0, 2, 3}}};

bool liftsElements(const ViewSettings& look, SceneState state) {
    return state.dataType == kElementValues && look.DIM == kDimDataValue;
}

// The triangle's depth at (x, y) when the point lies inside it or on its edge.
bool depthAt(const std::array<double, 3>& a, const std::array<double, 3>& b, const std::array<double, 3>& c, double x,
             double y, double& depth) {
    const double area = (b[0] - a[0]) * (c[1] - a[1]) - (c[0] - a[0]) * (b[1] - a[1]);
    if (area == 0.0 || !std::isfinite(area)) return false;
    const double wa = ((b[0] - x) * (c[1] - y) - (c[0] - x) * (b[1] - y)) / area;
    const double wb = ((c[0] - x) * (a[1] - y) - (a[0] - x) * (c[1] - y)) / area;
    const double wc = 1.0 - wa - wb;
    constexpr double kEdge = -1e-9;
    if (wa < kEdge || wb < kEdge || wc < kEdge) return false;
    depth = wa * a[2] + wb * b[2] + wc * c[2];
    return true;
}

} // namespace

bool ProbePicker::corners(const DataSet& d, const Item& item, Corners& out) const {
    const ElementRecord& element = d.elements[item.element];
    const FacePattern* face = elementFace(element, item.face);
    if (!face) return false;
    out.count = face->count;
    for (uint8_t i = 0; i < face->count; ++i) {
        const uint32_t node = element.nodes[face->positions[i]];
        out.nodes[i] = node;
        const float* s = &nodeScreen_[size_t(node) * 3];
        out.screen[i] = {s[0], s[1], s[2]};
        if (lift_) {
            // The element floats at its own value: the corner's depth and place move with it.
            const auto& p = d.nodes[node].position;
            const Point3 eye = transformPoint(camera_, Point3{p[0], p[1], (element.t - 0.5) * liftScale_});
            out.screen[i] = {(eye[0] - left_) * pixelsPerUnitX_, (top_ - eye[1]) * pixelsPerUnitY_, eye[2]};
        }
    }
    return true;
}

void ProbePicker::build(const DataSet& d, const ViewSettings& look, SceneState state, int width, int height) {
    lift_ = liftsElements(look, state);
    liftScale_ = look.SCALE[2];
    camera_ = graphMatrix(look.DIGREE, look.POSITION, look.SCALE123);
    const OrthoVolume o = orthoForWindow(width, height);
    pixelsPerUnitX_ = width / (o.right - o.left);
    pixelsPerUnitY_ = height / (o.top - o.bottom);
    left_ = o.left;
    top_ = o.top;

    nodeScreen_.resize(d.nodes.size() * 3);
    for (size_t n = 0; n < d.nodes.size(); ++n) {
        const auto& p = d.nodes[n].position;
        const Point3 eye = transformPoint(camera_, Point3{p[0], p[1], p[2]});
        nodeScreen_[n * 3] = static_cast<float>((eye[0] - left_) * pixelsPerUnitX_);
        nodeScreen_[n * 3 + 1] = static_cast<float>((top_ - eye[1]) * pixelsPerUnitY_);
        nodeScreen_[n * 3 + 2] = static_cast<float>(eye[2]);
    }

    columns_ = (width + cellSize_ - 1) / cellSize_;
    rows_ = (height + cellSize_ - 1) / cellSize_;
    const size_t cells = size_t(columns_) * size_t(rows_);
    // Every half-face once, with each cell its box covers inside the area; then sorted by
    // cell in one counting pass, so the grid is one array whatever the model.
    std::vector<Placed>& placed = placed_; // kept: a new camera reuses its pages
    placed.clear();
    placed.reserve(d.elements.size() * 2);
    Corners c;
    for (uint32_t e = 0; e < d.elements.size(); ++e) {
        const ElementRecord& element = d.elements[e];
        if (!elementUsable(d, element)) continue;
        for (uint8_t f = 0; f < element.faceCount; ++f) {
            if (!corners(d, Item{e, f, 0}, c)) continue;
            for (uint8_t half = 0; half < (c.count == 4 ? 2 : 1); ++half) {
                const auto& h = kHalves[half];
                const auto& a = c.screen[h[0]];
                const auto& b = c.screen[h[1]];
                const auto& t = c.screen[h[2]];
                const double lowX = std::min({a[0], b[0], t[0]}), highX = std::max({a[0], b[0], t[0]});
                const double lowY = std::min({a[1], b[1], t[1]}), highY = std::max({a[1], b[1], t[1]});
                if (!(highX >= 0.0 && highY >= 0.0 && lowX < width && lowY < height)) continue; // off, or not finite
                const int x0 = std::max(0, static_cast<int>(lowX) / cellSize_);
                const int x1 = std::min(columns_ - 1, static_cast<int>(highX) / cellSize_);
                const int y0 = std::max(0, static_cast<int>(lowY) / cellSize_);
                const int y1 = std::min(rows_ - 1, static_cast<int>(highY) / cellSize_);
                for (int y = y0; y <= y1; ++y)
                    for (int x = x0; x <= x1; ++x)
                        placed.push_back({uint32_t(y) * uint32_t(columns_) + uint32_t(x), Item{e, f, half}});
            }
        }
    }
    cellStart_.assign(cells + 1, 0);
    for (const Placed& p : placed) ++cellStart_[p.cell + 1];
    for (size_t cell = 0; cell < cells; ++cell) cellStart_[cell + 1] += cellStart_[cell];
    cellItems_.resize(placed.size());
    std::vector<uint32_t> filled(cellStart_.begin(), cellStart_.end() - 1);
    for (const Placed& p : placed) cellItems_[filled[p.cell]++] = p.item;
}

ProbeHit ProbePicker::pick(const DataSet& d, const ViewSettings& look, SceneState state, int width, int height,
                           double x, double y) {
    ProbeHit result;
    if (width <= 0 || height <= 0 || x < 0 || y < 0 || x >= width || y >= height) return result;
    const Key key{&d,
                  d.revision(),
                  look.DIGREE,
                  look.POSITION,
                  look.SCALE123,
                  look.SCALE,
                  look.DIM,
                  state.dataType,
                  width,
                  height};
    if (!(key == key_)) {
        build(d, look, state, width, height);
        key_ = key;
    }
    // The pixel's centre, as the rasteriser samples it.
    const double px = std::floor(x) + 0.5, py = std::floor(y) + 0.5;
    const size_t cell = size_t(py / cellSize_) * size_t(columns_) + size_t(px / cellSize_);
    double nearest = -std::numeric_limits<double>::infinity();
    Corners best;
    for (uint32_t i = cellStart_[cell]; i < cellStart_[cell + 1]; ++i) {
        const Item& item = cellItems_[i];
        Corners c;
        if (!corners(d, item, c)) continue;
        const auto& half = kHalves[item.half];
        double depth = 0.0;
        // The eye looks down its negative z: the largest depth is the front-most.
        if (!depthAt(c.screen[half[0]], c.screen[half[1]], c.screen[half[2]], px, py, depth) || depth <= nearest)
            continue;
        nearest = depth;
        best = c;
        result.hit = true;
        result.target.element = item.element;
    }
    if (!result.hit) return result;
    double closest = std::numeric_limits<double>::max();
    for (uint8_t i = 0; i < best.count; ++i) {
        const double dx = best.screen[i][0] - px, dy = best.screen[i][1] - py;
        const double distance = dx * dx + dy * dy;
        if (distance < closest) {
            closest = distance;
            result.target.node = best.nodes[i];
        }
    }
    return result;
}

Point3 probeMarkPoint(const DataSet& d, const ViewSettings& look, SceneState state, const ProbeTarget& target) {
    const std::array<double, 3> p = targetPosition(d, target);
    Point3 at{p[0], p[1], p[2]};
    if (liftsElements(look, state) && target.element < d.elements.size())
        at[2] = (d.elements[target.element].t - 0.5) * look.SCALE[2];
    return at;
}

} // namespace vellum
