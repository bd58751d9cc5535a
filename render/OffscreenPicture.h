#pragma once
// One picture drawn with no display: what the headless program writes as its image.
#include "render/RgbImage.h"
#include "render/SceneState.h"

#include <string>

namespace vellum {

class DataSet;
class Ui;
class ViewSettings;

struct OffscreenRequest {
    int width = 0, height = 0;        // the drawing area in pixels
    const DataSet* dataSet = nullptr; // nothing loaded: only the background
    SceneState state;
    // Legend values, grid values, axis names, title and labels in the Japanese Gothic face.
    bool withText = true;
    // Shows the contour progress bar while the geometry is built; optional.
    Ui* progress = nullptr;
};

// Makes a headless context of the requested size, paints the scene once through the
// renderer, reads it back and releases the renderer's OpenGL objects before the context
// goes. An empty image, with the reason in `error`, when no context can be made.
RgbImage PaintOffscreen(const ViewSettings& settings, const OffscreenRequest& request, std::string& error);

} // namespace vellum
