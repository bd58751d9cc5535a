#include "vector/VectorScene.h"

#include "vector/FaceRaster.h"

#include <algorithm>
#include <cmath>

namespace vellum {
namespace {

// Depth differences below this (eye units) are one surface: a line on a face is not
// behind it. The faces are rasterised this many times finer than the page to judge it.
constexpr float kSameSurface = 2e-3f;
constexpr double kHidingScale = 2.0;
// A huge drawing area is judged more coarsely rather than with gigabytes of depths.
constexpr double kMostHidingPixels = 16.0 * 1024 * 1024;

// Longer lines are cut into pieces of this many pixels, so that a grid line running
// behind the graph and out in front of it is hidden only where it is behind.
constexpr float kLinePiece = 12.0f;

float length(const PagePoint& a, const PagePoint& b) { return std::hypot(b.x - a.x, b.y - a.y); }

PagePoint between(const PagePoint& a, const PagePoint& b, float t) {
    return PagePoint{a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, a.z + (b.z - a.z) * t};
}

bool sameColour(const Colour& a, const Colour& b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

} // namespace

PageProjection::PageProjection(const Matrix4& modelView, int width, int height)
    : modelView_(modelView), halfWidth_(width / 2.0), halfHeight_(height / 2.0) {}

PagePoint PageProjection::operator()(const Point3& p) const {
    const Point3 eye = transformPoint(modelView_, p);
    return PagePoint{static_cast<float>(halfWidth_ + eye[0] * kPixelsPerWorldUnit),
                     static_cast<float>(halfHeight_ - eye[1] * kPixelsPerWorldUnit), static_cast<float>(eye[2])};
}

PageProjection PageProjection::under(const Matrix4& modelView) const {
    PageProjection p = *this;
    p.modelView_ = modelView;
    return p;
}

double PageProjection::pixelsPerUnit() const {
    const Matrix4& m = modelView_;
    return std::sqrt(m[0] * m[0] + m[1] * m[1] + m[2] * m[2]) * kPixelsPerWorldUnit;
}

uint32_t VectorScene::beginLayer(bool depthSorted) {
    Layer layer;
    layer.sorted = depthSorted;
    layers_.push_back(layer);
    raster_ = nullptr;
    return static_cast<uint32_t>(layers_.size() - 1);
}

void VectorScene::add(Kind kind, uint32_t index, float depth) {
    if (layers_.empty()) beginLayer(false);
    items_.push_back(Item{depth, static_cast<uint32_t>(layers_.size() - 1), static_cast<uint32_t>(items_.size()), kind,
                          index});
}

void VectorScene::polygon(const PagePoint* corners, const Colour* colours, int count) {
    if (count < 3) return;
    if (raster_) {
        raster_->polygon(corners, colours, std::min(count, 5));
        return;
    }
    Polygon p{};
    p.count = static_cast<uint8_t>(std::min(count, 5));
    float sum = 0.0f, low = corners[0].z, high = corners[0].z;
    for (int i = 0; i < p.count; ++i) {
        p.corners[i] = corners[i];
        p.colours[i] = colours[i];
        p.smooth = p.smooth || !sameColour(colours[i], colours[0]);
        sum += corners[i].z;
        low = std::min(low, corners[i].z);
        high = std::max(high, corners[i].z);
    }
    if (layers_.empty()) beginLayer(false);
    layers_.back().faceExtent += high - low;
    ++layers_.back().faces;
    polygons_.push_back(p);
    add(Kind::Polygon, static_cast<uint32_t>(polygons_.size() - 1), sum / p.count);
}

void VectorScene::line(const PagePoint& from, const PagePoint& to, const Colour& colour, const LineStyle& style) {
    if (raster_) {
        raster_->line(from, to, colour, style.width);
        return;
    }
    const float total = length(from, to);
    const int pieces = std::max(1, static_cast<int>(std::ceil(total / kLinePiece)));
    for (int i = 0; i < pieces; ++i) {
        const PagePoint a = between(from, to, static_cast<float>(i) / pieces);
        const PagePoint b = between(from, to, static_cast<float>(i + 1) / pieces);
        lines_.push_back(Line{a, b, colour, style, total * static_cast<float>(i) / pieces});
        add(Kind::Line, static_cast<uint32_t>(lines_.size() - 1), std::max(a.z, b.z));
    }
}

void VectorScene::dot(const PagePoint& at, const Colour& colour, float radius, bool square) {
    if (raster_) {
        raster_->dot(at, colour, radius, square);
        return;
    }
    dots_.push_back(Dot{at, colour, radius, square});
    add(Kind::Dot, static_cast<uint32_t>(dots_.size() - 1), at.z);
}

void VectorScene::text(PageText text) {
    const float depth = text.anchor.z;
    texts_.push_back(std::move(text));
    add(Kind::Text, static_cast<uint32_t>(texts_.size() - 1), depth);
}

void VectorScene::dropHidden(uint32_t layer, int width, int height) {
    const double scale =
        std::min(kHidingScale, std::sqrt(kMostHidingPixels / std::max(1.0, double(width) * double(height))));
    FaceRaster faces(width, height, scale);
    bool any = false;
    for (const Item& item : items_)
        if (item.layer == layer && item.kind == Kind::Polygon) {
            const Polygon& p = polygons_[item.index];
            faces.polygon(p.corners, p.colours, p.count);
            any = true;
        }
    if (!any) return;
    // OpenGL's depth test hides a line where a face lies in front of it; a piece is left
    // out when it is behind the faces at its middle and on every side of it.
    auto hidden = [&](const PagePoint& at, float tolerance) {
        const int x = static_cast<int>(std::floor(at.x * scale));
        const int y = static_cast<int>(std::floor(at.y * scale));
        for (const auto& [dx, dy] : {std::pair{0, 0}, {1, 0}, {-1, 0}, {0, 1}, {0, -1}})
            if (!(faces.depthAt(x + dx, y + dy) > at.z + tolerance)) return false;
        return true;
    };
    std::erase_if(items_, [&](const Item& item) {
        if (item.layer != layer) return false;
        if (item.kind == Kind::Line) {
            const Line& l = lines_[item.index];
            return hidden(between(l.from, l.to, 0.5f), kSameSurface);
        }
        if (item.kind == Kind::Dot) {
            const Dot& d = dots_[item.index];
            // A ball's front stands out from its centre by its radius.
            return hidden(d.at, kSameSurface + (d.square ? 0.0f : d.radius / static_cast<float>(kPixelsPerWorldUnit)));
        }
        return false;
    });
}

void VectorScene::order(int width, int height) {
    for (uint32_t layer = 0; layer < layers_.size(); ++layer)
        if (layers_[layer].sorted && layers_[layer].faces > 0) dropHidden(layer, width, height);
    // OpenGL pushes faces back a little so that lines on them win; here a line or a dot
    // on a face is brought forward by a face's typical depth extent, so that it comes
    // after every face it touches and before faces well in front of it.
    for (Item& item : items_) {
        const Layer& layer = layers_[item.layer];
        if (!layer.sorted || item.kind == Kind::Polygon || layer.faces == 0) continue;
        item.depth += static_cast<float>(layer.faceExtent / static_cast<double>(layer.faces)) + 1e-5f;
    }
    std::stable_sort(items_.begin(), items_.end(), [this](const Item& a, const Item& b) {
        if (a.layer != b.layer) return a.layer < b.layer;
        if (layers_[a.layer].sorted && a.depth != b.depth) return a.depth < b.depth;
        return a.sequence < b.sequence;
    });
}

} // namespace vellum
