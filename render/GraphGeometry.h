#pragma once
// Geometry of the graph body that needs no OpenGL: element faces and outlines, the
// turn of a vector head, sizes of points, balls and cones.
#include "common/Codes.h"
#include "data/DataSet.h"
#include "render/Camera.h"

#include <array>
#include <cstdint>

namespace vellum {

// The face of an element with this face index, or nullptr when the code is outside the
// table or names a node the element does not have (such a face is not drawn).
const FacePattern* elementFace(const ElementRecord& element, size_t faceIndex);

// The wireframe of one element as pairs of positions in its node list.
struct Outline {
    std::array<std::array<uint8_t, 2>, kMaxElementFaces * 4> segments{};
    size_t count = 0;
};
// A 6-node or 8-node element of a 2-D shape is outlined along its boundary (corner,
// mid-side, corner, ...); any other element outlines each of its faces.
Outline elementOutline(const ElementRecord& element, int shape);

// The axis about which a cone pointing along axis 3 is turned by 180 degrees so that it
// points along the node's vector; in the projection the cone lies flat along the
// vector's shadow. A vector straight down (no axis) turns about axis 1.
Point3 coneTurnAxis(const NodeArrow& arrow, bool projection);

struct ConeSize {
    double baseRadius;
    double height;
};
inline ConeSize vectorHeadSize(double vecSize) { return ConeSize{vecSize * 0.01, vecSize * 0.025}; }
inline double zeroVectorBallRadius(double vecSize) { return vecSize * 0.01; }
// The point size, growing from 3 to 6 times POINTSIZE as t runs from 0 to 1 when it
// follows the data.
inline double pointSizeFor(double pointSize, int pointSizeData, double t) {
    return pointSizeData == 1 ? pointSize * (t + 1.0) * 3.0 : pointSize;
}
inline double ballRadiusFor(double size) { return size * 0.003; }

} // namespace vellum
