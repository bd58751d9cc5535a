#pragma once
// Gathers the pieces of the picture the renderer draws, in its order, from the same
// geometry functions, and puts them on the page with the renderer's matrices.
#include "render/ProbeMarks.h"
#include "render/SceneContext.h"
#include "vector/VectorScene.h"

#include <vector>

namespace vellum {

class Ui;

struct CollectRequest {
    int width = 0, height = 0;
    bool withText = true;
    const std::vector<ProbeMark>* pins = nullptr;
    // When given, the graph's faces, lines and dots are drawn into it rather than kept.
    FaceRaster* bodyRaster = nullptr;
};
// The layers collectScene makes: the legend under everything, the graph over it.
inline constexpr uint32_t kLegendLayer = 0, kGraphLayer = 1;

// The whole scene: legend, projection and graph with their contours, grid, probe marks,
// axes symbol, title and labels. Shows "等高線描画中" through `ui` while contours are made.
void collectScene(const SceneContext& scene, const CollectRequest& request, VectorScene& out, Ui& ui);

// The graph body of one pass, the part under the contours or the part over them.
void collectBodyUnderContours(const SceneContext& scene, const GraphPass& pass, const PageProjection& page,
                              VectorScene& out);
void collectBodyOverContours(const SceneContext& scene, const GraphPass& pass, const PageProjection& page,
                             VectorScene& out);
void collectContours(const SceneContext& scene, const GraphPass& pass, const PageProjection& page, VectorScene& out,
                     Ui& ui);

// Decorations in the screen-fixed frame and over the graph.
void collectLegend(const ViewSettings& settings, int width, int height, bool withText, VectorScene& out);
void collectGrid(const SceneContext& scene, const PageProjection& page, bool withText, VectorScene& out);
void collectProbeMarks(const SceneContext& scene, const std::vector<ProbeMark>& pins, const PageProjection& page,
                       bool withText, VectorScene& out);
void collectAxesSymbol(const ViewSettings& settings, int width, int height, bool withText, VectorScene& out);
void collectTitleAndLabels(const ViewSettings& settings, const DrawingBox& box, int width, int height,
                           VectorScene& out);

// A solid cone (base radius, height) with its base on the origin and its apex along axis
// 3 of `frame`, as its outline on the page, in one colour.
void collectCone(const PageProjection& page, const Matrix4& frame, double baseRadius, double height,
                 const Colour& colour, VectorScene& out);

} // namespace vellum
