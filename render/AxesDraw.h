#pragma once
// Draws the coordinate-axes symbol with OpenGL, in the screen-fixed frame.
namespace vellum {

class PrimitiveLists;
class TextRenderer;
class ViewSettings;

// By default at the lower left of the view: three lines turned with the camera, the
// axis names facing the viewer (only with a text renderer) and a cone at the end of each
// line.
void drawAxesSymbol(const ViewSettings& settings, TextRenderer* text, PrimitiveLists& cones, double pixelRatio);

} // namespace vellum
