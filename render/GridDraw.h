#pragma once
// Draws the grid planes, their division lines and the grid values with OpenGL.
namespace vellum {

struct SceneContext;
class TextRenderer;

// Inside the graph transform: division lines first, then the plane outlines, then the
// values of every axis whose values are switched on (shown even when no plane is).
void drawGridPlanes(const SceneContext& scene, TextRenderer& text);

} // namespace vellum
