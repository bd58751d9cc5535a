#pragma once
// Draws the contour lines and bands of the graph or the projection with OpenGL.
namespace vellum {

struct SceneContext;
struct GraphPass;
class Ui;

// Lines in the colour of their level (or CONTCOLOR), bands in the colour of their upper
// level, or white under the lines when only hiding; the projection lies flat on the drop
// plane. Shows "等高線描画中" while it runs.
void drawContourPass(const SceneContext& scene, const GraphPass& pass, Ui& ui);

} // namespace vellum
