#include "render/CulledDraw.h"

#include "render/GlBuffer.h"
#include "render/PixelCentres.h"

#include <GL/gl.h>

namespace vellum {

WindowMapping currentWindowMapping() {
    WindowMapping view;
    glGetDoublev(GL_MODELVIEW_MATRIX, view.modelView.data());
    glGetDoublev(GL_PROJECTION_MATRIX, view.projection.data());
    glGetIntegerv(GL_VIEWPORT, view.viewport.data());
    return view;
}

bool multisampledContext() {
    GLint sampleBuffers = 0;
    glGetIntegerv(GL_SAMPLE_BUFFERS, &sampleBuffers);
    return sampleBuffers != 0;
}

std::optional<WindowMapping> cullingTransformNow() {
    if (!softwareRasteriser() || multisampledContext()) return std::nullopt;
    return currentWindowMapping();
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
