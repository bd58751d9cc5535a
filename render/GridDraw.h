#pragma once
// The grid planes, their division lines and the grid values, kept between paints until
// the drawing box, the data set or a grid setting changes.
#include "render/DrawingBox.h"
#include "render/GridPicture.h"

#include <array>
#include <cstdint>

namespace vellum {

struct SceneContext;
class TextRenderer;

// Everything the kept grid is made of; colours, widths and patterns are set when drawing.
struct GridKey {
    uint64_t revision = 0;
    int dataType = -1, dim = 0, column = 0;
    DrawingBox box;
    std::array<int, 6> on{};
    std::array<int, 3> count{}, valuesOn{}, valueStyle{}, valueDigits{};
    int overGridBox = 0, byValue = 0;
    std::array<double, 3> step{};
    std::array<std::array<double, 2>, 3> divisionRange{}, gridSize{};
    std::array<std::array<double, 3>, 3> valueShift{};

    friend bool operator==(const GridKey&, const GridKey&) = default;
};
GridKey gridKeyOf(const SceneContext& scene);

class GridLayer {
public:
    // Builds the grid when it is not built for this scene yet; true when it built.
    bool prepare(const SceneContext& scene);
    // Inside the graph transform: division lines first, then the plane outlines, then the
    // values (only with a text renderer).
    void draw(const SceneContext& scene, TextRenderer* text);
    void forget() { keyed_ = false; }

private:
    bool keyed_ = false;
    GridKey key_;
    GridPicture picture_;
};

} // namespace vellum
