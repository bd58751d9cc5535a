#include "render/PixelCentres.h"

#include <algorithm>
#include <cmath>

namespace vellum {
namespace {

// Far wider than the float rounding of the transform and the rasteriser's snapping of
// vertices to 1/256 of a pixel, so a kept-or-skipped decision never depends on either.
constexpr double kMargin = 1.0 / 16.0;
// Candidate centres beyond this many: the triangle is large enough to keep unexamined.
constexpr double kMostCentresExamined = 4.0;

// floor() without a library call, for the range centresWithin allows.
[[gnu::always_inline]] inline double floorOf(double v) {
    const auto whole = static_cast<double>(static_cast<long long>(v));
    return whole > v ? whole - 1.0 : whole;
}

enum class Span { none, some, unbounded };

// The pixel centres i + 0.5 within the corners' span widened by the margin: [first, last].
// A corner that is not finite, or a span beyond what floorOf handles, is unbounded: the
// triangle is kept.
// Inlined: it runs twice for most of the million triangles of a dense mesh.
[[gnu::always_inline]] inline Span centresWithin(const double* v, double& first, double& last) {
    const double sum = v[0] + v[1] + v[2];
    if (sum - sum != 0.0) return Span::unbounded;
    const double low = std::min(std::min(v[0], v[1]), v[2]) - kMargin - 0.5;
    const double high = std::max(std::max(v[0], v[1]), v[2]) + kMargin - 0.5;
    if (low < -1e15 || high > 1e15) return Span::unbounded;
    first = -floorOf(-low);
    last = floorOf(high);
    return first <= last ? Span::some : Span::none;
}

// Whether a centre within the spans lies inside the window-space triangle x, y.
bool anyCentreInside(const double* x, const double* y, double firstX, double lastX, double firstY, double lastY) {
    if ((lastX - firstX + 1.0) * (lastY - firstY + 1.0) > kMostCentresExamined) return true;
    // Twice the signed area; a triangle too thin to have a direction is kept.
    const double area = (x[1] - x[0]) * (y[2] - y[0]) - (x[2] - x[0]) * (y[1] - y[0]);
    if (!std::isfinite(area) || std::fabs(area) < 1e-9) return true;
    const double orientation = area > 0.0 ? 1.0 : -1.0;
    double ex[3], ey[3], slack[3];
    for (int i = 0; i < 3; ++i) {
        const int j = (i + 1) % 3;
        ex[i] = x[j] - x[i];
        ey[i] = y[j] - y[i];
        // The margin as a distance from the edge's line.
        slack[i] = kMargin * std::sqrt(ex[i] * ex[i] + ey[i] * ey[i]);
    }
    for (double cy = firstY + 0.5; cy <= lastY + 0.5; cy += 1.0)
        for (double cx = firstX + 0.5; cx <= lastX + 0.5; cx += 1.0) {
            bool inside = true;
            for (int i = 0; i < 3 && inside; ++i)
                inside = orientation * (ex[i] * (cy - y[i]) - ey[i] * (cx - x[i])) >= -slack[i];
            if (inside) return true;
        }
    return false;
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
    const auto& m = matrix_;
    if (m[3] != 0.0 || m[7] != 0.0 || m[11] != 0.0 || !(m[15] > 1e-12)) return;
    Affine a;
    for (int i = 0; i < 4; ++i) {
        a.x[i] = m[i * 4] * halfWidth_ / m[15];
        a.y[i] = m[i * 4 + 1] * halfHeight_ / m[15];
    }
    a.x[3] += originX_ + halfWidth_;
    a.y[3] += originY_ + halfHeight_;
    for (double v : {a.x[0], a.x[1], a.x[2], a.x[3], a.y[0], a.y[1], a.y[2], a.y[3]})
        if (!std::isfinite(v)) return;
    affine_ = a;
}

bool PixelCentres::mayLightAffine(const float* const corners[3], const float z[3]) const {
    const Affine& a = *affine_;
    // Across first: about half the triangles of a dense mesh end there.
    double x[3], y[3];
    for (size_t i = 0; i < 3; ++i) x[i] = a.x[0] * corners[i][0] + a.x[1] * corners[i][1] + a.x[2] * z[i] + a.x[3];
    double firstX = 0.0, lastX = 0.0, firstY = 0.0, lastY = 0.0;
    const Span across = centresWithin(x, firstX, lastX);
    if (across == Span::none) return false;
    for (size_t i = 0; i < 3; ++i) y[i] = a.y[0] * corners[i][0] + a.y[1] * corners[i][1] + a.y[2] * z[i] + a.y[3];
    const Span up = centresWithin(y, firstY, lastY);
    if (up == Span::none) return false;
    if (across == Span::unbounded || up == Span::unbounded) return true;
    return anyCentreInside(x, y, firstX, lastX, firstY, lastY);
}

bool PixelCentres::mayLightProjected(const float* const corners[3], const float z[3]) const {
    const auto& m = matrix_;
    double x[3], y[3];
    for (size_t i = 0; i < 3; ++i) {
        const double px = corners[i][0], py = corners[i][1], pz = z[i];
        const double cx = m[0] * px + m[4] * py + m[8] * pz + m[12];
        const double cy = m[1] * px + m[5] * py + m[9] * pz + m[13];
        const double cw = m[3] * px + m[7] * py + m[11] * pz + m[15];
        // Behind the eye or at infinity the projection is no plain mapping: keep it.
        if (!(cw > 1e-12) || !std::isfinite(cx) || !std::isfinite(cy)) return true;
        x[i] = originX_ + (cx / cw + 1.0) * halfWidth_;
        y[i] = originY_ + (cy / cw + 1.0) * halfHeight_;
    }
    double firstX = 0.0, lastX = 0.0, firstY = 0.0, lastY = 0.0;
    const Span across = centresWithin(x, firstX, lastX), up = centresWithin(y, firstY, lastY);
    if (across == Span::none || up == Span::none) return false;
    if (across == Span::unbounded || up == Span::unbounded) return true;
    return anyCentreInside(x, y, firstX, lastX, firstY, lastY);
}

bool PixelCentres::mayLightPixel(const float* a, const float* b, const float* c, size_t floats) const {
    const float* const corners[3] = {a, b, c};
    const float z[3] = {floats == 3 ? a[2] : 0.0f, floats == 3 ? b[2] : 0.0f, floats == 3 ? c[2] : 0.0f};
    return affine_ ? mayLightAffine(corners, z) : mayLightProjected(corners, z);
}

bool PixelCentres::mayLightPixel(const float* p, size_t floats) const {
    return mayLightPixel(p, p + floats, p + 2 * floats, floats);
}

} // namespace vellum
