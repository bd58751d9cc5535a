#pragma once
// Draws the title and the three axis labels with OpenGL, from the screen-fixed frame.
namespace vellum {

class TextRenderer;
class ViewSettings;

// The title above the graph, and each label turned with the camera but facing the viewer
// at its own angle. gridLowX and gridLowY are the grid box's low x and y, margin included.
// Multiplies the current matrix by the camera's turns (about axis 1, then 2, then 3), and
// undoes them again so that text drawn afterwards faces the viewer.
void turnWithCamera(const ViewSettings& settings);
void undoCameraTurn(const ViewSettings& settings);

void drawTitleAndAxisLabels(const ViewSettings& settings, TextRenderer& text, double gridLowX, double gridLowY);

} // namespace vellum
