#pragma once
// One picture drawn with no display: what the headless program writes as its image.
#include "render/RgbImage.h"
#include "render/SceneHooks.h"

#include <functional>
#include <memory>
#include <string>

namespace vellum {

class DataSet;
class ViewSettings;

struct OffscreenRequest {
    int width = 0, height = 0;                   // the drawing area in pixels
    const DataSet* dataSet = nullptr;            // nothing loaded: only the background
    SceneState state;
    // Makes the legend, contours, grid and texts; optional. They hold display lists of the
    // picture's context, so they are made once it is current and released before it goes.
    std::function<std::unique_ptr<SceneDecorations>()> makeDecorations;
};

// Makes a headless context of the requested size, sets the fixed state and the
// background (BACKCOLOR), paints the scene once and reads it back. An empty image, with
// the reason in `error`, when no context can be made.
RgbImage PaintOffscreen(const ViewSettings& settings, const OffscreenRequest& request, std::string& error);

} // namespace vellum
