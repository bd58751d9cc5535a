#include "render/CulledDraw.h"

#include "render/GlBuffer.h"
#include "render/GlState.h"

namespace vellum {

std::optional<WindowMapping> cullingTransformNow() {
    if (!softwareRasteriser() || multisampledContext()) return std::nullopt;
    return currentWindowMapping();
}

std::optional<PixelCentres> singleSampledPixelCentres() {
    if (multisampledContext()) return std::nullopt;
    const WindowMapping view = currentWindowMapping();
    return PixelCentres(view.modelView, view.projection, view.viewport);
}

} // namespace vellum
