#pragma once
// One picture drawn with no display: what the headless program writes as its image.
#include "render/FontFace.h"
#include "render/ProbeMarks.h"
#include "render/RgbImage.h"
#include "render/SceneState.h"

#include <future>
#include <memory>
#include <string>

namespace vellum {

class DataSet;
class HeadlessGlContext;
class OffscreenWarmUp;
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
    // A plain picture is drawn in the context this made ahead, when it could; else in one
    // made for it.
    OffscreenWarmUp* warmUp = nullptr;
    // The pinned probes drawn over the graph (the window's export shows its pins).
    std::vector<ProbeMark> pins;
    // Report pictures. `scale` (up to 8; the window's export may ask for a fraction) draws the same picture that many times larger in
    // both directions, lines, points and text included; `antialias` smooths edges with
    // the most samples the context offers (or by drawing twice as large and reducing when
    // it offers none); `transparent` leaves the background out: the image then has an
    // alpha plane. A picture larger than one buffer is drawn in tiles of at most
    // `tileSide` pixels (0: what the context allows, at most kLargestTileSide).
    double scale = 1.0;
    bool antialias = false;
    bool transparent = false;
    int tileSide = 0;
};

// Tiles are kept to these sides so that a tile stays within memory.
inline constexpr int kLargestTileSide = 4096;
inline constexpr int kLargestMultisampledTileSide = 1024;
// A report picture holds at most this many pixels a side and in all (the largest side
// JPEG can hold; about 800 MB of colours).
inline constexpr int kLargestPictureSide = 65500;
inline constexpr long long kLargestPicturePixels = 1LL << 28;
// Whether a drawing area of width x height at `scale` stays within those limits.
bool reportPictureFits(int width, int height, double scale);

// What a picture needs that no data decides: the Japanese Gothic face found through
// fontconfig, the surfaceless display started and a context made. Begun on its own thread
// while a job loads, all are ready when the picture is drawn instead of being waited for.
class OffscreenWarmUp {
public:
    OffscreenWarmUp();
    ~OffscreenWarmUp(); // waits for the thread
    OffscreenWarmUp(const OffscreenWarmUp&) = delete;
    OffscreenWarmUp& operator=(const OffscreenWarmUp&) = delete;
    // The face found; waits for it.
    const FontLocation& font();
    // The context made ahead, current on the calling thread with a plain off-screen buffer
    // of width x height; null when none could be made or it was taken already.
    std::unique_ptr<HeadlessGlContext> takeContext(int width, int height);

private:
    struct Ready {
        FontLocation font;
        std::unique_ptr<HeadlessGlContext> context;
    };
    void wait();

    std::future<Ready> preparing_;
    Ready ready_;
    bool waited_ = false;
};

// Many pictures of one size from one headless context and one renderer: the frames of a
// series. Each picture is painted once, as PaintOffscreen paints it.
class OffscreenPainter {
public:
    // `scale` and `antialias` as in OffscreenRequest; the pictures are width x scale by
    // height x scale, in one buffer (no tiles).
    OffscreenPainter(int width, int height, bool withText, const FontLocation* font, int scale = 1,
                     bool antialias = false);
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
// goes. An empty image, with the reason in `error`, when no context can be made. A
// request for scale, smoothing or tiles draws as PaintReportPicture does.
RgbImage PaintOffscreen(const ViewSettings& settings, const OffscreenRequest& request, std::string& error);

// Any picture, with the alpha plane when the request is transparent: a scaled one in tiles
// when it is larger than one buffer (or kLargestTileSide), smoothed by multisampling.
RgbaImage PaintReportPicture(const ViewSettings& settings, const OffscreenRequest& request, std::string& error);

} // namespace vellum
