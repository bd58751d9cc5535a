#include "render/OffscreenPicture.h"

#include "render/HeadlessGlContext.h"
#include "render/Renderer.h"
#include "render/ReportPixels.h"
#include "common/SilentUi.h"
#include "render/TextRenderer.h"
#include "settings/ViewSettings.h"

#include <algorithm>
#include <cmath>

namespace vellum {
namespace {

bool isReportPicture(const OffscreenRequest& r) {
    return r.scale != 1.0 || r.antialias || r.transparent || r.tileSide != 0;
}

std::unique_ptr<TextRenderer> textFor(const OffscreenRequest& request) {
    if (!request.withText) return nullptr;
    return request.font ? std::make_unique<TextRenderer>(FontFace::open(*request.font))
                        : TextRenderer::withJapaneseGothic();
}

} // namespace

RgbaImage PaintReportPicture(const ViewSettings& settings, const OffscreenRequest& request, std::string& error) {
    const double scale = std::isfinite(request.scale) ? std::clamp(request.scale, 1.0 / 64.0, 8.0) : 1.0;
    if (!reportPictureFits(request.width, request.height, scale)) {
        error = "the picture is larger than " + std::to_string(kLargestPictureSide) + " pixels a side or " +
                std::to_string(kLargestPicturePixels) + " in all";
        return {};
    }
    // The buffers are sized for each tile below, once the context's limits are known.
    HeadlessGlContext context(1, 1, request.antialias);
    if (!context.ok()) {
        error = context.error();
        return {};
    }
    // Without multisampling the edges are smoothed by drawing twice as large and reducing.
    const int supersample = request.antialias && context.samples() == 0 ? 2 : 1;
    // As the renderer rounds them.
    const int deviceWidth = static_cast<int>(std::lround(request.width * scale * supersample));
    const int deviceHeight = static_cast<int>(std::lround(request.height * scale * supersample));
    // Multisampled buffers take many bytes a pixel and the software renderer clears them
    // whole: small tiles, reused, stay in memory already touched and cost less than one
    // large buffer, even with the scene drawn once a tile.
    int side = std::min(context.largestSide(), context.samples() > 0 ? kLargestMultisampledTileSide : kLargestTileSide);
    if (request.tileSide > 0) side = std::min(side, request.tileSide);
    if (side <= 0) {
        error = "the OpenGL context has no buffer size";
        return {};
    }

    Renderer renderer(textFor(request));
    renderer.setPins(request.pins);
    renderer.resize(request.width, request.height, scale * supersample);
    renderer.setTransparentBackground(request.transparent);
    SilentUi silent;
    Ui& progress = request.progress ? *request.progress : silent;

    RgbaImage picture;
    if (deviceWidth <= side && deviceHeight <= side) {
        if (context.resize(deviceWidth, deviceHeight)) {
            renderer.paintOnce(request.dataSet, settings, request.state, progress);
            picture = context.readRgbaPixels();
        }
    } else {
        picture.colour.width = deviceWidth;
        picture.colour.height = deviceHeight;
        const size_t count = static_cast<size_t>(deviceWidth) * static_cast<size_t>(deviceHeight);
        picture.colour.pixels.resize(count * 3);
        picture.alpha.resize(count);
        // One buffer for every tile, so that its memory is touched once; each tile is
        // drawn into its lower left corner. OpenGL counts rows from the bottom, the
        // picture from the top.
        if (context.resize(std::min(side, deviceWidth), std::min(side, deviceHeight)))
            for (int y = 0; y < deviceHeight; y += side)
                for (int x = 0; x < deviceWidth; x += side) {
                    const int width = std::min(side, deviceWidth - x), height = std::min(side, deviceHeight - y);
                    renderer.setTile(x, y, width, height);
                    renderer.paintOnce(request.dataSet, settings, request.state, progress);
                    pasteTile(picture, context.readRgbaPixels(width, height), x, deviceHeight - y - height);
                }
    }
    if (!context.ok()) {
        error = context.error();
        picture = {};
    }
    if (context.makeCurrent()) renderer.releaseGlResources();
    if (picture.colour.pixels.empty()) return {};
    // An opaque picture's alpha is 255 throughout.
    if (!request.transparent) picture.alpha.clear();
    if (supersample > 1) picture = reduceByFactor(picture, supersample);
    if (request.transparent) separateFromBackground(picture, settings.BACKCOLOR);
    return picture;
}

bool reportPictureFits(int width, int height, double scale) {
    if (width <= 0 || height <= 0 || !(scale > 0.0) || !std::isfinite(scale)) return false;
    const long long w = std::llround(width * scale), h = std::llround(height * scale);
    return w >= 1 && h >= 1 && w <= kLargestPictureSide && h <= kLargestPictureSide && w * h <= kLargestPicturePixels;
}

RgbImage PaintOffscreen(const ViewSettings& settings, const OffscreenRequest& request, std::string& error) {
    if (isReportPicture(request)) return PaintReportPicture(settings, request, error).colour;
    std::unique_ptr<HeadlessGlContext> made =
        request.warmUp ? request.warmUp->takeContext(request.width, request.height) : nullptr;
    if (!made) made = std::make_unique<HeadlessGlContext>(request.width, request.height);
    HeadlessGlContext& context = *made;
    if (!context.ok()) {
        error = context.error();
        return {};
    }
    std::unique_ptr<TextRenderer> text;
    if (request.withText)
        text = request.font ? std::make_unique<TextRenderer>(FontFace::open(*request.font))
                            : TextRenderer::withJapaneseGothic();
    Renderer renderer(std::move(text));
    renderer.setPins(request.pins);
    renderer.resize(request.width, request.height);
    SilentUi silent;
    renderer.paintOnce(request.dataSet, settings, request.state, request.progress ? *request.progress : silent);
    RgbImage image = context.readPixels();
    renderer.releaseGlResources();
    return image;
}

struct OffscreenPainter::Parts {
    Parts(int width, int height, std::unique_ptr<TextRenderer> text, int scale, bool antialias)
        : context(width * scale, height * scale, antialias), renderer(std::move(text)) {
        renderer.resize(width, height, scale);
    }
    HeadlessGlContext context;
    Renderer renderer;
};

OffscreenPainter::OffscreenPainter(int width, int height, bool withText, const FontLocation* font, int scale,
                                   bool antialias) {
    std::unique_ptr<TextRenderer> text;
    if (withText) text = font ? std::make_unique<TextRenderer>(FontFace::open(*font)) : TextRenderer::withJapaneseGothic();
    parts_ = std::make_unique<Parts>(width, height, std::move(text), std::clamp(scale, 1, 8), antialias);
}

OffscreenPainter::~OffscreenPainter() {
    if (parts_->context.ok() && parts_->context.makeCurrent()) parts_->renderer.releaseGlResources();
}

bool OffscreenPainter::ok() const { return parts_->context.ok(); }

const std::string& OffscreenPainter::error() const { return parts_->context.error(); }

RgbImage OffscreenPainter::paint(const ViewSettings& settings, const DataSet* dataSet, SceneState state, Ui& progress) {
    if (!ok() || !parts_->context.makeCurrent()) return {};
    parts_->renderer.paintOnce(dataSet, settings, state, progress);
    return parts_->context.readPixels();
}

OffscreenWarmUp::OffscreenWarmUp()
    : preparing_(std::async(std::launch::async, [] {
          startSurfacelessDisplay();
          Ready ready{findJapaneseGothicFont(), std::make_unique<HeadlessGlContext>(1, 1)};
          // Made current here only to be made; the drawing thread takes it.
          if (ready.context->ok()) ready.context->release();
          else ready.context.reset();
          return ready;
      })) {}

OffscreenWarmUp::~OffscreenWarmUp() { wait(); }

void OffscreenWarmUp::wait() {
    if (waited_) return;
    ready_ = preparing_.get();
    waited_ = true;
}

const FontLocation& OffscreenWarmUp::font() {
    wait();
    return ready_.font;
}

std::unique_ptr<HeadlessGlContext> OffscreenWarmUp::takeContext(int width, int height) {
    wait();
    std::unique_ptr<HeadlessGlContext> context = std::move(ready_.context);
    if (context && context->makeCurrent() && context->resize(width, height)) return context;
    return nullptr;
}

} // namespace vellum
