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

void cullIndexedTriangles(const float* positions, size_t floats, const uint32_t* indices, size_t indexCount,
                          const PixelCentres& culling, std::vector<uint32_t>& kept) {
    kept.clear();
    // Reserved, not sized: only the pages the kept triangles reach are touched.
    kept.reserve(indexCount);
    for (size_t i = 0; i + 3 <= indexCount; i += 3) {
        const uint32_t* t = indices + i;
        if (culling.mayLightPixel(positions + t[0] * floats, positions + t[1] * floats, positions + t[2] * floats,
                                  floats))
            kept.insert(kept.end(), t, t + 3);
    }
}

} // namespace vellum
