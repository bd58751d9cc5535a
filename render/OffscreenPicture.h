#pragma once
// One picture drawn with no display: what the headless program writes as its image.
#include "render/FontFace.h"
#include "render/RgbImage.h"
#include "render/SceneState.h"

#include <future>
#include <memory>
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
    // The text face, found already (OffscreenWarmUp); looked up when null.
    const FontLocation* font = nullptr;
};

// What a picture needs that no data decides: the Japanese Gothic face found through
// fontconfig and the surfaceless display started. Begun on its own thread while a job
// loads, both are ready when the picture is drawn instead of being waited for then.
class OffscreenWarmUp {
public:
    OffscreenWarmUp();
    ~OffscreenWarmUp(); // waits for the thread
    OffscreenWarmUp(const OffscreenWarmUp&) = delete;
    OffscreenWarmUp& operator=(const OffscreenWarmUp&) = delete;
    // The face found; waits for it.
    const FontLocation& font();

private:
    std::future<FontLocation> finding_;
    FontLocation font_;
    bool found_ = false;
};

// Many pictures of one size from one headless context and one renderer: the frames of a
// series. Each picture is painted once, as PaintOffscreen paints it.
class OffscreenPainter {
public:
    OffscreenPainter(int width, int height, bool withText, const FontLocation* font);
    ~OffscreenPainter(); // releases the renderer's objects while the context is current
    OffscreenPainter(const OffscreenPainter&) = delete;
    OffscreenPainter& operator=(const OffscreenPainter&) = delete;
    bool ok() const;
    const std::string& error() const;
    // An empty image when the context could not be made.
    RgbImage paint(const ViewSettings& settings, const DataSet* dataSet, SceneState state, Ui& progress);

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

// Makes a headless context of the requested size, paints the scene once through the
// renderer, reads it back and releases the renderer's OpenGL objects before the context
// goes. An empty image, with the reason in `error`, when no context can be made.
RgbImage PaintOffscreen(const ViewSettings& settings, const OffscreenRequest& request, std::string& error);

} // namespace vellum
