#include "render/OffscreenPicture.h"

#include "render/HeadlessGlContext.h"
#include "render/Renderer.h"
#include "common/SilentUi.h"
#include "render/TextRenderer.h"
#include "settings/ViewSettings.h"

namespace vellum {

RgbImage PaintOffscreen(const ViewSettings& settings, const OffscreenRequest& request, std::string& error) {
    HeadlessGlContext context(request.width, request.height);
    if (!context.ok()) {
        error = context.error();
        return {};
    }
    std::unique_ptr<TextRenderer> text;
    if (request.withText)
        text = request.font ? std::make_unique<TextRenderer>(FontFace::open(*request.font))
                            : TextRenderer::withJapaneseGothic();
    Renderer renderer(std::move(text));
    renderer.resize(request.width, request.height);
    SilentUi silent;
    renderer.paintOnce(request.dataSet, settings, request.state, request.progress ? *request.progress : silent);
    RgbImage image = context.readPixels();
    renderer.releaseGlResources();
    return image;
}

struct OffscreenPainter::Parts {
    Parts(int width, int height, std::unique_ptr<TextRenderer> text)
        : context(width, height), renderer(std::move(text)) {
        renderer.resize(width, height);
    }
    HeadlessGlContext context;
    Renderer renderer;
};

OffscreenPainter::OffscreenPainter(int width, int height, bool withText, const FontLocation* font) {
    std::unique_ptr<TextRenderer> text;
    if (withText) text = font ? std::make_unique<TextRenderer>(FontFace::open(*font)) : TextRenderer::withJapaneseGothic();
    parts_ = std::make_unique<Parts>(width, height, std::move(text));
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
    : finding_(std::async(std::launch::async, [] {
          startSurfacelessDisplay();
          return findJapaneseGothicFont();
      })) {}

OffscreenWarmUp::~OffscreenWarmUp() {
    if (finding_.valid()) finding_.wait();
}

const FontLocation& OffscreenWarmUp::font() {
    if (!found_) {
        font_ = finding_.get();
        found_ = true;
    }
    return font_;
}

} // namespace vellum
