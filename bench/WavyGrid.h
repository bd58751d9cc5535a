#pragma once
// The 1000 x 1000 node grid the drawing benchmarks paint: a wavy sheet, already
// normalised, whose values cross every contour level many times.
#include "data/DataSet.h"

#include <cmath>
#include <cstdint>

namespace vellum::bench {

inline constexpr uint32_t kNodesPerSide = 1000;

inline DataSet wavyGrid() {
    DataSet sheet;
    const double step = 1.0 / (kNodesPerSide - 1);
    sheet.nodes.resize(size_t(kNodesPerSide) * kNodesPerSide);
    for (uint32_t index = 0; index < sheet.nodes.size(); ++index) {
        NodeRecord& node = sheet.nodes[index];
        const double x = -0.5 + (index % kNodesPerSide) * step;
        const double y = -0.5 + (index / kNodesPerSide) * step;
        node.number = int32_t(index) + 1;
        node.t = 0.5 + 0.5 * std::sin(6 * x) * std::cos(5 * y);
        node.coordinates = {x, y, node.t};
        node.position = {x, y, (node.t - 0.5) * 0.5};
    }
    sheet.elements.resize(size_t(kNodesPerSide - 1) * (kNodesPerSide - 1));
    for (uint32_t index = 0; index < sheet.elements.size(); ++index) {
        ElementRecord& element = sheet.elements[index];
        const uint32_t corner = index + index / (kNodesPerSide - 1);
        element.number = int32_t(index) + 1;
        element.nodes = {corner, corner + 1, corner + kNodesPerSide + 1, corner + kNodesPerSide};
        element.nodeCount = 4;
        element.faces[0] = 1; // the 4-node quadrilateral
        element.faceCount = 1;
    }
    sheet.columnCount = 1;
    sheet.columnMinimum = {0.0};
    sheet.columnMaximum = {1.0};
    sheet.columnRange = {1.0};
    sheet.columnMiddle = {0.5};
    sheet.minimum = {-0.5, -0.5, 0.0};
    sheet.maximum = {0.5, 0.5, 1.0};
    sheet.extent = {1.0, 1.0, 1.0};
    sheet.overallExtent = 1.0;
    return sheet;
}

} // namespace vellum::bench
