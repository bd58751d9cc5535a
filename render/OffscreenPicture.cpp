#include "render/OffscreenPicture.h"

#include "render/HeadlessGlContext.h"
#include "render/Renderer.h"
#include "settings/ViewSettings.h"

namespace vellum {

RgbImage PaintOffscreen(const ViewSettings& settings, const OffscreenRequest& request, std::string& error) {
    HeadlessGlContext context(request.width, request.height);
    if (!context.ok()) {
        error = context.error();
        return {};
    }
    RgbImage image;
    {
        Renderer renderer; // released while the context is still current
        std::unique_ptr<SceneDecorations> decorations;
        if (request.makeDecorations) decorations = request.makeDecorations();
        renderer.setDecorations(decorations.get());
        renderer.setFixedState();
        renderer.setBackground(settings.BACKCOLOR);
        renderer.resize(request.width, request.height);
        renderer.paint(request.dataSet, settings, request.state);
        image = context.readPixels();
        renderer.setDecorations(nullptr);
    }
    return image;
}

} // namespace vellum
