#include "render/OffscreenPicture.h"

#include "render/HeadlessGlContext.h"
#include "render/Renderer.h"
#include "render/TextRenderer.h"
#include "settings/ViewSettings.h"

namespace vellum {

RgbImage PaintOffscreen(const ViewSettings& settings, const OffscreenRequest& request, std::string& error) {
    HeadlessGlContext context(request.width, request.height);
    if (!context.ok()) {
        error = context.error();
        return {};
    }
    Renderer renderer(request.withText ? TextRenderer::withJapaneseGothic() : nullptr);
    renderer.resize(request.width, request.height);
    if (request.progress) renderer.prepare(request.dataSet, settings, request.state, *request.progress);
    renderer.paint(request.dataSet, settings, request.state);
    RgbImage image = context.readPixels();
    renderer.releaseGlResources();
    return image;
}

} // namespace vellum
