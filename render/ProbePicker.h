#pragma once
// What lies under a pixel of the picture: the front-most face of the graph body as it is
// drawn (after the section box and the material hiding, so hidden elements are never
// found) and, on it, the corner nearest to the pixel on screen. Worked out on the CPU with
// the renderer's own camera, exact at the pixel's centre; faces are sorted into a grid of
// screen cells once per camera, so later probes of a still view test a few faces only.
#include "data/DataSet.h"
#include "model/ProbeReading.h"
#include "render/Camera.h"
#include "render/SceneState.h"

#include <cstdint>
#include <vector>

namespace vellum {

class ViewSettings;

struct ProbeHit {
    bool hit = false;
    ProbeTarget target;
};

class ProbePicker {
public:
    // The pixel (x, y) of a width x height drawing area (logical pixels from the top-left
    // corner) showing `dataSet` drawn with `look`. Rebuilds the screen grid when the data
    // set, its revision, the camera, the placement or the area changed.
    ProbeHit pick(const DataSet& dataSet, const ViewSettings& look, SceneState state, int width, int height, double x,
                  double y);
    // Drops the grid (a new data set may reuse the old one's address).
    void forget() { key_ = {}; }

private:
    struct Key {
        const DataSet* dataSet = nullptr;
        uint64_t revision = 0;
        std::array<int, 3> digree{};
        Point3 position{};
        double scale123 = 0.0;
        std::array<double, 3> SCALE{};
        int DIM = 0;
        int dataType = 0;
        int width = 0, height = 0;
        friend bool operator==(const Key&, const Key&) = default;
    };
    // One triangle of a face: the element, its face index and which half of a
    // quadrilateral (split along the first-to-third diagonal, as it is drawn).
    struct Item {
        uint32_t element;
        uint8_t face;
        uint8_t half;
    };
    struct Corners {
        std::array<uint32_t, 4> nodes{};
        std::array<std::array<double, 3>, 4> screen{}; // x, y in pixels and the eye's depth
        uint8_t count = 0;
    };
    void build(const DataSet& dataSet, const ViewSettings& look, SceneState state, int width, int height);
    bool corners(const DataSet& dataSet, const Item& item, Corners& out) const;

    Key key_;
    bool lift_ = false; // element values drawn at their own height
    double liftScale_ = 1.0;
    Matrix4 camera_{};
    double pixelsPerUnitX_ = 0.0, pixelsPerUnitY_ = 0.0, left_ = 0.0, top_ = 0.0;
    std::vector<float> nodeScreen_; // x, y, depth of every node
    // Triangles by screen cell: cellStart_[c] .. cellStart_[c + 1] in cellItems_.
    int cellSize_ = 8, columns_ = 0, rows_ = 0;
    std::vector<uint32_t> cellStart_;
    std::vector<Item> cellItems_;
    struct Placed {
        uint32_t cell;
        Item item;
    };
    std::vector<Placed> placed_;
};

// Where a pinned probe or an extreme is drawn: its node as the graph body places it (for
// element values drawn at their own height, at the element's height).
Point3 probeMarkPoint(const DataSet& dataSet, const ViewSettings& look, SceneState state, const ProbeTarget& target);

} // namespace vellum
