#include "render/OffscreenPicture.h"

#include "render/HeadlessGlContext.h"
#include "render/Renderer.h"
#include "render/SilentUi.h"
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
    SilentUi silent;
    renderer.paintOnce(request.dataSet, settings, request.state, request.progress ? *request.progress : silent);
    RgbImage image = context.readPixels();
    renderer.releaseGlResources();
    return image;
}

} // namespace vellum
