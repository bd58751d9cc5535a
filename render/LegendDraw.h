#pragma once
// Draws the legend with OpenGL, in the screen-fixed frame.
namespace vellum {

class TextRenderer;
class ViewSettings;

// The value texts (only with a text renderer), the black outline of the bar and its fill
// in the graph's colour map.
void drawLegendBar(const ViewSettings& settings, TextRenderer* text, double pixelRatio);

} // namespace vellum
