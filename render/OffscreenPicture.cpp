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
        renderer.setFixedState();
        renderer.setBackground(settings.BACKCOLOR);
        renderer.resize(request.width, request.height);
        renderer.setDecorations(request.decorations);
        renderer.paint(request.dataSet, settings, request.state);
        image = context.readPixels();
    }
    return image;
}

} // namespace vellum
