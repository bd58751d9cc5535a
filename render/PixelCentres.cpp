#include "render/PixelCentres.h"

#include <algorithm>
#include <cmath>

namespace vellum {
namespace {

// Far wider than the float rounding of the transform and the rasteriser's snapping of
// vertices to 1/256 of a pixel, so a kept-or-skipped decision never depends on either.
constexpr double kMargin = 1.0 / 16.0;
// Candidate centres beyond this many: the triangle is large enough to keep unexamined.
constexpr int kMostCentresExamined = 4;

// The pixel centres i + 0.5 within [low, high], widened by the margin: [first, last].
void centresWithin(double low, double high, double& first, double& last) {
    first = std::ceil(low - kMargin - 0.5);
    last = std::floor(high + kMargin - 0.5);
}

} // namespace

PixelCentres::PixelCentres(const std::array<double, 16>& modelView, const std::array<double, 16>& projection,
                           const std::array<int, 4>& viewport)
    : originX_(viewport[0]), originY_(viewport[1]), halfWidth_(viewport[2] * 0.5), halfHeight_(viewport[3] * 0.5) {
    for (int column = 0; column < 4; ++column)
        for (int row = 0; row < 4; ++row) {
            double sum = 0.0;
            for (int k = 0; k < 4; ++k) sum += projection[k * 4 + row] * modelView[column * 4 + k];
            matrix_[column * 4 + row] = sum;
        }
}

PixelCentres::WindowPoint PixelCentres::toWindow(const float* p) const {
    const double x = p[0], y = p[1], z = p[2];
    const auto& m = matrix_;
    const double cx = m[0] * x + m[4] * y + m[8] * z + m[12];
    const double cy = m[1] * x + m[5] * y + m[9] * z + m[13];
    const double cw = m[3] * x + m[7] * y + m[11] * z + m[15];
    // Behind the eye or at infinity the projection is no plain mapping: keep the triangle.
    if (!(cw > 1e-12) || !std::isfinite(cx) || !std::isfinite(cy)) return {0.0, 0.0, false};
    return {originX_ + (cx / cw + 1.0) * halfWidth_, originY_ + (cy / cw + 1.0) * halfHeight_, true};
}

bool PixelCentres::mayLightPixel(const float* a, const float* b, const float* c) const {
    const WindowPoint p[3] = {toWindow(a), toWindow(b), toWindow(c)};
    if (!p[0].ok || !p[1].ok || !p[2].ok) return true;
    double firstX, lastX, firstY, lastY;
    centresWithin(std::min({p[0].x, p[1].x, p[2].x}), std::max({p[0].x, p[1].x, p[2].x}), firstX, lastX);
    centresWithin(std::min({p[0].y, p[1].y, p[2].y}), std::max({p[0].y, p[1].y, p[2].y}), firstY, lastY);
    if (firstX > lastX || firstY > lastY) return false;
    if ((lastX - firstX + 1.0) * (lastY - firstY + 1.0) > kMostCentresExamined) return true;

    // Twice the signed area; a triangle too thin to have a direction is kept.
    const double area = (p[1].x - p[0].x) * (p[2].y - p[0].y) - (p[2].x - p[0].x) * (p[1].y - p[0].y);
    if (std::fabs(area) < 1e-9) return true;
    const double orientation = area > 0.0 ? 1.0 : -1.0;
    for (double cy = firstY + 0.5; cy <= lastY + 0.5; cy += 1.0) {
        for (double cx = firstX + 0.5; cx <= lastX + 0.5; cx += 1.0) {
            bool inside = true;
            for (int i = 0; i < 3 && inside; ++i) {
                const WindowPoint& from = p[i];
                const WindowPoint& to = p[(i + 1) % 3];
                const double ex = to.x - from.x, ey = to.y - from.y;
                const double length = std::hypot(ex, ey);
                // Signed distance of the centre from the edge's line, positive inside.
                const double distance = orientation * (ex * (cy - from.y) - ey * (cx - from.x)) / length;
                inside = distance >= -kMargin;
            }
            if (inside) return true;
        }
    }
    return false;
}

} // namespace vellum
