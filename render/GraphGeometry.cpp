#include "render/GraphGeometry.h"

#include <cmath>

namespace vellum {

const FacePattern* elementFace(const ElementRecord& element, size_t faceIndex) {
    if (faceIndex >= element.faceCount || faceIndex >= kMaxElementFaces) return nullptr;
    const int code = element.faces[faceIndex];
    if (code < 0 || static_cast<size_t>(code) >= kFacePatternCount) return nullptr;
    const FacePattern& face = kFacePatterns[static_cast<size_t>(code)];
    if (face.count != 3 && face.count != 4) return nullptr;
    for (uint8_t i = 0; i < face.count; ++i)
        if (face.positions[i] >= element.nodeCount) return nullptr;
    return &face;
}

Outline elementOutline(const ElementRecord& element, int shape) {
    Outline outline;
    auto closedPath = [&outline](const uint8_t* path, size_t length) {
        for (size_t i = 0; i < length; ++i)
            outline.segments[outline.count++] = {path[i], path[(i + 1) % length]};
    };
    if (shape == kSheetShape && element.nodeCount == 6 && element.faceCount > 0) {
        static constexpr uint8_t boundary[] = {0, 3, 1, 4, 2, 5};
        closedPath(boundary, 6);
        return outline;
    }
    if (shape == kSheetShape && element.nodeCount == 8 && element.faceCount > 0) {
        static constexpr uint8_t boundary[] = {0, 4, 1, 5, 2, 6, 3, 7};
        closedPath(boundary, 8);
        return outline;
    }
    for (size_t f = 0; f < element.faceCount; ++f)
        if (const FacePattern* face = elementFace(element, f)) closedPath(face->positions.data(), face->count);
    return outline;
}

Point3 coneTurnAxis(const NodeArrow& arrow, bool projection) {
    const auto& h = arrow.halfVector;
    Point3 axis = projection ? Point3{h[0], h[1], std::sqrt(h[0] * h[0] + h[1] * h[1])} : Point3{h[0], h[1], h[2]};
    if (axis[0] == 0.0 && axis[1] == 0.0 && axis[2] == 0.0) return Point3{1.0, 0.0, 0.0};
    return axis;
}

} // namespace vellum
