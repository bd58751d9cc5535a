#pragma once
// Whether a filled triangle can light any pixel. OpenGL lights a pixel of a filled
// triangle only when the pixel's centre lies inside it; most triangles of a million-element
// mesh drawn into a few hundred thousand pixels hold no centre at all, and skipping them
// leaves the picture byte for byte the same while the rasteriser does a fraction of the
// work. The test is conservative: a triangle within a small margin of a centre is kept.
#include <array>
#include <cstddef>
#include <optional>

namespace vellum {

class PixelCentres {
public:
    // The transform OpenGL applies: model-view and projection matrices (column-major, as
    // glGetDoublev gives them) and the viewport (x, y, width, height).
    PixelCentres(const std::array<double, 16>& modelView, const std::array<double, 16>& projection,
                 const std::array<int, 4>& viewport);

    // False only when no pixel centre can lie inside the triangle a, b, c (model
    // coordinates, as OpenGL receives them), of `floats` (2 or 3) each; with 2 the corners
    // lie at z = 0.
    bool mayLightPixel(const float* a, const float* b, const float* c, size_t floats = 3) const;
    // The same for three corners stored one after another, `floats` (2 or 3) each; with 2
    // the corners lie at z = 0.
    bool mayLightPixel(const float* corners, size_t floats) const;

private:
    // Window coordinates as an affine function of the position, which the parallel
    // projections of a graph are: no division per corner.
    struct Affine {
        double x[4], y[4];
    };
    bool mayLightAffine(const float* const corners[3], const float z[3]) const;
    bool mayLightProjected(const float* const corners[3], const float z[3]) const;

    std::array<double, 16> matrix_{}; // projection times model-view
    double originX_, originY_, halfWidth_, halfHeight_;
    std::optional<Affine> affine_;
};

} // namespace vellum
