#pragma once
// Contour lines and filled bands over one triangle, computed without OpenGL so that the
// drawing layer and the tests share the same geometry. Values are in legend units: 0 is
// the legend minimum, 1 the legend maximum.
#include "render/Camera.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace vellum {

// More divisions than this is no contour graph one could read (the legend shows no bands
// beyond it either); such a count draws nothing rather than allocating per level.
inline constexpr int kMaxContourDivisions = 10000;

// The n + 1 levels L(i) = i / n of n divisions, and the bands between them. Band 0 holds
// values at or below L(0) and band n + 1 values above L(n); band k between them holds
// values in (L(k - 1), L(k)] and takes the colour of its upper level.
class ContourLevels {
public:
    explicit ContourLevels(int divisions);

    // Fewer than one division, or more than kMaxContourDivisions: nothing to draw.
    bool empty() const { return levels_.empty(); }
    int divisions() const { return static_cast<int>(levels_.size()) - 1; }
    double level(int i) const { return levels_[static_cast<size_t>(i)]; }
    // The colour value of band k, 0 to n + 1: 0 below the range, 1 above it.
    double bandValue(int band) const;
    // The band holding u: the first k with u <= L(k), or n + 1. It is also the first
    // level at or above u.
    int bandOf(double u) const;
    // The first k with u < L(k), or n + 1: the band just above a value sitting on a level.
    int bandAbove(double u) const;

private:
    std::vector<double> levels_;
};

// Maps a value normalised within its data column (0 at the column minimum, 1 at its
// maximum) to legend units.
class LegendUnitMapping {
public:
    // Empty when the legend range is empty (MAX equal to MIN) or not finite: every value
    // would divide by zero, so contours draw nothing.
    static std::optional<LegendUnitMapping> make(double columnMinimum, double columnRange,
                                                 double legendMin, double legendMax);
    double operator()(double t) const { return t * scale_ + offset_; }

private:
    double scale_ = 1.0;
    double offset_ = 0.0;
};

// What is painted under the lines: nothing, the coloured bands, or white to hide what lies
// behind the surface.
enum class ContourFill { none, bands, white };

// Receives the pieces of the contours. A fill polygon is convex with 3 to 5 corners; its
// band is 0 to n + 1, or kWhiteBand for the hiding fill.
class ContourSink {
public:
    static constexpr int kWhiteBand = -1;
    virtual ~ContourSink() = default;
    virtual void fill(const Point3* corners, int count, int band) = 0;
    virtual void line(const Point3& from, const Point3& to, int level) = 0;
    // A whole triangle in one band whose corners are the positions of the data set's nodes
    // `nodes`. A sink that can draw from the nodes keeps the indices alone.
    virtual void fillNodes(const Point3* corners, const std::array<uint32_t, 3>& nodes, int band) {
        (void)nodes;
        fill(corners, 3, band);
    }
};

inline constexpr uint32_t kNoNode = 0xFFFFFFFFu;

struct ContourCorner {
    Point3 position;
    double u;                // legend units
    uint32_t node = kNoNode; // the node whose own position this is, if one is
};

// Emits the fill and the level lines of one triangle.
void contourTriangle(const ContourLevels& levels, const std::array<ContourCorner, 3>& corners,
                     ContourFill fill, ContourSink& sink);

// The triangles of a face of `count` positions: one for three, two for four, split along
// the diagonal from the third position to the first; none for any other size. Returns the
// number of triangles written to `out`.
int splitFaceIntoTriangles(int count, std::array<std::array<int, 3>, 2>& out);

} // namespace vellum
