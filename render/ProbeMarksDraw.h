#pragma once
// Draws the pinned probes and, when the look asks for them, the largest and smallest
// value: a marker at each place and a label beside it, over the graph, so that neither is
// hidden by the surface as the graph turns. The graph's matrix must be current.
#include "render/ProbeMarks.h"
#include "render/SceneContext.h"

#include <vector>

namespace vellum {

class TextRenderer;

// The marks of one picture: the pins as given, then the extremes (largest first).
struct PlacedMark {
    Point3 at;
    std::string label;
    enum class Kind { Pin, Maximum, Minimum } kind = Kind::Pin;
};
std::vector<PlacedMark> placeProbeMarks(const SceneContext& scene, const std::vector<ProbeMark>& pins);

void drawProbeMarks(const SceneContext& scene, const std::vector<ProbeMark>& pins, TextRenderer* text);

} // namespace vellum
