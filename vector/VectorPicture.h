#pragma once
// Vector pictures: the scene the renderer draws, written as SVG or PDF through cairo from
// the same geometry, with text kept as text.
#include "render/FontFace.h"      // FontLocation
#include "render/ProbeMarks.h"    // ProbeMark
#include "render/SceneState.h"
#include <string>
#include <string_view>
#include <vector>
namespace vellum {
class DataSet; class Ui; class ViewSettings;
enum class VectorFormat { None, Svg, Pdf };
// ".svg" or ".pdf", any case; None for every other extension.
VectorFormat vectorFormatForPath(std::string_view path);
struct VectorRequest {
    int width = 0, height = 0;         // the drawing area in pixels (points in the file)
    double scale = 1.0;                // the page is width*scale x height*scale; line widths, text etc. scale too
    bool transparent = false;          // no background rectangle
    const DataSet* dataSet = nullptr;  // nothing loaded: only the background
    SceneState state;
    bool withText = true;
    const FontLocation* font = nullptr; // looked up when null
    std::vector<ProbeMark> pins;       // pinned probes drawn over the graph, as the window does
};
// Writes the picture to `path` (the file appears only once complete, see common/FileIo AtomicFile).
// Shows "イメージのエクスポートに失敗しました" when it cannot be written; 0 on success, 1 after the message.
int ExportVectorPicture(Ui& ui, const std::string& path, const ViewSettings& settings, const VectorRequest& request);
}
